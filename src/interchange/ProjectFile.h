#pragma once
#include <string>

#include "base/FileIO.h"
#include "base/LineReport.h"
#include "base/ResultCode.h"
#include "model/clsProject.h"

// The project file (.tpr): schedule, all-stars and 27 team sections; 6217 lines.
namespace ProjectFile {

// Writes projectText; a league with a name that cannot travel in a file is not written,
// and the cause of the failure names the team or player ("team 5 player 3 first: byte 0x0D
// is a control character", see TeamFile::nameFault).
ResultCode exportProject(const clsProject& project, const std::string& filename);
ResultCode exportProject(const clsProject& project, const std::string& filename, FileIO::WriteError& error);

// All or nothing: on failure (result 1) the league is exactly as before. A file that
// lacks anything the writer writes fails like one with a bad value: the schedule section
// with all 2214 bytes, the all-star section with its east= and west= lines of 48
// hexadecimal digits each, and the 27 team sections, each complete as a team file is;
// every section closed by "@END". The second form says where and why.
ResultCode importProject(clsProject& project, const std::string& filename);
ResultCode importProject(clsProject& project, const std::string& filename, LineReport& report);

// The whole text that exportProject writes.
std::string projectText(const clsProject& project);
// The text of a project file held in memory: the cleared league (clearProject) with every
// line applied. All or nothing, as importProject.
ResultCode importProjectText(clsProject& project, std::string text);
ResultCode importProjectText(clsProject& project, std::string text, LineReport& report);

}  // namespace ProjectFile
