// Results.tmp and ColourResults.tmp (NUL-separated in one input) ranked after a run: the nine
// places in order of their totals, the colour records in order of their keys.
#include <cstddef>
#include <cstdint>

#include "analysis/engine/ranking/colour_ranking.h"
#include "analysis/engine/ranking/top_nine.h"
#include "common/files/text_file.h"
#include "common/text/convert.h"
#include "common/text/error.h"
#include "fuzz/fuzz_input.h"

namespace {

constexpr std::string_view kFace1 = "Anna";

void rankPlaces(const std::string& results) {
    try {
        const analysis::TopNine top = analysis::RankTopNine(results, kFace1);
        fuzz::check(top.FilledPlaces <= 9, "at most nine places filled");
        for (std::size_t place = 1; place <= top.FilledPlaces; ++place) {
            fuzz::check(top.TopNames[place] != kFace1, "face 1 never ranks");
            if (place < top.FilledPlaces) {
                fuzz::check(top.TopTotals[place] >= top.TopTotals[place + 1],
                            "ranked places in order of their totals");
            }
        }
    } catch (const common::Error&) {
    }
}

void rankColours(const std::string& colours) {
    std::string ranked;
    try {
        ranked = analysis::rankColourRecords(colours);
    } catch (const common::Error&) {
        return;
    }
    fuzz::check(ranked.ends_with(analysis::kNoColourResults), "the colour list ends at 99999");
    auto reader = common::TextFileReader::fromText(ranked);
    double previous = 0;
    bool first = true;
    for (std::string line = reader.lineInput(); line != "99999"; line = reader.lineInput()) {
        const double key = common::Val(std::string_view(line).substr(0, line.find('H')));
        fuzz::check(first || !(key < previous), "colour records in order of their keys");
        previous = key;
        first = false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::files(fuzz::text(data, size), 2);
    rankPlaces(parts[0]);
    rankColours(parts[1]);
    return 0;
}
