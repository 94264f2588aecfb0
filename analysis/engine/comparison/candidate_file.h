#pragma once

#include <string>

#include "analysis/engine/face_file.h"

namespace analysis {

// A candidate's face data file as the comparison run reads it: the fixed lines, then at most five
// trailer lines, each tested for every mark.
struct CandidateFile {
    FaceFileContents face;
    // The leading number of the last line holding "#"; 0 when none.
    double height = 0;
    // The whole last line holding "[", brackets included; "" when none.
    std::string urlLine;
    // The last line holding "~"; "" when none.
    std::string colourLine;
};

// Raises common::Error when the fixed lines cannot be read; the trailer never fails.
CandidateFile parseCandidateFile(std::string text);

// The web address of a web-address line without its brackets ("" for "[]" or no line).
std::string linkOf(const std::string& urlLine);

}  // namespace analysis
