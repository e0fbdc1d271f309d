#include <QApplication>
#include <QMainWindow>

// Until the main window lands the editor starts an empty window with its caption.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle("Tamsel v0.21.0 [...]");
    w.resize(800, 600);
    w.show();
    return app.exec();
}
