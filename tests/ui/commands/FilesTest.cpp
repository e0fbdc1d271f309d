// The File menu's commands: opening by the dialogue, the command line, a drop and the recent list;
// the question about unsaved edits; Save As; a failed open; the open file changed by another
// program; and the command runner storing what is typed before any command.
#include <filesystem>

#include "codec/RomWriter.h"
#include "ui/commands/RecentFiles.h"
#include "ui/support/UiHarness.h"

namespace fs = std::filesystem;
using Files = UiTest;

// The edition follows the filter line, else the file's name; a failed open keeps the file open
// before, with its caption, and says why.
TEST_F(Files, OpensFollowTheFilterLineOrTheNameAndFailuresSayWhy) {
    start();
    EXPECT_FALSE(menus().menuFileSave->isEnabled());
    EXPECT_FALSE(playerUi().txtFirstname->isEnabled());
    place(DemoRom::makeNes(), "game.bin");
    place(testsupport::hexBytes("4E 45 53 1A 00 00 00 00 00 00 00 00 00 00 00 00"), "stub.nes");
    play({
        {"open game.bin line 2, see Tamsel v0.21.0 [game.bin] in frmMain", kOtherLeague, "File successfully loaded!"},
        {"open game.bin line 3, see Tamsel v0.21.0 [game.bin] in frmMain", "", "warning: Invalid rom!"},
        {"open stub.nes", "",
         "warning: Error reading data! | teamPtrTable (0x8011, 54 bytes) lies outside the image of 0x10 bytes"},
        {"open none.nes, see Tamsel v0.21.0 [game.bin] in frmMain", "",
         "warning: Error loading file! | No such file or directory: " + file("none.nes")},
    });
    EXPECT_EQ(dialogs.requests.back(),
              "open All Supported Types|*.nes;*.smc|NES Rom (*.nes)|*.nes|SNES Rom (*.smc)|*.smc| in " + dir);
    place(DemoRom::makeSnes(), "GAME.SMC");
    for (const auto& [name, says, kind] : {std::tuple{"GAME.SMC", "File successfully loaded!", Console::Snes},
                                           std::tuple{"game.txt", "warning: Invalid rom!", Console::Snes}}) {
        w->openFile(qs(file(name)));  // named on the command line: the edition from the extension
        EXPECT_EQ(messages.said.back(), says);
        EXPECT_EQ(session().kind(), kind);
    }
}

// A drag of one local ROM is taken anywhere over the window, a text box included; its drop asks
// about unsaved edits and opens the file once the drop has finished.
TEST_F(Files, ADroppedRomOpensAndOtherDragsAreRefused) {
    openDemo();
    const std::string smc = place(DemoRom::makeSnes(), "dropped.smc");
    const QUrl local = QUrl::fromLocalFile(qs(smc));
    for (const auto& [urls, taken] : {std::pair{QList<QUrl>{QUrl::fromLocalFile(qs(file("notes.txt")))}, false},
                                      {{local, local}, false},
                                      {{QUrl("https://example.org/game.smc")}, false},
                                      {{local}, true}}) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(teamUi().txtCity, &enter);
        EXPECT_EQ(enter.isAccepted(), taken);
    }
    play(
        {{"type gotham into txtCity, answer Discard, drop dropped.smc onto txtCity, wait, see ALDERON in txtCity, see "
          "Tamsel v0.21.0 [dropped.smc] in frmMain",
          kOtherLeague, "ask: Save changes to game.nes?\nFile successfully loaded!"}});
}

