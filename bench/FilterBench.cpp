// One keystroke in the filter box on a full league: the query read and run over all 324
// players, the tree's nodes hidden and shown, the status bar's count, and the tree laid out
// and drawn anew (into a picture: offscreen nothing reaches a screen). The window runs offscreen (main in
// WindowBench.cpp) on the NES reference image when it is beside the checkout, otherwise on the demo image.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <filesystem>

#include "BenchWindow.h"
#include "base/FileIO.h"
#include "demo/DemoRom.h"
#include "session/modGlobals.h"
#include "ui/panels/ProjectTreePanel.h"
#include "ui/windows/frmMain.h"

namespace {

namespace fs = std::filesystem;

void key(QWidget* to, int code, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QApplication::sendEvent(to, &release);
}

// The text typed first, then keystrokes in turn: the last character typed again and taken back.
void filterKeystroke(benchmark::State& state, const char* typed) {
    Silent silent;
    const std::unique_ptr<frmMain> opened = openBenchWindow(silent, "tamsel_bench_filter", state);
    if (!opened) return;
    frmMain& window = *opened;
    auto* box = window.findChild<QLineEdit*>(QStringLiteral("txtFilter"));
    if (box == nullptr) {
        state.SkipWithError("the window has no filter box");
        return;
    }
    const QString text = QString::fromLatin1(typed);
    box->setText(text);
    QWidget* view = window.tree().viewport();
    bool back = true;
    for (auto _ : state) {
        back ? key(box, Qt::Key_Backspace, {}) : key(box, text.back().unicode(), text.right(1));
        back = !back;
        benchmark::DoNotOptimize(view->grab());
    }
    if (box->text() != text && box->text() != text.chopped(1)) state.SkipWithError("the keys went astray");
    auto* count = window.findChild<QLabel*>(QStringLiteral("lblFilter"));
    state.SetLabel(count != nullptr ? count->text().toStdString() : std::string());
    window.hide();
}
// Few players shown (jump>=7 and jump>=70), and many (every name with an A, then A and N); the
// label tells how many the last keystroke showed.
BENCHMARK_CAPTURE(filterKeystroke, terms, "pos:C jump>=70")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(filterKeystroke, words, "a n")->Unit(benchmark::kMillisecond);

}  // namespace
