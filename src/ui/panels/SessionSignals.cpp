#include "ui/panels/SessionSignals.h"

SessionSignals::SessionSignals(Session& session, QObject* parent) : QObject(parent), session_(session) {
    id_ = session_.observe([this](const LeagueEvent& event) {
        emit beforeShown(event);
        emit heard(event);
    });
}

SessionSignals::~SessionSignals() { session_.forget(id_); }
