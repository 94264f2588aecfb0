#include "tools/sample_data/failure_message.h"

#include "common/text/cp1252.h"

namespace sample {

std::string failureMessage(const common::Error& error) {
    const std::string file = common::heldToUtf8(error.file());
    switch (error.code()) {
        case common::ErrorCode::InvalidCall:
            // The only refusal: a face data file of the user's own, which the statistics drawn
            // for the sample faces would leave out.
            return file + " is not a face of the sample database; choose an empty or new folder";
        case common::ErrorCode::PathNotFound:
            return "the folder " + file + " could not be made (" + error.reason() +
                   "); choose another folder";
        default:
            return file + " could not be written (" + error.reason() +
                   "); free some space or choose a folder you may write to";
    }
}

}  // namespace sample
