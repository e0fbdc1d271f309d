#pragma once
#include <string>

#include "model/clsProject.h"
#include "settings/ResultCode.h"

// Ranking reports of one rating over all 324 roster players.
namespace AttributeReport {

// "Run Speed", "Jumping", "Stealing", "Blocking", "Shooting Range", "Stamina"; else "".
std::string getAttributeName(int attribute);

// Gathers, ranks (comb sort, highest first) and writes the report. A display value
// outside 0..255 fails before the file is touched.
ResultCode writeSortedList(const clsProject& project, const std::string& filename, int attribute, bool byposition);

}  // namespace AttributeReport
