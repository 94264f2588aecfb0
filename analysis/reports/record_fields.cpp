#include "analysis/reports/record_fields.h"

#include "analysis/reports/result_sorting.h"
#include "common/text/convert.h"
#include "common/text/strings.h"

namespace analysis {

namespace {

constexpr std::size_t npos = std::string_view::npos;

std::string_view between(std::string_view text, std::size_t from, std::size_t to) {
    if (from >= text.size() || to <= from) {
        return {};
    }
    return text.substr(from, to - from);
}

// The text in the first brackets at or after from; an unclosed one runs to the end.
std::string_view bracketed(std::string_view line, std::size_t from) {
    const std::size_t open = line.find('[', from);
    if (open == npos) {
        return {};
    }
    return between(line, open + 1, std::min(line.find(']', open + 1), line.size()));
}

}  // namespace

Results2Fields results2Fields(std::string_view line) {
    Results2Fields f;
    f.total = results2Total(line);
    const std::size_t blank = line.size() > 1 ? line.find(' ', 1) : npos;
    if (blank == npos) {
        return f;
    }
    const std::size_t caret = line.find('^', blank + 1);
    f.nameField = between(line, blank + 1, std::min(caret, line.size()));
    if (caret == npos) {
        return f;
    }
    const std::size_t mark = line.rfind(" ~");
    if (mark == npos || mark < caret) {
        f.description = between(line, caret + 1, line.size());
        return f;
    }
    f.description = between(line, caret + 1, mark + 1);
    f.address = bracketed(line, mark + 2);
    return f;
}

// The "[" that opens a height record's description: the one matching the "]" before the record's
// last " ~", so brackets in the name, and balanced ones in the description, stay text. Without
// those marks, the first "[".
std::size_t descriptionOpening(std::string_view line, std::size_t mark) {
    if (mark != npos && mark > 0 && line[mark - 1] == ']') {
        int depth = 0;
        for (std::size_t i = mark - 1; i-- > 0;) {
            if (line[i] == ']') {
                ++depth;
            } else if (line[i] == '[') {
                if (depth == 0) {
                    return i;
                }
                --depth;
            }
        }
    }
    return line.find('[');
}

HeightFields heightFields(std::string_view line) {
    HeightFields f;
    f.height = common::Val(line);
    const std::size_t mark = line.rfind(" ~");
    const std::size_t open = descriptionOpening(line, mark);
    if (open == npos) {
        f.name = between(line, 5, line.size());
        return f;
    }
    // Mid(line, 6, position of "[" - 7).
    f.name = open > 5 ? between(line, 5, open - 1) : std::string_view();
    if (mark != npos && mark > open && line[mark - 1] == ']') {
        f.description = between(line, open + 1, mark - 1);
        f.address = bracketed(line, mark + 2);
    } else {
        f.description = between(line, open + 1, std::min(line.find(']', open + 1), line.size()));
    }
    return f;
}

std::optional<ColourFields> colourFields(std::string_view line) {
    const std::size_t h = line.find('H');
    const std::size_t e = h == npos ? npos : line.find('E', h + 1);
    const std::size_t s = e == npos ? npos : line.find('S', e + 1);
    const std::size_t open = s == npos ? npos : line.find('[', s + 1);
    const std::size_t nameEnd = open == npos ? npos : line.find("]{", open + 1);
    const std::size_t close = line.rfind('}');
    if (nameEnd == npos || close == npos || close < nameEnd + 2) {
        return std::nullopt;
    }
    ColourFields f;
    f.total = common::Trim(line.substr(0, h + 1));
    f.hair = common::Trim(between(line, h + 1, e));
    f.eyes = common::Trim(between(line, e + 1, s));
    f.skin = common::Trim(between(line, s + 1, open));
    f.name = between(line, open + 1, nameEnd);
    f.description = between(line, nameEnd + 2, close);
    return f;
}

ProfileFields profileFields(std::string_view line) {
    ProfileFields f;
    const std::size_t brace = line.rfind('{');
    const std::size_t nameEnd = brace == npos ? line.size() : brace;
    f.name = line.substr(0, nameEnd == 0 ? 0 : nameEnd - 1);
    if (brace == npos) {
        return f;
    }
    f.score = common::Val(line.substr(brace + 1, 3));
    double* subScores[3] = {&f.nose, &f.eyes, &f.mouth};
    std::size_t from = brace + 1;
    for (double* sub : subScores) {
        const std::size_t open = line.find('[', from);
        if (open == npos) {
            break;
        }
        *sub = common::Val(line.substr(open + 1, 3));
        from = open + 1;
    }
    return f;
}

}  // namespace analysis
