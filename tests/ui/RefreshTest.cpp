// What the window shows after a change of the league: every store of an editor is one
// change of the session, named after its field; a store refreshes the tree, the status
// bar and an open all-star window but no editor, so a value typed into another box stays;
// an import refills the editors.
#include <QLabel>
#include <QPushButton>

#include "UiHarness.h"
#include "codec/SpaceReport.h"
#include "interchange/PlayerFile.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"
#include "model/Rating.h"
#include "ui/UiText.h"
#include "ui/frmAllStar.h"

inline void PrintTo(const LeagueEvent& e, std::ostream* os) {
    const char* kinds[] = {"Replaced", "Changed", "Restored", "Saved"};
    *os << kinds[int(e.kind)] << " \"" << e.label << "\" team " << e.target.team << " player " << e.target.player;
}

namespace {

// The session's events while it lives.
class EventLog {
public:
    EventLog() : id_(session().observe([this](const LeagueEvent& e) { events.push_back(e); })) {}
    ~EventLog() { session().forget(id_); }
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;
    std::vector<LeagueEvent> events;

private:
    int id_;
};

LeagueEvent changed(const char* label, int team, int player) { return {LeagueEvent::Kind::Changed, label, {team, player}}; }

// "Cities 312/330": the status bar's part for one region of the league as it now stands.
QString regionText(const char* region) {
    for (const SpaceRegion& r : computeSpace(league(), Console::Nes).regions)
        if (r.name == region) return QStringLiteral("%1 %2/%3").arg(region).arg(r.used).arg(r.available);
    return QString();
}

}  // namespace

class Refresh : public UiTest {
public:
    // Replaces the box's text and then clicks another box, which takes the focus.
    void typeAndLeave(TextBox* box, const QString& text, TextBox* next) {
        type(box, text);
        QTest::mouseClick(next, Qt::LeftButton);
    }
    // Replaces the box's text and then clicks another player of the team, which stores.
    void typeAndSwitch(TextBox* box, const QString& text) {
        type(box, text);
        clickNode(playerNode(1, 3));
    }
};

TEST_F(Refresh, AStoreShowsInTheTreeAndTheStatusBarButKeepsWhatIsTypedElsewhere) {
    openDemo();
    clickNode(playerNode(1, 2));
    const std::int16_t weight = player(1, 2).getWeight();
    const QString citiesBefore = regionText("Cities");
    ASSERT_TRUE(statusText().contains(citiesBefore)) << str(statusText());

    type(playerUi().txtWeight, "151");
    type(teamUi().txtCity, "a much longer");  // the weight box is left: tidied, not stored
    EXPECT_EQ(playerUi().txtWeight->text(), "148");
    QTest::mouseClick(teamUi().txtMascot, Qt::LeftButton);  // the city is stored

    EXPECT_EQ(team(1).getCity(), "A MUCH LONGER");
    EXPECT_EQ(str(node(teamNode(1))->text(0)), "A MUCH LONGER " + team(1).getMascot());
    EXPECT_NE(regionText("Cities"), citiesBefore);
    EXPECT_TRUE(statusText().contains(regionText("Cities"))) << str(statusText());
    EXPECT_EQ(playerUi().txtWeight->text(), "148");
    EXPECT_EQ(player(1, 2).getWeight(), weight);
    clickNode(playerNode(1, 3));  // the next store takes it
    EXPECT_EQ(player(1, 2).getWeight(), 148);
}

