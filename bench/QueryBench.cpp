// What the window does with the whole league as the user types and edits: a query parsed and run over all 324
// players at every keystroke, and the figures and rating ranks built again after every change.
#include <benchmark/benchmark.h>

#include "base/OffsetSet.h"
#include "codec/RomReader.h"
#include "demo/DemoRom.h"
#include "model/LeagueStats.h"
#include "model/PlayerQuery.h"
#include "model/RatingRanks.h"

namespace {

clsProject demoLeague() {
    clsProject league;
    loadProjectFromRom(league, DemoRom::makeNes(), OffsetSet::nesDefaults(), Console::Nes);
    return league;
}

void findPlayers(benchmark::State& state, const char* text) {
    const clsProject league = demoLeague();
    for (auto _ : state) {
        PlayerQuery::Fault fault;
        const std::optional<PlayerQuery> query = PlayerQuery::parse(text, fault);
        benchmark::DoNotOptimize(query->find(league));
    }
}
BENCHMARK_CAPTURE(findPlayers, terms, "pos:C jump>=70 height>80 fg<500")->Unit(benchmark::kMicrosecond);
// A word is looked for in five names of each player.
BENCHMARK_CAPTURE(findPlayers, words, "an e")->Unit(benchmark::kMicrosecond);

void BM_LeagueFigures(benchmark::State& state) {
    const clsProject league = demoLeague();
    for (auto _ : state) benchmark::DoNotOptimize(LeagueStats::compute(league));
}
BENCHMARK(BM_LeagueFigures)->Unit(benchmark::kMicrosecond);

void BM_RatingRanks(benchmark::State& state) {
    const clsProject league = demoLeague();
    const clsPlayer& player = *league.getTeamRef(13)->getPlayerRef(5);
    for (auto _ : state) {
        const RatingRanks ranks(league);
        for (int r = 0; r < Rating::Count; ++r)
            benchmark::DoNotOptimize(ranks.rank(static_cast<Rating::Index>(r), player));
    }
}
BENCHMARK(BM_RatingRanks)->Unit(benchmark::kMicrosecond);

}  // namespace
