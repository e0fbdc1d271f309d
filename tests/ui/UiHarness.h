#pragma once
// The main window driven offscreen through scripted message boxes and file dialogues,
// with helpers that click and type as a user does. Shared by every window test.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>
#include <deque>
#include <functional>

#include "demo/DemoRom.h"
#include "graphics/modGraphics.h"
#include "interchange/PlayerFile.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"
#include "model/LeagueDiff.h"
#include "session/modGlobals.h"
#include "support/ReferenceImages.h"
#include "support/TestSupport.h"
#include "ui/PictureBox.h"
#include "ui/PlayerEditorPanel.h"
#include "ui/ProjectTreePanel.h"
#include "ui/ScheduleEditorPanel.h"
#include "ui/SpaceStatusLabel.h"
#include "ui/SwatchLabel.h"
#include "ui/TeamEditorPanel.h"
#include "ui/TextBox.h"
#include "ui/frmAllStar.h"
#include "ui/frmMain.h"
#include "ui/frmPaletteTool.h"

struct FakeMessages : MessageSink {
    struct Shown {
        QString text;
        Icon icon;
        QString detail;
    };
    std::vector<Shown> shown;
    bool yes = false;                                     // the answer to a Yes/No question
    std::vector<QString> questions;                       // the questions about unsaved edits
    SaveAnswer saveAnswer = SaveAnswer::Discard;          // and the answer to each
    ChangedAnswer changedAnswer = ChangedAnswer::Cancel;  // to a save refused for a changed file (shown as a message)
    void message(QWidget*, const QString& text, Icon icon, const QString& detail = QString()) override {
        shown.push_back({text, icon, detail});
    }
    bool askYesNo(QWidget*, const QString& text) override {
        shown.push_back({text, Icon::Exclamation, QString()});
        return yes;
    }
    SaveAnswer askSaveChanges(QWidget*, const QString& text) override {
        questions.push_back(text);
        return saveAnswer;
    }
    ChangedAnswer askFileChanged(QWidget*, const QString& text, const QString& detail) override {
        shown.push_back({text, Icon::Exclamation, detail});
        return changedAnswer;
    }
};

struct FakeDialogs : FileDialogs {
    struct Request {
        bool save;
        QString filter;
        QString folder;
    };
    std::vector<Request> requests;
    std::deque<FileChoice> answers;  // Cancel when none is left
    FileChoice openFile(QWidget*, const QString& f, const QString& d) override { return answer(false, f, d); }
    FileChoice saveFile(QWidget*, const QString& f, const QString& d) override { return answer(true, f, d); }
    FileChoice answer(bool save, const QString& filter, const QString& folder) {
        requests.push_back({save, filter, folder});
        if (answers.empty()) return FileChoice{};
        FileChoice c = answers.front();
        answers.pop_front();
        return c;
    }
};

// Texts printed readably when a comparison fails.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string str(const QString& s) { return s.toStdString(); }
inline Session& session() { return modGlobals::session(); }
inline std::size_t steps() { return modGlobals::session().history().undoCount(); }
inline clsProject& league() { return session().league(); }
inline clsTeam& team(int t) { return *league().getTeamRef(t); }
inline clsPlayer& player(int t, int p) { return *team(t).getPlayerRef(p); }
// How one league differs from another, a line a difference as tamsel-cli diff prints them.
using Lines = std::vector<std::string>;
inline Lines diffLines(const clsProject& before, const clsProject& after) {
    Lines lines;
    for (const LeagueDiff::Difference& d : LeagueDiff::compare(before, after)) lines.push_back(d.text());
    return lines;
}
inline Lines diffSince(const clsProject& before) { return diffLines(before, league()); }
// Tree nodes by creation index: 1 the root, then each team followed by its twelve players.
constexpr int teamNode(int t) { return 2 + 13 * t; }
constexpr int playerNode(int t, int p) { return 3 + 13 * t + p; }
inline QColor nesColor(int index, bool mono = false, int emphasis = 0) {
    return colorFromRgbValue(modGraphics::nesColorToRGB(std::uint8_t(index), mono, std::uint8_t(emphasis)));
}
inline QImage figureOf(const PictureBox* box) {
    return box->image().copy(0, 0, 32, 96).convertToFormat(QImage::Format_RGB32);
}

