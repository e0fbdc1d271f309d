#include "ui/LocalPath.h"

#include <QFile>

namespace LocalPath {

std::string toLocal(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString fromLocal(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

}  // namespace LocalPath
