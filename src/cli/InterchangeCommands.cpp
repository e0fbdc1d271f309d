#include <cctype>
#include <ostream>

#include "cli/CliCommand.h"
#include "interchange/AttributeReport.h"
#include "interchange/PlayerFile.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"
#include "model/Rating.h"

namespace cli {

namespace {

constexpr const char* kWriteError = "Error writing file!";
constexpr const char* kReadError = "Error reading file!";

// A rating's name on the command line: its report name in lower case, hyphens for blanks
// ("run-speed", "shooting-range").
std::string argumentName(const Rating& rating) {
    std::string name = rating.reportName;
    for (char& c : name) c = c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

// "0..5 or run-speed, jumping, stealing, blocking, shooting-range, stamina"
std::string attributeChoices() {
    std::string text = "0.." + std::to_string(Rating::Count - 1) + " or ";
    for (const Rating& rating : kRatings) text += (&rating == &kRatings[0] ? "" : ", ") + argumentName(rating);
    return text;
}

int usageError(std::ostream& err, const char* command, const std::string& what) {
    err << "tamsel-cli " << command << ": " << what << "\n";
    return kExitUsage;
}

bool parseTeam(const std::string& text, int& team) { return parseIndex(text, 0, clsProject::kTeams - 1, team); }
bool parseSlot(const std::string& text, int& slot) { return parseIndex(text, 0, clsTeam::kRoster - 1, slot); }

bool parseAttribute(const std::string& text, int& attribute) {
    if (parseIndex(text, 0, Rating::Count - 1, attribute)) return true;
    for (int i = 0; i < Rating::Count; ++i) {
        if (text == argumentName(kRatings[static_cast<std::size_t>(i)])) {
            attribute = i;
            return true;
        }
    }
    return false;
}

// Prints the outcome of an export or report: the success message or "Error writing file!"
// with the cause of the failed write, when there was one.
int reportWrite(ResultCode r, const FileIO::WriteError& why, const char* success, std::ostream& out,
                std::ostream& err) {
    if (r != Result::Ok) {
        err << kWriteError << withDetail(why.cause.empty() ? std::string() : why.text()) << "\n";
        return kExitFailure;
    }
    out << success << "\n";
    return kExitOk;
}

// After a failed import nothing is saved: the image file stays as it was. The message
// names the line and the fault: "Error reading file! (line 12: weight: 'abc' is not a number)".
int saveAfterImport(const ImportResult& r, const Options& opts, Session& session, std::ostream& out,
                    std::ostream& err) {
    if (!r.imported) {
        err << kReadError << withDetail(r.report.text()) << "\n";
        return kExitFailure;
    }
    return saveRom(opts, session, out, err);
}

int exportProject(const Options& opts, std::ostream& out, std::ostream& err) {
    Session session;
    if (!loadRom(opts, opts.positional[0], session, err)) return kExitFailure;
    FileIO::WriteError why;
    return reportWrite(ProjectFile::exportProject(session.league(), opts.positional[1], why), why, "Project exported!",
                       out, err);
}

int importProject(const Options& opts, std::ostream& out, std::ostream& err) {
    Session session;
    if (!loadRom(opts, opts.positional[0], session, err)) return kExitFailure;
    return saveAfterImport(session.importProject(opts.positional[1]), opts, session, out, err);
}

int exportTeam(const Options& opts, std::ostream& out, std::ostream& err) {
    int team = 0;
    if (!parseTeam(opts.positional[1], team)) return usageError(err, "export-team", "TEAM must be 0..26");
    Session session;
    if (!loadRom(opts, opts.positional[0], session, err)) return kExitFailure;
    FileIO::WriteError why;
    return reportWrite(TeamFile::exportTeam(*session.league().getTeamRef(team), opts.positional[2], why), why,
                       "Team exported!", out, err);
}

int importTeam(const Options& opts, std::ostream& out, std::ostream& err) {
    int team = 0;
    if (!parseTeam(opts.positional[1], team)) return usageError(err, "import-team", "TEAM must be 0..26");
    Session session;
    if (!loadRom(opts, opts.positional[0], session, err)) return kExitFailure;
    return saveAfterImport(session.importTeam(team, opts.positional[2]), opts, session, out, err);
}

int exportPlayer(const Options& opts, std::ostream& out, std::ostream& err) {
    int team = 0;
    int slot = 0;
    if (!parseTeam(opts.positional[1], team)) return usageError(err, "export-player", "TEAM must be 0..26");
    if (!parseSlot(opts.positional[2], slot)) return usageError(err, "export-player", "SLOT must be 0..11");
    Session session;
    if (!loadRom(opts, opts.positional[0], session, err)) return kExitFailure;
    const clsPlayer& player = *session.league().getTeamRef(team)->getPlayerRef(slot);
    FileIO::WriteError why;
    return reportWrite(PlayerFile::exportPlayer(player, opts.positional[3], why), why, "Player exported!", out, err);
}

int importPlayer(const Options& opts, std::ostream& out, std::ostream& err) {
    int team = 0;
    int slot = 0;
    if (!parseTeam(opts.positional[1], team)) return usageError(err, "import-player", "TEAM must be 0..26");
    if (!parseSlot(opts.positional[2], slot)) return usageError(err, "import-player", "SLOT must be 0..11");
    Session session;
    if (!loadRom(opts, opts.positional[0], session, err)) return kExitFailure;
    return saveAfterImport(session.importPlayer(team, slot, opts.positional[3]), opts, session, out, err);
}

int report(const Options& opts, std::ostream& out, std::ostream& err) {
    int attribute = 0;
    if (!parseAttribute(opts.positional[1], attribute))
        return usageError(err, "report", "ATTR must be " + attributeChoices());
    Session session;
    if (!loadRom(opts, opts.positional[0], session, err)) return kExitFailure;
    FileIO::WriteError why;
    ResultCode r =
        AttributeReport::writeSortedList(session.league(), opts.positional[2], attribute, opts.byPosition, why);
    return reportWrite(r, why, "Analysis complete!", out, err);
}

}  // namespace

std::vector<Command> interchangeCommands() {
    return {
        {"export-project", "ROM OUT.tpr", "write the whole league as a project file", 2, exportProject},
        {"import-project", "ROM IN.tpr [-o OUT]", "replace the league with a project file and save the image", 2,
         importProject},
        {"export-team", "ROM TEAM OUT.tte", "write team TEAM (0..26) as a team file", 3, exportTeam},
        {"import-team", "ROM TEAM IN.tte [-o OUT]", "replace team TEAM (0..26) with a team file and save the image", 3,
         importTeam},
        {"export-player", "ROM TEAM SLOT OUT.tpl", "write player SLOT (0..11) of team TEAM as a player file", 4,
         exportPlayer},
        {"import-player", "ROM TEAM SLOT IN.tpl [-o OUT]",
         "replace player SLOT (0..11) of team TEAM with a player file and save the image", 4, importPlayer},
        {"report", "ROM ATTR OUT.txt [--by-position]",
         "rank all 324 players by one rating (" + attributeChoices() + ")", 3, report},
    };
}

}  // namespace cli
