// The window's commands as the keyboard reaches them: every menu and item with its caption,
// mnemonic and keys, "..." where a dialogue follows, the tool buttons' tips; the program's
// icon on every window; and the icon of each kind of message.
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolButton>
#include <optional>

#include "UiHarness.h"
#include "ui/ToolIcons.h"

using MenusAndKeys = UiTest;

namespace {

QKeySequence key(QKeyCombination combination) { return QKeySequence(combination); }

// The letter a caption's mnemonic marks, in lower case; none without one.
QChar mnemonicOf(const QString& caption) {
    for (qsizetype i = caption.indexOf('&'); i >= 0 && i + 1 < caption.size(); i = caption.indexOf('&', i + 2))
        if (caption[i + 1] != '&') return caption[i + 1].toLower();
    return {};
}

}  // namespace

TEST_F(MenusAndKeys, EveryMenuItemHasItsCaptionMnemonicAndKeys) {
    start();
    struct Row {
        const char* name;
        QString caption;
        QList<QKeySequence> keys;                           // the first ones, in order
        std::optional<QKeySequence::StandardKey> standard;  // whose bindings the item takes too
    };
    const Row rows[] = {
        {"menuFileOpen", "&Open...", {key(Qt::CTRL | Qt::Key_O)}, QKeySequence::Open},
        {"menuFileSave", "&Save", {key(Qt::CTRL | Qt::Key_S)}, QKeySequence::Save},
        {"menuFileSaveAs", "Save &As...", {key(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, QKeySequence::SaveAs},
        {"menuFileExit", "E&xit", {key(Qt::CTRL | Qt::Key_Q)}, QKeySequence::Quit},
        {"menuEditUndo", "&Undo", {key(Qt::CTRL | Qt::Key_Z)}, QKeySequence::Undo},
        {"menuEditRedo",
         "&Redo",
         {key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), key(Qt::CTRL | Qt::Key_Y)},
         QKeySequence::Redo},
        {"menuProjectImport", "&Import Project...", {}, std::nullopt},
        {"menuProjectExport", "&Export Project...", {}, std::nullopt},
        {"menuProjectImportTeam", "Import &Team...", {}, std::nullopt},
        {"menuProjectExportTeam", "Export Te&am...", {}, std::nullopt},
        {"meunProjectImportPlayer", "Import &Player...", {}, std::nullopt},
        {"menuProjectExportPlayer", "Export P&layer...", {}, std::nullopt},
        {"menuAnalysisAtt_0", "&Run Speed...", {}, std::nullopt},
        {"menuAnalysisAtt_1", "&Jumping...", {}, std::nullopt},
        {"menuAnalysisAtt_2", "&Stealing...", {}, std::nullopt},
        {"menuAnalysisAtt_3", "&Blocking...", {}, std::nullopt},
        {"menuAnalysisAtt_4", "S&hooting Range...", {}, std::nullopt},
        {"menuAnalysisAtt_5", "S&tamina...", {}, std::nullopt},
        {"menuAnalysisSortByPos", "Sort by &Position", {}, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QAction* item = w->findChild<QAction*>(row.name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), row.caption);
        const QList<QKeySequence> keys = item->shortcuts();
        EXPECT_EQ(keys.mid(0, row.keys.size()), row.keys);
        if (row.standard) {
            for (const QKeySequence& binding : QKeySequence::keyBindings(*row.standard))
                EXPECT_TRUE(keys.contains(binding));
        } else {
            EXPECT_TRUE(keys.isEmpty());
        }
    }

    // The menus in their order, and within each menu (the bar counting as one) every
    // entry has a mnemonic of its own.
    QStringList titles;
    for (QAction* m : w->menuBar()->actions()) titles << m->text();
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&Project", "&Analysis"}));
    std::vector<const QWidget*> menus = {w->menuBar()};
    for (const QMenu* m : w->findChildren<QMenu*>()) menus.push_back(m);
    for (const QWidget* menu : menus) {
        SCOPED_TRACE(str(menu->objectName()));
        QList<QChar> letters;
        for (const QAction* a : menu->actions()) {
            if (a->isSeparator()) continue;
            const QChar letter = mnemonicOf(a->text());
            EXPECT_TRUE(letter.isLetterOrNumber()) << str(a->text());
            EXPECT_FALSE(letters.contains(letter)) << str(a->text());
            letters << letter;
        }
    }
}

TEST_F(MenusAndKeys, ToolButtonsHaveTipsAndEveryWindowShowsTheProgramsIcon) {
    const QIcon icon = ToolIcons::applicationIcon();
    QList<QSize> sizes;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) sizes << QSize(side, side);
    EXPECT_EQ(icon.availableSizes(), sizes);
    QApplication::setWindowIcon(icon);
    openDemo();
    EXPECT_EQ(menus().cmdFileLoad->toolTip(), "Open ROM");
    EXPECT_EQ(menus().cmdFileSave->toolTip(), "Save ROM");
    EXPECT_EQ(menus().cmdExitApp->toolTip(), "Exit Program");
    QTest::mouseClick(scheduleUi().cmdEditAllStar, Qt::LeftButton);
    const QWidget* windows[] = {w.get(), w->allStarWindow(false), w->teamEditor().paletteTool(true)};
    for (const QWidget* window : windows) {
        SCOPED_TRACE(str(window->objectName()));
        EXPECT_EQ(window->windowIcon().cacheKey(), icon.cacheKey());
    }
    QApplication::setWindowIcon(QIcon());
}

