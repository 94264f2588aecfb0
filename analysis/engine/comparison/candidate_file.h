#pragma once

#include <string>

#include "analysis/engine/face_file.h"

namespace analysis {

// A candidate's face data file as the comparison run reads it: the fixed lines, then at most five
// trailer lines. A line holding "[" is the web address only; every other line is tested for both
// the height mark "#" and the colour mark "~".
struct CandidateFile {
    FaceFileContents face;
    // The leading number of the last line holding "#" (and no "["); 0 when none.
    double height = 0;
    // The whole last line holding "[", brackets included; "" when none.
    std::string urlLine;
    // The last line holding "~" (and no "["); "" when none.
    std::string colourLine;
};

// Raises common::Error when the fixed lines cannot be read; the trailer never fails.
CandidateFile parseCandidateFile(std::string text);

// The web address of a web-address line without its brackets ("" for "[]" or no line).
std::string linkOf(const std::string& urlLine);

}  // namespace analysis
