// Opening ROM images the desktop's ways: named on the command line, dropped onto the
// window, chosen from File > Open Recent, which keeps the last eight opened.
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <filesystem>

#include "UiHarness.h"
#include "ui/RecentFiles.h"

namespace fs = std::filesystem;
using OpeningFiles = UiTest;

namespace {

// A drag of the given URLs, as a file manager sends it.
std::unique_ptr<QMimeData> dragOf(const QList<QUrl>& urls) {
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    data->setText(urls.isEmpty() ? QString() : urls.first().toLocalFile());
    return data;
}

QStringList recentItems(const MainMenus& menus) {
    QStringList out;
    for (QAction* item : menus.menuFileRecent->actions()) out << item->text();
    return out;
}

}  // namespace

TEST_F(OpeningFiles, AFileNamedOnTheCommandLineOpensByItsExtension) {
    struct Row {
        const char* name;
        std::string file;
        QString message;
        ConsoleKind kind;  // the session's edition afterwards
    };
    const Row rows[] = {
        {"NES image", "game.nes", "File successfully loaded!", Console::Nes},
        {"SNES image in capitals", "GAME.SMC", "File successfully loaded!", Console::Snes},
        {"another extension", "game.bin", "Invalid rom!", Console::Snes},  // not read: the session keeps the last
    };
    start();
    place(DemoRom::makeNes(), "game.nes");
    place(DemoRom::makeSnes(), "GAME.SMC");
    place(DemoRom::makeNes(), "game.bin");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        messages.shown.clear();
        w->openFile(qs(file(row.file)));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, row.message);
        EXPECT_EQ(messages.shown[0].icon, iconFor(row.message != "File successfully loaded!"));
        EXPECT_EQ(session().kind(), row.kind);
    }
    EXPECT_EQ(caption(), "Tamsel v0.21.0 [GAME.SMC]");
}

TEST_F(OpeningFiles, ADroppedRomOpensWhereverItFallsAndOtherDragsAreRefused) {
    openDemo();
    const std::string smc = place(DemoRom::makeSnes(), "dropped.smc");
    const std::string text = file("notes.txt");
    testsupport::writeText(text, "x");
    struct Row {
        const char* name;
        QList<QUrl> urls;
        bool accepted;
    };
    const Row rows[] = {
        {"a text file", {QUrl::fromLocalFile(qs(text))}, false},
        {"two ROMs at once", {QUrl::fromLocalFile(qs(smc)), QUrl::fromLocalFile(qs(rom))}, false},
        {"a ROM from the web", {QUrl(QStringLiteral("https://example.org/game.smc"))}, false},
        {"a ROM", {QUrl::fromLocalFile(qs(smc))}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto data = dragOf(row.urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(w.get(), &enter);
        EXPECT_EQ(enter.isAccepted(), row.accepted);
    }
    type(teamUi().txtCity, "GOTHAM");  // an edit: the drop asks first
    messages.shown.clear();
    const auto data = dragOf({QUrl::fromLocalFile(qs(smc))});
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(teamUi().txtCity, &drop);  // a text box would take the name as text
    EXPECT_TRUE(drop.isAccepted());
    settle();  // the file opens once the drop has finished
    EXPECT_EQ(messages.questions, std::vector<QString>{"Save changes to game.nes?"});
    EXPECT_EQ(last(), "File successfully loaded!");
    EXPECT_EQ(session().kind(), Console::Snes);
    EXPECT_EQ(caption(), "Tamsel v0.21.0 [dropped.smc]");
    EXPECT_EQ(teamUi().txtCity->text(), qs(team(0).getCity()));  // no file name typed into the box
}

// Nine images opened one by one (the eighth opened as NES through the filter line despite
// its name), then the third again: it comes to the top and the first falls out.
TEST_F(OpeningFiles, TheRecentListKeepsTheLastEightNewestFirstAndPrunesMissingFiles) {
    start();
    EXPECT_FALSE(menus().menuFileRecent->menuAction()->isEnabled());
    std::vector<std::string> files;
    for (int i = 1; i <= 9; ++i) {
        const std::string name = i == 8 ? "game8.bin" : "game" + std::to_string(i) + ".nes";
        files.push_back(place(DemoRom::makeNes(), name));
        ASSERT_EQ(openWith(files.back(), i == 8 ? 2 : 1), "File successfully loaded!");
    }
    ASSERT_EQ(openWith(files[2]), "File successfully loaded!");
    EXPECT_EQ(openWith(file("absent.nes")), "Error loading file!");  // only what opened is listed
    QStringList expected;
    for (int i : {3, 9, 8, 7, 6, 5, 4, 2})
        expected << QStringLiteral("&%1 %2").arg(expected.size() + 1).arg(qs(files[std::size_t(i - 1)]));
    EXPECT_EQ(recentItems(menus()), expected);
    EXPECT_EQ(menus().menuFileRecent->actions()[2]->objectName(), "menuFileRecent_2");

    // The list outlives the window; an entry reopens with the edition it was opened as.
    w.reset();
    start();
    EXPECT_EQ(recentItems(menus()), expected);
    messages.shown.clear();
    menus().menuFileRecent->actions()[2]->trigger();
    EXPECT_EQ(last(), "File successfully loaded!");
    EXPECT_EQ(session().kind(), Console::Nes);
    EXPECT_EQ(caption(), "Tamsel v0.21.0 [game8.bin]");
    EXPECT_EQ(recentItems(menus())[0], "&1 " + qs(files[7]));

    fs::remove(files[3]);
    messages.shown.clear();
    const int gone = int(recentItems(menus()).indexOf("&7 " + qs(files[3])));
    ASSERT_EQ(gone, 6);
    menus().menuFileRecent->actions()[gone]->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "The file no longer exists!");
    EXPECT_EQ(messages.shown[0].icon, MessageSink::Icon::Exclamation);
    EXPECT_EQ(messages.shown[0].detail, qs(files[3]));
    EXPECT_EQ(caption(), "Tamsel v0.21.0 [game8.bin]");
    EXPECT_EQ(recentItems(menus()).size(), 7);
    EXPECT_FALSE(recentItems(menus()).join(' ').contains("game4.nes"));
    EXPECT_EQ(RecentFiles(RecentFiles::defaultFile()).entries().size(), 7);
    // Beside the program, as tamsel.ini is (a copy of its own), and not in the user's folder.
    EXPECT_EQ(RecentFiles(qs(file("recent.ini"))).entries().size(), 7);
    EXPECT_FALSE(fs::exists(file("config")));
}

// Started without a ROM, the tree says where to begin and lists the recent files below; a
// double click on one opens it.
TEST_F(OpeningFiles, TheEmptyTreeShowsWhereToBeginAndOpensARecentFile) {
    const std::string game = place(DemoRom::makeSnes(), "game.smc");
    RecentFiles(RecentFiles::defaultFile()).add(qs(game), Console::Snes);
    start();
    QTreeWidget& tree = w->tree();
    QStringList shown;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) shown << tree.topLevelItem(i)->text(0);
    EXPECT_EQ(shown, QStringList({"Open a .nes or .smc image with File > Open (Ctrl+O),", "or drop one here", "",
                                  "Recent files:", qs(game)}));
    QTreeWidgetItem* entry = tree.topLevelItem(tree.topLevelItemCount() - 1);
    const QPoint at = tree.visualItemRect(entry).center();
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, at);  // a double click as the desktop sends it
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, at);
    ASSERT_EQ(last(), "File successfully loaded!");
    EXPECT_EQ(caption(), "Tamsel v0.21.0 [game.smc]");
    EXPECT_EQ(node(1)->text(0), "NBA");
}