// Nine images opened one by one, then the third again: the list keeps the last eight, newest
// first, each with the edition it was opened as; an entry whose file is gone leaves the list; it
// lives beside tamsel.ini, here the program's own folder; damaged entries are left out.
TEST_F(Files, TheRecentListKeepsTheLastEightAndTheEmptyTreeOffersThem) {
    start();
    const auto listed = [this] {
        QStringList items;
        for (QAction* item : menus().menuFileRecent->actions()) items << item->text();
        return items;
    };
    QStringList expected;
    for (int i : {3, 9, 8, 7, 6, 5, 4, 2})
        expected << QStringLiteral("&%1 %2/game%3.nes").arg(expected.size() + 1).arg(qs(dir)).arg(i);
    expected[2].replace("game8.nes", "game8.bin");
    std::string opens;
    for (int i = 1; i <= 9; ++i) {
        place(DemoRom::makeNes(), i == 8 ? "game8.bin" : "game" + std::to_string(i) + ".nes");
        opens += i == 8 ? "open game8.bin line 2, " : "open game" + std::to_string(i) + ".nes, ";
    }
    act(opens + "open game3.nes, open absent.nes");
    EXPECT_EQ(listed(), expected);
    restart();
    EXPECT_TRUE(fs::exists(file("recent.ini")));
    EXPECT_FALSE(fs::exists(file("config")));
    start();  // before the first league the tree says where to begin and lists the recent files
    EXPECT_EQ(listed(), expected);
    QStringList shown;
    for (int i = 0; i < 6; ++i) shown << w->tree().topLevelItem(i)->text(0);
    EXPECT_EQ(shown, QStringList({"Open a .nes or .smc image with File > Open (Ctrl+O),", "or drop one here", "",
                                  "Recent files:", expected[0].mid(3), expected[1].mid(3)}));
    fs::remove(file("game4.nes"));
    play({
        {"double-click recent 2, see Tamsel v0.21.0 [game8.bin] in frmMain", kOtherLeague, "File successfully loaded!"},
        {"menu menuFileRecent_2, see Tamsel v0.21.0 [game9.nes] in frmMain", "", "File successfully loaded!"},
        {"menu menuFileRecent_6", "", "warning: The file no longer exists! | " + file("game4.nes"), "",
         [&] { EXPECT_EQ(listed().size(), 7); }},
    });
    restart();  // the window writes its list last as it ends
    testsupport::writeText(file("recent.ini"), "[RecentFiles]\n1\\edition=1\n1\\path=" + file("a.nes") +
                                                   "\n2\\edition=3\n2\\path=/b.nes\n3\\edition=x\n3\\path=/c.nes\n"
                                                   "4\\edition=2\n4\\path=\nsize=4\n");
    EXPECT_EQ(RecentFiles(qs(file("recent.ini"))).entries(),
              (QList<RecentFiles::Entry>{{qs(file("a.nes")), Console::Nes}}));
    // Two windows share the list: each sees what the other wrote last.
    RecentFiles first(qs(file("recent.ini"))), second(qs(file("recent.ini")));
    first.add(qs(file("b.smc")), Console::Snes);
    first.settle();
    second.add(qs(file("c.nes")), Console::Nes);
    second.settle();
    EXPECT_EQ(first.entries(), (QList<RecentFiles::Entry>{{qs(file("c.nes")), Console::Nes},
                                                          {qs(file("b.smc")), Console::Snes},
                                                          {qs(file("a.nes")), Console::Nes}}));
}

// Exit and the close box ask about edits not saved and follow the answer; Cancel keeps the window.
TEST_F(Files, ExitAndTheCloseBoxAskFirst) {
    for (const std::string command : {"menu menuFileExit", "close frmMain"}) {
        for (const auto& [answer, closes, saved] :
             {std::tuple{"Cancel", false, false}, {"Save", true, true}, {"Discard", true, false}, {"", true, false}}) {
            SCOPED_TRACE(command + ", " + answer);
            openDemo();
            const Lines asked = {"ask: Save changes to game.nes?"};
            const std::string edit = *answer ? "type gotham into txtCity, answer " + std::string(answer) + ", " : "";
            play({{edit + command, *answer ? Lines{"team 0 city: \"ALDERON\" -> \"GOTHAM\""} : Lines{},
                   *answer ? asked : Lines{}, nullptr, [&, closes = closes, saved = saved] {
                       EXPECT_EQ(w->isVisible(), !closes);
                       EXPECT_EQ(fs::exists(file("tamsel.ini")), closes);  // the settings are written at close
                       EXPECT_EQ(decoded(rom).getTeamRef(0)->getCity(), saved ? "GOTHAM" : "ALDERON");
                   }}});
            restart();
            fs::remove(file("tamsel.ini"));
        }
    }
}

