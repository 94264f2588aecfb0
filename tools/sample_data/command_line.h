#pragma once

#include <span>
#include <string>
#include <string_view>

namespace sample {

// What make_sample_data's command line asks for.
struct CommandLine {
    enum class Kind {
        // Draw the database into folder, and a starting Prefs.prf at prefs unless it is empty.
        Draw,
        // --help or -h anywhere: the usage on standard output, nothing drawn.
        Help,
        // The usage on standard error, nothing drawn.
        Wrong,
    };
    Kind kind = Kind::Wrong;
    std::string folder;
    std::string prefs;
};

// Reads the arguments after the program's name. The folder is the one argument not beginning
// with "-": an unknown option is never taken for a folder, so no folder is made under its name.
// The same holds for the file after --prefs.
CommandLine parseCommandLine(std::span<const std::string_view> args);

inline constexpr std::string_view kUsage =
    "usage: make_sample_data <folder> [--prefs <Prefs.prf>]\n"
    "Draws the sample database into the folder, made when missing; with --prefs also a starting\n"
    "Prefs.prf, unless that file exists. A folder holding a face data file (*.txt) that is not\n"
    "a sample face is refused.\n"
    "Exit codes: 0 drawn, or this help (--help, -h); 1 refused or not drawn; 2 wrong command "
    "line.\n";

}  // namespace sample
