// Edits not saved: the question before Exit, the close box and Open, with its three
// answers and without a question when there is nothing to lose; Save As, which leaves
// the opened file as it was and carries on with the new one; and the open file written
// by another program meanwhile.
#include <QToolButton>
#include <filesystem>
#include <optional>

#include "UiHarness.h"
#include "codec/RomReader.h"
#include "codec/RomWriter.h"

namespace fs = std::filesystem;
using Answer = MessageSink::SaveAnswer;

class UnsavedEdits : public UiTest {
public:
    // The city typed and still in its box: a store from a menu command takes it as typed.
    void typeCity() { type(teamUi().txtCity, "GOTHAM"); }
    // The league that the file holds.
    static clsProject decoded(const std::string& path, ConsoleKind kind = Console::Nes) {
        clsProject l;
        const OffsetSet offsets = kind == Console::Nes ? OffsetSet::nesDefaults() : OffsetSet::snesDefaults();
        EXPECT_EQ(loadProjectFromRom(l, testsupport::readBytes(path), offsets, kind), Result::Ok);
        return l;
    }
};

TEST_F(UnsavedEdits, ExitTheCloseBoxAndOpenAskFirstAndFollowTheAnswer) {
    enum class Command { Exit, CloseBox, Open };
    struct Row {
        const char* name;
        Command command;
        bool edited;
        Answer answer;
        bool goesOn;  // the window closes, or the other file opens
        bool saved;   // the edit reached game.nes
    };
    const Row rows[] = {
        {"Exit, Save", Command::Exit, true, Answer::Save, true, true},
        {"Exit, Discard", Command::Exit, true, Answer::Discard, true, false},
        {"Exit, Cancel", Command::Exit, true, Answer::Cancel, false, false},
        {"Exit without edits", Command::Exit, false, Answer::Cancel, true, false},
        {"close box, Save", Command::CloseBox, true, Answer::Save, true, true},
        {"close box, Discard", Command::CloseBox, true, Answer::Discard, true, false},
        {"close box, Cancel", Command::CloseBox, true, Answer::Cancel, false, false},
        {"close box without edits", Command::CloseBox, false, Answer::Cancel, true, false},
        {"Open, Save", Command::Open, true, Answer::Save, true, true},
        {"Open, Discard", Command::Open, true, Answer::Discard, true, false},
        {"Open, Cancel", Command::Open, true, Answer::Cancel, false, false},
        {"Open without edits", Command::Open, false, Answer::Cancel, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        messages.saveAnswer = Answer::Discard;  // for the edits of the row before
        openDemo();
        const auto original = testsupport::readBytes(rom);
        const std::string other = place(DemoRom::makeSnes(), "other.smc");
        fs::remove(file("tamsel.ini"));
        if (row.edited) typeCity();
        messages.questions.clear();
        messages.saveAnswer = row.answer;
        dialogs.requests.clear();
        switch (row.command) {
            case Command::Exit:
                menus().menuFileExit->trigger();
                break;
            case Command::CloseBox:
                w->windowHandle()->close();
                break;
            case Command::Open:
                menu(menus().menuFileOpen, other);
                break;
        }
        EXPECT_EQ(messages.questions,
                  row.edited ? std::vector<QString>{"Save changes to game.nes?"} : std::vector<QString>{});
        if (row.command == Command::Open) {
            EXPECT_EQ(dialogs.requests.size(), row.goesOn ? 1u : 0u);  // Cancel shows no dialogue
            EXPECT_EQ(session().kind(), row.goesOn ? Console::Snes : Console::Nes);
            if (!row.goesOn) {
                EXPECT_EQ(caption(), "Tamsel v0.21.0 [game.nes]*");
            }
        } else {
            EXPECT_EQ(w->isVisible(), !row.goesOn);
            EXPECT_EQ(fs::exists(file("tamsel.ini")), row.goesOn);  // the settings are written at close
        }
        EXPECT_EQ(decoded(rom).getTeamRef(0)->getCity() == "GOTHAM", row.saved);
        if (!row.saved) {
            EXPECT_EQ(testsupport::readBytes(rom), original);
        }
        dialogs.answers.clear();
    }
}

TEST_F(UnsavedEdits, AFailedSaveFromTheQuestionKeepsTheWindowOpen) {
    openDemo();
    typeCity();
    fs::permissions(rom, fs::perms::owner_read);
    messages.saveAnswer = Answer::Save;
    messages.shown.clear();
    menus().menuFileExit->trigger();
    fs::permissions(rom, fs::perms::owner_all);
    EXPECT_TRUE(w->isVisible());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error writing to disk!");
    EXPECT_EQ(messages.shown[0].icon, MessageSink::Icon::Exclamation);
    EXPECT_EQ(messages.shown[0].detail, qs("Permission denied: " + rom));
    EXPECT_TRUE(w->isWindowModified());
}

TEST_F(UnsavedEdits, SaveAsWritesTheNewFileAndLeavesTheOpenedOneAsItWas) {
    struct Row {
        const char* name;
        ConsoleKind kind;
        std::string chosen;  // relative to the test's folder
        std::string written;
        QString filter;
    };
    const Row rows[] = {
        {"NES", Console::Nes, "copy.nes", "copy.nes", "NES Rom (*.nes)|*.nes|"},
        {"SNES, the extension added", Console::Snes, "sub/copy", "sub/copy.smc", "SNES Rom (*.smc)|*.smc|"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openDemo(row.kind);
        fs::create_directories(file("sub"));
        const auto original = testsupport::readBytes(rom);
        typeCity();
        dialogs.requests.clear();
        EXPECT_EQ(menu(menus().menuFileSaveAs, file(row.chosen)), "File successfully saved!");
        EXPECT_EQ(messages.shown.back().icon, MessageSink::Icon::Information);
        ASSERT_EQ(dialogs.requests.size(), 1u);
        EXPECT_TRUE(dialogs.requests[0].save);
        EXPECT_EQ(dialogs.requests[0].filter, row.filter);
        EXPECT_EQ(testsupport::readBytes(rom), original);
        const std::string copy = file(row.written);
        EXPECT_EQ(decoded(copy, row.kind).getTeamRef(0)->getCity(), "GOTHAM");
        const QString name = qs(copy.substr(copy.rfind('/') + 1));
        EXPECT_EQ(caption(), "Tamsel v0.21.0 [" + name + "]");
        EXPECT_EQ(session().settings().lastFolder, copy.substr(0, copy.rfind('/')));

        type(teamUi().txtMascot, "OWLS");                       // the next save goes to the new file
        EXPECT_EQ(caption(), "Tamsel v0.21.0 [" + name + "]");  // not stored yet
        EXPECT_EQ(save(), "File successfully saved!");
        EXPECT_EQ(decoded(copy, row.kind).getTeamRef(0)->getMascot(), "OWLS");
        EXPECT_EQ(testsupport::readBytes(rom), original);
        dialogs.requests.clear();
        EXPECT_EQ(menu(menus().menuFileSaveAs), "");  // Cancel writes nothing and says nothing
        EXPECT_EQ(dialogs.requests.size(), 1u);
    }
}

// An open that fails changes nothing: the file open before stays open, with its caption,
// history, figure and the question before Exit, and saves to its own file. Discard before
// the failed open leaves the file as last saved on the screen.
TEST_F(UnsavedEdits, AFailedOpenKeepsTheFileOpenBefore) {
    const std::vector<std::uint8_t> noise(0x10000, 0x5A);
    const std::vector<std::uint8_t> stub = testsupport::hexBytes("4E 45 53 1A 00 00 00 00 00 00 00 00 00 00 00 00");
    struct Row {
        const char* name;
        ConsoleKind kind;
        std::string file;
        const std::vector<std::uint8_t>& bytes;
        std::optional<Answer> answer;  // the city typed first and the question answered so; none: no edit
        QString message;
        bool cityKept;
    };
    const Row rows[] = {
        {"NES, a league that does not decode, no edits", Console::Nes, "stub.nes", stub, std::nullopt,
         "Error reading data!", false},
        {"SNES, not an image, after Save", Console::Snes, "noise.smc", noise, Answer::Save, "Invalid rom!", true},
        {"NES, not an image, after Discard", Console::Nes, "noise.nes", noise, Answer::Discard, "Invalid rom!", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openDemo(row.kind);
        const clsProject opened = league();
        const bool nes = row.kind == Console::Nes;
        PictureBox* figure = nes ? teamUi().picPlayerRenderNES : teamUi().picPlayerRenderSNES;
        const QImage shown = figureOf(figure);
        if (row.answer) typeCity();
        messages.saveAnswer = row.answer.value_or(Answer::Cancel);
        EXPECT_EQ(openWith(place(row.bytes, row.file)), row.message);
        const QString name = nes ? "game.nes" : "game.smc";
        EXPECT_EQ(caption(), "Tamsel v0.21.0 [" + name + "]");
        EXPECT_EQ(
            diffSince(opened),
            row.cityKept ? Lines{"team 0 city: \"" + opened.getTeamRef(0)->getCity() + "\" -> \"GOTHAM\""} : Lines{});
        EXPECT_EQ(teamUi().txtCity->text(), qs(team(0).getCity()));
        EXPECT_EQ(menus().menuEditUndo->text(), row.cityKept ? "&Undo City" : "&Undo");
        clickNode(teamNode(0));
        EXPECT_FALSE(figure->isHidden());
        EXPECT_EQ(figureOf(figure), shown);

        typeAndLeave(teamUi().txtMascot, "owls", teamUi().txtCity);
        EXPECT_EQ(caption(), "Tamsel v0.21.0 [" + name + "]*");
        messages.questions.clear();
        messages.saveAnswer = Answer::Cancel;
        menus().menuFileExit->trigger();
        EXPECT_EQ(messages.questions, std::vector<QString>{"Save changes to " + name + "?"});
        EXPECT_EQ(save(), "File successfully saved!");
        EXPECT_EQ(decoded(rom, row.kind).getTeamRef(0)->getMascot(), "OWLS");
    }
}

// Another program writes game.nes (its team 0 now RIVALS) while the window has it open with an edit: the window says
// so once, its own saves and other files of the folder being no such change; Save then writes nothing over it and
// offers Save As, Reload or Cancel.
TEST_F(UnsavedEdits, AnotherProgramsChangeIsToldOnceAndSaveOffersSaveAsReloadOrCancel) {
    using Changed = MessageSink::ChangedAnswer;
    const QString told = "The file was changed by another program!";
    struct Row {
        const char* name;
        Changed answer;
        std::string city;  // of team 0 in the league afterwards
        bool modified;
        std::string copyCity;  // of team 0 in copy.nes ("" when it is not written)
    };
    const Row rows[] = {
        {"Cancel", Changed::Cancel, "GOTHAM", true, ""},
        {"Save As", Changed::SaveAs, "GOTHAM", false, "GOTHAM"},
        {"Reload", Changed::Reload, "RIVALS", false, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openDemo();
        fs::remove(file("copy.nes"));
        RomImage rivals = testsupport::readBytes(rom);
        clsProject theirs = decoded(rom);
        theirs.getTeamRef(0)->setCity("RIVALS");
        ASSERT_EQ(saveProjectToRom(theirs, rivals, OffsetSet::nesDefaults(), Console::Nes), Result::Ok);
        ASSERT_EQ(save(), "File successfully saved!");
        typeCity();
        testsupport::writeText(file("notes.txt"), "another file of the folder");
        QTest::qWait(100);
        EXPECT_EQ(messages.shown.size(), 1u) << "neither the window's own save nor another file is told";
        testsupport::writeBytes(rom, rivals);
        EXPECT_TRUE(QTest::qWaitFor([&] { return last() == told; }));
        testsupport::writeBytes(rom, rivals);
        QTest::qWait(100);
        EXPECT_EQ(messages.shown.size(), 2u) << "told once";
        EXPECT_EQ(messages.shown.back().detail, qs(rom));

        messages.changedAnswer = row.answer;
        dialogs.answers.push_back({qs(file("copy.nes")), 1});
        messages.shown.clear();
        menus().menuFileSave->trigger();
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown[0].text, told);
        EXPECT_EQ(messages.shown[0].detail, qs(rom));
        EXPECT_EQ(testsupport::readBytes(rom), rivals);
        EXPECT_EQ(league().getTeamRef(0)->getCity(), row.city);
        EXPECT_EQ(w->isWindowModified(), row.modified);
        EXPECT_EQ(fs::exists(file("copy.nes")) ? decoded(file("copy.nes")).getTeamRef(0)->getCity() : "", row.copyCity);
        dialogs.answers.clear();
        messages.changedAnswer = Changed::Cancel;
    }
}
