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
// filter (the save dialogue for exports and reports, the open dialogue for imports), runs
// one operation on the session's league and shows the command's one message, the success
// text with the information icon, the failure text with the exclamation (warning) icon. A cancelled dialogue
// shows nothing and changes nothing. The imports change the league through the session,
// whose observers hear of it.
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

private:
    using Operation = std::function<bool(const std::string& path)>;
    void run(bool save, const QString& filter, const Operation& operation, const QString& success);

    Session& session_;
    MessageSink& messages_;
    FileDialogs& dialogs_;
    QWidget* parent_;
    QString folder_;
};
