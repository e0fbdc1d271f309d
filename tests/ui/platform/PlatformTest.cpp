// The Qt side of the seams: message boxes, the Yes/No question, the file dialogue, and the user's
// configuration folder.
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

#include "ui/support/UiHarness.h"

// Runs answer on the modal widget the call brings up.
template <class W>
void withModal(const std::function<void(W&)>& answer) {
    QTimer::singleShot(0, [answer] {
        auto* modal = qobject_cast<W*>(QApplication::activeModalWidget());
        ASSERT_NE(modal, nullptr);
        answer(*modal);
    });
}

// The message box is wide enough for a sentence and keeps a line of its detail whole; Escape
// answers a question No; the file dialogue leaves the question about an existing file to the
// program and tells the chosen filter line counting from 1.
TEST_F(UiTest, TheQtDialoguesAnswerAsTheWindowExpects) {
    const QString line = "line 65: column weight: 'abc' is not a number";
    withModal<QMessageBox>([&](QMessageBox& box) {
        const auto* detail = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
        EXPECT_GE(box.width(), 400);
        EXPECT_TRUE(!detail->wordWrap() && detail->width() >= detail->fontMetrics().horizontalAdvance(line));
        box.accept();
    });
    QtMessageSink().message(nullptr, "Error reading file!", MessageSink::Icon::Exclamation, line);
    // A window on its way to the screen (a file opened at the start) is painted before its message
    // comes up, and the call does not wait for it.
    QWidget window;
    window.show();
    QString shown;
    bool painted = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            painted = window.windowHandle()->isExposed();
            box->accept();
        }
    });
    answer.start(5);
    QtMessageSink().message(&window, "File successfully loaded!", MessageSink::Icon::Information);
    EXPECT_TRUE(shown.isEmpty());
    QTRY_COMPARE(shown, QStringLiteral("File successfully loaded!"));
    EXPECT_TRUE(painted);
    withModal<QMessageBox>([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_FALSE(QtMessageSink().askYesNo(nullptr, "taken.csv already exists. Replace it?"));
    testsupport::writeText(file("game.smc"), "x");
    withModal<QFileDialog>([&](QFileDialog& dialogue) {
        EXPECT_TRUE(dialogue.testOption(QFileDialog::DontConfirmOverwrite));
        dialogue.selectNameFilter(dialogue.nameFilters()[2]);
        dialogue.selectFile(qs(file("game.smc")));
        QMetaObject::invokeMethod(&dialogue, "accept");
    });
    const FileChoice chosen =
        QtFileDialogs().saveFile(nullptr, "All|*.*|NES Rom (*.nes)|*.nes|SNES Rom (*.smc)|*.smc|", qs(dir));
    EXPECT_EQ(chosen.fileName, qs(file("game.smc")));
    EXPECT_EQ(chosen.filterIndex, 3);
}

// tamsel.ini and recent.ini sit with the other programs' settings: in the folder Qt names for
// generic configuration, however XDG_CONFIG_HOME is set.
TEST_F(UiTest, TheConfigurationFolderIsTheOneQtNames) {
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", "/tmp/tamsel-home");
    for (const char* xdg : std::initializer_list<const char*>{"/tmp/tamsel-xdg-config", "", nullptr}) {
        xdg != nullptr ? qputenv("XDG_CONFIG_HOME", xdg) : qunsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(Settings::userConfigFolder(),
                  QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString());
    }
    qputenv("HOME", home);
}
