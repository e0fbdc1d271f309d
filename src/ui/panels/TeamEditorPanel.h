#pragma once
#include <QGroupBox>
#include <QPointer>
#include <array>
#include <functional>

class QLabel;
class PictureBox;
class Session;
class SessionSignals;
class SwatchLabel;
class TextBox;
class clsTeam;
class frmPaletteTool;
struct EditorSelection;
struct LeagueEvent;

// The team editor, frame frameTeamEditor ("Team Editor"): city, mascot, abbreviation and
// the two points figures of the selected team, and the uniform colours of the open
// edition as swatches with its preview figure. A swatch click runs the palette tool; a
// figure click shows the figure's next variant. Every change goes into the league through
// the session, one field at a time, and only a box the user changed is stored. It shows the
// selected team anew when a new league is read or a change touches that team.
class TeamEditorPanel : public QGroupBox {
    Q_OBJECT
public:
    // The controls, named as their objectName.
    struct Controls {
        TextBox* txtCity = nullptr;
        TextBox* txtMascot = nullptr;
        TextBox* txtAbrev = nullptr;
        TextBox* txtPPGhome = nullptr;  // points scored
        TextBox* txtPPGaway = nullptr;  // points given
        PictureBox* picPlayerRenderNES = nullptr;
        PictureBox* picPlayerRenderSNES = nullptr;
        QWidget* contNesPalEd = nullptr;
        QWidget* contSnesPalEd = nullptr;
        std::array<SwatchLabel*, 6> lblnespal{};  // 0 and 1 show the team's two NES colours
        std::array<SwatchLabel*, 128> lblsnespal{};
    };

    TeamEditorPanel(Session& session, EditorSelection& selection, SessionSignals& events, QWidget* parent = nullptr);

    const Controls& controls() const { return ui_; }

    // Shows the selected team: texts, points, and the swatches and figure of the open
    // edition.
    void fill();
    // Enables or disables the five boxes and the two figures.
    void setEditable(bool enabled);
    // The open edition's swatches shown, the other edition's swatches and figure hidden.
    void showPaletteBoxes();
    // Stores the five boxes into the selected team: city, mascot, abbreviation, points.
    void store();

    // The palette tool of the swatches, made on first use; null once closed with its close
    // button until it is made again.
    frmPaletteTool* paletteTool(bool create = true);

private:
    void showChange(const LeagueEvent& event);
    void build();
    void connectControls();
    void nameLeft(TextBox* box);
    void showNesUniform(bool render);
    void showSnesUniform(bool render);
    void nesSwatchClicked(int index);
    void snesSwatchClicked(int index);
    void figureClicked(bool nes);
    bool runPaletteTool(frmPaletteTool* tool);
    void prepareNextPaletteTool();
    // One step of the history that changes the selected team's data of the kinds given.
    void editTeam(const char* label, unsigned kinds, const std::function<void(clsTeam&)>& change);
    const clsTeam* team() const;

    Session& session_;
    EditorSelection& selection_;
    Controls ui_;
    QPointer<frmPaletteTool> paletteTool_;
    bool storing_ = false;  // its own edit: the controls show already what it stored
};
