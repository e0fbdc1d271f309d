#pragma once
#include <string>

#include "model/clsProject.h"
#include "settings/ResultCode.h"

// The project file (.tpr): schedule, all-stars and 27 team sections; 6217 lines.
namespace ProjectFile {

ResultCode exportProject(const clsProject& project, const std::string& filename);
// All or nothing: on failure (result 1) the league is exactly as before.
ResultCode importProject(clsProject& project, const std::string& filename);

}  // namespace ProjectFile
