#pragma once
#include <string>

#include "base/ResultCode.h"
#include "base/RomImage.h"

// Synthetic images of both editions carrying an invented league at the default offsets,
// with a small player figure of our own in the tile formats the uniform preview reads.
// They let a new user try the editor without a cartridge image of their own.
namespace DemoRom {

// 16-byte header + 0x60000 bytes, "NES" at the start.
RomImage makeNes();
// 0x100000 bytes, the game's title at 0x7FC0.
RomImage makeSnes();
// Writes DIR/demo.nes and DIR/demo.smc.
ResultCode writeDemoRoms(const std::string& dir);

}  // namespace DemoRom
