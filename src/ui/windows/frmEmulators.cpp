#include "ui/windows/frmEmulators.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/commands/EmulatorChoice.h"
#include "ui/platform/FileDialogs.h"

namespace {

constexpr std::array<ConsoleKind, 2> kEditions = {Console::Nes, Console::Snes};
constexpr std::array<const char*, 2> kNames = {"Nes", "Snes"};

}  // namespace

frmEmulators::frmEmulators(const ProgramStarter& programs, FileDialogs& dialogs, ConsoleKind focus, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmEmulators"));
    setWindowTitle(QStringLiteral("Emulators"));
    auto* column = new QVBoxLayout(this);
    auto* grid = new QGridLayout();
    column->addLayout(grid);
    grid->addWidget(new QLabel(QStringLiteral("Program"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Arguments ({rom} is the image)"), this), 0, 3);
    for (int row = 0; row < 2; ++row) {
        const ConsoleKind edition = kEditions[row];
        const QString name = QString::fromLatin1(kNames[row]);
        auto* label = new QLabel(edition == Console::Nes ? QStringLiteral("&NES:") : QStringLiteral("&SNES:"), this);
        cboProgram[row] = new QComboBox(this);
        cboProgram[row]->setObjectName(QStringLiteral("cbo%1Program").arg(name));
        cboProgram[row]->setEditable(true);
        cboProgram[row]->setInsertPolicy(QComboBox::NoInsert);
        cboProgram[row]->setMinimumWidth(320);
        label->setBuddy(cboProgram[row]);
        cmdBrowse[row] = new QPushButton(QStringLiteral("Browse..."), this);
        cmdBrowse[row]->setObjectName(QStringLiteral("cmd%1Browse").arg(name));
        txtArguments[row] = new QLineEdit(this);
        txtArguments[row]->setObjectName(QStringLiteral("txt%1Arguments").arg(name));
        grid->addWidget(label, row + 1, 0);
        grid->addWidget(cboProgram[row], row + 1, 1);
        grid->addWidget(cmdBrowse[row], row + 1, 2);
        grid->addWidget(txtArguments[row], row + 1, 3);

        const EmulatorChoice kept = EmulatorChoice::load(edition);
        cboProgram[row]->addItems(EmulatorChoice::found(edition, programs));
        if (kept.isSet()) cboProgram[row]->setEditText(kept.program);
        txtArguments[row]->setText(kept.arguments);
        connect(cmdBrowse[row], &QPushButton::clicked, this, [this, row] { browse(row); });
    }
    auto* buttons = new QDialogButtonBox(this);
    cmdOK = buttons->addButton(QDialogButtonBox::Ok);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = buttons->addButton(QDialogButtonBox::Cancel);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    column->addWidget(buttons);
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        keep();
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    cboProgram[focus == Console::Snes ? 1 : 0]->setFocus();
}

void frmEmulators::browse(int row) {
    const QString now = cboProgram[row]->currentText().trimmed();
    const FileChoice choice = dialogs_.openFile(this, QStringLiteral("Programs|*|"),
                                                now.isEmpty() ? QString() : QFileInfo(now).absolutePath());
    if (!choice.fileName.isEmpty()) cboProgram[row]->setEditText(choice.fileName);
}

void frmEmulators::keep() {
    for (int row = 0; row < 2; ++row) {
        EmulatorChoice choice;
        choice.program = cboProgram[row]->currentText().trimmed();
        const QString arguments = txtArguments[row]->text().trimmed();
        choice.arguments = arguments.isEmpty() ? EmulatorChoice::kRom : arguments;
        choice.store(kEditions[row]);
    }
}
