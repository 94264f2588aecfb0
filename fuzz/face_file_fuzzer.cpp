// A face data file read as face 1. The comparison run reads the same fixed lines of a candidate,
// so the two readers must agree on whether the file can be read and on what it says.
#include <cstddef>
#include <cstdint>

#include "analysis/engine/comparison/candidate_file.h"
#include "analysis/engine/face_file.h"
#include "common/text/error.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = fuzz::text(data, size);
    bool faceRead = false;
    analysis::FaceFileContents face;
    try {
        face = analysis::parseFaceFile(input);
        faceRead = true;
    } catch (const common::Error&) {
    }
    bool candidateRead = false;
    analysis::CandidateFile candidate;
    try {
        candidate = analysis::parseCandidateFile(input);
        candidateRead = true;
    } catch (const common::Error&) {
    }
    fuzz::check(faceRead == candidateRead, "face 1 and candidate readers agree on the fixed lines");
    if (faceRead) {
        fuzz::check(face.name == candidate.face.name && face.info == candidate.face.info,
                    "same name and description as a candidate");
        for (int i = 1; i <= analysis::kFileCoordCount; ++i) {
            fuzz::check(face.coords[i] == candidate.face.coords[i], "same coordinates");
        }
        analysis::withPortraitOnlyTag(face.info, "Portrait only");
    }
    return 0;
}
