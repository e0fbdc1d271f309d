// Undo and redo on a full league: the session's own exchange of leagues, and the same
// through the window's Edit menu with everything the window shows anew (tree, editors,
// schedule lists, status bar); a rating button's click, with the league overview closed
// (0) and open (1); and the memory the history's snapshots take. The window
// runs offscreen. The NES reference image is used when it is beside the checkout,
// otherwise the demo image.
// Part of tamsel_ui_bench, whose main is in WindowBench.cpp.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <filesystem>

#include "BenchWindow.h"
#include "base/FileIO.h"
#include "demo/DemoRom.h"
#include "session/modGlobals.h"
#include "ui/panels/PlayerEditorPanel.h"
#include "ui/windows/frmMain.h"

namespace {

namespace fs = std::filesystem;

// One step that changes team 3's city, made as the editors would make it.
void takeStep(Session& session) {
    session.edit("City", LeagueChange::ofTeam(3, LeagueChange::TeamNames),
                 [](clsProject& league) { league.getTeamRef(3)->setCity("BENCHVILLE"); });
}

void BM_UndoRedoInTheSession(benchmark::State& state) {
    Session session;
    if (!session.open(placeBenchImage("tamsel_bench_undo"), Console::Nes).ok()) {
        state.SkipWithError("the image does not open");
        return;
    }
    takeStep(session);
    for (auto _ : state) {
        session.undo();
        session.redo();
    }
}
BENCHMARK(BM_UndoRedoInTheSession)->Unit(benchmark::kMicrosecond);

void BM_UndoRedoThroughTheWindow(benchmark::State& state) {
    Silent silent;
    const std::unique_ptr<frmMain> opened = openBenchWindow(silent, "tamsel_bench_undo", state);
    if (!opened) return;
    frmMain& window = *opened;
    takeStep(modGlobals::session());
    QAction* undo = window.menus().menuEditUndo;
    QAction* redo = window.menus().menuEditRedo;
    for (auto _ : state) {
        undo->trigger();
        redo->trigger();
    }
    if (modGlobals::session().league().getTeamRef(3)->getCity() != "BENCHVILLE")
        state.SkipWithError("redo went astray");
    window.hide();
}
BENCHMARK(BM_UndoRedoThroughTheWindow)->Unit(benchmark::kMillisecond);

void BM_RatingClickThroughTheWindow(benchmark::State& state) {
    Silent silent;
    const std::unique_ptr<frmMain> opened = openBenchWindow(silent, "tamsel_bench_undo", state);
    if (!opened) return;
    frmMain& window = *opened;
    if (state.range(0) != 0) window.menus().menuAnalysisOverview->trigger();
    const PlayerEditorPanel::Controls& player = window.playerEditor().controls();
    bool up = true;
    for (auto _ : state) {
        (up ? player.cmdIncAtt : player.cmdDecAtt)[5]->click();
        up = !up;
    }
    window.close();
}
BENCHMARK(BM_RatingClickThroughTheWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// 100 steps of the history: each keeps one whole league as its snapshot. Reported as the
// number of snapshots, the size of one league and the heap the steps took all told.
void BM_HistoryOfAHundredSteps(benchmark::State& state) {
    constexpr int kSteps = 100;
    for (auto _ : state) {
        Session session;
        if (!session.open(placeBenchImage("tamsel_bench_undo"), Console::Nes).ok()) {
            state.SkipWithError("the image does not open");
            return;
        }
        const std::size_t heapBefore = mallinfo2().uordblks;
        for (int i = 0; i < kSteps; ++i)
            session.edit("Points", LeagueChange::ofTeam(0, LeagueChange::TeamNumbers),
                         [i](clsProject& l) { l.getTeamRef(0)->setPointsScored(static_cast<std::uint8_t>(i + 1)); });
        const std::size_t heapAfter = mallinfo2().uordblks;
        state.counters["snapshots"] = static_cast<double>(session.history().undoCount());
        state.counters["league_bytes"] = static_cast<double>(sizeof(clsProject));
        state.counters["step_bytes"] = static_cast<double>(sizeof(UndoHistory::Step));
        state.counters["heap_bytes"] = static_cast<double>(heapAfter - heapBefore);
    }
}
BENCHMARK(BM_HistoryOfAHundredSteps)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
