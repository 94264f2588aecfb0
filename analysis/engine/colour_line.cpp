#include "analysis/engine/colour_line.h"

#include "common/text/convert.h"
#include "common/text/error.h"
#include "common/text/int16.h"
#include "common/text/strings.h"

namespace analysis {

std::optional<FaceColours> parseColourLine(std::string_view line) {
    const std::size_t p1 = common::InStr(2, line, "~");
    const std::size_t p2 = p1 == 0 ? 0 : common::InStr(p1 + 1, line, "~");
    const std::size_t p3 = p2 == 0 ? 0 : common::InStr(p2 + 1, line, "~");
    if (p3 == 0) {
        return std::nullopt;
    }
    const auto value = [line](std::size_t from, std::size_t to) {
        return common::toInt32(common::Val(common::Mid(line, from, to - from)));
    };
    try {
        return FaceColours{value(2, p1), value(p1 + 1, p2), value(p2 + 1, p3)};
    } catch (const common::Error&) {
        return std::nullopt;
    }
}

}  // namespace analysis
