// tamsel-cli diff and check: what differs between the leagues of two images, and whether
// a player, team or project file would import (and, into a given image, still save).
#include <algorithm>
#include <cctype>
#include <ostream>
#include <sstream>
#include <string>

#include "cli/CliCommand.h"
#include "cli/SpaceTable.h"
#include "codec/OutsideBytes.h"
#include "codec/SpaceReport.h"
#include "model/LeagueDiff.h"

namespace cli {
namespace {

// Loads one image of a comparison; its messages name the file ("b.smc: Invalid rom!").
bool loadNamed(const Options& opts, const std::string& path, Session& rom, std::ostream& err) {
    std::ostringstream said;
    if (loadRom(opts, path, rom, said)) return true;
    std::istringstream lines(said.str());
    for (std::string line; std::getline(lines, line);) err << path << ": " << line << "\n";
    return false;
}

// As diff(1): 0 the leagues are equal (bytes outside them may differ), 1 they differ,
// 2 trouble.
int runDiff(const Options& opts, std::ostream& out, std::ostream& err) {
    Options both = opts;  // both images are read as the edition of the first
    both.forcedKind = kindFor(opts, opts.positional[0]);
    Session a, b;
    if (!loadNamed(both, opts.positional[0], a, err) || !loadNamed(both, opts.positional[1], b, err)) return kExitUsage;
    const std::vector<LeagueDiff::Difference> differences = LeagueDiff::compare(a.league(), b.league());
    for (const LeagueDiff::Difference& d : differences) out << d.text() << "\n";
    const std::int64_t outside = countBytesDifferingOutside(a.image(), b.image(), a.activeOffsets(), a.kind());
    if (outside > 0) out << outside << (outside == 1 ? " byte differs" : " bytes differ") << " outside the league\n";
    return differences.empty() ? kExitOk : kExitFailure;
}

enum class FileKind { None, Player, Team, Project };

FileKind fileKindOf(const std::string& path) {
    if (path.size() < 5) return FileKind::None;  // a name before the extension
    std::string ext = path.substr(path.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".tpl") return FileKind::Player;
    if (ext == ".tte") return FileKind::Team;
    if (ext == ".tpr") return FileKind::Project;
    return FileKind::None;
}

int checkUsage(std::ostream& err, const char* what) {
    err << "tamsel-cli check: " << what << "\n";
    return kExitUsage;
}

// "Cities: 271 of 259 bytes" for every region over, "; " between them.
std::string regionsOver(const SpaceReport& space) {
    std::string text;
    for (const SpaceRegion& r : space.regions) {
        if (r.fits()) continue;
        if (!text.empty()) text += "; ";
        text += r.name + ": " + std::to_string(r.used) + " of " + std::to_string(r.available) + " bytes";
    }
    return text;
}

int runCheck(const Options& opts, std::ostream& out, std::ostream& err) {
    const std::string& path = opts.positional[0];
    const FileKind kind = fileKindOf(path);
    if (kind == FileKind::None) return checkUsage(err, "FILE must end in .tpl, .tte or .tpr");
    const bool intoRom = !opts.rom.empty();
    int team = 0;
    int slot = 0;
    if (!intoRom && (!opts.team.empty() || !opts.player.empty()))
        return checkUsage(err, "--team and --player go with --rom");
    if (kind == FileKind::Project && !opts.team.empty())
        return checkUsage(err, "--team does not apply to a project file");
    if (kind != FileKind::Player && !opts.player.empty())
        return checkUsage(err, "--player applies to a player file only");
    if (!opts.team.empty() && !parseIndex(opts.team, 0, clsProject::kTeams - 1, team))
        return checkUsage(err, "--team must be 0..26");
    if (!opts.player.empty() && !parseIndex(opts.player, 0, clsTeam::kRoster - 1, slot))
        return checkUsage(err, "--player must be 0..11");

    // The file is read by the import itself: into the league of the image in memory with
    // --rom, else into a league of its own, which is then dropped.
    Session rom;
    if (intoRom && !loadRom(opts, opts.rom, rom, err)) return kExitFailure;
    ImportResult imported;
    std::string where;
    switch (kind) {
        case FileKind::Player:
            imported = rom.importPlayer(team, slot, path);
            where = "team " + std::to_string(team) + " player " + std::to_string(slot);
            break;
        case FileKind::Team:
            imported = rom.importTeam(team, path);
            where = "team " + std::to_string(team);
            break;
        case FileKind::Project:
            imported = rom.importProject(path);
            where = "the league";
            break;
        case FileKind::None:
            break;
    }
    if (!imported.imported) {
        const LineReport& why = imported.report;
        err << path << (why.line > 0 ? ":" + std::to_string(why.line) : std::string()) << ": " << why.reason << "\n";
        return kExitFailure;
    }
    out << "ok\n";
    if (!intoRom) return kExitOk;

    out << "Read into " << where << " of " << opts.rom << " (nothing is saved)\n\n";
    const SpaceReport space = computeSpace(rom.league(), rom.kind());
    printSpaceTable(space, out);
    // The save itself, into a copy of the image in memory, has the last word.
    RomImage encoded;
    const SaveResult saved = rom.encodeCopy(encoded);
    if (saved.ok()) {
        out << "\nSaving now: everything fits\n";
        return kExitOk;
    }
    const bool tooLong = saved.outcome != SaveOutcome::EncodeFailed;
    err << message(saved.outcome) << withDetail(tooLong ? regionsOver(space) : saved.detail) << "\n";
    for (const std::string& slot : saved.damagedSlots) err << slot << "\n";
    return kExitFailure;
}

}  // namespace

std::vector<Command> compareCommands() {
    return {
        {"diff", "A B",
         "list the differences between the leagues of images A and B, one a line, and count the bytes that differ "
         "outside the league (exit 0 equal leagues, 1 different, 2 trouble)",
         2, runDiff},
        {"check", "FILE [--rom ROM [--team T] [--player P]]",
         "read a .tpl, .tte or .tpr file as its import does: ok, or its first fault as FILE:LINE: reason; with --rom, "
         "import it into ROM's league in memory and tell whether saving would fit",
         1, runCheck},
    };
}

}  // namespace cli
