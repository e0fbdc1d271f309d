#include "ui/widgets/SpaceStatusLabel.h"

#include "codec/AllStarCheck.h"
#include "codec/SpaceReport.h"
#include "session/Session.h"
#include "ui/widgets/UiText.h"

using UiText::fromRom;

SpaceStatusLabel::SpaceStatusLabel(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("lblSpace"));
    setTextFormat(Qt::RichText);
}

void SpaceStatusLabel::showFor(const Session& session) {
    const ConsoleKind kind = session.kind();
    if (!session.valid() || (kind != Console::Nes && kind != Console::Snes)) {
        clear();
        setToolTip(QString());
        return;
    }
    const SpaceReport report = computeSpace(session.league(), kind);
    QStringList parts;
    QStringList over;
    for (const SpaceRegion& r : report.regions) {
        parts << QStringLiteral("%1 %2/%3").arg(fromRom(r.name).toHtmlEscaped()).arg(r.used).arg(r.available);
        if (!r.fits()) over << fromRom(r.name);
    }
    QStringList warnings;
    if (!over.isEmpty()) warnings << QStringLiteral("Too long to save: ") + over.join(QStringLiteral(", "));
    QString tip =
        QStringLiteral("Bytes used and available in the name tables and the player area that a save rebuilds");

    // All-star slots naming no player (a damaged roster table) stop every save as well.
    QStringList toMend;
    QStringList details;
    for (const AllStarCheck::Problem& p : AllStarCheck::findProblems(session.league())) {
        toMend << QStringLiteral("%1 %2").arg(QLatin1String(AllStarCheck::conferenceName(p.conference))).arg(p.slot);
        details << fromRom(AllStarCheck::describe(p));
    }
    if (!toMend.isEmpty()) {
        warnings << QStringLiteral("All-star slots need mending: ") + toMend.join(QStringLiteral(", "));
        tip += QStringLiteral("\n\nChoose a player for each empty entry of the All-Star Editor:\n") +
               details.join(QLatin1Char('\n'));
    }

    // The figures as they are, each warning after them in red.
    const QString gap = QStringLiteral("&nbsp;&nbsp;&nbsp;");
    QString text = parts.join(gap);
    for (const QString& warning : warnings)
        text += gap + QStringLiteral("<span style=\"color: rgb(200, 0, 0); font-weight: bold;\">") +
                warning.toHtmlEscaped() + QStringLiteral("</span>");
    setText(text);
    setToolTip(tip);
}
