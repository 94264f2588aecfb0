#include "tests/analysis/ranking/literal_ranking.h"

#include "common/files/text_file.h"
#include "common/text/convert.h"
#include "common/text/int16.h"
#include "common/text/strings.h"

using namespace common;

namespace oracle {

analysis::TopNine rankTopNineLiterally(std::string_view resultsText,
                                       std::string_view face1Caption) {
    analysis::TopNine top;
    top.ClearTopNine();
    int filled = 0;
    auto file = TextFileReader::fromText(std::string(resultsText));
    for (;;) {
        const std::string line = file.lineInput();
        if (line == "99999") {
            break;
        }
        const std::size_t e = InStr(line, "=");
        const std::size_t t = InStr(line, "~");
        const std::string scoreText = Mid(line, e + 1, t - e);
        const std::size_t g1 = InStr(2, scoreText, "  ");
        const std::size_t g2 = InStr(g1 + 2, scoreText, "  ");
        const std::size_t g3 = InStr(g2 + 2, scoreText, "  ");
        const auto total = toInt16(Val(Mid(scoreText, 1, g1 - 1)));
        const auto eyes = toInt16(Val(Mid(scoreText, g1 + 2, g2 - g1)));
        const auto nose = toInt16(Val(Mid(scoreText, g2 + 2, g3 - g2)));
        const auto mouth = toInt16(Val(Mid(scoreText, g3 + 1)));
        std::string link;
        if (InStr(line, "[") > 0) {
            const std::size_t open = InStr(line, "[");
            link = Mid(line, open + 1, InStr(open, line, "]") - open - 1);
        }
        const std::string nameAndInfo = Left(line, e - 1);
        const std::size_t d = InStr(nameAndInfo, " -");
        const std::string name = Mid(nameAndInfo, 1, d - 1);
        const std::string info = Mid(nameAndInfo, d + 2);
        if ((filled == 9 && total < top.TopTotals[9]) || name == face1Caption) {
            continue;
        }
        // A place not filled yet is beaten by any record, a filled one by a greater total.
        int place = 9;
        for (int i = 9; i >= 1; --i) {
            if (i > filled || total > top.TopTotals[static_cast<std::size_t>(i)]) {
                place = i;
            }
        }
        for (int j = 8; j >= place; --j) {
            const auto from = static_cast<std::size_t>(j);
            top.TopNames[from + 1] = top.TopNames[from];
            top.TopInfos[from + 1] = top.TopInfos[from];
            top.TopLinks[from + 1] = top.TopLinks[from];
            top.TopTotals[from + 1] = top.TopTotals[from];
            top.TopEyes[from + 1] = top.TopEyes[from];
            top.TopNoses[from + 1] = top.TopNoses[from];
            top.TopMouths[from + 1] = top.TopMouths[from];
        }
        const auto p = static_cast<std::size_t>(place);
        top.TopNames[p] = name;
        top.TopInfos[p] = info;
        top.TopLinks[p] = link;
        top.TopTotals[p] = total;
        top.TopEyes[p] = eyes;
        top.TopNoses[p] = nose;
        top.TopMouths[p] = mouth;
        if (filled < 9) {
            ++filled;
        }
    }
    top.FilledPlaces = static_cast<std::size_t>(filled);
    return top;
}

std::string rankColourResultsLiterally(std::string_view colourResultsText) {
    std::string working;
    {
        auto file = TextFileReader::fromText(std::string(colourResultsText));
        while (!file.eof()) {
            const std::string line = file.lineInput();
            const std::size_t h = InStr(line, "H");
            if (h > 0) {
                working += Left(line, h) + "\r\n";
            }
        }
    }
    working += "99999H\r\n";
    std::string pending = working;
    working.clear();
    for (;;) {
        // One scan: the smallest key before the sentinel, the last of equal keys winning.
        std::size_t pos = 1;
        std::size_t pickedAt = 0;
        double picked = 0;
        for (;;) {
            const std::size_t h = InStr(pos, pending, "H");
            const double value = Val(Mid(pending, pos, h - pos));
            if (value >= 9999) {
                break;
            }
            if (pickedAt == 0 || value <= picked) {
                picked = value;
                pickedAt = pos;
            }
            pos = h + 3;
        }
        if (pickedAt == 0) {
            break;
        }
        std::string key = Str(picked);
        if (key.size() == 2) {
            key = "0" + key;
        } else if (key.size() == 4) {
            key = key.substr(1);
        }
        working += key + "H\r\n";
        const std::size_t h = InStr(pickedAt, pending, "H");
        pending.erase(pickedAt - 1, h + 2 - (pickedAt - 1));
    }
    for (char& c : working) {
        if (c == 'H') {
            c = '\xA3';
        }
    }
    auto file = TextFileReader::fromText(std::string(colourResultsText));
    while (!file.eof()) {
        const std::string line = file.lineInput();
        const std::size_t h = InStr(line, "H");
        if (h == 0) {
            break;
        }
        const double key = Val(Left(line, h - 1));
        std::size_t start = 1;
        for (;;) {
            const std::size_t mark = InStr(start, working, "\xA3");
            if (mark == 0) {
                break;
            }
            // A segment runs from the search position to the next key mark; the line end that
            // opens it belongs to the line before.
            const std::size_t lineStart = Mid(working, start, 2) == "\r\n" ? start + 2 : start;
            const std::string segment = Mid(working, lineStart, mark - lineStart);
            if (InStr(segment, "[") == 0 && Val(segment) == key) {
                working.replace(lineStart - 1, mark - lineStart, line);
                break;
            }
            start = mark + 1;
        }
    }
    return working + "99999\r\n";
}

}  // namespace oracle
