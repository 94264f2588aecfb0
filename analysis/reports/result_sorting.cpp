#include "analysis/reports/result_sorting.h"

#include <algorithm>
#include <numeric>
#include <unordered_set>
#include <vector>

#include "analysis/reports/list_lines.h"
#include "common/text/convert.h"

namespace analysis {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// The value of the 3 characters after the last "{" of a profile record; 0 without one.
double profileKey(std::string_view record) {
    const std::size_t brace = record.rfind('{');
    return brace == std::string_view::npos ? 0 : common::Val(record.substr(brace + 1, 3));
}

std::vector<std::size_t> stableOrder(std::size_t count, const std::vector<double>& keys,
                                     bool descending) {
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys, descending](std::size_t a, std::size_t b) {
        return descending ? keys[a] > keys[b] : keys[a] < keys[b];
    });
    return order;
}

}  // namespace

double results2Total(std::string_view line) {
    const std::size_t blank = line.size() > 1 ? line.find(' ', 1) : std::string_view::npos;
    return common::Val(line.substr(0, blank));
}

// A line taken keeps every line equal to it out of both lists, so each text goes into the sorted
// list once, at the place of its first line.
SortedResults2 sortResults2(std::string_view results2Text) {
    // Every line up to the first "99999" line: later ones are never read.
    const ListLines list = listLines(results2Text);
    const std::vector<std::string_view>& lines = list.records;

    std::vector<std::string_view> candidates;
    std::vector<double> keys;
    std::unordered_set<std::string_view> taken;
    for (std::string_view line : lines) {
        const double key = results2Total(line);
        if (key > 101) {
            break;
        }
        if (key > 0 && taken.insert(line).second) {
            candidates.push_back(line);
            keys.push_back(key);
        }
    }

    SortedResults2 result;
    for (std::size_t i : stableOrder(candidates.size(), keys, true)) {
        result.sorted.append(candidates[i]).append(kCrLf);
    }
    result.sorted.append(kEndLine).append(kCrLf);

    if (candidates.empty()) {
        result.remaining = std::string(results2Text);
        return result;
    }
    for (std::string_view line : lines) {
        if (taken.count(line) == 0) {
            result.remaining.append(line).append(kCrLf);
        }
    }
    if (list.ended) {
        result.remaining.append(kEndLine).append(kCrLf);
    }
    result.remaining.append(kEndLine).append(kCrLf);
    return result;
}

std::string sortProfileResults(std::string_view profileText) {
    const ListLines list = listLines(profileText);
    const std::size_t count = list.records.size();
    std::vector<double> keys(count);
    // What the sort still holds: every record with its line end, and the end line.
    std::size_t held = list.ended ? kEndLine.size() + kCrLf.size() : 0;
    for (std::size_t i = 0; i < count; ++i) {
        keys[i] = std::max(profileKey(list.records[i]), 0.0);
        held += list.records[i].size() + kCrLf.size();
    }
    std::string sorted;
    for (std::size_t i : stableOrder(count, keys, true)) {
        // A remainder shorter than any record is no record.
        if (held < 10) {
            break;
        }
        std::string_view record = list.records[i];
        held -= record.size() + kCrLf.size();
        if (record.ends_with('$')) {
            record.remove_suffix(1);
        }
        sorted.append(record).append(kCrLf);
    }
    sorted.append(kEndLine);
    return sorted;
}

std::string sortHeightResults(std::string_view heightText) {
    const ListLines list = listLines(heightText);
    const std::size_t count = list.records.size();
    std::vector<double> keys(count);
    for (std::size_t i = 0; i < count; ++i) {
        keys[i] = common::Val(list.records[i]);
    }
    const std::vector<std::size_t> order = stableOrder(count, keys, false);
    // Records are taken while one with a height mark is left.
    std::size_t taken = 0;
    for (std::size_t k = 0; k < count; ++k) {
        if (list.records[order[k]].find('#') != std::string_view::npos) {
            taken = k + 1;
        }
    }
    std::string sorted;
    for (std::size_t k = 0; k < taken; ++k) {
        // Each line but the file's first carries the line end of the line before it.
        if (order[k] != 0) {
            sorted.append(kCrLf);
        }
        sorted.append(list.records[order[k]]);
    }
    sorted.append(kCrLf).append(kEndLine);
    return sorted;
}

}  // namespace analysis
