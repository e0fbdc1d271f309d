// Every store of an editor is one change of the session, named after its field, which the
// window's refresh follows. (What a store shows is in the tree tests; what undo, redo and
// the imports refill, in the undo tests.)
#include "ui/support/UiHarness.h"

inline void PrintTo(const LeagueEvent& e, std::ostream* os) {
    const char* kinds[] = {"Replaced", "Changed", "Restored", "Saved"};
    *os << kinds[int(e.nature)] << " \"" << e.label << "\" kinds " << e.change.kinds;
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

}  // namespace

using Refresh = UiTest;

// Typing into a box, then clicking another box of the editor (which takes the focus) or
// another player of the team (which stores). The rating, schedule, colour and all-star
// steps are named in the undo tests.
TEST_F(Refresh, EveryStoreIsOneChangeNamedAfterItsFieldAndAStoreOfNothingIsNone) {
    using T = TeamEditorPanel::Controls;
    using P = PlayerEditorPanel::Controls;
    struct Row {
        const char* name;
        std::function<void(UiTest&)> act;
        const char* label;  // no change without
        int player;         // the change's target in team 1; -1 for the team
    };
    const auto leaveTeam = [](TextBox* T::*box, QString text, TextBox* T::*next) {
        return [=](UiTest& t) { t.typeAndLeave(t.teamUi().*box, text, t.teamUi().*next); };
    };
    const auto leavePlayer = [](TextBox* P::*box, QString text, TextBox* P::*next) {
        return [=](UiTest& t) { t.typeAndLeave(t.playerUi().*box, text, t.playerUi().*next); };
    };
    const auto switchTeam = [](TextBox* T::*box, QString text) {
        return [=](UiTest& t) {
            t.type(t.teamUi().*box, text);
            t.clickNode(playerNode(1, 3));
        };
    };
    const auto switchPlayer = [](TextBox* P::*box, QString text) {
        return [=](UiTest& t) {
            t.type(t.playerUi().*box, text);
            t.clickNode(playerNode(1, 3));
        };
    };
    const Row rows[] = {
        {"city", leaveTeam(&T::txtCity, "gotham", &T::txtMascot), "City", -1},
        {"mascot", leaveTeam(&T::txtMascot, "owls", &T::txtCity), "Mascot", -1},
        {"abbreviation", leaveTeam(&T::txtAbrev, "gth", &T::txtCity), "Abbreviation", -1},
        {"points scored", switchTeam(&T::txtPPGhome, "251"), "Points", -1},
        {"points given", switchTeam(&T::txtPPGaway, "252"), "Points", -1},
        {"first name", leavePlayer(&P::txtFirstname, "zed", &P::txtLastname), "First Name", 2},
        {"last name", leavePlayer(&P::txtLastname, "zulu", &P::txtFirstname), "Last Name", 2},
        {"jersey", leavePlayer(&P::txtJersey, "98", &P::txtFirstname), "Jersey", 2},
        {"feet", switchPlayer(&P::txtFeet, "9"), "Height", 2},
        {"inches", switchPlayer(&P::txtInches, "14"), "Height", 2},
        {"weight", switchPlayer(&P::txtWeight, "400"), "Weight", 2},
        {"field goals", switchPlayer(&P::txtFGpercent, "996"), "Percentages", 2},
        {"three-pointers", switchPlayer(&P::txtTPTpercent, "996"), "Percentages", 2},
        {"free throws", switchPlayer(&P::txtFTpercent, "996"), "Percentages", 2},
        {"position",
         [](UiTest& t) {
             t.choose(t.playerUi().cmbPosition, (player(1, 2).getPosition() + 2) % 5);
             t.clickNode(playerNode(1, 3));
         },
         "Position", 2},
        {"a tree click with nothing typed", [](UiTest& t) { t.clickNode(playerNode(1, 3)); }, nullptr, 0},
        {"an abbreviation box left unchanged",
         [](UiTest& t) {
             QTest::mouseClick(t.teamUi().txtAbrev, Qt::LeftButton);
             QTest::mouseClick(t.teamUi().txtCity, Qt::LeftButton);
         },
         nullptr, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openDemo();
        clickNode(playerNode(1, 2));
        EventLog log;
        ASSERT_NO_FATAL_FAILURE(row.act(*this));
        std::vector<LeagueEvent> expected;
        const unsigned kind =
            std::string(row.label ? row.label : "") == "Points" ? LeagueChange::TeamNumbers : LeagueChange::TeamNames;
        if (row.label != nullptr)
            expected.push_back(
                {LeagueEvent::Nature::Changed, row.label,
                 row.player < 0 ? LeagueChange::ofTeam(1, kind) : LeagueChange::ofPlayer({1, row.player})});
        EXPECT_EQ(log.events, expected);
    }
}
