#pragma once
#include <QGroupBox>
#include <vector>

class QComboBox;
class QListWidget;
class QPushButton;
class ListClick;
class Session;
class SessionSignals;
struct EditorSelection;
struct LeagueEvent;

// The schedule editor, frame frameProjectEditor ("League"): every game of the season as
// its matchup text, and the away and home team of the selected game. A team chosen in
// either list is stored, for the game selected then, when that list loses the focus. The
// "All-Star" button asks for the all-star editor. A new league fills the lists anew at its
// first game; a change shows anew the games it touched, or every entry when abbreviations
// changed, the game selected staying selected.
class ScheduleEditorPanel : public QGroupBox {
    Q_OBJECT
public:
    // The controls, named as their objectName.
    struct Controls {
        QListWidget* lstSchedule = nullptr;
        QComboBox* cmbAway = nullptr;
        QComboBox* cmbHome = nullptr;
        QPushButton* cmdEditAllStar = nullptr;
    };

    ScheduleEditorPanel(Session& session, EditorSelection& selection, SessionSignals& events,
                        QWidget* parent = nullptr);

    const Controls& controls() const { return ui_; }

    // Fills the two team lists and the game list from the league and selects the game
    // (game 0 when there is no such game).
    void fill(int game = 0);
    // Stores the teams the two lists show into the selected game, as when either list
    // loses the focus; nothing unless the user chose another team in either list.
    void store();
    // Enables or disables the three lists and the button.
    void setEditable(bool enabled);

signals:
    void allStarRequested();

private:
    void showChange(const LeagueEvent& event);
    void build();
    void selectGame(int game);
    // Every entry's text anew: the teams' abbreviations and each game's matchup.
    void relabel();
    void relabelGames();
    void relabelGames(const std::vector<int>& games);
    // True when the entry's text changed.
    bool relabelGame(int game);
    void gameClicked();

    Session& session_;
    EditorSelection& selection_;
    Controls ui_;
    ListClick* gameClick_ = nullptr;
    int shownHome_ = -1;  // the entries the lists showed when the game was selected
    int shownAway_ = -1;
};
