// An empty Qt main window that ends once it has painted itself: what the editor's start is
// compared with (bench/launch-timings.sh).
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

namespace {

class ExitAfterPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint) QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        return QObject::eventFilter(watched, e);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    ExitAfterPaint exit;
    window.installEventFilter(&exit);
    window.show();
    return app.exec();
}
