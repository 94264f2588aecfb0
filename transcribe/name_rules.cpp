#include "transcribe/name_rules.h"

#include <algorithm>

#include "common/text/cp1252.h"
#include "common/text/strings.h"

namespace transcribe {

namespace {

// Every kind of blank Windows-1252 has, the no-break space included: a name of nothing else
// shows as no name at all.
bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r' ||
           ch == '\xA0';
}

bool isControl(char ch) {
    const auto code = static_cast<unsigned char>(ch);
    return code < 32 || code == 127;
}

}  // namespace

std::optional<std::string> nameRefusal(std::string_view typed) {
    const std::string name = common::Trim(typed);
    if (std::ranges::all_of(name, isBlank) || name.find_first_of("/\\") != std::string::npos) {
        return "Please type the person's name: it names the face data file, so it cannot be "
               "left blank or hold \"/\" or \"\\\".";
    }
    if (name.starts_with('.')) {
        return "The name cannot begin with \".\": the face data file would be a hidden file, "
               "which no program lists.";
    }
    if (std::ranges::any_of(name, isControl)) {
        return "The name cannot hold a control character (such as a tab or a line break): it "
               "names the face data file.";
    }
    if (common::cp1252ToUtf8(name + "4.jpg").size() > kLongestFileName) {
        return "The name is too long: its photos, \"<name>0.jpg\" to \"<name>4.jpg\", would "
               "need file names of more than 255 bytes (an accented letter takes 2, \"\x80\" "
               "takes 3). Please shorten it.";
    }
    return std::nullopt;
}

}  // namespace transcribe
