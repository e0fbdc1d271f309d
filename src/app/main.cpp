#include <QApplication>
#include <QDirIterator>
#include <QIcon>

#include "session/modGlobals.h"
#include "ui/LocalPath.h"
#include "ui/frmMain.h"

// The editor: one main window. tamsel.ini lives beside the program, or in the user's
// configuration folder when the program's folder takes no files (an installed copy).
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QIcon icon;
    for (QDirIterator it(QStringLiteral(":/icons")); it.hasNext();) icon.addFile(it.next());
    QApplication::setWindowIcon(icon);
    modGlobals::setProgramFolder(LocalPath::toLocal(QCoreApplication::applicationDirPath()));
    frmMain window;
    window.show();
    return app.exec();
}