// Failures carry the warning icon, successes the information icon, whatever the command. (The
// open outcomes and the failed exports show theirs in their own tests.)
TEST_F(MenusAndKeys, MessagesShowTheWarningIconForFailuresAndTheInformationIconForSuccesses) {
    openDemo();
    struct Row {
        const char* name;
        std::function<QString(MenusAndKeys&)> act;
        QString message;
        MessageSink::Icon icon;
    };
    const Row rows[] = {
        {"open failed", [](MenusAndKeys& t) { return t.openWith(t.file("none.nes")); }, "Error loading file!",
         MessageSink::Icon::Exclamation},
        {"save", [](MenusAndKeys& t) { return t.save(); }, "File successfully saved!", MessageSink::Icon::Information},
        {"export", [](MenusAndKeys& t) { return t.menu(t.menus().menuProjectExport, t.file("l.tpr")); },
         "Project exported!", MessageSink::Icon::Information},
        {"import", [](MenusAndKeys& t) { return t.menu(t.menus().menuProjectImport, t.file("l.tpr")); },
         "Team imported!", MessageSink::Icon::Information},
        {"import failed", [](MenusAndKeys& t) { return t.menu(t.menus().menuProjectImportTeam, t.file("none.tte")); },
         "Error reading file!", MessageSink::Icon::Exclamation},
        {"report", [](MenusAndKeys& t) { return t.menu(t.menus().menuAnalysisAtt[0], t.file("r.txt")); },
         "Analysis complete!", MessageSink::Icon::Information},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.act(*this), row.message);
        EXPECT_EQ(messages.shown.back().icon, row.icon);
    }
}

// The Qt message box is wide enough for a sentence and keeps a line of its detail whole.
TEST_F(MenusAndKeys, TheQtMessageBoxKeepsADetailLineWhole) {
    const QString line = "line 65: column weight: 'abc' is not a number";
    int width = 0;
    bool whole = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        const auto* detail = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
        ASSERT_NE(detail, nullptr);
        width = box->width();
        whole = !detail->wordWrap() && detail->width() >= detail->fontMetrics().horizontalAdvance(line);
        box->accept();
    });
    QtMessageSink().message(nullptr, "Error reading file!", MessageSink::Icon::Exclamation, line);
    EXPECT_GE(width, 400);
    EXPECT_TRUE(whole);
}
