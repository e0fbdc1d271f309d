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

// A moment as the clock on the wall shows it where the program runs.
struct LocalTime {
    int year = 1970, month = 1, day = 1;  // month 1..12, day 1..31
    int hour = 0, minute = 0, second = 0;
    auto operator<=>(const LocalTime&) const = default;
};

// The local time now.
LocalTime localTimeNow();

// Makes a console window show the program's UTF-8 output as such (Windows); output to a
// file or a pipe is the same bytes on every platform.
void useUtf8Console();

}  // namespace Platform
