#pragma once
#include <QString>
#include <string>

// Paths as the file dialogues give them and as the program's file functions take them:
// the system's own encoding of file names, so that any name the dialogue shows opens.
namespace LocalPath {

std::string toLocal(const QString& path);
QString fromLocal(const std::string& path);
// The absolute path without "." or ".." steps, as the recent list and the caption keep it.
QString absolute(const QString& path);

}  // namespace LocalPath
