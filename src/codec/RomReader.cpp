#include "codec/RomReader.h"

ResultCode loadProjectFromRom(clsProject&, const RomImage&, const OffsetSet&, ConsoleKind) { return Result::Failed; }
