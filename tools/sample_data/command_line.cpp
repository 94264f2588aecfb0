#include "tools/sample_data/command_line.h"

#include <algorithm>

namespace sample {

namespace {

bool isOption(std::string_view arg) {
    return arg.starts_with("-");
}

}  // namespace

CommandLine parseCommandLine(std::span<const std::string_view> args) {
    CommandLine line;
    if (std::ranges::any_of(args,
                            [](std::string_view arg) { return arg == "--help" || arg == "-h"; })) {
        line.kind = CommandLine::Kind::Help;
        return line;
    }
    bool haveFolder = false;
    bool havePrefs = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--prefs" && !havePrefs && i + 1 < args.size() && !args[i + 1].empty() &&
            !isOption(args[i + 1])) {
            line.prefs = args[++i];
            havePrefs = true;
        } else if (!haveFolder && !arg.empty() && !isOption(arg)) {
            line.folder = arg;
            haveFolder = true;
        } else {
            return {};
        }
    }
    if (haveFolder) {
        line.kind = CommandLine::Kind::Draw;
    }
    return line;
}

}  // namespace sample
