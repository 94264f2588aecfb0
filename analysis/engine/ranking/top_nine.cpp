#include "analysis/engine/ranking/top_nine.h"

#include "common/files/text_file.h"
#include "common/text/convert.h"
#include "common/text/int16.h"
#include "common/text/strings.h"

namespace analysis {

namespace {

// Characters from start, length characters long; a start or length that points before the text
// gives the empty text instead of an invalid call, so a hand-edited record ranks with 0.
std::string midOrEmpty(std::string_view text, long long start, long long length) {
    if (start < 1 || length <= 0) {
        return {};
    }
    return common::Mid(text, static_cast<std::size_t>(start), static_cast<std::size_t>(length));
}

std::int16_t score(std::string_view text) {
    return common::toInt16(common::Val(text));
}

}  // namespace

void TopNine::ClearTopNine() {
    for (std::size_t i = 1; i <= 9; ++i) {
        TopNames[i] = "A";
        TopInfos[i] = "a";
        TopLinks[i] = "0";
        TopTotals[i] = 0;
        TopEyes[i] = 0;
        TopNoses[i] = 0;
        TopMouths[i] = 0;
    }
    FilledPlaces = 0;
}

ResultRecord parseResultRecord(std::string_view line) {
    ResultRecord record;
    const auto e = static_cast<long long>(common::InStr(line, "="));
    const auto t = static_cast<long long>(common::InStr(line, "~"));
    const std::string scores = midOrEmpty(line, e + 1, t - e);
    const auto g1 = static_cast<long long>(scores.empty() ? 0 : common::InStr(2, scores, "  "));
    const auto g2 = static_cast<long long>(
        g1 == 0 ? 0 : common::InStr(static_cast<std::size_t>(g1 + 2), scores, "  "));
    const auto g3 = static_cast<long long>(
        g2 == 0 ? 0 : common::InStr(static_cast<std::size_t>(g2 + 2), scores, "  "));
    record.total = score(g1 == 0 ? scores : midOrEmpty(scores, 1, g1 - 1));
    record.eyes = score(midOrEmpty(scores, g1 + 2, g2 - g1));
    record.nose = score(midOrEmpty(scores, g2 + 2, g3 - g2));
    record.mouth = score(g3 == 0 ? std::string() : midOrEmpty(scores, g3 + 1, 1LL << 30));

    record.link = linkBetweenBrackets(line);

    const std::string head =
        e > 0 ? common::Left(line, static_cast<std::size_t>(e - 1)) : std::string(line);
    const std::size_t d = common::InStr(head, " -");
    if (d == 0) {
        record.name = head;
    } else {
        record.name = common::Left(head, d - 1);
        record.info = common::Mid(head, d + 2);
    }
    return record;
}

std::string linkBetweenBrackets(std::string_view text) {
    const std::size_t open = common::InStr(text, "[");
    if (open == 0) {
        return {};
    }
    const std::size_t close = common::InStr(open + 1, text, "]");
    return close == 0 ? common::Mid(text, open + 1) : common::Mid(text, open + 1, close - open - 1);
}

TopNine RankTopNine(const std::vector<ResultRecord>& records, std::string_view face1Caption) {
    TopNine top;
    for (const ResultRecord& r : records) {
        const bool full = top.FilledPlaces == 9;
        if ((full && r.total < top.TopTotals[9]) || r.name == face1Caption) {
            continue;
        }
        std::size_t place = 9;
        for (std::size_t i = 9; i >= 1; --i) {
            if (!top.filled(i) || r.total > top.TopTotals[i]) {
                place = i;
            }
        }
        for (std::size_t j = 8; j >= place; --j) {
            top.TopNames[j + 1] = top.TopNames[j];
            top.TopInfos[j + 1] = top.TopInfos[j];
            top.TopLinks[j + 1] = top.TopLinks[j];
            top.TopTotals[j + 1] = top.TopTotals[j];
            top.TopEyes[j + 1] = top.TopEyes[j];
            top.TopNoses[j + 1] = top.TopNoses[j];
            top.TopMouths[j + 1] = top.TopMouths[j];
        }
        top.TopNames[place] = r.name;
        top.TopInfos[place] = r.info;
        top.TopLinks[place] = r.link;
        top.TopTotals[place] = r.total;
        top.TopEyes[place] = r.eyes;
        top.TopNoses[place] = r.nose;
        top.TopMouths[place] = r.mouth;
        if (!full) {
            ++top.FilledPlaces;
        }
    }
    return top;
}

TopNine RankTopNine(std::string_view resultsText, std::string_view face1Caption) {
    std::vector<ResultRecord> records;
    auto reader = common::TextFileReader::fromText(std::string(resultsText));
    while (!reader.eof()) {
        const std::string line = reader.lineInput();
        if (line == "99999") {
            break;
        }
        records.push_back(parseResultRecord(line));
    }
    return RankTopNine(records, face1Caption);
}

}  // namespace analysis
