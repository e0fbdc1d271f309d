#include "ui/platform/LocalPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace LocalPath {

std::string toLocal(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString fromLocal(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

QString absolute(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

}  // namespace LocalPath
