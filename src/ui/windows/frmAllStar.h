#pragma once
#include <QWidget>
#include <array>
#include <cstdint>

class ComboClick;
class ListClick;
class Session;
struct LeagueEvent;
class QComboBox;
class QListWidget;
class QPushButton;

// The all-star editor: the twelve West and twelve East slots of the league's all-star
// rosters, each one player of one team. It shows its own copy of the slots, read when the
// window loads; a slot replaced with "^" goes into the league at once, through the session,
// as a step of its own ("All-Stars"), so that the caption, Save and every other command see
// it while the window stays open. It is a window of its own that does not block the main
// window; closing it unloads it and writes nothing. A slot that names no player (read from
// a damaged roster table) shows as an empty entry to be replaced. It follows the session's
// events itself: a new league loads it anew; a change of the slots (an undo, a trade, whose
// slots follow its players) reads them anew, the entries chosen staying chosen; a change of
// names shows the new names.
class frmAllStar : public QWidget {
    Q_OBJECT
public:
    using Slot = std::array<std::uint8_t, 2>;  // team 0..26, player 0..11

    explicit frmAllStar(Session& session, QWidget* parent = nullptr);
    ~frmAllStar() override;
    frmAllStar(const frmAllStar&) = delete;
    frmAllStar& operator=(const frmAllStar&) = delete;

    // True once the window was closed; it is deleted soon after.
    bool isUnloaded() const { return unloaded_; }

    // Controls, named as their objectName.
    QListWidget* lstWEST = nullptr;
    QListWidget* lstEAST = nullptr;
    QPushButton* cmdChangeWest = nullptr;
    QPushButton* cmdChangeEast = nullptr;
    QComboBox* cmbTeam = nullptr;
    QComboBox* cmbPlayer = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void lstEAST_Click();
    void lstWEST_Click();
    void cmbTeam_Click();
    void cmdChangeEast_Click();
    void cmdChangeWest_Click();

    void buildControls();
    void showChange(const LeagueEvent& event);
    void Form_Load();
    // The slots read anew from the league, the entry chosen in each list staying chosen and
    // the one clicked last shown in the lists below.
    void rereadSlots();
    // Keeps the slots and the choice below them, and shows the league's present names of
    // their players and teams.
    void refreshNames();
    // Writes the slots into the league: one step when they differ from the league's.
    void store();
    void loadWestList();
    void loadEastList();
    void loadList(bool east);
    void fillTeamCombo();
    void fillPlayerCombo(int team);
    void listClick(bool east);
    void changeSlot(bool east);
    QString nameOf(int team, int player) const;

    Session& session_;
    std::array<Slot, 12> westSlots{};
    std::array<Slot, 12> eastSlots{};
    bool eastSelected = false;  // the East list was clicked last
    ListClick* westClick_ = nullptr;
    ListClick* eastClick_ = nullptr;
    ComboClick* teamClick_ = nullptr;
    bool unloaded_ = false;
    int observer_ = 0;
};
