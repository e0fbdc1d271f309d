#include "ui/platform/FileDialogs.h"

#include <QFileDialog>
#include <QStringList>

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
