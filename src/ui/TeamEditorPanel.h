#pragma once
#include <QGroupBox>
#include <QPointer>
#include <array>
#include <functional>

class QLabel;
class PictureBox;
class Session;
class SwatchLabel;
class TextBox;
class clsTeam;
class frmPaletteTool;
struct EditorSelection;

// The team editor, frame frameTeamEditor ("Team Editor"): city, mascot, abbreviation and
// the two points figures of the selected team, its uniform colours of both editions as
// swatches, and the preview figure of the open edition. A swatch click runs the palette
// tool; a figure click shows the figure's next variant. Every change goes into the league
// through the session, one field at a time.
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

    TeamEditorPanel(Session& session, EditorSelection& selection, QWidget* parent = nullptr);

    const Controls& controls() const { return ui_; }

    // Shows the selected team: texts, points, and the swatches and figure of the open
    // edition (the other edition's swatches show the record, its figure is blank).
    void fill();
    // Enables or disables the five boxes and the two figures.
    void setEditable(bool enabled);
    // Both swatch boxes visible while an edition is open, hidden before.
    void showPaletteBoxes();
    // Stores the five boxes into the selected team: city, mascot, abbreviation, points.
    void store();

    // The palette tool of the swatches, made on first use; null once closed with its close
    // button until it is made again.
    frmPaletteTool* paletteTool(bool create = true);

private:
    void build();
    void connectControls();
    void nameLeft(TextBox* box);
    void showNesUniform(bool render);
    void showSnesUniform(bool render);
    void nesSwatchClicked(int index);
    void snesSwatchClicked(int index);
    void figureClicked(bool nes);
    bool runPaletteTool(frmPaletteTool* tool);
    void editTeam(const char* label, const std::function<void(clsTeam&)>& change);
    const clsTeam* team() const;

    Session& session_;
    EditorSelection& selection_;
    Controls ui_;
    QPointer<frmPaletteTool> paletteTool_;
};
