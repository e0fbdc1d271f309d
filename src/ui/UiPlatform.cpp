#include "ui/UiPlatform.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace {

QMessageBox::Icon boxIcon(MessageSink::Icon icon) {
    switch (icon) {
        case MessageSink::Icon::Information:
            return QMessageBox::Information;
        case MessageSink::Icon::Exclamation:
            return QMessageBox::Warning;
        case MessageSink::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtMessageSink::message(QWidget* parent, const QString& text, Icon icon, const QString& detail) {
    QMessageBox box(boxIcon(icon), kAppTitle, text, QMessageBox::Ok, parent);
    if (!detail.isEmpty()) box.setInformativeText(detail);
    box.exec();
}

bool QtMessageSink::askYesNo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, kAppTitle, text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

MessageSink::SaveAnswer QtMessageSink::askSaveChanges(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, kAppTitle, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return SaveAnswer::Save;
        case QMessageBox::Discard:
            return SaveAnswer::Discard;
        default:
            return SaveAnswer::Cancel;
    }
}

MessageSink::ChangedAnswer QtMessageSink::askFileChanged(QWidget* parent, const QString& text, const QString& detail) {
    QMessageBox box(QMessageBox::Warning, kAppTitle, text, QMessageBox::NoButton, parent);
    box.setInformativeText(detail);
    QPushButton* saveAs = box.addButton(QStringLiteral("Save As..."), QMessageBox::AcceptRole);
    QPushButton* reload = box.addButton(QStringLiteral("Reload"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(saveAs);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == saveAs) return ChangedAnswer::SaveAs;
    if (box.clickedButton() == reload) return ChangedAnswer::Reload;
    return ChangedAnswer::Cancel;
}

QStringList qtFilterList(const QString& filter) {
    QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString desc = parts[i].trimmed();
        QString pattern = parts[i + 1].trimmed().replace(';', ' ');
        // Qt takes a line's patterns from its closing parentheses: lines that name their
        // pattern ("NES Rom (*.nes)") stand as they are, the others get it appended.
        out << (desc.endsWith(')') ? desc : QStringLiteral("%1 (%2)").arg(desc, pattern));
    }
    return out;
}

namespace {

FileChoice runDialog(QWidget* parent, const QString& filter, const QString& folder, QFileDialog::AcceptMode mode) {
    QFileDialog dlg(parent, QString(), folder);
    dlg.setAcceptMode(mode);
    dlg.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    QStringList filters = qtFilterList(filter);
    dlg.setNameFilters(filters);
    FileChoice choice;
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return choice;
    choice.fileName = dlg.selectedFiles().first();
    choice.filterIndex = static_cast<int>(filters.indexOf(dlg.selectedNameFilter())) + 1;
    if (choice.filterIndex < 1) choice.filterIndex = 1;
    return choice;
}

}  // namespace

FileChoice QtFileDialogs::openFile(QWidget* parent, const QString& filter, const QString& initialFolder) {
    return runDialog(parent, filter, initialFolder, QFileDialog::AcceptOpen);
}

FileChoice QtFileDialogs::saveFile(QWidget* parent, const QString& filter, const QString& initialFolder) {
    return runDialog(parent, filter, initialFolder, QFileDialog::AcceptSave);
}
