// The league session: what open, save, Save As and the imports leave behind for each outcome, which
// events the observers hear, and the messages of the outcome table.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "base/FileIO.h"
#include "codec/RomReader.h"
#include "demo/DemoRom.h"
#include "interchange/PlayerFile.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"
#include "session/Session.h"
#include "support/TestSupport.h"

// Events print as kind, label and target when a comparison fails.
void PrintTo(const LeagueEvent& e, std::ostream* os) {
    *os << static_cast<int>(e.kind) << " \"" << e.label << "\" " << e.target.team << "/" << e.target.player;
}

namespace {

namespace fs = std::filesystem;
using testsupport::readBytes;
using testsupport::writeBytes;
using Kind = LeagueEvent::Kind;
using Events = std::vector<LeagueEvent>;

// Every event a session tells while this object lives, in order.
struct Heard {
    explicit Heard(Session& session) : session(session) {
        id = session.observe([this](const LeagueEvent& e) { events.push_back(e); });
    }
    ~Heard() { session.forget(id); }
    Heard(const Heard&) = delete;
    Heard& operator=(const Heard&) = delete;

    Session& session;
    int id = 0;
    Events events;
};

// The league that decoding an image gives on top of the league in memory.
clsProject decode(clsProject onTopOf, const RomImage& image, ConsoleKind kind) {
    const OffsetSet offsets = kind == Console::Nes ? OffsetSet::nesDefaults() : OffsetSet::snesDefaults();
    EXPECT_EQ(loadProjectFromRom(onTopOf, image, offsets, kind), Result::Ok);
    return onTopOf;
}

TEST(OutcomeTable, EachOutcomeHasItsSentence) {
    const std::pair<LoadOutcome, const char*> loads[] = {
        {LoadOutcome::Loaded, "File successfully loaded!"},  {LoadOutcome::FileUnreadable, "Error loading file!"},
        {LoadOutcome::NotThisEdition, "Invalid rom!"},       {LoadOutcome::UnknownReadError, "Unknown Error!"},
        {LoadOutcome::DataUnreadable, "Error reading data!"}};
    for (const auto& [outcome, text] : loads) {
        SCOPED_TRACE(text);
        EXPECT_STREQ(message(outcome), text);
    }
    const std::pair<SaveOutcome, const char*> saves[] = {
        {SaveOutcome::Saved, "File successfully saved!"},
        {SaveOutcome::EncodeFailed, "Unknown error!"},
        {SaveOutcome::AbbreviationsTooLong, "Abbreviations are too long!"},
        {SaveOutcome::CitiesTooLong, "City names are too long!"},
        {SaveOutcome::MascotsTooLong, "Mascot names are too long!"},
        {SaveOutcome::PlayersTooLong, "Player names are too long!"},
        {SaveOutcome::WriteFailed, "Error writing to disk!"},
        {SaveOutcome::NoValidRom, "Load a valid rom!"}};
    for (const auto& [outcome, text] : saves) {
        SCOPED_TRACE(text);
        EXPECT_STREQ(message(outcome), text);
    }
}

// A session that has opened the SNES demo image from folder "a"; the rows then open a file from
// folder "b".
class SessionTest : public ::testing::Test {
protected:
    std::string dir;
    RomImage snes = DemoRom::makeSnes();
    RomImage nes = DemoRom::makeNes();
    Session session;

