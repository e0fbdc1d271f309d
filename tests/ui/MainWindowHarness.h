#pragma once
// The main window driven offscreen through scripted message boxes and file dialogues,
// with helpers that click and type as a user does. Shared by the window, player,
// schedule and all-star tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <memory>
#include <string>

#include "codec/DemoRom.h"
#include "settings/modGlobals.h"
#include "support/TestSupport.h"
#include "ui/TextBox.h"
#include "ui/UiFakes.h"
#include "ui/frmMain.h"

namespace uitest {

inline QString qpath(const std::string& s) { return QString::fromStdString(s); }

inline clsProject& league() { return modGlobals::project(); }
inline clsTeam& team(int t) { return *modGlobals::project().getTeamRef(t); }
inline clsPlayer& player(int t, int p) { return *team(t).getPlayerRef(p); }

// Runs posted events, including deferred deletes of closed windows.
inline void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class MainWindowTest : public ::testing::Test {
protected:
    FakeMessages messages;
    FakeDialogs dialogs;
    std::string dir;
    std::unique_ptr<frmMain> w;

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = testsupport::freshDir(std::string("ui_") + info->test_suite_name() + "_" + info->name());
        modGlobals::setProgramFolder(dir);
        modGlobals::project().clearProject();
        modGlobals::romData.clear();
    }

    void TearDown() override {
        w.reset();
        settle();
    }

    // Creates the window (answering the settings question with No) and shows it active.
    void start(bool show = true) {
        messages.yesNoAnswers.push_back(false);
        w = std::make_unique<frmMain>(&messages, &dialogs);
        messages.clear();
        if (show) {
            w->resize(1100, 720);
            w->show();
            w->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        }
    }

    std::string file(const std::string& name) const { return dir + "/" + name; }

    // Copies an image into the test folder under the given name.
    std::string place(const std::vector<std::uint8_t>& bytes, const std::string& name) {
        std::string path = file(name);
        testsupport::writeBytes(path, bytes);
        return path;
    }
    std::string placeFixture(const std::string& relative, const std::string& name) {
        return place(testsupport::readBytes(testsupport::fixture(relative)), name);
    }
    // The demo image of the edition when the codec provides one, else the reference image.
    std::string placeRom(ConsoleKind kind, const std::string& name) {
        RomImage demo = kind == Console::Nes ? DemoRom::makeNes() : DemoRom::makeSnes();
        if (!demo.empty()) return place(demo, name);
        return placeFixture(kind == Console::Nes ? "nes-1/game.nes" : "snes-1/game.smc", name);
    }

    // Opens a file through the open dialogue with the given filter line and returns the
    // one message the command showed.
    QString openWith(const std::string& path, int filterIndex = 1) {
        messages.clear();
        dialogs.queue(qpath(path), filterIndex);
        w->openRom();
        EXPECT_EQ(messages.shown.size(), 1u);
        QString text = messages.last();
        messages.clear();
        return text;
    }
    void openOk(const std::string& path, int filterIndex = 1) {
        ASSERT_EQ(openWith(path, filterIndex), "File successfully loaded!");
    }

    QString saveByMenu() {
        messages.clear();
        w->menuFileSave->trigger();
        EXPECT_EQ(messages.shown.size(), 1u);
        return messages.last();
    }

    // Clicks tree node by creation index (2 + 13t for team t, 3 + 13t + p for its player p).
    void clickNode(int index) {
        QTreeWidgetItem* node = w->treeNode(index);
        ASSERT_NE(node, nullptr);
        if (node->parent() != nullptr) node->parent()->setExpanded(true);
        w->tvProject->scrollToItem(node);
        QRect r = w->tvProject->visualItemRect(node);
        ASSERT_TRUE(r.isValid());
        QTest::mouseClick(w->tvProject->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    }

    // Clicks an entry of a list box.
    static void clickRow(QListWidget* list, int row) {
        QListWidgetItem* item = list->item(row);
        ASSERT_NE(item, nullptr);
        list->scrollToItem(item);
        QRect r = list->visualItemRect(item);
        ASSERT_TRUE(r.isValid());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    }

    // Gives a drop-down list the focus by clicking it (its pop-up is closed again) and
    // chooses an entry with the keyboard, as a user does without leaving the list.
    static void chooseWithKeys(QComboBox* combo, int index) {
        combo->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < index; ++i) QTest::keyClick(combo, Qt::Key_Down);
        ASSERT_EQ(combo->currentIndex(), index);
    }

    // Replaces a text box's text by typing; the box keeps the focus.
    static void type(TextBox* box, const QString& text) {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
};

}  // namespace uitest
