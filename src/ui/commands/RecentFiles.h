#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <mutex>

#include "base/ResultCode.h"

class QThreadPool;

// The ROM images opened last, newest first, at most kLimit, each with the edition it was
// opened as. The list lives in a small settings file beside tamsel.ini (recent.ini, apart
// from tamsel.ini, whose format stays as it is): beside the program for a copy of its own
// (a portable copy on a USB stick keeps its list with it), in the user's configuration
// folder for an installed one. It is read again whenever its bytes differ from what this
// object last read or wrote, so that two windows share it.
class RecentFiles {
public:
    static constexpr int kLimit = 8;

    struct Entry {
        QString path;  // absolute
        ConsoleKind kind = Console::None;
        bool operator==(const Entry&) const = default;
    };

    // The list kept in file (made with its folder when first written); an empty name keeps
    // no list.
    explicit RecentFiles(QString file);
    // Waits for a write still under way.
    ~RecentFiles();
    RecentFiles(const RecentFiles&) = delete;
    RecentFiles& operator=(const RecentFiles&) = delete;
    // recent.ini in the folder of tamsel.ini (modGlobals::settingsPath).
    static QString defaultFile();

    // The entries, newest first; entries that the file holds damaged are left out.
    QList<Entry> entries() const;
    // Puts the file at the top, moving it there when it is listed already; the oldest
    // entry beyond kLimit goes.
    void add(const QString& path, ConsoleKind kind);
    void remove(const QString& path);
    // Waits until the last write has ended.
    void settle() const;

private:
    void write(const QList<Entry>& entries);

    // The file's bytes when it was last read or written here (none: not known), and the
    // entries they hold; while writes are queued, the entries of the newest.
    struct Known {
        QByteArray bytes;
        QList<Entry> entries;
    };

    QString file_;
    mutable std::mutex mutex_;  // guards what follows, which the writer sets after each write
    mutable Known known_;
    int queued_ = 0;       // writes not ended yet
    quint64 written_ = 0;  // the number of the newest write queued
    // Writes the file one after another away from the window's thread: a write waits for the
    // disk, and the window would otherwise wait with it each time a file is opened.
    std::unique_ptr<QThreadPool> writer_;
};
