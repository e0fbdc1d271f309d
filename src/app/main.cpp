#include <QApplication>
#include <QFile>

#include "session/modGlobals.h"
#include "ui/frmMain.h"

// The editor: one main window; tamsel.ini lives beside the program.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    modGlobals::setProgramFolder(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    frmMain window;
    window.show();
    return app.exec();
}
