#include "codec/RomWriter.h"

ResultCode saveProjectToRom(clsProject&, RomImage&, const OffsetSet&, ConsoleKind) { return Result::Failed; }
