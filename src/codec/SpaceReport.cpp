#include "codec/SpaceReport.h"

#include "codec/RegionLayout.h"

SpaceReport computeSpace(const clsProject& project, ConsoleKind kind) {
    using namespace RegionLayout;
    SpaceReport report;
    // Pointer values do not change any length, so the tables are laid out at offset 0.
    NameTable abbrevs = layoutNames(project, Names::Abbreviations, 0, kind);
    NameTable cities = layoutNames(project, Names::Cities, 0, kind);
    NameTable mascots = layoutNames(project, Names::Mascots, 0, kind);
    PlayerBlocks players = layoutPlayers(project, 0, 0, kind);

    report.regions.push_back({"Abbreviations", abbrevs.used, kAbrevText});
    report.regions.push_back({"Cities", cities.used, kCityText});
    report.regions.push_back({"Mascots", mascots.used, kMascotText});
    report.regions.push_back({"Players", players.mainUsed, kPlayerArea});
    if (kind == Console::Snes) report.regions.push_back({"Player overflow", players.overflowUsed, kOverflowArea});

    // The save's own order: refusals first, then the tables, then the player blocks.
    if ((kind != Console::Nes && kind != Console::Snes) || !leagueStorable(project))
        report.expectedResult = Result::Failed;
    else if (abbrevs.result != Result::Ok)
        report.expectedResult = 2;
    else if (cities.result != Result::Ok)
        report.expectedResult = 3;
    else if (mascots.result != Result::Ok)
        report.expectedResult = 4;
    else if (players.result == kFull)
        report.expectedResult = 5;
    else
        report.expectedResult = players.result;
    return report;
}
