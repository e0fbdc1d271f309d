#include <QApplication>
#include <QCommandLineParser>
#include <QFileOpenEvent>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "session/modGlobals.h"
#include "ui/platform/LocalPath.h"
#include "ui/widgets/AfterFirstPaint.h"
#include "ui/widgets/LazyIconStyle.h"
#include "ui/widgets/ToolIcons.h"
#include "ui/windows/frmMain.h"

namespace {

// macOS hands a document opened from the Finder, or dropped on the program's icon in the Dock,
// to the running program as an event rather than on the command line.
class FileOpenEvents : public QObject {
public:
    explicit FileOpenEvents(frmMain& window) : window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::FileOpen) return QObject::eventFilter(watched, e);
        window_.openFile(static_cast<QFileOpenEvent*>(e)->file());
        return true;
    }

private:
    frmMain& window_;
};

// With TAMSEL_EXIT_AFTER_PAINT set, the program ends as soon as the window has painted itself
// (and the league of FILE, when one is given), before anything else it has to do: how long the
// start takes is timed from outside. The event posted at the first paint is handed out ahead of
// the others, once the window's paint has ended.
class ExitAfterPaint : public QObject {
public:
    ExitAfterPaint(frmMain& window, bool league) : league_(league) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && (!league_ || modGlobals::session().valid()))
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
        return QObject::eventFilter(watched, e);
    }
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) std::_Exit(0);
        return QObject::event(e);
    }

private:
    bool league_;
};

}  // namespace

// The editor: one main window, opening the ROM named on the command line, if any, once the
// window is up. tamsel.ini lives beside the program, or in the user's configuration folder
// when the program's folder takes no files (an installed copy); the backups of the files it
// replaces lie beside the program or in the user's data folder by the same rule.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Fusion, the style of most Linux desktops, is wrapped to make its icons late; the native
    // styles of Windows and macOS are left as they are, since Qt's widgets look for them by name.
    if (LazyIconStyle::isFusion(QApplication::style())) QApplication::setStyle(new LazyIconStyle);
    QApplication::setApplicationName(QStringLiteral("tamsel"));
    QGuiApplication::setDesktopFileName(QStringLiteral(TAMSEL_APP_ID));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Edits the league inside the NES (.nes) and SNES (.smc) images of the basketball game."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("the ROM image to open: .nes or .smc"),
                                 QStringLiteral("[FILE]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) parser.showHelp(2);

    modGlobals::setProgramFolder(LocalPath::toLocal(QCoreApplication::applicationDirPath()));
    modGlobals::session().setBackups(BackupStore(modGlobals::backupFolder()));
    frmMain window;
    FileOpenEvents fileOpens(window);
    app.installEventFilter(&fileOpens);
    std::unique_ptr<ExitAfterPaint> timing;
    if (qEnvironmentVariableIsSet("TAMSEL_EXIT_AFTER_PAINT"))
        timing = std::make_unique<ExitAfterPaint>(window, !files.isEmpty());
    window.show();
    if (!files.isEmpty()) QTimer::singleShot(0, &window, [&window, file = files.first()] { window.openFile(file); });
    // The program's icon goes to the window's frame and the task bar once the window (and its
    // league) is painted: a desktop takes the icon in every size it has, each read from its
    // picture, and that was a tenth of the start.
    AfterFirstPaint::run(&window, [] { QApplication::setWindowIcon(ToolIcons::applicationIcon()); });
    return app.exec();
}
