#pragma once
#include <QObject>

#include "session/Session.h"

// The session's events as Qt signals, for the window and its panels to connect to. It
// observes the session from construction to destruction; the signals are emitted while
// the session reports the event, so a connected slot sees the league as it now is. Each
// event is told twice, in order: first to the holder of the selection, which moves it
// where the event asks (a new league starts at its first player, undo and redo go to the
// step's team or player), then to every panel, which shows anew what the event touched.
class SessionSignals : public QObject {
    Q_OBJECT
public:
    explicit SessionSignals(Session& session, QObject* parent = nullptr);
    ~SessionSignals() override;

    SessionSignals(const SessionSignals&) = delete;
    SessionSignals& operator=(const SessionSignals&) = delete;

signals:
    void beforeShown(const LeagueEvent& event);
    void heard(const LeagueEvent& event);

private:
    Session& session_;
    int id_ = 0;
};
