// The main window's shell: the settings file at start and close, the folder the dialogues start
// in, the keys and mnemonics of the menus, and the schedule check window.
#include <QMenuBar>
#include <QScrollBar>
#include <QTableWidget>
#include <filesystem>

#include "model/ScheduleCheck.h"
#include "ui/support/UiHarness.h"
#include "ui/windows/ScheduleCheckWindow.h"

namespace fs = std::filesystem;
using MainWindow = UiTest;

TEST_F(MainWindow, TheSettingsFileIsOfferedAtStartAndWrittenAtClose) {
    for (const std::string answer : {"No", "Yes"}) {
        SCOPED_TRACE(answer);
        messages.answers = {answer};
        w = std::make_unique<frmMain>(&messages, &dialogs);
        EXPECT_EQ(messages.said, Lines{"ask: Error loading tamsel.ini! Create a default tamsel.ini file?"});
        EXPECT_EQ(fs::remove(file("tamsel.ini")), answer == "Yes");
        EXPECT_EQ(w->windowTitle(), "Tamsel v0.21.0 [...]");
        w->close();
        EXPECT_TRUE(fs::remove(file("tamsel.ini")));  // written at every close
        messages.said.clear();
    }
    fs::create_directory(file("tamsel.ini"));  // a folder where the file should go
    w->close();
    EXPECT_EQ(messages.said, Lines{"warning: Unable to save tamsel.ini."});
}

// The dialogues start in the folder remembered from the last run while it holds a file, else in
// the program's folder.
TEST_F(MainWindow, TheDialoguesStartInTheRememberedFolderWhileItHoldsFiles) {
    fs::create_directories(file("empty"));
    fs::create_directories(file("full"));
    testsupport::writeText(file("full/x"), "x");
    for (const auto& [folder, used] : {std::pair{"gone", false}, {"empty", false}, {"full", true}}) {
        SCOPED_TRACE(folder);
        SettingsData data;
        Settings::applyDefaultSettings(data, dir);
        data.lastFolder = file(folder);
        ASSERT_EQ(Settings::writeFile(file("tamsel.ini"), data), Result::Ok);
        start();
        act("menu menuFileOpen");
        EXPECT_EQ(dialogs.requests.back().substr(dialogs.requests.back().rfind(" in ") + 4), used ? file(folder) : dir);
        restart();
    }
}

// The desktop's keys of the file and history commands, then whatever else it binds to them; in
// every menu (and the menu bar) each entry has a mnemonic of its own.
TEST_F(MainWindow, MenusHaveTheDesktopsKeysAndAMnemonicEach) {
    start();
    using K = QKeySequence;
    const std::tuple<const char*, QList<K>, K::StandardKey> rows[] = {
        {"menuFileOpen", {K(Qt::CTRL | Qt::Key_O)}, K::Open},
        {"menuFileSave", {K(Qt::CTRL | Qt::Key_S)}, K::Save},
        {"menuFileSaveAs", {K(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, K::SaveAs},
        {"menuFileExit", {K(Qt::CTRL | Qt::Key_Q)}, K::Quit},
        {"menuEditUndo", {K(Qt::CTRL | Qt::Key_Z)}, K::Undo},
        {"menuEditRedo", {K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), K(Qt::CTRL | Qt::Key_Y)}, K::Redo},
    };
    for (const auto& [name, first, standard] : rows) {
        const QList<K> keys = w->findChild<QAction*>(name)->shortcuts();
        EXPECT_EQ(keys.mid(0, first.size()), first) << name;
        for (const K& binding : K::keyBindings(standard)) EXPECT_TRUE(keys.contains(binding)) << name;
    }
    std::vector<const QWidget*> menus = {w->menuBar()};
    for (const QMenu* m : w->findChildren<QMenu*>()) menus.push_back(m);
    for (const QWidget* menu : menus) {
        QList<QChar> letters;
        for (const QAction* a : menu->actions()) {
            const qsizetype at = a->text().indexOf('&');
            if (a->isSeparator()) continue;
            ASSERT_TRUE(at >= 0 && at + 1 < a->text().size()) << a->text().toStdString();
            EXPECT_FALSE(letters.contains(a->text()[at + 1].toLower())) << a->text().toStdString();
            letters << a->text()[at + 1].toLower();
        }
    }
}

// Analysis > Check Schedule shows each team's games and the problems, anew after each change while
// it is open and when it is shown again, at a height that shows every team where the screen allows.
TEST_F(MainWindow, TheScheduleCheckFollowsTheSchedule) {
    openDemo();
    ScheduleCheckWindow* check = nullptr;
    const auto problems = [&](const QString& first) {
        return [&, first] {
            check = w->findChild<ScheduleCheckWindow*>();
            ASSERT_NE(check, nullptr);
            EXPECT_TRUE(check->isVisible());
            EXPECT_EQ(check->lstProblems->item(0)->text(), first);
            const ScheduleCheck::Report report = ScheduleCheck::check(league());
            for (int t = 0; t < clsProject::kTeams; ++t)  // the Home column
                EXPECT_EQ(check->tblTeams->item(t, 2)->text().toInt(), report.teams[std::size_t(t)].home) << t;
        };
    };
    play({
        {"menu menuAnalysisCheckSchedule", "", "", nullptr, problems("No problems")},
        {"click row 0 of lstSchedule, choose 1 in cmbHome, click player 0.1",
         "game 0: \"BRA at ALD\" -> \"BRA at BRA\"", "", "Schedule", problems("game 0: BRA plays itself")},
        {"close frmScheduleCheck, menu menuEditUndo, menu menuAnalysisCheckSchedule",
         "game 0: \"BRA at BRA\" -> \"BRA at ALD\"", "", "", problems("No problems")},
    });
    settle();
    EXPECT_FALSE(check->tblTeams->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(!check->tblTeams->verticalScrollBar()->isVisible() ||
                check->frameGeometry().height() >= check->screen()->availableGeometry().height() * 9 / 10);
}
