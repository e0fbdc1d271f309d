// An empty Qt main window that ends once it has painted itself: what the editor's start is
// compared with (bench/launch-timings.sh).
#include <QApplication>
#include <QMainWindow>
#include <cstdlib>

namespace {

// Ends the program as the editor's TAMSEL_EXIT_AFTER_PAINT does: once the first paint is over.
class ExitAfterPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
        return QObject::eventFilter(watched, e);
    }
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) std::_Exit(0);
        return QObject::event(e);
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
