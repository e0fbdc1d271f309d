#include "ui/commands/SaveDetail.h"

#include <QStringList>

#include "ui/widgets/UiText.h"

QString saveDetail(const SaveResult& result) {
    QStringList lines;
    if (!result.detail.empty()) lines << QString::fromStdString(result.detail);
    for (const std::string& slot : result.damagedSlots) lines << UiText::fromRom(slot);
    return lines.join(QLatin1Char('\n'));
}
