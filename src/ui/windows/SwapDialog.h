#pragma once
#include <QDialog>

#include "model/Trade.h"

class QComboBox;
class QLabel;
class QPushButton;
class clsProject;

// Project > Swap Players: names the player to trade with the selected one. The drop-downs
// list the league's teams (city and mascot) and the chosen team's twelve players as the
// tree names them; they start on the first player's own place, and OK is enabled only
// while they name another player.
class SwapDialog : public QDialog {
    Q_OBJECT
public:
    SwapDialog(const clsProject& league, Trade::Place first, QWidget* parent = nullptr);

    // The place chosen in the two drop-downs.
    Trade::Place chosen() const;

    // Controls, named as their objectName.
    QLabel* lblFirst = nullptr;
    QComboBox* cmbTeam = nullptr;
    QComboBox* cmbPlayer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void fillPlayers(int team);
    void choiceChanged();

    const clsProject& league_;
    Trade::Place first_;
};
