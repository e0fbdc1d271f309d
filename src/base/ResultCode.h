#pragma once
#include <cstdint>

// Result of every file, codec and interchange operation: 0 is success, 1 a general
// failure, higher values name a specific failure of the operation that returns them.
using ResultCode = std::int16_t;

namespace Result {
constexpr ResultCode Ok = 0;
constexpr ResultCode Failed = 1;
}  // namespace Result

// Which edition of the game an image holds: 0 while nothing is open.
using ConsoleKind = std::int16_t;

namespace Console {
constexpr ConsoleKind None = 0;
constexpr ConsoleKind Nes = 1;
constexpr ConsoleKind Snes = 2;
}  // namespace Console
