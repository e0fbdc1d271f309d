#pragma once
// The main window driven offscreen: message boxes and file dialogues answered from queues, a
// transcript of what the window said, and the scenario driver (Scenario.cpp) that acts as a user.
#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <deque>
#include <filesystem>
#include <optional>

#include "demo/DemoRom.h"
#include "model/LeagueDiff.h"
#include "session/modGlobals.h"
#include "support/ReferenceImages.h"
#include "ui/panels/PlayerEditorPanel.h"
#include "ui/panels/ProjectTreePanel.h"
#include "ui/panels/ScheduleEditorPanel.h"
#include "ui/panels/TeamEditorPanel.h"
#include "ui/platform/ProgramStarter.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/SpaceStatusLabel.h"
#include "ui/widgets/SwatchLabel.h"
#include "ui/widgets/TextBox.h"
#include "ui/widgets/UiText.h"
#include "ui/windows/frmAllStar.h"
#include "ui/windows/frmMain.h"
#include "ui/windows/frmPaletteTool.h"

// Lines of text, as a list or as one text of lines joined by "\n".
struct Lines : std::vector<std::string> {
    using std::vector<std::string>::vector;
    Lines(const std::string& joined) {
        if (!joined.empty())
            for (std::size_t at = 0, end = 0; end != std::string::npos; at = end + 1)
                push_back(joined.substr(at, (end = joined.find('\n', at)) == std::string::npos ? end : end - at));
    }
    Lines(const char* joined) : Lines(std::string(joined)) {}
};

// Every message and question, a line each: "Text", "warning: Text" with the warning icon, "ask:
// Question"; each line of a detail follows after " | ". Questions take the queued answers in turn ("Yes", "Save",
// "Discard", "Save As", "Reload", ...), else No or Cancel. File dialogues answer from a queue too
// (Cancel when it is empty), each request kept as "open FILTER in FOLDER" or "save ...".
struct FakeMessages : MessageSink {
    Lines said;
    std::deque<std::string> answers;
    std::string ask(const QString& text, const QString& detail = {}) {
        message(nullptr, "ask: " + text, Icon::None, detail);
        std::string a = answers.empty() ? "" : answers.front();
        if (!answers.empty()) answers.pop_front();
        return a;
    }
    void message(QWidget*, const QString& text, Icon icon, const QString& detail = QString()) override {
        const QString line = (icon == Icon::Exclamation ? "warning: " : "") + text;
        said.push_back((detail.isEmpty() ? line : line + " | " + QString(detail).replace('\n', " | ")).toStdString());
    }
    bool askYesNo(QWidget*, const QString& text) override { return ask(text) == "Yes"; }
    bool askGoOn(QWidget*, const QString& text, const QString& detail) override { return ask(text, detail) == "Yes"; }
    SaveAnswer askSaveChanges(QWidget*, const QString& text) override {
        const std::string a = ask(text);
        return a == "Save" ? SaveAnswer::Save : a == "Discard" ? SaveAnswer::Discard : SaveAnswer::Cancel;
    }
    ChangedAnswer askFileChanged(QWidget*, const QString& text, const QString& detail) override {
        const std::string a = ask(text, detail);
        return a == "Save As" ? ChangedAnswer::SaveAs : a == "Reload" ? ChangedAnswer::Reload : ChangedAnswer::Cancel;
    }
};
struct FakeDialogs : FileDialogs {
    Lines requests;
    std::deque<FileChoice> answers;
    FileChoice openFile(QWidget*, const QString& f, const QString& d) override { return answer("open ", f, d); }
    FileChoice saveFile(QWidget*, const QString& f, const QString& d) override { return answer("save ", f, d); }
    FileChoice answer(const std::string& how, const QString& filter, const QString& folder) {
        requests.push_back(how + (filter + " in " + folder).toStdString());
        const FileChoice c = answers.empty() ? FileChoice{} : answers.front();
        if (!answers.empty()) answers.pop_front();
        return c;
    }
};

// Programs started for real, but found on PATH only in the test's folder "path".
struct FakePath : QtProgramStarter {
    QString folder;
    QString findOnPath(const QString& name) const override {
        const QFileInfo found(folder + "/" + name);
        return found.isExecutable() ? found.filePath() : QString();
    }
};

