#pragma once
#include <iosfwd>

#include "codec/SpaceReport.h"

namespace cli {

// The table of the regions a save rebuilds, as info and check print it: a header line,
// then per region its name, the bytes used, available and left (negative when over).
void printSpaceTable(const SpaceReport& space, std::ostream& out);

}  // namespace cli
