#include "ui/commands/EmulatorChoice.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>

#include "session/modGlobals.h"
#include "ui/platform/LocalPath.h"
#include "ui/platform/ProgramStarter.h"

namespace {

QString settingsFile() {
    return QFileInfo(LocalPath::fromLocal(modGlobals::settingsPath())).absolutePath() +
           QStringLiteral("/emulators.ini");
}

QString group(ConsoleKind kind) { return kind == Console::Nes ? QStringLiteral("NES") : QStringLiteral("SNES"); }

const QString kProgram = QStringLiteral("program");
const QString kArguments = QStringLiteral("arguments");

}  // namespace

EmulatorChoice EmulatorChoice::load(ConsoleKind kind) {
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.beginGroup(group(kind));
    EmulatorChoice choice;
    choice.program = settings.value(kProgram).toString();
    choice.arguments = settings.value(kArguments, kRom).toString();
    return choice;
}

void EmulatorChoice::store(ConsoleKind kind) const {
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.beginGroup(group(kind));
    settings.setValue(kProgram, program.trimmed());
    settings.setValue(kArguments, arguments);
}

QStringList EmulatorChoice::knownNames(ConsoleKind kind) {
    if (kind == Console::Nes) return {QStringLiteral("fceux"), QStringLiteral("nestopia"), QStringLiteral("mednafen")};
    return {QStringLiteral("snes9x"), QStringLiteral("snes9x-gtk"), QStringLiteral("bsnes"),
            QStringLiteral("mednafen")};
}

QStringList EmulatorChoice::found(ConsoleKind kind, const ProgramStarter& starter) {
    QStringList out;
    for (const QString& name : knownNames(kind))
        if (const QString path = starter.findOnPath(name); !path.isEmpty()) out << path;
    return out;
}

EmulatorChoice::Command EmulatorChoice::command(const QString& rom) const {
    QStringList args = QProcess::splitCommand(arguments);
    for (QString& arg : args) arg.replace(kRom, rom);
    const QString app = program.trimmed();
#ifdef Q_OS_MACOS
    if (app.endsWith(QStringLiteral(".app"), Qt::CaseInsensitive) ||
        app.endsWith(QStringLiteral(".app/"), Qt::CaseInsensitive))
        return {QStringLiteral("open"), QStringList{QStringLiteral("-a"), app, QStringLiteral("--args")} + args};
#endif
    return {app, args};
}

QString EmulatorChoice::Command::text() const {
    QStringList words;
    for (const QString& word : QStringList{program} + arguments) {
        const bool plain = !word.isEmpty() && !word.contains(QRegularExpression(QStringLiteral("[\\s\"'\\\\]")));
        words << (plain ? word
                        : QLatin1Char('"') +
                              QString(word)
                                  .replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
                                  .replace(QLatin1Char('"'), QStringLiteral("\\\"")) +
                              QLatin1Char('"'));
    }
    return words.join(QLatin1Char(' '));
}
