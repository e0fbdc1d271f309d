#include "ui/panels/SessionSignals.h"

SessionSignals::SessionSignals(Session& session, QObject* parent) : QObject(parent), session_(session) {
    id_ = session_.observe([this](const LeagueEvent& event) { tell(event); });
}

SessionSignals::~SessionSignals() { session_.forget(id_); }

void SessionSignals::tell(const LeagueEvent& event) {
    const QString label = QString::fromStdString(event.label);
    switch (event.kind) {
        case LeagueEvent::Kind::Replaced:
            emit leagueReplaced(label);
            break;
        case LeagueEvent::Kind::Changed:
            emit leagueChanged(label, event.target.team, event.target.player);
            break;
        case LeagueEvent::Kind::Restored:
            emit leagueRestored(label, event.target.team, event.target.player);
            break;
        case LeagueEvent::Kind::Saved:
            emit saved(label);
            break;
    }
}
