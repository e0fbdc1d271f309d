#pragma once
#include <cstdint>

#include "base/OffsetSet.h"
#include "base/ResultCode.h"
#include "base/RomImage.h"

// Bytes in which two images of one edition differ apart from their leagues: the bytes at
// which they differ that lie in none of the regions the reader reads and the writer
// rewrites (OffsetCheck::regions for the offsets), plus the difference of their lengths.
// Bytes beyond the shorter image count once each, as the length difference.
std::int64_t countBytesDifferingOutside(const RomImage& a, const RomImage& b, const OffsetSet& offsets,
                                        ConsoleKind kind);
