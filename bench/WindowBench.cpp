// What the editor's window takes to answer each action, painting included, in one process
// offscreen. Every round first creates, shows and paints an empty QMainWindow (the baseline)
// and then does the action once; a benchmark reports the processor time the action took (the
// median over its rounds is the figure to read) and, as counters, its wall-clock time, the
// baseline's time and the action's ratio to it. The reference images are used when they lie beside the checkout,
// otherwise the demo images.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidgetItem>
#include <QtTest/QTest>
#include <ctime>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "BenchWindow.h"
#include "base/FileIO.h"
#include "demo/DemoRom.h"
#include "session/modGlobals.h"
#include "ui/panels/PlayerEditorPanel.h"
#include "ui/panels/ProjectTreePanel.h"
#include "ui/panels/ScheduleEditorPanel.h"
#include "ui/panels/TeamEditorPanel.h"
#include "ui/widgets/SwatchLabel.h"
#include "ui/widgets/TextBox.h"
#include "ui/windows/frmAllStar.h"
#include "ui/windows/frmMain.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRounds = 31;

Silent silent;

// The demo image of an edition beside the first, a league of other names.
std::string placeDemoImage(bool nes) {
    const fs::path image = fs::temp_directory_path() / "tamsel_bench_window" / (nes ? "demo.nes" : "demo.smc");
    const RomImage demo = nes ? DemoRom::makeNes() : DemoRom::makeSnes();
    FileIO::writeFileAtomically(image.string(), demo.data(), demo.size(), false);
    return image.string();
}

// Runs what is posted and paints what waits to be painted in the window given, or in every
// window, now.
void paintNow(QWidget* only = nullptr) {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();  // and what that posted, timers due at once included
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || (only != nullptr && top != only)) continue;
        QEvent update(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(top, &update);
    }
}

// The processor time this thread has taken, in milliseconds: on a machine other programs keep
// busy, it counts what the window does and not the time it waited for a processor.
double threadMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Times from its start to its end.
class Stopwatch {
public:
    Stopwatch() { restart(); }
    void restart() {
        wall_.start();
        cpu_ = threadMs();
    }
    double wallMs() const { return static_cast<double>(wall_.nsecsElapsed()) / 1e6; }
    double cpuMs() const { return threadMs() - cpu_; }

private:
    QElapsedTimer wall_;
    double cpu_ = 0;
};

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// What an action took: wall-clock and this thread's processor time, in milliseconds.
struct Took {
    double wall = 0;
    double cpu = 0;
};
Took took(const Stopwatch& watch) { return {watch.wallMs(), watch.cpuMs()}; }

// An empty main window, created, shown and painted. It leaves the active window active and its
// focus where it is, which would otherwise paint itself anew, in the baseline's time.
Took baseline() {
    Stopwatch watch;
    auto empty = std::make_unique<QMainWindow>();
    empty->setWindowFlags(Qt::ToolTip);  // offscreen, any other window is made active when shown
    empty->show();
    paintNow(empty.get());
    const Took t = took(watch);
    empty.reset();
    settle();
    return t;
}

std::string keptOwner;          // the benchmark that keeps a window through its rounds
std::unique_ptr<frmMain> kept;  // and that window

// The editor's window on an image, shown and painted; the only window of ours open.
std::unique_ptr<frmMain> openWindow(bool nes) {
    kept.reset();
    keptOwner.clear();
    settle();
    const std::string image = placeBenchImage("tamsel_bench_window", nes);
    modGlobals::session() = Session{};
    auto window = std::make_unique<frmMain>(&silent, &silent);
    window->resize(1100, 720);
    window->show();
    window->activateWindow();
    window->openFile(QString::fromStdString(image));
    paintNow();
    return window;
}

// A window kept through the rounds of one benchmark (the last one made is closed when another
// benchmark asks): clicks are timed as a user browsing makes them, not only the first one, which
// also gives the tree the focus. fresh tells whether it was made just now.
frmMain& keptWindow(const std::string& benchmark, bool nes, bool* fresh = nullptr) {
    const bool make = keptOwner != benchmark || kept == nullptr;
    if (make) {
        kept = openWindow(nes);
        keptOwner = benchmark;
    }
    if (fresh != nullptr) *fresh = make;
    return *kept;
}

