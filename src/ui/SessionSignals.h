#pragma once
#include <QObject>
#include <QString>

#include "session/Session.h"

// The session's events as Qt signals, for the window and its panels to connect to. It
// observes the session from construction to destruction; the signals are emitted while
// the session reports the event, so a connected slot sees the league as it now is.
class SessionSignals : public QObject {
    Q_OBJECT
public:
    explicit SessionSignals(Session& session, QObject* parent = nullptr);
    ~SessionSignals() override;

    SessionSignals(const SessionSignals&) = delete;
    SessionSignals& operator=(const SessionSignals&) = delete;

signals:
    // A new league: an open ("Open"), a project import ("Import Project") or the file as
    // last saved again ("Revert").
    void leagueReplaced(const QString& label);
    // A change of the league, named as the user reads it ("City", "Import Team"), with
    // the team and player it touched (-1: none, or all of them).
    void leagueChanged(const QString& label, int team, int player);
    // Undo or redo took the league over one step: its label and the team and player it
    // touched (-1: none, or all of them).
    void leagueRestored(const QString& label, int team, int player);
    // The league was written to the file ("Save", "Save As").
    void saved(const QString& label);

private:
    void tell(const LeagueEvent& event);

    Session& session_;
    int id_ = 0;
};
