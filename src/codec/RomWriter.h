#pragma once
#include "base/OffsetSet.h"
#include "base/ResultCode.h"
#include "base/RomImage.h"
#include "model/clsProject.h"

// Encodes the league into the image: rebuilds the abbreviation, city and mascot tables
// and the player area, rewrites ratings, points, all-stars, schedule and uniforms.
// 0 success; 2 abbreviations, 3 cities, 4 mascots, 5 players too long; 1 anything else,
// among it an offset set that fails OffsetCheck::check for the image (nothing written).
ResultCode saveProjectToRom(clsProject& project, RomImage& rom, const OffsetSet& offsets, ConsoleKind kind);