// One round: the baseline, then the action timed from its start to the window painted. The
// time reported is the processor time (the wall-clock time is a counter, wall_ms); ratio is
// the action's processor time over the baseline's. late_ms is what painting the windows once
// more takes afterwards: work the action left for later, which the figure would miss.
void runRounds(benchmark::State& state, const std::function<void()>& before, const std::function<Took()>& action) {
    for (auto _ : state) {
        settle();
        paintNow();
        const Took base = baseline();
        if (before) before();
        settle();
        paintNow();
        const Took t = action();
        Stopwatch late;
        settle();
        paintNow();
        state.SetIterationTime(t.cpu / 1e3);
        state.counters["wall_ms"] = t.wall;
        state.counters["base_ms"] = base.cpu;
        state.counters["ratio"] = t.cpu / base.cpu;
        state.counters["late_ms"] = late.cpuMs();
    }
}

Took timed(const std::function<void()>& act) {
    Stopwatch watch;
    act();
    paintNow();
    return took(watch);
}

// A click on a node, which must be in sight.
void clickNode(ProjectTreePanel& tree, QTreeWidgetItem* node) {
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(node).center());
}

// From the start of act to the modal dialogue it runs shown and painted; then the dialogue is
// answered (finish), and the time from that answer to the window painted is kept in after.
Took modalShown(const std::function<void()>& act, const std::function<void(QDialog*)>& finish, Took* after = nullptr) {
    Stopwatch watch;
    Took shown;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        paintNow();
        shown = took(watch);
        if (dialog == nullptr) return;
        watch.restart();
        finish(dialog);
    });
    watch.restart();
    act();
    paintNow();
    if (after != nullptr) *after = took(watch);
    return shown;
}

