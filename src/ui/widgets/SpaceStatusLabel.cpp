#include "ui/widgets/SpaceStatusLabel.h"

#include <QLabel>

#include "codec/AllStarCheck.h"
#include "codec/SpaceReport.h"
#include "session/Session.h"
#include "ui/widgets/UiText.h"

using UiText::fromRom;

namespace {

const QString kGap = QStringLiteral("   ");

}  // namespace

SpaceStatusLabel::SpaceStatusLabel(QWidget* parent) : QWidget(parent) {
    figures_ = new QLabel(this);
    figures_->setObjectName(QStringLiteral("lblSpace"));
    figures_->setTextFormat(Qt::PlainText);
    warnings_ = new QLabel(this);
    warnings_->setObjectName(QStringLiteral("lblSpaceWarnings"));
    warnings_->setTextFormat(Qt::PlainText);
    QFont bold = warnings_->font();
    bold.setBold(true);
    warnings_->setFont(bold);
    QPalette red = warnings_->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    warnings_->setPalette(red);
    warnings_->hide();
}

QSize SpaceStatusLabel::sizeHint() const {
    const QSize figures = figures_->sizeHint();
    const int warnings = warnings_->isHidden() ? 0 : warnings_->sizeHint().width();
    return {figures.width() + warnings, figures.height()};
}

QSize SpaceStatusLabel::minimumSizeHint() const { return {0, figures_->sizeHint().height()}; }

void SpaceStatusLabel::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    place();
}

void SpaceStatusLabel::place() {
    const int figures = figures_->sizeHint().width();
    figures_->setGeometry(0, 0, figures, height());
    if (!warnings_->isHidden()) warnings_->setGeometry(figures, 0, warnings_->sizeHint().width(), height());
}

QString SpaceStatusLabel::text() const { return figures_->text() + warnings_->text(); }

void SpaceStatusLabel::showFor(const Session& session) {
    const ConsoleKind kind = session.kind();
    if (!session.valid() || (kind != Console::Nes && kind != Console::Snes)) {
        figures_->clear();
        warnings_->clear();
        warnings_->hide();
        setToolTip(QString());
        return;
    }
    const SpaceReport report = computeSpace(session.league(), kind);
    QStringList parts;
    QStringList over;
    for (const SpaceRegion& r : report.regions) {
        parts << QStringLiteral("%1 %2/%3").arg(fromRom(r.name)).arg(r.used).arg(r.available);
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

    // The figures as they are, the warnings after them in red.
    figures_->setText(parts.join(kGap));
    warnings_->setText(warnings.isEmpty() ? QString() : kGap + warnings.join(kGap));
    warnings_->setVisible(!warnings.isEmpty());
    place();
    setToolTip(tip);
}
