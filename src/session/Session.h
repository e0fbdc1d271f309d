#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/LineReport.h"
#include "base/OffsetSet.h"
#include "base/ResultCode.h"
#include "base/RomImage.h"
#include "model/clsProject.h"
#include "session/Outcome.h"
#include "settings/Settings.h"

// What an edit touched: a team, and a player of it; -1 where none (the whole league, or
// the whole team).
struct EditTarget {
    int team = -1;
    int player = -1;
    bool operator==(const EditTarget&) const = default;
};

// What the observers of a session hear: the league was replaced (an open, a project
// import), changed (an edit, a team or player import) or saved.
struct LeagueEvent {
    enum class Kind { Replaced, Changed, Saved };
    Kind kind = Kind::Changed;
    std::string label;  // "Open", "Import Team", the editor's name for an edit, "Save"
    EditTarget target;
    bool operator==(const LeagueEvent&) const = default;
};

// An import of an interchange file: done, or refused with the line at fault and why.
struct ImportResult {
    bool imported = false;
    LineReport report;
};

// What the program has open: the settings (remembered folder and both offset sets), the
// active offset set, the image with its edition and path, whether the last open
// succeeded, and the league decoded from it. Everything that changes the league goes
// through here, and the observers hear of it.
class Session {
public:
    using Observer = std::function<void(const LeagueEvent&)>;

    SettingsData& settings() { return settings_; }
    const SettingsData& settings() const { return settings_; }
    // The offset set of the edition last read successfully; zeros before that.
    const OffsetSet& activeOffsets() const { return active_; }
    // NES or SNES copies that edition's set from the settings; any other kind changes nothing.
    void selectOffsetSet(ConsoleKind kind);

    // The image in memory. Changing it here bypasses the observers; only the program's
    // older entry points (modGlobals) do so.
    RomImage& image() { return image_; }
    const RomImage& image() const { return image_; }
    ConsoleKind kind() const { return kind_; }
    const std::string& path() const { return path_; }
    // True only while the last open succeeded: saving is refused otherwise.
    bool valid() const { return valid_; }
    clsProject& league() { return league_; }
    const clsProject& league() const { return league_; }

    // The image as it was opened or last saved.
    const RomImage& baseline() const { return baseline_; }
    // Whether the league differs from the league as it was opened or last saved.
    bool modified() const { return league_ != savedLeague_; }

    // Reads the file and decodes its league. The kind and the path change on every
    // attempt. The image is replaced as soon as the file was read, even when it then
    // fails the edition check; once it passed, the edition's offset set becomes active and
    // the remembered folder becomes the file's folder. Only a decoded league replaces the
    // one in memory: a failed open leaves the previous league in place and the session
    // not valid. Observers hear Replaced ("Open") on success.
    LoadResult open(const std::string& path, ConsoleKind kind);

    // Encodes the league into the image and writes it over path() in one step, bytes of
    // a longer file beyond the image kept. Refused (NoValidRom) while not valid. A failed
    // encode or write leaves image and league as they were. Observers hear Saved ("Save").
    SaveResult save();
    // As save, to another file, which becomes path() once written; the old file is not
    // touched. The new file holds exactly the image. Observers hear Saved ("Save As").
    SaveResult saveAs(const std::string& path);
    // The image that save() would now write, into out (unchanged on failure); no file is
    // written and nothing in the session changes.
    SaveResult encodeCopy(RomImage& out) const;

    // Imports through the interchange files, all or nothing. On success the observers
    // hear Replaced ("Import Project") or Changed ("Import Team", "Import Player", naming
    // the team and player); a refused file changes nothing and the report says why.
    ImportResult importProject(const std::string& path);
    ImportResult importTeam(int team, const std::string& path);
    ImportResult importPlayer(int team, int player, const std::string& path);

    // Runs change on the league. When the league differs afterwards, the observers hear
    // Changed with the label and the target, and the result is true; an edit that changes
    // nothing is no event.
    bool edit(const std::string& label, EditTarget target, const std::function<void(clsProject&)>& change);

    // Observers: observe returns an id that forget takes. An observer may forget itself
    // or another while it is told of an event.
    int observe(Observer observer);
    void forget(int id);

private:
    SaveResult encode(RomImage& image, clsProject& league) const;
    SaveResult writeOut(const std::string& path, bool keepTail, const char* label);
    void notify(LeagueEvent event);

    SettingsData settings_;
    OffsetSet active_{};
    RomImage image_;
    ConsoleKind kind_ = Console::None;
    std::string path_;
    bool valid_ = false;
    clsProject league_;
    RomImage baseline_;
    clsProject savedLeague_;
    std::vector<std::pair<int, Observer>> observers_;
    int nextObserver_ = 1;
};
