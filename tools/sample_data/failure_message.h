#pragma once

#include <string>

#include "common/text/error.h"

namespace sample {

// The words make_sample_data shows when it refuses or fails to draw: the file it names in UTF-8,
// what went wrong in plain words and what to do; never an error number.
std::string failureMessage(const common::Error& error);

}  // namespace sample
