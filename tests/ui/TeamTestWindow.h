#pragma once
// The main window on a demo ROM, driven offscreen through scripted dialogues, with the
// helpers the team editor and menu tests share.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <memory>
#include <string>

#include "codec/DemoRom.h"
#include "graphics/modGraphics.h"
#include "settings/modGlobals.h"
#include "support/TestSupport.h"
#include "ui/PictureBox.h"
#include "ui/SwatchLabel.h"
#include "ui/TextBox.h"
#include "ui/UiFakes.h"
#include "ui/frmMain.h"
#include "ui/frmPaletteTool.h"

namespace teamtest {

inline QString qpath(const std::string& s) { return QString::fromStdString(s); }

// Texts compared as std::string, so that a failure prints them readably.
inline std::string str(const QString& s) { return s.toStdString(); }
inline std::vector<std::string> str(const std::vector<QString>& v) {
    std::vector<std::string> out;
    for (const QString& s : v) out.push_back(s.toStdString());
    return out;
}

struct TestWindow {
    FakeMessages messages;
    FakeDialogs dialogs;
    std::string dir;
    std::unique_ptr<frmMain> w;

    explicit TestWindow(const std::string& name) {
        dir = testsupport::freshDir(name);
        // Each window starts as a fresh run of the program: no league left from an earlier
        // test (opening a ROM keeps the other edition's colours of the league before it).
        modGlobals::project() = clsProject{};
        modGlobals::romData.clear();
        modGlobals::romLength = 0;
        modGlobals::setProgramFolder(dir);
        messages.yesNoAnswers.push_back(true);  // create the default settings file
        w = std::make_unique<frmMain>(&messages, &dialogs);
        messages.clear();
    }

    // Writes the demo ROM of the edition and opens it through the open dialogue.
    void open(ConsoleKind kind) {
        std::string path = dir + (kind == Console::Nes ? "/demo.nes" : "/demo.smc");
        testsupport::writeBytes(path, kind == Console::Nes ? DemoRom::makeNes() : DemoRom::makeSnes());
        openFile(path, kind);
    }

    void openFile(const std::string& path, ConsoleKind kind) {
        dialogs.queue(qpath(path), kind == Console::Nes ? 2 : 3);
        w->openRom();
        ASSERT_EQ(messages.last(), "File successfully loaded!");
        messages.clear();
        dialogs.requests.clear();
    }

    // Shown and active, so that clicks move the focus as they do for a user.
    void show() {
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }

    std::string file(const std::string& name) const { return dir + "/" + name; }

    // Clicks tree node by creation index (2 + 13t for team t, 3 + 13t + p for its player p).
    void clickNode(int index) {
        QTreeWidgetItem* node = w->treeNode(index);
        ASSERT_NE(node, nullptr);
        w->tvProject->scrollToItem(node);
        QRect r = w->tvProject->visualItemRect(node);
        ASSERT_TRUE(r.isValid());
        QTest::mouseClick(w->tvProject->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    }

    // Replaces a text box's text by typing, the box keeping the focus.
    static void type(TextBox* box, const QString& text) {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
};

inline clsProject& league() { return modGlobals::project(); }
inline clsTeam& team(int t) { return *modGlobals::project().getTeamRef(t); }

inline QColor nesColor(int index) {
    return colorFromRgbValue(modGraphics::nesColorToRGB(static_cast<std::uint8_t>(index), false, 0));
}

inline SwatchLabel* swatchAt(QLabel* label) { return static_cast<SwatchLabel*>(label); }

// The 32 x 96 figure that the team of the edition and variant gives on a blank box.
inline QImage expectedFigure(const PictureBox& box, ConsoleKind kind, const clsTeam& t, int variant) {
    PixelImage s(box.image().width(), box.image().height(), rgbValueFromColor(box.image().pixelColor(33, 97)));
    modGraphics::drawPlayerSprite(s, kind, t, variant, modGlobals::romData);
    QImage out(32, 96, QImage::Format_RGB32);
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 32; ++x) out.setPixelColor(x, y, colorFromRgbValue(s.get(x, y)));
    return out;
}

inline QImage figureOf(const PictureBox& box) { return box.image().copy(0, 0, 32, 96).convertToFormat(QImage::Format_RGB32); }

// True when every pixel of the box holds one colour (a cleared box).
inline bool isBlank(const PictureBox& box) {
    const QImage& img = box.image();
    QColor first = img.pixelColor(0, 0);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) != first) return false;
    return true;
}

inline int countColour(const QImage& img, const QColor& c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, y) == c ? 1 : 0;
    return n;
}

// Clicks a swatch with the palette tool answered by answer(tool) as soon as it is up.
// Whatever answer does, the tool is closed afterwards so that the modal loop ends.
inline void withPaletteTool(frmMain& w, QLabel* swatch, const std::function<void(frmPaletteTool&)>& answer) {
    bool answered = false;
    QTimer::singleShot(0, [&] {
        frmPaletteTool* tool = w.paletteTool(false);
        if (tool != nullptr && tool->isVisible()) {
            answered = true;
            answer(*tool);
            if (tool->isVisible()) tool->close();
        }
    });
    QTest::mouseClick(swatch, Qt::LeftButton);
    EXPECT_TRUE(answered) << "the palette tool did not come up";
}

inline void pressOk(frmPaletteTool& tool) { QTest::mouseClick(tool.cmdOK, Qt::LeftButton); }
inline void pickNes(frmPaletteTool& tool, int index) {
    QTest::mouseClick(tool.lblnespal[static_cast<std::size_t>(index)], Qt::LeftButton);
}

}  // namespace teamtest
