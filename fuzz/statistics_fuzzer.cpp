// Upper.vis, Lower.vis and Median.vis (NUL-separated in one input) read in step by the analysis
// program.
#include <cstddef>
#include <cstdint>

#include "analysis/engine/statistics_loading.h"
#include "common/text/error.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto parts = fuzz::files(fuzz::text(data, size), 3);
    auto upper = common::TextFileReader::fromText(std::move(parts[0]));
    auto lower = common::TextFileReader::fromText(std::move(parts[1]));
    auto median = common::TextFileReader::fromText(std::move(parts[2]));
    analysis::FaceStatistics statistics;
    try {
        analysis::readStatistics(upper, lower, median, statistics);
    } catch (const common::Error&) {
    }
    return 0;
}
