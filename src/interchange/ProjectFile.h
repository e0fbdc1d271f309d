#pragma once
#include <string>

#include "model/clsProject.h"
#include "base/ResultCode.h"

// The project file (.tpr): schedule, all-stars and 27 team sections; 6217 lines.
namespace ProjectFile {

ResultCode exportProject(const clsProject& project, const std::string& filename);
// All or nothing: on failure (result 1) the league is exactly as before.
ResultCode importProject(clsProject& project, const std::string& filename);

// The whole text that exportProject writes.
std::string projectText(const clsProject& project);
// The text of a project file held in memory: the cleared league (clearProject) with every
// line applied. All or nothing, as importProject.
ResultCode importProjectText(clsProject& project, std::string text);

}  // namespace ProjectFile
