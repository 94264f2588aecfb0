// A face data file read as a comparison candidate: the fixed lines, then the trailer lines each
// tested for every mark.
#include <cstddef>
#include <cstdint>

#include "analysis/engine/colour_line.h"
#include "analysis/engine/comparison/candidate_file.h"
#include "common/text/error.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    analysis::CandidateFile candidate;
    try {
        candidate = analysis::parseCandidateFile(fuzz::text(data, size));
    } catch (const common::Error&) {
        return 0;
    }
    fuzz::check(candidate.urlLine.empty() || candidate.urlLine.find('[') != std::string::npos,
                "a web-address line holds \"[\"");
    fuzz::check(candidate.colourLine.empty() || candidate.colourLine.find('~') != std::string::npos,
                "a colour line holds \"~\"");
    analysis::parseColourLine(candidate.colourLine);
    const std::string link = analysis::linkOf(candidate.urlLine);
    fuzz::check(link.size() <= candidate.urlLine.size(), "a link is part of its line");
    return 0;
}