TEST_F(Refresh, EveryStoreIsOneChangeNamedAfterItsFieldAndAStoreOfNothingIsNone) {
    struct Row {
        const char* name;
        std::function<void(Refresh&)> act;
        std::vector<LeagueEvent> expected;
    };
    using Team = TeamEditorPanel::Controls;
    using Player = PlayerEditorPanel::Controls;
    // Typing into a box of one editor, then clicking another box of it (which takes the
    // focus) or another player of the team (which stores).
    const auto leaveTeamBox = [](TextBox* Team::*box, QString text, TextBox* Team::*next) {
        return [=](Refresh& t) { t.typeAndLeave(t.teamUi().*box, text, t.teamUi().*next); };
    };
    const auto leavePlayerBox = [](TextBox* Player::*box, QString text, TextBox* Player::*next) {
        return [=](Refresh& t) { t.typeAndLeave(t.playerUi().*box, text, t.playerUi().*next); };
    };
    const auto switchFromTeamBox = [](TextBox* Team::*box, QString text) {
        return [=](Refresh& t) { t.typeAndSwitch(t.teamUi().*box, text); };
    };
    const auto switchFromPlayerBox = [](TextBox* Player::*box, QString text) {
        return [=](Refresh& t) { t.typeAndSwitch(t.playerUi().*box, text); };
    };
    const Row rows[] = {
        {"city", leaveTeamBox(&Team::txtCity, "gotham", &Team::txtMascot), {changed("City", 1, -1)}},
        {"mascot", leaveTeamBox(&Team::txtMascot, "owls", &Team::txtCity), {changed("Mascot", 1, -1)}},
        {"abbreviation", leaveTeamBox(&Team::txtAbrev, "gth", &Team::txtCity), {changed("Abbreviation", 1, -1)}},
        {"points scored", switchFromTeamBox(&Team::txtPPGhome, "251"), {changed("Points", 1, -1)}},
        {"points given", switchFromTeamBox(&Team::txtPPGaway, "252"), {changed("Points", 1, -1)}},
        {"first name", leavePlayerBox(&Player::txtFirstname, "zed", &Player::txtLastname), {changed("First Name", 1, 2)}},
        {"last name", leavePlayerBox(&Player::txtLastname, "zulu", &Player::txtFirstname), {changed("Last Name", 1, 2)}},
        {"jersey", leavePlayerBox(&Player::txtJersey, "98", &Player::txtFirstname), {changed("Jersey", 1, 2)}},
        {"feet", switchFromPlayerBox(&Player::txtFeet, "9"), {changed("Height", 1, 2)}},
        {"inches", switchFromPlayerBox(&Player::txtInches, "14"), {changed("Height", 1, 2)}},
        {"weight", switchFromPlayerBox(&Player::txtWeight, "400"), {changed("Weight", 1, 2)}},
        {"field goals", switchFromPlayerBox(&Player::txtFGpercent, "996"), {changed("Percentages", 1, 2)}},
        {"three-pointers", switchFromPlayerBox(&Player::txtTPTpercent, "996"), {changed("Percentages", 1, 2)}},
        {"free throws", switchFromPlayerBox(&Player::txtFTpercent, "996"), {changed("Percentages", 1, 2)}},
        {"position",
         [](Refresh& t) {
             t.choose(t.playerUi().cmbPosition, (player(1, 2).getPosition() + 2) % 5);
             t.clickNode(playerNode(1, 3));
         },
         {changed("Position", 1, 2)}},
        {"a rating step",
         [](Refresh& t) {
             const bool up = kRatings[Rating::Stealing].value(player(1, 2)) < 50;
             const auto& buttons = up ? t.playerUi().cmdIncAtt : t.playerUi().cmdDecAtt;
             QTest::mouseClick(buttons[Rating::Stealing], Qt::LeftButton);
         },
         {changed("Rating", 1, 2)}},
        {"a team of a game",
         [](Refresh& t) {
             t.choose(t.scheduleUi().cmbHome, (league().getMatchupBytes(0)[0] + 1) % 27);
             t.clickRow(t.scheduleUi().lstSchedule, 10);
         },
         {changed("Schedule", -1, -1)}},
        {"a colour",
         [](Refresh& t) {
             const int pick = team(1).getUniformColor_NES_0() == 0x2A ? 0x16 : 0x2A;
             t.withPaletteTool(t.teamUi().lblnespal[0], [pick](frmPaletteTool& tool) {
                 QTest::mouseClick(tool.lblnespal[std::size_t(pick)], Qt::LeftButton);
                 QTest::mouseClick(tool.cmdOK, Qt::LeftButton);
             });
         },
         {changed("Colour", 1, -1)}},
        {"an all-star slot",
         [](Refresh& t) {
             QTest::mouseClick(t.scheduleUi().cmdEditAllStar, Qt::LeftButton);
             frmAllStar* a = t.w->allStarWindow(false);
             ASSERT_NE(a, nullptr);
             t.choose(a->cmbTeam, (league().getWestAllStar(0)[0] + 1) % 27);
             QTest::mouseClick(a->cmdChangeWest, Qt::LeftButton);
             a->close();
         },
         {changed("All-Stars", -1, -1)}},
        {"a tree click with nothing typed", [](Refresh& t) { t.clickNode(playerNode(1, 3)); }, {}},
        {"an abbreviation box left unchanged",
         [](Refresh& t) {
             QTest::mouseClick(t.teamUi().txtAbrev, Qt::LeftButton);
             QTest::mouseClick(t.teamUi().txtCity, Qt::LeftButton);
         },
         {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openDemo();
        clickNode(playerNode(1, 2));
        EventLog log;
        ASSERT_NO_FATAL_FAILURE(row.act(*this));
        EXPECT_EQ(log.events, row.expected);
    }
}

// A value typed into the weight box and not yet stored gives way to the imported record.
TEST_F(Refresh, AnImportRefillsTheEditors) {
    struct Row {
        const char* name;
        QAction* MainMenus::*item;
        std::function<ResultCode(const clsProject& from, const std::string& path)> write;
        QString message;
        bool bringsTheTeam;  // the city comes from the file too
    };
    const Row rows[] = {
        {"Import Project", &MainMenus::menuProjectImport,
         [](const clsProject& from, const std::string& path) { return ProjectFile::exportProject(from, path); },
         "Team imported!", true},
        {"Import Team", &MainMenus::menuProjectImportTeam,
         [](const clsProject& from, const std::string& path) { return TeamFile::exportTeam(*from.getTeamRef(1), path); },
         "Team imported!", true},
        {"Import Player", &MainMenus::meunProjectImportPlayer,
         [](const clsProject& from, const std::string& path) {
             return PlayerFile::exportPlayer(*from.getTeamRef(1)->getPlayerRef(2), path);
         },
         "Player imported!", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openDemo();
        clickNode(playerNode(1, 2));
        const std::string city = row.bringsTheTeam ? "IMPORTED" : team(1).getCity();
        clsProject other = league();
        other.getTeamRef(1)->setCity("IMPORTED");
        other.getTeamRef(1)->getPlayerRef(2)->setWeight(312);
        other.getTeamRef(1)->getPlayerRef(2)->setLast("FROMFILE");
        ASSERT_EQ(row.write(other, file("import")), Result::Ok);
        type(playerUi().txtWeight, "151");
        EXPECT_EQ(menu(menus().*row.item, file("import")), row.message);
        EXPECT_EQ(playerUi().txtWeight->text(), "312");
        EXPECT_EQ(playerUi().txtLastname->text(), "FROMFILE");
        const std::string jersey = str(UiText::padded(player(1, 2).getJersey(), 2));
        EXPECT_EQ(str(node(playerNode(1, 2))->text(0)), jersey + "-" + player(1, 2).getFullname());
        EXPECT_EQ(str(teamUi().txtCity->text()), city);
        EXPECT_EQ(str(node(teamNode(1))->text(0)), city + " " + team(1).getMascot());
    }
}
