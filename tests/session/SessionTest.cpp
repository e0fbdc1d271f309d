// The league session: what open, save and Save As leave behind for each outcome, which events
// the observers hear, and which offset set is active.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>

#include "base/FileIO.h"
#include "demo/DemoRom.h"
#include "session/OtherLeague.h"
#include "session/Session.h"
#include "support/ReferenceImages.h"

// Events print as nature, label and the kinds changed when a comparison fails.
void PrintTo(const LeagueEvent& e, std::ostream* os) {
    *os << static_cast<int>(e.nature) << " \"" << e.label << "\" " << e.change.kinds;
}

namespace {

namespace fs = std::filesystem;
using testsupport::decoded;
using testsupport::readBytes;
using testsupport::writeBytes;
using Kind = LeagueEvent::Nature;
using Events = std::vector<LeagueEvent>;

// A session that has opened the SNES demo image {dir}/a/game.smc.
class SessionTest : public ::testing::Test {
protected:
    std::string dir = testsupport::freshDir(std::string("session_") +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::string rom = dir + "/a/game.smc";
    RomImage snes = DemoRom::makeSnes();
    RomImage nes = DemoRom::makeNes();
    Session session;
    Events heard;  // every event the session tells

    void SetUp() override {
        fs::create_directories(dir + "/a");
        fs::create_directories(dir + "/b");
        writeBytes(rom, snes);
        ASSERT_TRUE(session.open(rom, Console::Snes).ok());
        session.observe([this](const LeagueEvent& e) { heard.push_back(e); });
    }
};

// The rows open {dir}/b/game.nes as an NES image.
TEST_F(SessionTest, OpenLeavesEachOutcomeItsOwnState) {
    RomImage notNes = nes;
    notNes[0] = 'X';
    const std::string path = dir + "/b/game.nes";
    // name, the file (none: no such file), the outcome and its detail
    const std::tuple<const char*, std::optional<RomImage>, LoadOutcome, std::string> rows[] = {
        {"an NES image", nes, LoadOutcome::Loaded, ""},
        {"no such file", std::nullopt, LoadOutcome::FileUnreadable, "No such file or directory: " + path},
        {"an empty file", RomImage{}, LoadOutcome::FileUnreadable, "File is empty: " + path},
        {"an image without the NES mark", notNes, LoadOutcome::NotThisEdition, ""},
        {"offsets outside the image", testsupport::hexBytes("4E 45 53 1A 00 00 00 00 00 00 00 00 00 00 00 00 01 02 03"),
         LoadOutcome::DataUnreadable, "teamPtrTable (0x8011, 54 bytes) lies outside the image of 0x13 bytes"},
    };
    for (const auto& [name, bytes, outcome, detail] : rows) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(session.open(rom, Console::Snes).ok());
        const clsProject snesLeague = session.league();
        heard.clear();
        fs::remove(path);
        if (bytes) writeBytes(path, *bytes);
        const LoadResult r = session.open(path, Console::Nes);
        EXPECT_EQ(r.outcome, outcome);
        EXPECT_EQ(r.detail, detail);
        EXPECT_TRUE(session.valid());  // a failed open keeps the SNES image open
        EXPECT_EQ(session.kind(), r.ok() ? Console::Nes : Console::Snes);
        EXPECT_EQ(session.path(), r.ok() ? path : rom);
        EXPECT_TRUE(session.image() == (r.ok() ? nes : snes));
        EXPECT_EQ(session.activeOffsets(), r.ok() ? OffsetSet::nesDefaults() : OffsetSet::snesDefaults());
        EXPECT_EQ(session.settings().lastFolder, dir + (r.ok() ? "/b" : "/a"));
        EXPECT_TRUE(session.league() == (r.ok() ? decoded(nes, Console::Nes, snesLeague) : snesLeague));
        EXPECT_EQ(heard, (r.ok() ? Events{{Kind::Replaced, "Open", LeagueChange::ofLeague()}} : Events{}));
        EXPECT_FALSE(session.modified());
        EXPECT_TRUE(!r.ok() || session.baseline() == nes);
    }
}

TEST_F(SessionTest, SaveAsWritesTheImageAloneAndSavesGoThereEncodeCopyWritesNothing) {
    const std::string longer = dir + "/b/longer.smc";
    RomImage withTail = snes;
    withTail.insert(withTail.end(), {1, 2, 3});
    writeBytes(longer, withTail);
    session.league().getTeamRef(0)->setMascot("OWLS");
    heard.clear();
    ASSERT_TRUE(session.saveAs(longer).ok());
    EXPECT_EQ(heard, (Events{{Kind::Saved, "Save As", {}}}));
    EXPECT_TRUE(readBytes(longer) == session.image());
    EXPECT_EQ(session.path(), longer);
    EXPECT_EQ(session.settings().lastFolder, dir + "/b");  // the new file's folder, no longer the opened one's
    EXPECT_TRUE(readBytes(rom) == snes);

    session.league().getTeamRef(5)->getPlayerRef(2)->setFirst("ZED");
    RomImage copy;
    ASSERT_TRUE(session.encodeCopy(copy).ok());
    EXPECT_FALSE(session.image() == copy);
    EXPECT_TRUE(session.modified());
    ASSERT_TRUE(session.save().ok());  // over the file written as the one read
    EXPECT_TRUE(session.image() == copy);
    EXPECT_TRUE(readBytes(longer) == copy);
}

// A save after a first one: what another program or the disk does meanwhile. A save that fails leaves the file
// (another program's work) as it is, and image and league as they were, for a Save As.
TEST_F(SessionTest, SaveWritesOnlyOverTheFileAsItWasReadOrLastSavedOrLeavesEverything) {
    const auto keepingTime = [this](const std::function<void()>& write) {
        const auto time = fs::last_write_time(rom);
        write();
        fs::last_write_time(rom, time);
    };
    RomImage other = snes;
    other[0x100] ^= 1;
    // name, what happens meanwhile, the save's outcome and its detail
    const std::tuple<const char*, std::function<void()>, SaveOutcome, std::string> rows[] = {
        {"nothing", [] {}, SaveOutcome::Saved, ""},
        {"an all-star naming no player", [&] { session.league().setEastAllStar(0, 4, 12); }, SaveOutcome::EncodeFailed,
         ""},
        {"a full disk", [] { FileIO::setFailAfterBytesForTesting(0x1000); }, SaveOutcome::WriteFailed,
         "No space left on device: " + rom},
        {"other bytes, same size and time", [&] { keepingTime([&] { writeBytes(rom, other); }); },
         SaveOutcome::FileChanged, rom},
        {"the time alone", [&] { fs::last_write_time(rom, fs::last_write_time(rom) + std::chrono::seconds(2)); },
         SaveOutcome::FileChanged, rom},
        {"removed", [&] { fs::remove(rom); }, SaveOutcome::FileChanged, rom},
    };
    for (const auto& [name, meanwhile, outcome, detail] : rows) {
        SCOPED_TRACE(name);
        writeBytes(rom, snes);
        ASSERT_TRUE(session.open(rom, Console::Snes).ok());
        session.league().getTeamRef(3)->setCity("FIRST");
        ASSERT_TRUE(session.save().ok());
        session.league().getTeamRef(3)->setCity("SECOND");
        meanwhile();
        const clsProject league = session.league();
        const RomImage image = session.image();
        const bool present = fs::exists(rom);
        const RomImage onDisk = present ? readBytes(rom) : RomImage{};
        EXPECT_EQ(session.changedOnDisk(), outcome == SaveOutcome::FileChanged);
        heard.clear();
        const SaveResult r = session.save();
        FileIO::setFailAfterBytesForTesting(std::nullopt);
        EXPECT_EQ(r.outcome, outcome);
        EXPECT_EQ(r.detail, detail);
        EXPECT_EQ(session.modified(), !r.ok());
        EXPECT_EQ(heard, (r.ok() ? Events{{Kind::Saved, "Save", {}}} : Events{}));
        if (r.ok()) {
            EXPECT_TRUE(readBytes(rom) == session.image() && session.baseline() == session.image());
            EXPECT_EQ(decoded(session.image(), Console::Snes, league).getTeamRef(3)->getCity(), "SECOND");
            continue;
        }
        EXPECT_EQ(fs::exists(rom), present);
        EXPECT_TRUE(!present || readBytes(rom) == onDisk);
        EXPECT_TRUE(session.league() == league && session.image() == image);
    }
}

// Saves keep what a file held before the session first replaces it: once for each file in a session, for Save As
// over another existing file too (of the same name, in another folder), none for a file that was not there.
TEST_F(SessionTest, TheFirstSaveOverEachFileKeepsWhatItHeld) {
    session.setBackups(BackupStore(dir + "/backups"));
    RomImage other = snes;
    other[0x100] ^= 1;
    writeBytes(dir + "/b/game.smc", other);
    const auto kept = [this](const std::string& file) {
        std::vector<RomImage> images;
        for (const BackupStore::Backup& b : session.backups().list(file)) images.push_back(readBytes(b.path));
        return images;
    };
    for (const char* city : {"FIRST", "SECOND"}) {
        session.league().getTeamRef(3)->setCity(city);
        ASSERT_TRUE(session.save().ok());
    }
    ASSERT_TRUE(session.saveAs(dir + "/b/new.smc").ok());  // nothing there to keep
    ASSERT_TRUE(session.saveAs(dir + "/b/game.smc").ok());
    EXPECT_EQ(kept(dir + "/b/../a/game.smc"), std::vector<RomImage>{snes});
    EXPECT_EQ(kept(dir + "/b/game.smc"), std::vector<RomImage>{other});
}

// A backup that cannot be kept stops the save, which writes and tells nothing, until the user goes on without;
// later saves of that file then go on without asking.
TEST_F(SessionTest, ABackupThatFailsStopsTheSaveUntilTheUserGoesOnWithout) {
    writeBytes(dir + "/backups", {});  // a file where the folder would be made
    session.setBackups(BackupStore(dir + "/backups"));
    session.league().getTeamRef(3)->setCity("FIRST");
    heard.clear();
    const SaveResult refused = session.save();
    EXPECT_EQ(refused.outcome, SaveOutcome::BackupFailed);
    EXPECT_TRUE(refused.detail.starts_with("Cannot make the folder: " + dir)) << refused.detail;
    EXPECT_TRUE(readBytes(rom) == snes && heard.empty());
    ASSERT_TRUE(session.save(BackupChoice::GoOnWithout).ok());
    EXPECT_TRUE(session.save().ok());
}

// A backup's league, read as another image's, comes in as one step over the open image, whose bytes outside the
// league stay; nothing is written.
TEST_F(SessionTest, ABackupsLeagueComesInAsOneStep) {
    RomImage old, saved;
    session.league().getTeamRef(3)->setCity("OLD");
    ASSERT_TRUE(session.encodeCopy(old).ok());
    old[0x20] ^= 0xFF;  // outside the league
    writeBytes(dir + "/old.smc", old);
    session.edit("City", LeagueChange::ofTeam(3, LeagueChange::TeamNames),
                 [](clsProject& l) { l.getTeamRef(3)->setCity("NEW"); });
    const clsProject edited = session.league();
    const OtherLeague backup = readOtherLeague(session, dir + "/old.smc");
    heard.clear();
    EXPECT_TRUE(session.restoreLeague(backup.league));
    EXPECT_FALSE(session.restoreLeague(backup.league));  // the same league: no step
    EXPECT_EQ(heard, (Events{{Kind::Changed, "Restore Backup", LeagueChange::ofLeague()}}));
    EXPECT_EQ(session.history().undoCount(), 2u);
    ASSERT_TRUE(session.encodeCopy(saved).ok());
    old[0x20] = snes[0x20];
    EXPECT_TRUE(saved == old && readBytes(rom) == snes);
    ASSERT_TRUE(session.undo());
    EXPECT_TRUE(session.league() == edited);
}

TEST_F(SessionTest, ForgottenObserversHearNothingMore) {
    std::vector<std::string> told;
    int second = 0;
    const int first = session.observe([&](const LeagueEvent& e) {
        told.push_back("first " + e.label);
        session.forget(second);  // told before the second, which then is not told
    });
    second = session.observe([&](const LeagueEvent& e) { told.push_back("second " + e.label); });
    const int third = session.observe([&](const LeagueEvent& e) {
        told.push_back("third " + e.label);
        session.forget(first);
    });
    for (const char* city : {"one", "two"})
        session.edit(city, LeagueChange::ofTeam(0, LeagueChange::TeamNames),
                     [city](clsProject& l) { l.getTeamRef(0)->setCity(city); });
    session.forget(third);
    session.edit("three", LeagueChange::ofTeam(0, LeagueChange::TeamNames),
                 [](clsProject& l) { l.getTeamRef(0)->setCity("three"); });
    EXPECT_EQ(told, (std::vector<std::string>{"first one", "third one", "third two"}));
}

}  // namespace
