#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/FileIO.h"
#include "base/ResultCode.h"

// A cartridge image held whole in memory, in file order; an NES image keeps its header.
using RomImage = std::vector<std::uint8_t>;

namespace RomFile {

// Offset and text of the SNES internal title that identifies the game.
inline constexpr std::size_t kSnesTitleOffset = 0x7FC0;
inline constexpr const char* kSnesTitle = "SUPER NBA BASKETBALL";

// True when the image is of the given edition: "NES" in bytes 0..2, or the SNES title
// at 0x7FC0. An image too short for the check, or another kind, gives false.
bool checkConsole(const RomImage& image, ConsoleKind kind);

// Reads the file into image (replaced even when the check then fails). Result 1: the file
// cannot be read, is empty or too short for the check; 2: not of the given edition. The
// second form also gives the stamp of the file read (see FileIO::writeFileIfUnchanged), and
// for result 1 why ("No such file or directory: PATH", "File is empty: PATH").
ResultCode readRomFile(const std::string& path, ConsoleKind kind, RomImage& image);
ResultCode readRomFile(const std::string& path, ConsoleKind kind, RomImage& image, FileIO::FileStamp& stamp,
                       FileIO::FileError& error);

// Writes the image over the file in one step (see FileIO::writeFileAtomically): bytes
// of a longer existing file beyond the image are kept. Result 0 or 1.
ResultCode writeRomFile(const std::string& path, const RomImage& image);
ResultCode writeRomFile(const std::string& path, const RomImage& image, FileIO::WriteError& error);

// The edition the open dialogue's "All Supported Types" line gives a file name: NES when
// its last three letters are "NES" in any case, else SNES.
ConsoleKind kindFromFileName(const std::string& fileName);

// The file name extension of each edition's images: ".nes" and ".smc" ("" for any other kind).
const char* extensionOf(ConsoleKind kind);
// The edition a file's extension names, in any case: NES for ".nes", SNES for ".smc",
// None for any other name (a file named on the command line or dropped onto the window).
ConsoleKind kindFromExtension(const std::string& fileName);

}  // namespace RomFile
