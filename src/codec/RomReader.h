#pragma once
#include "base/OffsetSet.h"
#include "base/ResultCode.h"
#include "base/RomImage.h"
#include "model/clsProject.h"

// Decodes the league of an image into project: 27 teams with names, points, uniforms
// and players, then the all-star rosters and the schedule. Reading never leaves the
// image: a table, pointer or text outside it gives a non-zero result. An offset set that
// fails OffsetCheck::check for the image gives 1 before anything is decoded.
ResultCode loadProjectFromRom(clsProject& project, const RomImage& rom, const OffsetSet& offsets, ConsoleKind kind);
