#include "ui/commands/SaveDialog.h"

#include <QFileInfo>
#include <QStringList>

#include "ui/platform/LocalPath.h"

namespace SaveDialog {

QString extensionOf(const QString& filter, int filterLine) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    const qsizetype at = 2 * static_cast<qsizetype>(filterLine) - 1;
    if (filterLine < 1 || at >= parts.size()) return {};
    // The line's first pattern: "*.tpr" of " *.tpr" or of "*.nes;*.smc".
    const QString pattern = parts[at].split(QLatin1Char(';')).first().trimmed();
    if (!pattern.startsWith(QLatin1String("*.")) || pattern.indexOf(QLatin1Char('*'), 1) >= 0 ||
        pattern.contains(QLatin1Char('?')))
        return {};
    return pattern.mid(1);
}

QString withFilterExtension(const QString& chosen, const QString& filter, int filterLine) {
    if (!QFileInfo(chosen).suffix().isEmpty()) return chosen;
    return chosen + extensionOf(filter, filterLine);
}

FileChoice choose(FileDialogs& dialogs, MessageSink& messages, QWidget* parent, const QString& filter,
                  const QString& folder, const Settle& settle) {
    QString startIn = folder;
    for (;;) {
        FileChoice choice = dialogs.saveFile(parent, filter, startIn);
        if (choice.fileName.isEmpty()) return choice;
        choice.fileName = LocalPath::absolute(settle(choice.fileName, filter, choice.filterIndex));
        const QFileInfo settled(choice.fileName);
        if (!settled.exists()) return choice;
        if (messages.askYesNo(parent, QStringLiteral("%1 already exists. Replace it?").arg(settled.fileName())))
            return choice;
        startIn = settled.absolutePath();
    }
}

}  // namespace SaveDialog
