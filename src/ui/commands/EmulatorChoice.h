#pragma once
#include <QString>
#include <QStringList>

#include "base/RomImage.h"

class ProgramStarter;

// The emulator each edition's images are tried in: a program and its arguments, where
// "{rom}" stands for the image. The choice is the user's own, kept in emulators.ini beside
// tamsel.ini (beside the program for a portable copy, else in the user's configuration
// folder), never in tamsel.ini itself.
struct EmulatorChoice {
    static inline const QString kRom = QStringLiteral("{rom}");

    QString program;           // a full name, a name found on PATH, or a macOS .app bundle
    QString arguments = kRom;  // split as a shell would split them, but never run by one

    bool isSet() const { return !program.trimmed().isEmpty(); }

    // The choice kept for the edition (NES or SNES); no program when none was kept.
    static EmulatorChoice load(ConsoleKind kind);
    void store(ConsoleKind kind) const;
    // The emulators known to play the edition, by the names they have on PATH.
    static QStringList knownNames(ConsoleKind kind);
    // Those of them the starter finds on PATH, full names.
    static QStringList found(ConsoleKind kind, const ProgramStarter& starter);

    // The program to start and its arguments for the image at rom: each argument with
    // "{rom}" replaced (the image's name is never split); on macOS a bundle (NAME.app) is
    // started as open -a APP --args ARGUMENTS.
    struct Command {
        QString program;
        QStringList arguments;
        // The command as one line a person reads, an argument with blanks or quotes quoted.
        QString text() const;
    };
    Command command(const QString& rom) const;
};