// Open asks the same question first; Save As writes the new file and carries on with it; a save
// that fails from the question keeps everything as it was; a menu command and the tool button
// store a number still being typed, as leaving its box would.
TEST_F(Files, OpenAsksFirstAndSaveAsCarriesOnWithTheNewFile) {
    openDemo();
    place(DemoRom::makeNes(), "other.nes");
    const auto unchanged = [this, original = testsupport::readBytes(file("game.nes"))] {
        EXPECT_EQ(testsupport::readBytes(rom), original);
    };
    play({
        {"type gotham into txtCity, answer Cancel, open other.nes", "team 0 city: \"ALDERON\" -> \"GOTHAM\"",
         "ask: Save changes to game.nes?", "City", [this] { EXPECT_TRUE(dialogs.requests.empty()); }},
        {"click player 4.1, answer Discard, open other.nes, see 24-MILO WENMON in tvProject",
         "team 0 city: \"GOTHAM\" -> \"ALDERON\"", "ask: Save changes to game.nes?\nFile successfully loaded!", "",
         unchanged},
        {"type gotham into txtCity, file copy.nes, menu menuFileSaveAs, type owls into txtMascot, see Tamsel v0.21.0 "
         "[copy.nes] in frmMain",
         "team 0 city: \"ALDERON\" -> \"GOTHAM\"", "File successfully saved!", "City",
         [this] { EXPECT_EQ(decoded(file("copy.nes")).getTeamRef(0)->getCity(), "GOTHAM"); }},
        {"menu menuFileSave, menu menuFileSaveAs", "team 0 mascot: \"KITES\" -> \"OWLS\"", "File successfully saved!",
         "Mascot",
         [&] {
             unchanged();
             EXPECT_EQ(decoded(file("copy.nes")).getTeamRef(0)->getMascot(), "OWLS");
         }},
        {"click player 4.1, type 203 into txtWeight, menu menuFileSave", "player 4.1 weight: 164 -> 200",
         "File successfully saved!", "Weight", [this] { EXPECT_EQ(playerUi().txtWeight->text(), "200"); }},
        {"type 151 into txtWeight, click cmdFileSave", "player 4.1 weight: 200 -> 148", "File successfully saved!"},
    });
    fs::permissions(file("copy.nes"), fs::perms::owner_read);
    play({{"type z into txtAbrev, answer Save, menu menuFileExit",
           "team 4 abrev: \"EMB\" -> \"Z\"",
           {"ask: Save changes to copy.nes?",
            "warning: Error writing to disk! | Permission denied: " + file("copy.nes")},
           "Abbreviation",
           [this] { EXPECT_TRUE(w->isVisible() && w->isWindowModified()); }}});
    fs::permissions(file("copy.nes"), fs::perms::owner_all);
}

// An open that fails changes nothing: the file open before stays open with its caption, history,
// figure and question before Exit, and saves to its own file. Discard before the failed open
// leaves the file as last saved on the screen.
TEST_F(Files, AFailedOpenKeepsTheFileOpenBefore) {
    place(std::vector<std::uint8_t>(0x10000, 0x5A), "noise.nes");
    for (const auto& [kind, words, kept] :
         {std::tuple{Console::Snes, "Save", "GOTHAM"}, {Console::Nes, "Discard", "ALDERON"}}) {
        const std::string name = kind == Console::Nes ? "game.nes" : "game.smc", answer = words, city = kept;
        SCOPED_TRACE(answer);
        openDemo(kind);
        PictureBox* figure = kind == Console::Nes ? teamUi().picPlayerRenderNES : teamUi().picPlayerRenderSNES;
        const QImage shown = figureOf(figure);
        play({
            {"type gotham into txtCity, answer " + answer + ", open noise.nes, see " + city +
                 " in txtCity, see Tamsel v0.21.0 [" + name + "] in frmMain",
             answer == "Save" ? "team 0 city: \"ALDERON\" -> \"GOTHAM\"" : "",
             "ask: Save changes to " + name + "?\nwarning: Invalid rom!", answer == "Save" ? "City" : "",
             [&] { EXPECT_TRUE(!figure->isHidden() && figureOf(figure) == shown); }},
            {"type owls into txtMascot, Tab, menu menuFileExit, menu menuFileSave",
             "team 0 mascot: \"KITES\" -> \"OWLS\"", "ask: Save changes to " + name + "?\nFile successfully saved!",
             "Mascot", [&, kind = kind] { EXPECT_EQ(decoded(rom, kind).getTeamRef(0)->getMascot(), "OWLS"); }},
        });
        restart();
    }
}

