// A Results.tmp record as the comparison run writes it, from names and scores built from the
// fuzzer's bytes, must rank with the same name, description, scores and link.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "analysis/engine/comparison/candidate_file.h"
#include "analysis/engine/comparison/result_records.h"
#include "analysis/engine/ranking/top_nine.h"
#include "common/text/error.h"
#include "fuzz/fuzz_input.h"

namespace {

bool holdsAny(std::string_view text, std::string_view marks) {
    return text.find_first_of(marks) != std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider bytes(data, size);
    const std::string name = bytes.ConsumeRandomLengthString(40);
    const std::string info = bytes.ConsumeRandomLengthString(40);
    const std::string link = bytes.ConsumeRandomLengthString(40);
    const std::string urlLine = link.empty() ? std::string() : "[" + link + "]";
    analysis::PairScores scores;
    scores.Weighted.OverallScore = bytes.ConsumeIntegral<std::int16_t>();
    // The feature scores are found between double blanks, which a minus sign would fill; a run
    // weighs feature scores of 0 to 100.
    scores.Weighted.WeightedEyesScore = bytes.ConsumeIntegralInRange<std::int16_t>(0, 32767);
    scores.Weighted.WeightedNoseScore = bytes.ConsumeIntegralInRange<std::int16_t>(0, 32767);
    scores.Weighted.WeightedMouthScore = bytes.ConsumeIntegralInRange<std::int16_t>(0, 32767);
    scores.ColourScore = bytes.ConsumeIntegral<std::int16_t>();
    scores.ProfileScore = bytes.ConsumeIntegral<std::int16_t>();

    // A record is one line, its fields found by their marks.
    if (holdsAny(name + info + link, "\r\n=~[]") || name.find(" -") != std::string::npos) {
        return 0;
    }
    const std::string line = analysis::resultsRecord({name, info, urlLine}, scores);
    analysis::ResultRecord record;
    try {
        record = analysis::parseResultRecord(line.substr(0, line.size() - 2));
    } catch (const common::Error&) {
        fuzz::check(false, "a record the run writes can be ranked");
    }
    fuzz::check(record.name == name && record.info == info, "name and description read back");
    fuzz::check(record.total == scores.Weighted.OverallScore, "the total reads back");
    fuzz::check(record.eyes == scores.Weighted.WeightedEyesScore &&
                    record.nose == scores.Weighted.WeightedNoseScore &&
                    record.mouth == scores.Weighted.WeightedMouthScore,
                "the feature scores read back");
    fuzz::check(record.link == analysis::linkOf(urlLine), "the link reads back");
    return 0;
}
