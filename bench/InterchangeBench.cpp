#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "interchange/AttributeReport.h"
#include "interchange/ProjectFile.h"

namespace {

// A league with every name, figure, colour and schedule byte filled.
clsProject benchLeague() {
    clsProject league;
    league.clearProject();
    for (int i = 0; i < clsProject::kScheduleBytes; ++i)
        league.schedule()[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(0x80 | (i * 7 % 27));
    for (int i = 0; i < clsProject::kAllStars; ++i) {
        league.setEastAllStar(i, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i % 12));
        league.setWestAllStar(i, static_cast<std::uint8_t>(26 - i), static_cast<std::uint8_t>(11 - i % 12));
    }
    for (int t = 0; t < clsProject::kTeams; ++t) {
        clsTeam& team = *league.getTeamRef(t);
        team.setCity("CITYNAME" + std::to_string(t));
        team.setMascot("MASCOTNAME" + std::to_string(t));
        team.setAbrev("AB" + std::to_string(t));
        team.setUniformColor_NES(static_cast<std::uint8_t>(t), 0x30);
        for (int i = 0; i < 256; ++i) team.setSnesByte(i, static_cast<std::uint8_t>(i * 13 + t));
        for (int s = 0; s < clsTeam::kRoster; ++s) {
            clsPlayer& p = *team.getPlayerRef(s);
            p.setFirst("FIRSTNAME");
            p.setLast("LASTNAME" + std::to_string(s));
            p.setJersey(static_cast<std::uint8_t>(s + t));
            p.setWeight(static_cast<std::int16_t>(180 + s));
            p.setStamina(static_cast<std::uint8_t>((t * 12 + s) % 100));
            p.setJump(static_cast<std::uint8_t>(144 + s));
        }
    }
    return league;
}

std::string benchPath() { return (std::filesystem::temp_directory_path() / "tamsel_bench_league.tpr").string(); }

void BM_ExportProjectFile(benchmark::State& state) {
    const clsProject league = benchLeague();
    const std::string path = benchPath();
    for (auto _ : state) {
        if (ProjectFile::exportProject(league, path) != Result::Ok) state.SkipWithError("export failed");
    }
}
BENCHMARK(BM_ExportProjectFile)->Unit(benchmark::kMillisecond);

void BM_ImportProjectFile(benchmark::State& state) {
    const std::string path = benchPath();
    if (ProjectFile::exportProject(benchLeague(), path) != Result::Ok) {
        state.SkipWithError("export failed");
        return;
    }
    clsProject league;
    for (auto _ : state) {
        if (ProjectFile::importProject(league, path) != Result::Ok) state.SkipWithError("import failed");
    }
}
BENCHMARK(BM_ImportProjectFile)->Unit(benchmark::kMillisecond);

void BM_ProjectTextInMemory(benchmark::State& state) {
    const clsProject league = benchLeague();
    for (auto _ : state) {
        std::string text = ProjectFile::projectText(league);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_ProjectTextInMemory)->Unit(benchmark::kMillisecond);

void BM_RankingReport(benchmark::State& state) {
    const clsProject league = benchLeague();
    std::string text;
    for (auto _ : state) {
        AttributeReport::buildReport(league, 5, true, text);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_RankingReport)->Unit(benchmark::kMicrosecond);

}  // namespace
