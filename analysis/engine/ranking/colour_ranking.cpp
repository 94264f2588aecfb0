#include "analysis/engine/ranking/colour_ranking.h"

#include <algorithm>
#include <vector>

#include "common/files/text_file.h"
#include "common/text/convert.h"

namespace analysis {

std::string rankColourRecords(std::string_view colourResultsText) {
    struct Keyed {
        double key;
        std::string line;
    };
    std::vector<Keyed> records;
    auto reader = common::TextFileReader::fromText(std::string(colourResultsText));
    while (!reader.eof()) {
        std::string line = reader.lineInput();
        const auto h = line.find('H');
        if (h == std::string::npos) {
            break;
        }
        records.push_back({common::Val(std::string_view(line).substr(0, h)), std::move(line)});
    }
    std::stable_sort(records.begin(), records.end(),
                     [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
    std::string text;
    for (const Keyed& record : records) {
        text += record.line;
        text += "\xA3\r\n";
    }
    text += "99999\r\n";
    return text;
}

}  // namespace analysis