// The 32 x 96 figure that the team gives in the edition and variant on the box's blank background.
inline QImage expectedFigure(const PictureBox* box, ConsoleKind kind, const clsTeam& t, int variant) {
    PixelImage s(box->image().width(), box->image().height(), rgbValueFromColor(box->image().pixelColor(33, 97)));
    modGraphics::drawPlayerSprite(s, kind, t, variant, session().image());
    QImage out(32, 96, QImage::Format_RGB32);
    for (int i = 0; i < 32 * 96; ++i) out.setPixelColor(i % 32, i / 32, colorFromRgbValue(s.get(i % 32, i / 32)));
    return out;
}

// Runs posted events, including the deferred deletes of closed windows.
inline void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Everything public: the tables of the tests call the helpers from their rows.
class UiTest : public ::testing::Test {
public:
    FakeMessages messages;
    FakeDialogs dialogs;
    std::string dir;
    std::string rom;
    std::unique_ptr<frmMain> w;

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = testsupport::freshDir(std::string("ui_") + info->test_suite_name() + "_" + info->name());
        modGlobals::setProgramFolder(dir);
        // The recent list (and any other per-user file) lives in the test's own folder.
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir + "/config"));
        // Each window starts as a fresh run of the program, with nothing open.
        session() = Session{};
    }
    void TearDown() override {
        w.reset();
        settle();
    }

    // Creates the window (No to the settings question), shown and active so that clicks move the focus.
    void start() {
        w = std::make_unique<frmMain>(&messages, &dialogs);
        messages.shown.clear();
        w->resize(1100, 720);
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    std::string file(const std::string& name) const { return dir + "/" + name; }
    std::string place(const std::vector<std::uint8_t>& bytes, const std::string& name) {
        testsupport::writeBytes(file(name), bytes);
        return file(name);
    }
    std::string placeFixture(const std::string& rel) {
        return place(testsupport::readBytes(testsupport::fixture(rel)), rel.substr(rel.rfind('/') + 1));
    }
    // Starts the window on a reference image.
    void openReference(const testsupport::Reference& ref) {
        start();
        rom = placeFixture(ref.folder + "/game" + ref.ext());
        open(rom);
    }
    // Starts the window on the demo image of the edition.
    void openDemo(ConsoleKind kind = Console::Nes) {
        start();
        rom = kind == Console::Nes ? place(DemoRom::makeNes(), "game.nes") : place(DemoRom::makeSnes(), "game.smc");
        open(rom);
    }

    // The window's parts.
    const MainMenus& menus() const { return w->menus(); }
    const TeamEditorPanel::Controls& teamUi() const { return w->teamEditor().controls(); }
    const PlayerEditorPanel::Controls& playerUi() const { return w->playerEditor().controls(); }
    const ScheduleEditorPanel::Controls& scheduleUi() const { return w->scheduleEditor().controls(); }
    QTreeWidgetItem* node(int index) const { return w->tree().node(index); }
    QString statusText() const { return w->spaceStatus().text(); }
    // The caption as the desktop shows it: the modified marker "[*]" as "*" or left out.
    QString caption() const { return w->windowHandle() != nullptr ? w->windowHandle()->title() : w->windowTitle(); }
    const clsPlayer& selectedPlayer() const { return player(w->selection().team, w->selection().player); }

    QString last() const { return messages.shown.empty() ? QString() : messages.shown.back().text; }
    // Opens a file through the open dialogue with the filter line given; the one message shown.
    QString openWith(const std::string& path, int filterLine = 1) {
        messages.shown.clear();
        dialogs.answers.push_back({qs(path), filterLine});
        menus().menuFileOpen->trigger();
        EXPECT_EQ(messages.shown.size(), 1u);
        return last();
    }
    void open(const std::string& path) { ASSERT_EQ(openWith(path), "File successfully loaded!"); }
    // Triggers a menu item whose file dialogue answers path (Cancel when empty); the last message.
    QString menu(QAction* item, const std::string& path = {}) {
        messages.shown.clear();
        if (!path.empty()) dialogs.answers.push_back({qs(path), 1});
        item->trigger();
        return last();
    }
    QString save() { return menu(menus().menuFileSave); }

    void clickNode(int index) {
        QTreeWidgetItem* n = node(index);
        ASSERT_NE(n, nullptr);
        if (n->parent() != nullptr) n->parent()->setExpanded(true);
        ProjectTreePanel& tree = w->tree();
        tree.scrollToItem(n);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(n).center());
    }
    static void clickRow(QListWidget* list, int row) {
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    // Gives a drop-down list the focus and chooses an entry with the keyboard.
    static void choose(QComboBox* combo, int index) {
        combo->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < index; ++i) QTest::keyClick(combo, Qt::Key_Down);
        ASSERT_EQ(combo->currentIndex(), index);
    }
    // Replaces a text box's text by typing; the box keeps the focus.
    static void type(TextBox* box, const QString& text) {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        for (QChar c : text) {
            if (c.unicode() < 128) {
                QTest::keyClick(box, char(c.unicode()));
            } else {  // characters beyond ASCII come as text without a key code
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), {});
            }
        }
    }
    // Replaces a box's text by typing and clicks the next control, which takes the focus.
    static void typeAndLeave(TextBox* box, const QString& text, QWidget* next) {
        type(box, text);
        QTest::mouseClick(next, Qt::LeftButton);
    }
    // Writes the league's record of the kind as its interchange file: the project, team t or player t.p.
    enum class Record { Project, Team, Player };
    static std::string exportRecord(Record kind, const clsProject& from, int t, int p, const std::string& path) {
        const ResultCode written = kind == Record::Project ? ProjectFile::exportProject(from, path)
                                   : kind == Record::Team
                                       ? TeamFile::exportTeam(*from.getTeamRef(t), path)
                                       : PlayerFile::exportPlayer(*from.getTeamRef(t)->getPlayerRef(p), path);
        EXPECT_EQ(written, Result::Ok);
        return path;
    }
    // Clicks "All-Star" and waits for the window.
    frmAllStar* showAllStar() {
        QTest::mouseClick(scheduleUi().cmdEditAllStar, Qt::LeftButton);
        frmAllStar* a = w->allStarWindow(false);
        EXPECT_NE(a, nullptr);
        if (a != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(a));
        }
        return a;
    }
    // A NES colour unlike the given one.
    static int otherColour(int colour) { return colour == 0x2A ? 0x16 : 0x2A; }
    // Picks the NES colour in the palette tool run from the swatch and confirms it.
    void pickColour(QLabel* swatch, int colour) {
        withPaletteTool(swatch, [colour](frmPaletteTool& tool) {
            QTest::mouseClick(tool.lblnespal[std::size_t(colour)], Qt::LeftButton);
            QTest::mouseClick(tool.cmdOK, Qt::LeftButton);
        });
    }
    // Clicks a swatch and lets answer(tool) work the palette tool as soon as it is up; the
    // tool is closed afterwards whatever answer did, so that the modal loop ends.
    void withPaletteTool(QLabel* swatch, const std::function<void(frmPaletteTool&)>& answer) {
        bool answered = false;
        QTimer::singleShot(0, [&] {
            frmPaletteTool* tool = w->teamEditor().paletteTool(false);
            if (tool == nullptr || !tool->isVisible()) return;
            answered = QTest::qWaitFor([tool] { return tool->isActiveWindow(); });  // so that focus changes reach it
            answer(*tool);
            if (tool->isVisible()) tool->close();
        });
        QTest::mouseClick(swatch, Qt::LeftButton);
        EXPECT_TRUE(answered) << "the palette tool did not come up";
    }
};
