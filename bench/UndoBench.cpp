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

#include "base/FileIO.h"
#include "demo/DemoRom.h"
#include "session/modGlobals.h"
#include "ui/panels/PlayerEditorPanel.h"
#include "ui/windows/frmMain.h"

namespace {

namespace fs = std::filesystem;

// Answers every question No and says nothing; no dialogue is ever shown.
struct Silent : MessageSink, FileDialogs {
    void message(QWidget*, const QString&, Icon, const QString&) override {}
    bool askYesNo(QWidget*, const QString&) override { return false; }
    SaveAnswer askSaveChanges(QWidget*, const QString&) override { return SaveAnswer::Discard; }
    ChangedAnswer askFileChanged(QWidget*, const QString&, const QString&) override { return ChangedAnswer::Cancel; }
    FileChoice openFile(QWidget*, const QString&, const QString&) override { return {}; }
    FileChoice saveFile(QWidget*, const QString&, const QString&) override { return {}; }
};

// The image in a folder of the benchmark's own, which is also the program's folder.
std::string placeImage() {
    const fs::path folder = fs::temp_directory_path() / "tamsel_bench_undo";
    fs::create_directories(folder);
    const fs::path reference = fs::path(TAMSEL_FIXTURES_DIR) / "nes-1/game.nes";
    const fs::path image = folder / "game.nes";
    std::error_code ec;
    if (!fs::copy_file(reference, image, fs::copy_options::overwrite_existing, ec)) {
        const RomImage demo = DemoRom::makeNes();
        FileIO::writeFileAtomically(image.string(), demo.data(), demo.size(), false);
    }
    modGlobals::setProgramFolder(folder.string());
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(folder.string()));
    return image.string();
}

// One step that changes team 3's city, made as the editors would make it.
void takeStep(Session& session) {
    session.edit("City", LeagueChange::ofTeam(3, LeagueChange::TeamNames),
                 [](clsProject& league) { league.getTeamRef(3)->setCity("BENCHVILLE"); });
}

void BM_UndoRedoInTheSession(benchmark::State& state) {
    Session session;
    if (!session.open(placeImage(), Console::Nes).ok()) {
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
    const std::string image = placeImage();
    modGlobals::session() = Session{};
    Silent silent;
    frmMain window(&silent, &silent);
    window.resize(1100, 720);
    window.show();
    window.openFile(QString::fromStdString(image));
    if (!modGlobals::session().valid()) {
        state.SkipWithError("the image does not open");
        return;
    }
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
    const std::string image = placeImage();
    modGlobals::session() = Session{};
    Silent silent;
    frmMain window(&silent, &silent);
    window.resize(1100, 720);
    window.show();
    window.openFile(QString::fromStdString(image));
    if (!modGlobals::session().valid()) {
        state.SkipWithError("the image does not open");
        return;
    }
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
        if (!session.open(placeImage(), Console::Nes).ok()) {
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
