#include "codec/DemoRom.h"

namespace DemoRom {
RomImage makeNes() { return {}; }
RomImage makeSnes() { return {}; }
ResultCode writeDemoRoms(const std::string&) { return Result::Failed; }
}  // namespace DemoRom