// The benchmarks for one edition's window.
void registerFor(bool nes) {
    const std::string edition = nes ? "Nes" : "Snes";
    const auto add = [](const std::string& name, auto fn) {
        benchmark::RegisterBenchmark(name.c_str(), fn)
            ->UseManualTime()
            ->Iterations(1)
            ->Repetitions(kRounds)
            ->ReportAggregatesOnly(true)
            ->Unit(benchmark::kMillisecond);
    };

    add("Open/" + edition, [nes](benchmark::State& state) {
        auto w = openWindow(nes);
        const QString image = QString::fromStdString(placeBenchImage("tamsel_bench_window", nes));
        runRounds(state, nullptr, [&] { return timed([&] { w->openFile(image); }); });
    });

    // Each round opens the other of two leagues: every text the window shows changes.
    add("OpenAnother/" + edition, [nes](benchmark::State& state) {
        auto w = openWindow(nes);
        const QString images[2] = {QString::fromStdString(placeBenchImage("tamsel_bench_window", nes)),
                                   QString::fromStdString(placeDemoImage(nes))};
        int k = 0;
        runRounds(state, nullptr, [&] { return timed([&] { w->openFile(images[++k & 1]); }); });
    });

    // A click benchmark: one window kept through its rounds, shown as prepare leaves it when it is
    // made; each round runs before (if any), then clicks the node nodeAt gives for the round.
    const auto addClicks = [&add, nes, edition](const std::string& name,
                                                const std::function<void(ProjectTreePanel&)>& prepare,
                                                const std::function<int(int)>& nodeAt,
                                                const std::function<void(frmMain&)>& before = nullptr) {
        add(name + "/" + edition, [=](benchmark::State& state) {
            bool fresh = false;
            frmMain& w = keptWindow(name + edition, nes, &fresh);
            ProjectTreePanel& tree = w.tree();
            static std::map<std::string, int> rounds;
            int& k = rounds[name + edition];
            if (fresh) {
                prepare(tree);
                paintNow();
                k = 0;
            }
            runRounds(
                state,
                [&] {
                    if (before) before(w);
                },
                [&] { return timed([&] { clickNode(tree, tree.node(nodeAt(++k))); }); });
        });
    };
    // The node of a centre in sight, so that the nodes around it are clicked in full.
    const auto centre = [](ProjectTreePanel& tree, int node) {
        tree.scrollToItem(tree.node(node), QAbstractItemView::PositionAtCenter);
    };
    const auto twoPlayers = [centre](ProjectTreePanel& tree) {
        tree.showPlayer(3, 1);
        centre(tree, 3 + 13 * 3 + 1);
    };
    const auto nextPlayer = [](int k) { return 3 + 13 * 3 + 1 + (k & 1); };
    addClicks("ClickPlayer", twoPlayers, nextPlayer);
    // Players of two teams in turn: the team editor, its figure and swatches change as well.
    addClicks(
        "ClickPlayerOtherTeam",
        [centre](ProjectTreePanel& tree) {
            tree.showPlayer(4, 1);
            tree.showPlayer(3, 11);
            centre(tree, 2 + 13 * 4);
        },
        [](int k) { return (k & 1) != 0 ? 3 + 13 * 4 + 1 : 3 + 13 * 3 + 11; });
    // The user's round: a box of the player editor has the focus (a name was typed), then the next
    // player is clicked, and the tree takes the focus back.
    addClicks("ClickPlayerFromEditor", twoPlayers, nextPlayer,
              [](frmMain& w) { w.playerEditor().controls().txtFirstname->setFocus(); });
    addClicks(
        "ClickTeam",
        [centre](ProjectTreePanel& tree) {
            tree.showTeam(3);
            centre(tree, 2 + 13 * 3);
        },
        [](int k) { return 2 + 13 * (3 + (k & 1)); });

    // The dialogue shown, then OK trades the player with the next one of his team (and back).
    const auto swap = [nes](benchmark::State& state, bool shownOnly) {
        auto w = openWindow(nes);
        w->tree().showPlayer(3, 0);
        paintNow();
        clickNode(w->tree(), w->tree().node(3 + 13 * 3));
        QAction* swapAction = w->menus().menuProjectSwapPlayers;
        runRounds(state, nullptr, [&] {
            Took after;
            const Took shown = modalShown([&] { swapAction->trigger(); },
                                          [](QDialog* d) {
                                              if (auto* players = d->findChild<QComboBox*>("cmbPlayer"))
                                                  players->setCurrentIndex(players->currentIndex() ^ 1);
                                              d->accept();
                                          },
                                          &after);
            return shownOnly ? shown : after;
        });
        if (modGlobals::session().history().undoLabel() != "Swap Players") state.SkipWithError("no trade was made");
    };
    add("SwapShown/" + edition, [swap](benchmark::State& state) { swap(state, true); });
    add("SwapOk/" + edition, [swap](benchmark::State& state) { swap(state, false); });

    // A window of its own each round, so that the check window is shown for the first time.
    add("CheckScheduleFirst/" + edition, [nes](benchmark::State& state) {
        std::unique_ptr<frmMain> w;
        runRounds(
            state,
            [&] {
                w.reset();
                settle();
                w = openWindow(nes);
            },
            [&] { return timed([&] { w->menus().menuAnalysisCheckSchedule->trigger(); }); });
        w.reset();
        settle();
    });

    add("RatingPlus/" + edition, [nes](benchmark::State& state) {
        auto w = openWindow(nes);
        w->tree().showPlayer(3, 0);
        paintNow();
        clickNode(w->tree(), w->tree().node(3 + 13 * 3));
        QPushButton* plus = w->playerEditor().controls().cmdIncAtt[1];
        QPushButton* minus = w->playerEditor().controls().cmdDecAtt[1];
        int k = 0;
        runRounds(state, nullptr, [&] { return timed([&] { ((++k & 1) != 0 ? plus : minus)->click(); }); });
    });

    const auto history = [nes](benchmark::State& state, bool undo) {
        auto w = openWindow(nes);
        w->tree().showPlayer(3, 0);
        paintNow();
        clickNode(w->tree(), w->tree().node(3 + 13 * 3));
        QPushButton* plus = w->playerEditor().controls().cmdIncAtt[1];
        plus->click();
        paintNow();
        QAction* undoAction = w->menus().menuEditUndo;
        QAction* redoAction = w->menus().menuEditRedo;
        runRounds(
            state, [&] { (undo ? redoAction : undoAction)->trigger(); },
            [&] {
                paintNow();
                return timed([&] { (undo ? undoAction : redoAction)->trigger(); });
            });
    };
    add("Undo/" + edition, [history](benchmark::State& state) { history(state, true); });
    add("Redo/" + edition, [history](benchmark::State& state) { history(state, false); });

    add("AllStarWindow/" + edition, [nes](benchmark::State& state) {
        auto w = openWindow(nes);
        QPushButton* allStar = w->scheduleEditor().controls().cmdEditAllStar;
        runRounds(
            state,
            [&] {
                if (frmAllStar* open = w->allStarWindow(false)) open->close();
                settle();
            },
            [&] { return timed([&] { allStar->click(); }); });
    });

    add("PaletteWindow/" + edition, [nes](benchmark::State& state) {
        auto w = openWindow(nes);
        const auto& team = w->teamEditor().controls();
        SwatchLabel* swatch = nes ? team.lblnespal[0] : team.lblsnespal[5];
        runRounds(state, nullptr, [&] {
            return modalShown([&] { QTest::mouseClick(swatch, Qt::LeftButton); }, [](QDialog* d) { d->reject(); });
        });
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerFor(true);
    registerFor(false);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    kept.reset();
    benchmark::Shutdown();
    return 0;
}
