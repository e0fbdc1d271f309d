#pragma once
#include <QString>
#include <functional>
#include <string>

#include "base/ResultCode.h"

class QWidget;
class FileDialogs;
class MessageSink;
class Session;

// The file commands of the Project and Analysis menus: each asks for a file with its
// filter (the save dialogue of SaveDialog for exports and reports, the open dialogue for
// imports), runs
// one operation on the session's league and shows the command's one message, the success
// text with the information icon, the failure text with the exclamation (warning) icon and,
// below it, why: the line of a refused import and its fault ("line 5: column weight: 'abc'
// is not a number"), the cause of a failed write. A cancelled dialogue shows nothing and
// changes nothing. The imports change the league through the session, whose observers
// hear of it.
class InterchangeCommands {
public:
    InterchangeCommands(Session& session, MessageSink& messages, FileDialogs& dialogs, QWidget* parent);

    // The folder every dialogue starts in.
    void setDialogFolder(const QString& folder) { folder_ = folder; }

    void exportProject();
    void importProject();
    void exportTeam(int team);
    void importTeam(int team);
    void exportPlayer(int team, int player);
    void importPlayer(int team, int player);
    // The ranking report of the rating with that attribute index, by position or overall.
    void writeReport(int attribute, bool byPosition);
    // The league's 324 players as one CSV table; the import replaces the players the table
    // has rows for, as one step of the history ("Import Players from CSV").
    void exportPlayersCsv();
    void importPlayersCsv();

private:
    // Runs on the chosen file; on failure fills why.
    using Operation = std::function<bool(const std::string& path, QString& why)>;
    void run(bool save, const QString& filter, const Operation& operation, const QString& success);

    Session& session_;
    MessageSink& messages_;
    FileDialogs& dialogs_;
    QWidget* parent_;
    QString folder_;
};
