#include "base/RomImage.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "base/FileIO.h"

namespace RomFile {

namespace {

bool tooShortForCheck(const RomImage& image, ConsoleKind kind) {
    if (kind == Console::Nes) return image.size() < 3;
    if (kind == Console::Snes) return image.size() < kSnesTitleOffset + std::strlen(kSnesTitle);
    return false;
}

}  // namespace

bool checkConsole(const RomImage& image, ConsoleKind kind) {
    if (kind == Console::Nes) return image.size() >= 3 && image[0] == 0x4E && image[1] == 0x45 && image[2] == 0x53;
    if (kind == Console::Snes) {
        std::size_t n = std::strlen(kSnesTitle);
        if (image.size() < kSnesTitleOffset + n) return false;
        return std::equal(image.begin() + kSnesTitleOffset, image.begin() + kSnesTitleOffset + n,
                          reinterpret_cast<const unsigned char*>(kSnesTitle));
    }
    return false;
}

ResultCode readRomFile(const std::string& path, ConsoleKind kind, RomImage& image) {
    FileIO::FileStamp stamp;
    FileIO::FileError ignored;
    return readRomFile(path, kind, image, stamp, ignored);
}

ResultCode readRomFile(const std::string& path, ConsoleKind kind, RomImage& image, FileIO::FileStamp& stamp,
                       FileIO::FileError& error) {
    RomImage data;
    if (FileIO::readWholeFile(path, data, stamp, error) != Result::Ok) return Result::Failed;
    image = std::move(data);
    if (image.empty() || tooShortForCheck(image, kind)) {
        error = {image.empty() ? "File is empty" : "File is too short for a ROM image", path, {}};
        return Result::Failed;
    }
    if (!checkConsole(image, kind)) return 2;
    return Result::Ok;
}

ResultCode writeRomFile(const std::string& path, const RomImage& image) {
    return FileIO::writeFileAtomically(path, image.data(), image.size(), true);
}

ResultCode writeRomFile(const std::string& path, const RomImage& image, FileIO::WriteError& error) {
    return FileIO::writeFileAtomically(path, image.data(), image.size(), true, error);
}

ConsoleKind kindFromFileName(const std::string& fileName) {
    if (fileName.size() < 3) return Console::Snes;
    std::string last = fileName.substr(fileName.size() - 3);
    for (char& c : last) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return last == "NES" ? Console::Nes : Console::Snes;
}

const char* extensionOf(ConsoleKind kind) {
    if (kind == Console::Nes) return ".nes";
    if (kind == Console::Snes) return ".smc";
    return "";
}

ConsoleKind kindFromExtension(const std::string& fileName) {
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos) return Console::None;
    std::string extension = fileName.substr(dot);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (ConsoleKind kind : {Console::Nes, Console::Snes})
        if (extension == extensionOf(kind)) return kind;
    return Console::None;
}

}  // namespace RomFile
