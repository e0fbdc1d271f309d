#pragma once
// What the window benchmarks share: message boxes and file dialogues that answer No and say
// nothing (no dialogue is ever shown), and a reference image in a folder of the benchmark's own.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <filesystem>
#include <memory>
#include <string>

#include "base/FileIO.h"
#include "demo/DemoRom.h"
#include "session/modGlobals.h"
#include "ui/platform/FileDialogs.h"
#include "ui/platform/MessageSink.h"
#include "ui/windows/frmMain.h"

struct Silent : MessageSink, FileDialogs {
    void message(QWidget*, const QString&, Icon, const QString&) override {}
    bool askYesNo(QWidget*, const QString&) override { return false; }
    SaveAnswer askSaveChanges(QWidget*, const QString&) override { return SaveAnswer::Discard; }
    ChangedAnswer askFileChanged(QWidget*, const QString&, const QString&) override { return ChangedAnswer::Cancel; }
    FileChoice openFile(QWidget*, const QString&, const QString&) override { return {}; }
    FileChoice saveFile(QWidget*, const QString&, const QString&) override { return {}; }
};

// The reference image of an edition (nes-1, snes-1; the demo image when the fixtures are not
// beside the checkout) in the folder `folderName` of the temporary folder, which also becomes the
// program's folder and the configuration folder.
inline std::string placeBenchImage(const std::string& folderName, bool nes = true) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / folderName;
    fs::create_directories(folder);
    const std::string name = nes ? "game.nes" : "game.smc";
    const fs::path image = folder / name;
    std::error_code ec;
    if (!fs::copy_file(fs::path(TAMSEL_FIXTURES_DIR) / (nes ? "nes-1" : "snes-1") / name, image,
                       fs::copy_options::overwrite_existing, ec)) {
        const RomImage demo = nes ? DemoRom::makeNes() : DemoRom::makeSnes();
        FileIO::writeFileAtomically(image.string(), demo.data(), demo.size(), false);
    }
    modGlobals::setProgramFolder(folder.string());
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(folder.string()));
    return image.string();
}

// The main window on a fresh session, 1100 x 720, shown, with the reference image of the folder
// `folderName` open; null, and the benchmark skipped, when the image does not open.
inline std::unique_ptr<frmMain> openBenchWindow(Silent& silent, const std::string& folderName,
                                                benchmark::State& state) {
    const std::string image = placeBenchImage(folderName);
    modGlobals::session() = Session{};
    auto window = std::make_unique<frmMain>(&silent, &silent);
    window->resize(1100, 720);
    window->show();
    window->openFile(QString::fromStdString(image));
    if (modGlobals::session().valid()) return window;
    state.SkipWithError("the image does not open");
    return nullptr;
}
