#include "analysis/engine/comparison/candidate_file.h"

#include "common/text/convert.h"
#include "common/text/error.h"
#include "common/text/strings.h"

namespace analysis {

CandidateFile parseCandidateFile(std::string text) {
    auto file = common::TextFileReader::fromText(std::move(text));
    CandidateFile candidate;
    readFixedPart(file, candidate.face);
    // A line holding "[" is the web address and nothing else: an address may well hold "~" or
    // "#", and taking it for the colour line or the height would throw the candidate's own away.
    try {
        for (int i = 0; i < 5 && !file.eof(); ++i) {
            const std::string line = file.lineInput();
            if (line.find('[') != std::string::npos) {
                candidate.urlLine = line;
                continue;
            }
            if (line.find('#') != std::string::npos) {
                candidate.height = common::Val(line);
            }
            if (line.find('~') != std::string::npos) {
                candidate.colourLine = line;
            }
        }
    } catch (const common::Error&) {
        // A number too large for any field ends the trailer, as the end of the file does.
    }
    return candidate;
}

std::string linkOf(const std::string& urlLine) {
    return urlLine.size() <= 2 ? std::string() : common::Mid(urlLine, 2, urlLine.size() - 2);
}

}  // namespace analysis
