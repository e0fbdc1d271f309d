#pragma once
#include <QObject>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

// Lets a ROM image be dropped onto a window: a drag that carries one local file named
// .nes or .smc is taken over the window and over every control in it (a text box would
// otherwise take the file's name as text), and its drop hands the file to the handler
// once the drop has finished, so that the handler may ask questions. Other drags go
// where they went before.
class RomDropFilter : public QObject {
    Q_OBJECT
public:
    RomDropFilter(QWidget* window, std::function<void(const QString& path)> open);

    // The ROM file that the drag carries; empty when it carries anything else.
    static QString romFileOf(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    std::function<void(const QString&)> open_;
};