// A row of a scenario: what the user does, in words (Scenario.cpp), and what then follows: the
// league's differences from before the row, as tamsel-cli diff prints them (kOtherLeague: not
// compared, another edition's league was opened); every message and question shown meanwhile;
// when given, the step Edit > Undo then names ("" for none); and checks of what the league
// cannot show.
inline const Lines kOtherLeague = {"(another league)"};
struct Row {
    std::string does;
    Lines diff = {};
    Lines says = {};
    const char* undo = nullptr;  // not checked
    std::function<void()> check = {};
};

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline Session& session() { return modGlobals::session(); }
inline clsProject& league() { return session().league(); }
inline clsTeam& team(int t) { return *league().getTeamRef(t); }
inline clsPlayer& player(int t, int p) { return *team(t).getPlayerRef(p); }
inline Lines diffLines(const clsProject& before, const clsProject& after) {
    Lines lines;
    for (const LeagueDiff::Difference& d : LeagueDiff::compare(before, after)) lines.push_back(d.text());
    return lines;
}
// Tree nodes by creation index: 1 the root, then each team followed by its twelve players.
constexpr int teamNode(int t) { return 2 + 13 * t; }
constexpr int playerNode(int t, int p) { return 3 + 13 * t + p; }
// The 32 x 96 figure a picture box shows.
inline QImage figureOf(const PictureBox* box) {
    return box->image().copy(0, 0, 32, 96).convertToFormat(QImage::Format_RGB32);
}
// Runs posted events, the deferred deletes of closed windows included.
inline void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Each test a fresh run of the program in a folder of its own, which is the program's folder and
// the one every file name of a scenario is taken in.
class UiTest : public ::testing::Test {
public:
    FakeMessages messages;
    FakeDialogs dialogs;
    FakePath programs;
    std::string dir;
    std::string rom;  // the image opened by openDemo, openReference or openImage
    std::unique_ptr<frmMain> w;

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = testsupport::freshDir(std::string("ui_") + info->test_suite_name() + "_" + info->name());
        modGlobals::setProgramFolder(dir);
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir + "/config"));
        programs.folder = qs(dir + "/path");
        restart();
    }
    void TearDown() override { restart(); }
    // The program ended: no window, nothing open.
    void restart() {
        w.reset();
        settle();
        session() = Session{};
        session().setBackups(BackupStore(dir + "/backups"));
    }
    // The window (No to the settings question), shown and active so that clicks move the focus.
    void start() {
        w = std::make_unique<frmMain>(&messages, &dialogs, &programs);
        messages.said.clear();
        w->resize(1100, 720);
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    std::string file(const std::string& name) const { return name.starts_with('/') ? name : dir + "/" + name; }
    std::string place(const std::vector<std::uint8_t>& bytes, const std::string& name) {
        testsupport::writeBytes(file(name), bytes);
        return file(name);
    }
    // The window on the demo image of the edition (game.nes, game.smc), a reference image or bytes.
    void openDemo(ConsoleKind kind = Console::Nes) {
        kind == Console::Nes ? openImage(DemoRom::makeNes(), "game.nes") : openImage(DemoRom::makeSnes(), "game.smc");
    }
    void openReference(const testsupport::Reference& ref) { openImage(ref.image(), "game" + ref.ext()); }
    void openImage(const std::vector<std::uint8_t>& bytes, const std::string& name) {
        if (!w) start();
        rom = place(bytes, name);
        act("open " + name);
        ASSERT_EQ(messages.said, Lines{"File successfully loaded!"});
        messages.said.clear();
        dialogs.requests.clear();
    }
    // A shell script named name in the test's folder; returns its path.
    std::string script(const std::string& name, const std::string& body) {
        const std::string path = file(name);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        testsupport::writeText(path, "#!/bin/sh\n" + body);
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path;
    }
    // The lines of a tree shown, each indented by two blanks a level, a checked one marked "[x] ".
    static Lines shownLines(QTreeWidget* tree) {
        Lines lines;
        for (QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::NotHidden); *it; ++it) {
            int depth = 0;
            for (auto* up = (*it)->parent(); up; up = up->parent()) ++depth;
            const bool checked = (*it)->checkState(0) == Qt::Checked;
            lines.push_back(std::string(2 * depth, ' ') + (checked ? "[x] " : "") + (*it)->text(0).toStdString());
        }
        return lines;
    }
    // Does what the words say; plays rows one after another in this window.
    void act(const std::string& does);
    void play(const std::vector<Row>& rows);

    const MainMenus& menus() const { return w->menus(); }
    const TeamEditorPanel::Controls& teamUi() const { return w->teamEditor().controls(); }
    const PlayerEditorPanel::Controls& playerUi() const { return w->playerEditor().controls(); }
    const ScheduleEditorPanel::Controls& scheduleUi() const { return w->scheduleEditor().controls(); }
    QTreeWidgetItem* node(int index) const { return w->tree().node(index); }
    QString statusText() const { return w->spaceStatus().text(); }
    // The caption as the desktop shows it: the modified marker "[*]" as "*" or left out.
    QString caption() const { return w->windowHandle()->title(); }
    // The league the file holds.
    static clsProject decoded(const std::string& path, ConsoleKind kind = Console::Nes) {
        return testsupport::decoded(testsupport::readBytes(path), kind);
    }
};
