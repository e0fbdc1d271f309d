#pragma once
#include <QGroupBox>
#include <array>
#include <functional>
#include <utility>

#include "model/PlayerBoxes.h"
#include "model/RatingRanks.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class PictureBox;
class Session;
class SessionSignals;
class TextBox;
class clsPlayer;
struct EditorSelection;
struct LeagueEvent;

// The player editor, frame framePlayerEdit ("Player Editor"): name, jersey, height,
// weight, position and shooting percentages of the selected player, and the six rating
// rows with their bars and step buttons. The boxes tidy their text when they lose the
// focus (PlayerBoxes); the jersey and the names are stored then, the other boxes with the
// next store, which writes only the boxes the user changed. A step button changes its
// rating at once. Every change goes into the league through the session. It shows the
// selected player anew when a new league is read or a change touches that player.
class PlayerEditorPanel : public QGroupBox {
    Q_OBJECT
public:
    // The controls, named as their objectName; the rating rows in attribute order.
    struct Controls {
        TextBox* txtJersey = nullptr;
        TextBox* txtFirstname = nullptr;
        TextBox* txtLastname = nullptr;
        TextBox* txtFeet = nullptr;
        TextBox* txtInches = nullptr;
        TextBox* txtWeight = nullptr;
        QComboBox* cmbPosition = nullptr;
        TextBox* txtFGpercent = nullptr;
        TextBox* txtTPTpercent = nullptr;
        TextBox* txtFTpercent = nullptr;
        std::array<PictureBox*, 6> ratingBars{};  // picRS, picJump, picSteal, picBlock, picSR, picStanima
        std::array<QLabel*, 6> ratingValues{};    // lblRunSpeed, lblJump, lblSteal, lblBlock, lblShotRange, lblStam
        std::array<QPushButton*, 6> cmdDecAtt{};
        std::array<QPushButton*, 6> cmdIncAtt{};
        // The player's rank in the league for each rating ("12th of 324"): lblRankRunSpeed,
        // lblRankJump, lblRankSteal, lblRankBlock, lblRankShotRange, lblRankStam.
        std::array<QLabel*, 6> ratingRanks{};
    };

    PlayerEditorPanel(Session& session, const EditorSelection& selection, SessionSignals& events,
                      QWidget* parent = nullptr);

    const Controls& controls() const { return ui_; }

    // Shows the selected player.
    void fill();
    // Enables or disables the ten input controls and the twelve step buttons.
    void setEditable(bool enabled);
    // Stores the ten input controls into the selected player.
    void store();

private:
    void showChange(const LeagueEvent& event);
    void build();
    QGridLayout* buildRatingRows(const QFontMetrics& fm);
    void connectControls();
    void boxLeft(TextBox* box);
    // The boxes of numbers, each with the rules of what it holds.
    std::array<std::pair<PlayerBoxes::Box, TextBox*>, 7> numberBoxes() const;
    void drawRatings();
    void showRanks();
    void step(int row, bool up);
    void editPlayer(const char* label, const std::function<void(clsPlayer&)>& change);
    const clsPlayer* player() const;

    Session& session_;
    const EditorSelection& selection_;
    Controls ui_;
    int shownPosition_ = -1;                               // the position entry the last refresh showed
    std::array<int, 6> barShown_{-1, -1, -1, -1, -1, -1};  // the length each rating bar shows
    bool storing_ = false;                                 // its own edit: the controls show already what it stored
    RatingRanks ranks_;                                    // the league's, made anew when its players change
};