// Another program writes game.nes (its team 0 now RIVALS) while the window holds an edit: the
// window says so once, its own saves and other files of the folder being no such change; Save
// then writes nothing over it and offers Save As, Reload or Cancel.
TEST_F(Files, AnotherProgramsChangeIsToldOnceAndSaveOffersSaveAsReloadOrCancel) {
    const std::string told = "warning: The file was changed by another program!";
    for (const auto& [answer, diff, copied] : {std::tuple{"Cancel", Lines{}, false},
                                               {"Save As", Lines{}, true},
                                               {"Reload", Lines{"team 0 city: \"GOTHAM\" -> \"RIVALS\""}, false}}) {
        SCOPED_TRACE(answer);
        openDemo();
        RomImage rivals = testsupport::readBytes(rom);
        clsProject theirs = decoded(rom);
        theirs.getTeamRef(0)->setCity("RIVALS");
        ASSERT_EQ(saveProjectToRom(theirs, rivals, OffsetSet::nesDefaults(), Console::Nes), Result::Ok);
        act("menu menuFileSave, type gotham into txtCity, Tab");
        testsupport::writeText(file("notes.txt"), "another file of the folder");
        QTest::qWait(100);
        testsupport::writeBytes(rom, rivals);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return !messages.said.empty() && messages.said.back() == told + " | " + rom; }));
        testsupport::writeBytes(rom, rivals);
        QTest::qWait(100);
        EXPECT_EQ(messages.said, (Lines{"File successfully saved!", told + " | " + rom}));  // told once
        Lines says = {"ask: The file was changed by another program! | " + rom};
        if (copied) says.push_back("File successfully saved!");
        if (*answer == 'R') says.push_back("File successfully loaded!");
        play({{"answer " + std::string(answer) + ", file copy.nes, menu menuFileSave", diff, says, nullptr,
               [&, copied = copied, answer = answer] {
                   EXPECT_EQ(testsupport::readBytes(rom), rivals);
                   EXPECT_EQ(fs::exists(file("copy.nes")), copied);
                   EXPECT_EQ(w->isWindowModified(), *answer == 'C');
               }}});
        dialogs.answers.clear();
        fs::remove(file("copy.nes"));
        restart();
    }
}

// A backup that cannot be written asks whether to save without one: No writes nothing, Yes saves.
TEST_F(Files, ASaveWhoseBackupFailsAsksToGoOnWithoutOne) {
    openDemo();
    place({}, "backups");  // a file where the backups' folder would be
    const std::string asked = "ask: Error writing the backup! Go on without one? | Cannot make the folder: " +
                              session().backups().folderFor(rom);
    const auto saved = [this](const char* city) {
        return [=, this] { EXPECT_EQ(decoded(rom).getTeamRef(0)->getCity(), city); };
    };
    play({
        {"type gotham into txtCity, Tab, menu menuFileSave", "team 0 city: \"ALDERON\" -> \"GOTHAM\"", asked, "City",
         saved("ALDERON")},
        {"answer Yes, menu menuFileSave", "", {asked, "File successfully saved!"}, "City", saved("GOTHAM")},
    });
}
