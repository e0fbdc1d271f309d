#include "cli/SpaceTable.h"

#include <iomanip>
#include <ostream>

namespace cli {

void printSpaceTable(const SpaceReport& space, std::ostream& out) {
    out << std::left << std::setw(18) << "Region" << std::right << std::setw(6) << "Used" << std::setw(11)
        << "Available" << std::setw(6) << "Left"
        << "\n";
    for (const SpaceRegion& r : space.regions)
        out << std::left << std::setw(18) << r.name << std::right << std::setw(6) << r.used << std::setw(11)
            << r.available << std::setw(6) << r.available - r.used << "\n";
    out << std::left;
}

}  // namespace cli
