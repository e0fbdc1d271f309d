#include "ui/platform/ProgramStarter.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <memory>
#include <utility>

// The programs still running end with their owner; what they then report is heard no more.
QtProgramStarter::~QtProgramStarter() {
    for (QProcess* process : findChildren<QProcess*>()) disconnect(process, nullptr, this, nullptr);
}

QString QtProgramStarter::findOnPath(const QString& name) const { return QStandardPaths::findExecutable(name); }

namespace {

// What a program printed, its last lines only.
struct Printed {
    QString tail;
    void add(const QByteArray& bytes) {
        tail += QString::fromLocal8Bit(bytes);
        QStringList lines = tail.split(QLatin1Char('\n'));
        if (lines.size() > QtProgramStarter::kLinesKept + 1) {
            lines = lines.mid(lines.size() - QtProgramStarter::kLinesKept - 1);
            tail = lines.join(QLatin1Char('\n'));
        }
    }
    QStringList lines() const {
        QStringList out = tail.split(QLatin1Char('\n'));
        out.removeAll(QString());
        return out;
    }
};

}  // namespace

void QtProgramStarter::start(const QString& program, const QStringList& arguments, int watchMs, FailureSeen failed) {
    auto* process = new QProcess(this);
    process->setProcessChannelMode(QProcess::MergedChannels);
    auto printed = std::make_shared<Printed>();
    // Watched until the time is up or the program has told what became of it.
    auto watched = std::make_shared<bool>(true);
    ++watched_;
    const auto stopWatching = [this, watched] {
        if (!std::exchange(*watched, false)) return false;
        --watched_;
        return true;
    };
    const auto fail = [stopWatching, failed, printed](bool notStarted, const QString& why) {
        if (stopWatching()) failed({notStarted, why, printed->lines()});
    };
    // Read all along, or a program that prints much would stop on a full pipe.
    connect(process, &QProcess::readyRead, this, [process, printed] { printed->add(process->readAll()); });
    connect(process, &QProcess::errorOccurred, this, [process, fail](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            fail(true, process->errorString());
            process->deleteLater();
        }
    });
    connect(process, &QProcess::finished, this,
            [process, printed, fail, stopWatching](int code, QProcess::ExitStatus status) {
                printed->add(process->readAll());
                if (status == QProcess::CrashExit)
                    fail(false, QStringLiteral("it crashed"));
                else if (code != 0)
                    fail(false, QStringLiteral("exit code %1").arg(code));
                else
                    stopWatching();
                process->deleteLater();
            });
    QTimer::singleShot(watchMs, this, [stopWatching] { stopWatching(); });
    process->start(program, arguments);
}
