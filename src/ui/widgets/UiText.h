#pragma once
#include <QString>
#include <string>

#include "model/clsPlayer.h"

// Texts of the league are single-byte characters; the editor shows and takes them as such.
namespace UiText {

inline QString fromRom(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string toRom(const QString& s) { return s.toLatin1().toStdString(); }

// The last n characters of n zeros followed by the number: padded(7, 2) is "07",
// padded(452, 3) is "452".
inline QString padded(long long value, int n) {
    return (QString(n, QLatin1Char('0')) + QString::number(value)).right(n);
}

// A player as the tree, the swap dialogue and the bulk edit's preview name him: the jersey in two
// digits, a dash and his full name ("24-MILO LEDGE").
inline QString playerText(const clsPlayer& player) {
    return padded(player.getJersey(), 2) + QLatin1Char('-') + fromRom(player.getFullname());
}

}  // namespace UiText
