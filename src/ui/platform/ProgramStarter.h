#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

// Other programs the editor starts (an emulator), behind a seam: the window starts them with
// QProcess; tests look programs up in their own folder. A program is always started from an
// argument list, never through a shell, so blanks and quotes in its arguments stay as they are.
class ProgramStarter {
public:
    // Why a program started is no good: it could not be started at all, or it ended with a
    // failure while it was watched. The last lines it printed (standard output and error
    // together) follow.
    struct Failure {
        bool notStarted = false;
        QString why;  // the system's cause ("No such file or directory"), or "exit code 3"
        QStringList lastLines;
    };
    using FailureSeen = std::function<void(const Failure&)>;

    virtual ~ProgramStarter() = default;
    // The full name of a program of that name on PATH; empty when there is none.
    virtual QString findOnPath(const QString& name) const = 0;
    // Starts the program and watches it for watchMs milliseconds: failed hears of a start
    // that did not happen, or of an end with a failure within that time (at most once).
    virtual void start(const QString& program, const QStringList& arguments, int watchMs, FailureSeen failed) = 0;
};

// Programs started with QProcess, children of an owner that outlives them: they end with the
// editor. Only the last lines a program prints are kept.
class QtProgramStarter : public QObject, public ProgramStarter {
    Q_OBJECT
public:
    static constexpr int kLinesKept = 8;

    explicit QtProgramStarter(QObject* parent = nullptr) : QObject(parent) {}
    ~QtProgramStarter() override;
    QtProgramStarter(const QtProgramStarter&) = delete;
    QtProgramStarter& operator=(const QtProgramStarter&) = delete;
    QString findOnPath(const QString& name) const override;
    void start(const QString& program, const QStringList& arguments, int watchMs, FailureSeen failed) override;
    // Some program started is still being watched.
    bool watching() const { return watched_ > 0; }

private:
    int watched_ = 0;
};
