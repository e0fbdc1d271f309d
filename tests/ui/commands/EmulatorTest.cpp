// Tools > Test in Emulator with fake emulators (scripts that record what they were given): the
// image they get is what Save would write, under one name per file, the user's file untouched;
// the first F5 offers the emulators found on PATH; a failing program is told with its command.
#include "ui/commands/EmulatorCommands.h"
#include "ui/support/UiHarness.h"

using Emulator = UiTest;

TEST_F(Emulator, TheEmulatorPlaysWhatSaveWouldWriteAndAFailureIsTold) {
    const std::string fceux = script("path/fceux", "printf '%s\\n' \"$@\" > \"$0.args\"\ncp \"$1\" \"$0.rom\"\n");
    script("bin dir/bad emu", "echo starting\necho 'no such mapper' >&2\nexit 3\n");
    openImage(DemoRom::makeNes(), "my game.nes");
    const auto played = [&, this](const std::string& city) {
        return [=, this] {
            const QString image = w->emulatorCommands().temporaryImage();
            EXPECT_EQ(QFileInfo(image).fileName(), "my game.nes");
            EXPECT_EQ(testsupport::readText(fceux + ".args"), image.toStdString() + "\ntwo words\n");
            RomImage saved;
            ASSERT_TRUE(session().encodeCopy(saved).ok());
            EXPECT_EQ(testsupport::readBytes(fceux + ".rom"), saved);
            EXPECT_EQ(decoded(fceux + ".rom").getTeamRef(0)->getCity(), city);
            EXPECT_EQ(testsupport::readBytes(rom), DemoRom::makeNes());
        };
    };
    play({
        {"type gotham into txtCity, Tab, menu menuToolsTestInEmulator, see " + fceux +
             " in cboNesProgram, see  in cboSnesProgram, type {rom} \"two words\" into txtNesArguments, click cmdOK, "
             "wait for programs",
         "team 0 city: \"ALDERON\" -> \"GOTHAM\"", "", "City", played("GOTHAM")},
        {"type metro into txtCity, Tab, F5, wait for programs", "team 0 city: \"GOTHAM\" -> \"METRO\"", "", "City",
         played("METRO")},
    });
    const QString image = w->emulatorCommands().temporaryImage();
    play(
        {{"menu menuToolsEmulators, file bin dir/bad emu, click cmdNesBrowse, click cmdOK, click cmdTestInEmulator, "
          "wait for programs",
          "",
          {"warning: The emulator ended with a failure! | \"" + file("bin dir/bad emu") + "\" \"" +
           image.toStdString() + "\" \"two words\" | exit code 3 | starting | no such mapper"}}});
    session().edit("Last Name", LeagueChange::ofEveryPlayer(), [](clsProject& l) {
        for (int t = 0; t < clsProject::kTeams; ++t)
            for (int p = 0; p < clsTeam::kRoster; ++p) l.getTeamRef(t)->getPlayerRef(p)->setLast("MNOPQRSTUVWX");
    });
    play({{"F5, wait for programs", "", "warning: Player names are too long!"}});  // nothing started
    EXPECT_TRUE(std::filesystem::exists(file("emulators.ini")));
    restart();  // the editor closed: its temporary images go
    EXPECT_FALSE(QFileInfo::exists(image));
    const std::string snes9x = script("path/snes9x", "cp \"$1\" \"$0.rom\"\n");
    openDemo(Console::Snes);
    act("F5, see " + snes9x + " in cboSnesProgram, click cmdOK, wait for programs");
    EXPECT_EQ(testsupport::readBytes(snes9x + ".rom"), DemoRom::makeSnes());
}
