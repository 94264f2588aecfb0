#include "tests/analysis/reports/literal_sorting.h"

#include <vector>

#include "analysis/reports/list_lines.h"
#include "analysis/reports/result_sorting.h"
#include "common/text/convert.h"

namespace literal {

namespace {
constexpr std::string_view kCrLf = "\r\n";
}  // namespace

Results2Files sortResults2(std::string results2) {
    std::string sorted;
    for (;;) {
        std::string best;
        double bestKey = 0;
        bool allOut = true;
        for (std::string_view line : analysis::splitLines(results2)) {
            const double key = analysis::results2Total(line);
            if (key > 101) {
                allOut = bestKey == 0;
                break;
            }
            if (key > bestKey) {
                best = line;
                bestKey = key;
            }
        }
        if (allOut) {
            break;
        }
        sorted += best + "\r\n";
        std::string hidden;
        for (std::string_view line : analysis::splitLines(results2)) {
            if (line != best) {
                hidden.append(line).append(kCrLf);
            }
            if (line == "99999") {
                break;
            }
        }
        results2 = hidden + "99999\r\n";
    }
    sorted += "99999\r\n";
    return {sorted, results2};
}

std::string sortProfileResults(std::string_view profiles) {
    std::string buffer;
    for (std::string_view line : analysis::splitLines(profiles)) {
        buffer.append(line).append(kCrLf);
        if (line == "99999") {
            break;
        }
    }
    std::string out;
    for (;;) {
        std::size_t start = 0;
        std::size_t chosen = std::string::npos;
        double chosenKey = 0;
        for (;;) {
            const std::size_t brace = buffer.find('{', start);
            const std::size_t dollar = buffer.find('$', start);
            if (brace == std::string::npos || dollar == std::string::npos) {
                break;
            }
            const double key = common::Val(buffer.substr(brace + 1, 3));
            if (key > chosenKey) {
                chosen = start;
                chosenKey = key;
            }
            start = dollar + 3;
        }
        if (chosen == std::string::npos) {
            chosen = 0;
        }
        if (buffer.size() < 10) {
            break;
        }
        const std::size_t dollar = buffer.find('$', chosen);
        out += buffer.substr(chosen, dollar - chosen) + "\r\n";
        buffer.erase(chosen, dollar - chosen + 3);
    }
    return out + "99999";
}

std::string sortHeightResults(std::string_view heights) {
    std::string buffer;
    for (std::string_view line : analysis::splitLines(heights)) {
        buffer.append(line).append("$\r\n");
        if (line == "99999") {
            break;
        }
    }
    std::string out;
    for (;;) {
        if (buffer.find('#') == std::string::npos) {
            out += "\r\n99999";
            break;
        }
        std::size_t start = 0;
        std::size_t chosen = std::string::npos;
        std::size_t chosenEnd = 0;
        double chosenKey = 0;
        for (;;) {
            const std::size_t dollar = buffer.find('$', start);
            if (dollar == std::string::npos) {
                break;
            }
            const double key = common::Val(buffer.substr(start, dollar - start));
            if (key > 999) {
                break;
            }
            if (chosen == std::string::npos || key < chosenKey) {
                chosen = start;
                chosenEnd = dollar;
                chosenKey = key;
            }
            start = dollar + 1;
        }
        out += buffer.substr(chosen, chosenEnd - chosen);
        buffer.erase(chosen, chosenEnd - chosen + 1);
    }
    return out;
}

}  // namespace literal
