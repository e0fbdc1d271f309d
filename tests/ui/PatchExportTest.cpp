// File > Export Patch: the patch turns the image as it was opened into what Save then
// writes, in the format of the chosen filter line, and touches neither the ROM file nor the
// session; a league that does not fit gives Save's message, and failures say why.
#include <QDir>
#include <QMenu>

#include "UiHarness.h"
#include "patch/PatchFormat.h"

using PatchExportMenu = UiTest;

namespace {

const QString kFilter = "BPS Patch (*.bps)|*.bps|IPS Patch (*.ips)|*.ips|";

// Every player's last name longer than the player area holds.
void overfillPlayerArea(clsProject& l) {
    for (int t = 0; t < clsProject::kTeams; ++t)
        for (int p = 0; p < clsTeam::kRoster; ++p) l.getTeamRef(t)->getPlayerRef(p)->setLast("MNOPQRSTUVWX");
}

}  // namespace

TEST_F(PatchExportMenu, PatchTurnsTheOpenedImageIntoWhatSaveWrites) {
    struct Row {
        const char* name;
        ConsoleKind kind;
        int filterLine;
        std::string typed;    // the name given in the dialogue
        std::string written;  // the file the patch lands in
        patch::PatchFormat format;
    };
    const Row rows[] = {
        {"BPS with its extension added", Console::Nes, 1, "edits", "edits.bps", patch::PatchFormat::Bps},
        {"IPS with its extension in capitals", Console::Nes, 2, "edits.IPS", "edits.IPS", patch::PatchFormat::Ips},
        {"IPS from the typed extension, the BPS line chosen", Console::Snes, 1, "edits.ips", "edits.ips",
         patch::PatchFormat::Ips},
        {"IPS onto the image's own name", Console::Snes, 2, "game.smc", "game.smc.ips", patch::PatchFormat::Ips},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openDemo(row.kind);
        const std::vector<std::uint8_t> opened = testsupport::readBytes(rom);
        clickNode(playerNode(3, 2));
        type(playerUi().txtLastname, "smythe");  // still in its box: the export stores the editors first
        dialogs.requests.clear();
        messages.shown.clear();
        dialogs.answers.push_back({qs(file(row.typed)), row.filterLine});
        menus().menuFileExportPatch->trigger();
        EXPECT_EQ(last(), "Patch exported!");
        EXPECT_EQ(messages.shown.back().icon, MessageSink::Icon::Information);
        ASSERT_EQ(dialogs.requests.size(), 1u);
        EXPECT_TRUE(dialogs.requests[0].save);
        EXPECT_EQ(dialogs.requests[0].filter, kFilter);
        EXPECT_EQ(dialogs.requests[0].folder, qs(dir));
        EXPECT_EQ(testsupport::readBytes(rom), opened);
        EXPECT_TRUE(session().modified());

        const std::vector<std::uint8_t> patchBytes = testsupport::readBytes(file(row.written));
        EXPECT_EQ(patch::formatOfBytes(patchBytes), row.format);
        EXPECT_EQ(save(), "File successfully saved!");
        const std::vector<std::uint8_t> saved = testsupport::readBytes(rom);
        ASSERT_NE(saved, opened);
        std::vector<std::uint8_t> patched;
        ASSERT_EQ(patch::applyPatch(opened, patchBytes, patched), patch::PatchResult::Ok);
        EXPECT_EQ(patched, saved);
    }
}

TEST_F(PatchExportMenu, FailuresSayWhyAndWriteNothing) {
    struct Row {
        const char* name;
        ConsoleKind kind;
        std::function<void(UiTest&)> setUp;
        std::string answer;  // no dialogue is expected without
        int filterLine;
        QString message;
        std::string cause;  // the detail is the cause and the file; no detail without
    };
    const Row rows[] = {
        {"a league that does not fit, flagged in the status bar", Console::Nes,
         [](UiTest& t) {
             EXPECT_FALSE(t.statusText().contains("Too long"));
             session().edit("Last Name", {}, overfillPlayerArea);
             EXPECT_TRUE(t.statusText().contains("Too long")) << str(t.statusText());
         },
         "", 1, "Player names are too long!", ""},
        {"a folder that does not exist", Console::Nes, [](UiTest&) {}, "missing/edits.bps", 1, "Error writing file!",
         "No such file or directory"},
        {"IPS of an image over 16 MiB", Console::Snes,
         [](UiTest& t) {
             std::vector<std::uint8_t> big = DemoRom::makeSnes();
             big.resize(0x1000000 + 1);
             t.open(t.place(big, "big.smc"));
         },
         "big.ips", 2, "Images over 16 MiB cannot be IPS-patched!", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openDemo(row.kind);
        row.setUp(*this);
        dialogs.requests.clear();
        messages.shown.clear();
        if (!row.answer.empty()) dialogs.answers.push_back({qs(file(row.answer)), row.filterLine});
        menus().menuFileExportPatch->trigger();
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(last(), row.message);
        EXPECT_EQ(messages.shown[0].icon, MessageSink::Icon::Exclamation);
        EXPECT_EQ(str(messages.shown[0].detail), row.cause.empty() ? "" : row.cause + ": " + file(row.answer));
        EXPECT_EQ(dialogs.requests.size(), row.answer.empty() ? 0u : 1u);
        EXPECT_TRUE(QDir(qs(dir)).entryList({"*.bps", "*.ips"}, QDir::Files).isEmpty());
        if (row.answer.empty()) {
            EXPECT_EQ(save(), row.message);  // the message Save shows
        }
    }
}

TEST_F(PatchExportMenu, TheItemNeedsAnImageAndCancelWritesNothing) {
    start();
    EXPECT_EQ(menus().menuFileExportPatch->text(), "Export &Patch...");
    EXPECT_FALSE(menus().menuFileExportPatch->isEnabled());
    // Last of the commands that write the image, just above the separator before Exit.
    const QList<QAction*> items = menus().menuFile->actions();
    const qsizetype at = items.indexOf(menus().menuFileExportPatch);
    EXPECT_GT(at, items.indexOf(menus().menuFileSave));
    ASSERT_LT(at + 1, items.size());
    EXPECT_EQ(items[at + 1]->objectName(), "menuSeparator0");
    rom = place(DemoRom::makeNes(), "game.nes");
    open(rom);
    EXPECT_TRUE(menus().menuFileExportPatch->isEnabled());
    EXPECT_EQ(menu(menus().menuFileExportPatch), "");
    EXPECT_TRUE(QDir(qs(dir)).entryList({"*.bps", "*.ips"}, QDir::Files).isEmpty());
}