    void SetUp() override {
        dir = testsupport::freshDir(std::string("session_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir + "/a");
        fs::create_directories(dir + "/b");
        writeBytes(dir + "/a/game.smc", snes);
        ASSERT_TRUE(session.open(dir + "/a/game.smc", Console::Snes).ok());
    }
    std::string place(const std::string& name, const RomImage& bytes) const {
        writeBytes(dir + "/b/" + name, bytes);
        return dir + "/b/" + name;
    }
};

TEST_F(SessionTest, OpenLeavesEachOutcomeItsOwnState) {
    const RomImage shortNes = {'N', 'E', 'S', 0x1A, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3};
    RomImage notNes = nes;
    notNes[0] = 'X';
    struct Row {
        const char* name;
        std::string file;               // in folder b
        std::optional<RomImage> bytes;  // none: no such file
        ConsoleKind kind;
        LoadOutcome outcome;
        std::string detail;
        bool imageReplaced;       // else the SNES image stays
        bool offsetsSwitched;     // to the NES set, and the folder to b
    };
    const Row rows[] = {
        {"an NES image", "game.nes", nes, Console::Nes, LoadOutcome::Loaded, "", true, true},
        {"no such file", "missing.nes", std::nullopt, Console::Nes, LoadOutcome::FileUnreadable, "", false, false},
        {"an empty file", "empty.nes", RomImage{}, Console::Nes, LoadOutcome::FileUnreadable, "", true, false},
        {"an image without the NES mark", "game.nes", notNes, Console::Nes, LoadOutcome::NotThisEdition, "", true, false},
        {"offsets outside the image", "short.nes", shortNes, Console::Nes, LoadOutcome::DataUnreadable,
         "teamPtrTable (0x8011, 54 bytes) lies outside the image of 0x13 bytes", true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(session.open(dir + "/a/game.smc", Console::Snes).ok());
        const clsProject snesLeague = session.league();
        Session& s = session;
        const Heard heard(s);
        const std::string path = dir + "/b/" + row.file;
        if (row.bytes) writeBytes(path, *row.bytes);
        const LoadResult r = s.open(path, row.kind);
        EXPECT_EQ(r.outcome, row.outcome);
        EXPECT_EQ(r.detail, row.detail);
        EXPECT_EQ(s.valid(), r.ok());
        EXPECT_EQ(s.kind(), row.kind);
        EXPECT_EQ(s.path(), path);
        EXPECT_TRUE(s.image() == (row.imageReplaced ? row.bytes.value_or(RomImage{}) : snes));
        EXPECT_EQ(s.activeOffsets(), row.offsetsSwitched ? OffsetSet::nesDefaults() : OffsetSet::snesDefaults());
        EXPECT_EQ(s.settings().lastFolder, dir + (row.offsetsSwitched ? "/b" : "/a"));
        EXPECT_TRUE(s.league() == (r.ok() ? decode(snesLeague, nes, Console::Nes) : snesLeague));
        EXPECT_EQ(heard.events, (r.ok() ? Events{{Kind::Replaced, "Open", {}}} : Events{}));
        EXPECT_FALSE(s.modified());
    }
}

TEST_F(SessionTest, SaveLeavesFileImageAndLeagueAsTheyWereUnlessItSaved) {
    const std::string rom = dir + "/a/game.smc";
    struct Row {
        const char* name;
        std::function<void(Session&)> before;  // after the open, before the save
        SaveOutcome outcome;
        std::string detail;                      // "{rom}" stands for the image's path
        std::vector<std::string> damagedSlots;
    };
    const Row rows[] = {
        {"an edited league", [](Session& s) { s.league().getTeamRef(3)->setCity("NEWTOWN"); }, SaveOutcome::Saved, "", {}},
        {"after a failed open", [&](Session& s) { s.open(dir + "/b/missing.smc", Console::Snes); }, SaveOutcome::NoValidRom,
         "", {}},
        {"city names over their table",
         [](Session& s) {
             for (int t = 0; t < clsProject::kTeams; ++t) s.league().getTeamRef(t)->setCity(std::string(10, 'C'));
         },
         SaveOutcome::CitiesTooLong, "", {}},
        {"an all-star naming no player", [](Session& s) { s.league().setEastAllStar(0, 4, 12); }, SaveOutcome::EncodeFailed,
         "", {"east all-star 0 names player 12 of team 4"}},
        {"a full disk", [](Session&) { FileIO::setFailAfterBytesForTesting(0x1000); }, SaveOutcome::WriteFailed,
         "No space left on device: {rom}", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        writeBytes(rom, snes);
        ASSERT_TRUE(session.open(rom, Console::Snes).ok());
        row.before(session);
        const clsProject league = session.league();
        const RomImage image = session.image();
        Heard heard(session);
        const SaveResult r = session.save();
        FileIO::setFailAfterBytesForTesting(std::nullopt);
        std::string detail = row.detail;
        if (detail.find("{rom}") != std::string::npos) detail.replace(detail.find("{rom}"), 5, rom);
        EXPECT_EQ(r.outcome, row.outcome);
        EXPECT_EQ(r.detail, detail);
        EXPECT_EQ(r.damagedSlots, row.damagedSlots);
        if (r.ok()) {
            EXPECT_TRUE(readBytes(rom) == session.image());
            EXPECT_TRUE(session.baseline() == session.image());
            EXPECT_TRUE(decode(session.league(), session.image(), Console::Snes) == session.league());
            EXPECT_FALSE(session.modified());
            EXPECT_EQ(heard.events, (Events{{Kind::Saved, "Save", {}}}));
            continue;
        }
        EXPECT_TRUE(readBytes(rom) == snes);
        EXPECT_TRUE(session.image() == image);
        EXPECT_TRUE(session.league() == league);
        EXPECT_TRUE(heard.events.empty());
    }
}

TEST_F(SessionTest, SaveKeepsWhatAFileGrewBeyondTheImageAndSaveAsWritesTheImageAlone) {
    const std::string grown = place("grown.smc", snes);
    const RomImage tail = {1, 2, 3};
    RomImage withTail = snes;
    withTail.insert(withTail.end(), tail.begin(), tail.end());
    writeBytes(grown, withTail);
    session.league().getTeamRef(0)->setMascot("OWLS");
    ASSERT_TRUE(session.saveAs(grown).ok());
    EXPECT_TRUE(readBytes(grown) == session.image());
    EXPECT_EQ(session.path(), grown);
    EXPECT_EQ(session.settings().lastFolder, dir + "/b");  // the new file's folder, no longer the opened one's
    EXPECT_TRUE(readBytes(dir + "/a/game.smc") == snes);

    writeBytes(grown, withTail);  // the file grew after it was opened
    session.league().getTeamRef(0)->setMascot("EELS");
    ASSERT_TRUE(session.save().ok());
    RomImage expected = session.image();
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_TRUE(readBytes(grown) == expected);
}

TEST_F(SessionTest, EncodeCopyGivesWhatTheNextSaveWritesAndWritesNothing) {
    session.league().getTeamRef(5)->getPlayerRef(2)->setFirst("ZED");
    RomImage copy;
    ASSERT_TRUE(session.encodeCopy(copy).ok());
    EXPECT_TRUE(readBytes(dir + "/a/game.smc") == snes);
    EXPECT_TRUE(session.image() == snes);
    EXPECT_TRUE(session.modified());
    ASSERT_TRUE(session.save().ok());
    EXPECT_TRUE(readBytes(dir + "/a/game.smc") == copy);
}

TEST_F(SessionTest, ModifiedAndBaselineFollowOpenEditAndSave) {
    const std::string rom = dir + "/a/game.smc";
    auto rename = [](const std::string& name) {
        return [name](clsProject& league) { league.getTeamRef(1)->setAbrev(name); };
    };
    const std::string original = session.league().getTeamRef(1)->getAbrev();
    struct Step {
        const char* name;
        std::function<void()> run;
        bool modified;
        bool baselineIsTheFirstImage;
    };
    const Step steps[] = {
        {"opened", [] {}, false, true},
        {"edited", [&] { session.edit("Abbreviation", {1, -1}, rename("QQQ")); }, true, true},
        {"edited back", [&] { session.edit("Abbreviation", {1, -1}, rename(original)); }, false, true},
        {"edited again", [&] { session.edit("Abbreviation", {1, -1}, rename("QQQ")); }, true, true},
        {"saved", [&] { session.save(); }, false, false},
        {"opened the first image again",
         [&] {
             writeBytes(rom, snes);
             session.open(rom, Console::Snes);
         },
         false, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.run();
        EXPECT_EQ(session.modified(), step.modified);
        EXPECT_EQ(session.baseline() == snes, step.baselineIsTheFirstImage);
    }
}

TEST_F(SessionTest, AnEditIsAnEventOnlyWhenTheLeagueChanged) {
    Heard heard(session);
    struct Row {
        const char* name;
        EditTarget target;
        std::function<void(clsProject&)> change;
        bool changed;
    };
    const std::string city = session.league().getTeamRef(2)->getCity();
    const Row rows[] = {
        {"a player's weight", {2, 7}, [](clsProject& l) { l.getTeamRef(2)->getPlayerRef(7)->setWeight(300); }, true},
        {"the same weight again", {2, 7}, [](clsProject& l) { l.getTeamRef(2)->getPlayerRef(7)->setWeight(300); }, false},
        {"a city set to what it is", {2, -1}, [&](clsProject& l) { l.getTeamRef(2)->setCity(city); }, false},
        {"a game of the schedule", {}, [](clsProject& l) { l.setMatchupBytes(0, 9, 10); }, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        heard.events.clear();
        EXPECT_EQ(session.edit(row.name, row.target, row.change), row.changed);
        EXPECT_EQ(heard.events, (row.changed ? Events{{Kind::Changed, row.name, row.target}} : Events{}));
    }
    EXPECT_EQ(session.league().getTeamRef(2)->getPlayerRef(7)->getWeight(), 300);
}

TEST_F(SessionTest, ImportsChangeTheLeagueAndTellOnlyWhenTheFileReads) {
    clsProject other = session.league();
    other.getTeamRef(4)->setCity("ELSEWHERE");
    other.getTeamRef(4)->getPlayerRef(9)->setFirst("ODO");
    const std::string good = dir + "/b/good", bad = dir + "/b/bad";
    testsupport::writeText(good + ".tpr", ProjectFile::projectText(other));
    ASSERT_EQ(TeamFile::exportTeam(*other.getTeamRef(4), good + ".tte"), Result::Ok);
    ASSERT_EQ(PlayerFile::exportPlayer(*other.getTeamRef(4)->getPlayerRef(9), good + ".tpl"), Result::Ok);
    testsupport::writeText(bad + ".tpr", "@3\r\nps=300\r\n@END\r\n");
    testsupport::writeText(bad + ".tte", "city=X\r\n#2\r\njersey=1000\r\n#END\r\n");
    testsupport::writeText(bad + ".tpl", "first=\xC3\x89MILE\r\n");
    struct Row {
        const char* name;
        std::function<ImportResult(Session&)> run;
        std::string refusal;  // the report's text; "" for a file that reads
        LeagueEvent event;
    };
    const Row rows[] = {
        {"a project", [&](Session& s) { return s.importProject(good + ".tpr"); }, "", {Kind::Replaced, "Import Project", {}}},
        {"a team", [&](Session& s) { return s.importTeam(4, good + ".tte"); }, "", {Kind::Changed, "Import Team", {4, -1}}},
        {"a player", [&](Session& s) { return s.importPlayer(4, 9, good + ".tpl"); }, "",
         {Kind::Changed, "Import Player", {4, 9}}},
        {"a bad project", [&](Session& s) { return s.importProject(bad + ".tpr"); }, "line 2: ps: '300' is outside 0..255", {}},
        {"a bad team", [&](Session& s) { return s.importTeam(4, bad + ".tte"); }, "line 3: jersey: '1000' is outside 0..255", {}},
        {"a bad player", [&](Session& s) { return s.importPlayer(4, 9, bad + ".tpl"); },
         "line 1: first: byte 0xC3 cannot be stored in the game's texts", {}},
        {"team 27", [&](Session& s) { return s.importTeam(27, good + ".tte"); }, "there is no team 27", {}},
        {"player 12", [&](Session& s) { return s.importPlayer(4, 12, good + ".tpl"); }, "there is no player 12 of team 4", {}},
    };
    const clsProject opened = session.league();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        session.league() = opened;
        Heard heard(session);
        const ImportResult r = row.run(session);
        EXPECT_EQ(r.imported, row.refusal.empty());
        EXPECT_EQ(r.report.text(), row.refusal);
        if (r.imported) {
            EXPECT_EQ(session.league().getTeamRef(4)->getPlayerRef(9)->getFirst(), "ODO");
            EXPECT_EQ(heard.events, Events{row.event});
        } else {
            EXPECT_TRUE(session.league() == opened);
            EXPECT_TRUE(heard.events.empty());
        }
    }
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
    for (const char* city : {"one", "two"}) session.edit(city, {0, -1}, [city](clsProject& l) { l.getTeamRef(0)->setCity(city); });
    session.forget(third);
    session.edit("three", {0, -1}, [](clsProject& l) { l.getTeamRef(0)->setCity("three"); });
    EXPECT_EQ(told, (std::vector<std::string>{"first one", "third one", "third two"}));
}

}  // namespace
