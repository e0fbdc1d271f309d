// tamsel-cli info, resave and demo: the league of an image at a glance, the editor's
// Save without edits, and the demo images.
#include <iomanip>
#include <ostream>

#include "base/FileIO.h"
#include "base/PathText.h"
#include "cli/CliCommand.h"
#include "cli/SpaceTable.h"
#include "codec/AllStarCheck.h"
#include "codec/SpaceReport.h"
#include "demo/DemoRom.h"

namespace cli {
namespace {

int runInfo(const Options& opts, std::ostream& out, std::ostream& err) {
    Session session;
    if (!loadRom(opts, opts.positional[0], session, err)) return kExitFailure;
    const clsProject& league = session.league();
    out << "Edition: " << (session.kind() == Console::Nes ? "NES" : "SNES") << "\n";
    out << "Image length: " << session.image().size() << " bytes (0x" << std::hex << std::uppercase
        << session.image().size() << std::dec << std::nouppercase << ")\n\n";
    out << "Team  " << std::left << std::setw(16) << "City" << std::setw(16) << "Mascot"
        << "Abbreviation\n";
    for (int t = 0; t < clsProject::kTeams; ++t) {
        const clsTeam& team = *league.getTeamRef(t);
        out << std::right << std::setw(4) << t << "  " << std::left << std::setw(16) << team.getCity() << std::setw(16)
            << team.getMascot() << team.getAbrev() << "\n";
    }
    SpaceReport space = computeSpace(league, session.kind());
    out << "\n";
    printSpaceTable(space, out);
    out << "\nSaving now: "
        << (space.expectedResult == 0 ? "everything fits" : message(saveOutcomeOfEncode(space.expectedResult))) << "\n";
    for (const AllStarCheck::Problem& p : AllStarCheck::findProblems(league)) out << AllStarCheck::describe(p) << "\n";
    return kExitOk;
}

int runResave(const Options& opts, std::ostream& out, std::ostream& err) {
    Session session;
    if (!loadRom(opts, opts.positional[0], session, err)) return kExitFailure;
    return saveRom(opts, session, out, err);
}

int runDemo(const Options& opts, std::ostream& out, std::ostream& err) {
    const std::string& dir = opts.positional[0];
    if (DemoRom::writeDemoRoms(dir) != Result::Ok) {
        err << message(SaveOutcome::WriteFailed) << "\n";
        return kExitFailure;
    }
    for (const char* name : {"demo.nes", "demo.smc"}) {
        const std::string file = PathText::join(dir, name);
        out << "Wrote " << file << " (" << FileIO::fileSize(file).value_or(0) << " bytes)\n";
    }
    return kExitOk;
}

}  // namespace

std::vector<Command> codecCommands() {
    return {
        {"info", "ROM",
         "show the edition, the teams, how full the name tables and the player area are, and the all-star slots that "
         "name no player",
         1, runInfo},
        {"resave", "ROM [-o OUT]", "decode the league and encode it again, as Save does without edits", 1, runResave},
        {"demo", "DIR", "write demo.nes and demo.smc with an invented league into DIR (made if missing)", 1, runDemo},
    };
}

}  // namespace cli
