#pragma once
#include <QDialog>
#include <array>

#include "base/RomImage.h"

class FileDialogs;
class ProgramStarter;
class QComboBox;
class QLineEdit;
class QPushButton;

// Tools > Emulators...: for each edition (NES, SNES) the program that plays its images and
// its arguments, "{rom}" standing for the image ("{rom}" when left empty). The program box
// offers the emulators of that edition found on PATH, the first of them chosen while none
// was; Browse picks any program. OK keeps both editions' choice (EmulatorChoice).
class frmEmulators : public QDialog {
    Q_OBJECT
public:
    // focus: the edition whose program box has the focus.
    frmEmulators(const ProgramStarter& programs, FileDialogs& dialogs, ConsoleKind focus, QWidget* parent = nullptr);

    // Controls, named as their objectName; [0] NES, [1] SNES.
    std::array<QComboBox*, 2> cboProgram{};    // cboNesProgram, cboSnesProgram
    std::array<QLineEdit*, 2> txtArguments{};  // txtNesArguments, txtSnesArguments
    std::array<QPushButton*, 2> cmdBrowse{};   // cmdNesBrowse, cmdSnesBrowse
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void browse(int row);
    void keep();

    FileDialogs& dialogs_;
};
