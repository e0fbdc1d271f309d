#pragma once
#include <string>
#include <vector>

// What the program learns from the system it runs on: where it lies, its environment and its
// command line, all as UTF-8 text whatever the platform's own encoding.
namespace Platform {

// The folder of the running program; the current folder when the system does not tell.
std::string programFolder();

// The value of an environment variable, "" when it is unset.
std::string environment(const char* name);

// The command line's arguments after the program's name. On Windows they are read again
// from the wide command line, since argv holds them in the system's code page, which loses
// every letter it has no room for.
std::vector<std::string> arguments(int argc, char** argv);

// Makes a console window show the program's UTF-8 output as such (Windows); output to a
// file or a pipe is the same bytes on every platform.
void useUtf8Console();

}  // namespace Platform
