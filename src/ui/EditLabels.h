#pragma once

// The names under which the league changes: each store of an editor field runs through
// Session::edit with the field's name as the user reads it, and the session names its own
// acts (an open, an import). The window's refresh reads them to know what to show anew.
namespace EditLabels {

// Stores of the editors.
inline constexpr const char* kCity = "City";
inline constexpr const char* kMascot = "Mascot";
inline constexpr const char* kAbbreviation = "Abbreviation";
inline constexpr const char* kPoints = "Points";
inline constexpr const char* kColour = "Colour";
inline constexpr const char* kJersey = "Jersey";
inline constexpr const char* kFirstName = "First Name";
inline constexpr const char* kLastName = "Last Name";
inline constexpr const char* kHeight = "Height";
inline constexpr const char* kWeight = "Weight";
inline constexpr const char* kPosition = "Position";
inline constexpr const char* kPercentages = "Percentages";
inline constexpr const char* kRating = "Rating";
inline constexpr const char* kSchedule = "Schedule";
inline constexpr const char* kAllStars = "All-Stars";

// The session's own acts.
inline constexpr const char* kOpen = "Open";
inline constexpr const char* kRevert = "Revert";
inline constexpr const char* kImportProject = "Import Project";
inline constexpr const char* kImportTeam = "Import Team";
inline constexpr const char* kImportPlayer = "Import Player";

// The window's acts on the roster: every player from a CSV table, a trade of two players.
inline constexpr const char* kImportPlayersCsv = "Import Players from CSV";
inline constexpr const char* kSwapPlayers = "Swap Players";

}  // namespace EditLabels
