// The number conversions: any text through Val, and any double's bit pattern through Str and
// StrSingle, must give the value back within the precision of the printed form (15 significant
// digits, 7 for single precision); the 16- and 32-bit stores round or refuse.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "common/text/convert.h"
#include "common/text/error.h"
#include "common/text/int16.h"
#include "fuzz/fuzz_input.h"

namespace {

constexpr double kLargestPrinted = 1.79769313486231e308;

bool near(double printed, double value, double relative, double smallest) {
    return std::fabs(printed - value) <= relative * std::fabs(value) + smallest;
}

void roundTrip(double value) {
    if (!std::isfinite(value)) {
        // Infinity and undefined values have no printed form: a plain error, nothing undefined.
        for (auto print : {+[](double v) { return common::Str(v); },
                           +[](double v) { return common::StrSingle(v); }}) {
            bool refused = false;
            try {
                print(value);
            } catch (const common::Error&) {
                refused = true;
            }
            fuzz::check(refused, "Str refuses a value that is not finite");
        }
        return;
    }
    try {
        fuzz::check(near(common::Val(common::Str(value)), value, 1e-14, 1e-307),
                    "Str then Val gives the value back");
    } catch (const common::Error&) {
        // Fifteen digits round the largest doubles up past the largest one.
        fuzz::check(std::fabs(value) > kLargestPrinted, "Val refuses only what Str rounds up");
    }
    if (std::fabs(value) <= FLT_MAX) {
        const float single = static_cast<float>(value);
        fuzz::check(near(common::Val(common::StrSingle(single)), single, 1e-6, 1e-44),
                    "StrSingle then Val gives the value back");
    }
    if (std::fabs(value) < 9e15) {
        const auto whole = static_cast<long long>(value);
        fuzz::check(common::Val(common::Str(whole)) == static_cast<double>(whole),
                    "whole numbers print exactly");
    }
    fuzz::check(common::Int(value) == std::floor(value),
                "Int is the largest whole number not above the value");
}

void store(double value) {
    try {
        const std::int16_t stored = common::toInt16(value);
        fuzz::check(std::fabs(stored - value) <= 0.5, "a 16-bit store rounds to the nearest");
    } catch (const common::Error&) {
        fuzz::check(!(std::fabs(value) < 32767), "a 16-bit store refuses only what does not fit");
    }
    try {
        const std::int32_t stored = common::toInt32(value);
        fuzz::check(std::fabs(stored - value) <= 0.5, "a 32-bit store rounds to the nearest");
    } catch (const common::Error&) {
        fuzz::check(!(std::fabs(value) < 2147483647.0),
                    "a 32-bit store refuses only what does not fit");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double fromText = 0;
    try {
        fromText = common::Val(fuzz::text(data, size));
    } catch (const common::Error&) {
        return 0;
    }
    roundTrip(fromText);
    store(fromText);
    for (int decimals = 0; decimals <= 4; ++decimals) {
        try {
            common::Round(fromText, decimals);
        } catch (const common::Error&) {
        }
    }
    if (size >= sizeof(double)) {
        double bits = 0;
        std::memcpy(&bits, data, sizeof bits);
        roundTrip(bits);
        store(bits);
    }
    return 0;
}
