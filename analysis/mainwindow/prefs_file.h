#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace analysis {

// The settings kept in Prefs.prf.
struct PrefsValues {
    // Eye, nose, mouth, jawline, profile, colouration and accuracy weights, 0 to 20 each.
    std::array<int, 7> weights{};
    std::int32_t plotBackgroundColour = 0;
    std::int32_t plotColourA = 0;
    std::int32_t plotColourB = 0;
    std::int32_t plotColourC = 0;
    bool autoTopTen = false;
    bool imperialUnits = false;
    // Quick keys F1 to F10: face data file names without ".txt".
    std::array<std::string, 10> quickKeys;
};

// The 25 lines of Prefs.prf, CR LF each.
std::string prefsFileText(const PrefsValues& prefs);

// Reads Prefs.prf text. Line 12 "A" turns automatic quick keys on and line 13 "I" imperial units;
// anything else leaves them off. A short file, a line that is not a number where one is read, a
// number out of range or a weight outside 0..20 raises common::Error, so the caller can keep its
// design values whole.
PrefsValues parsePrefsFile(std::string_view text);

}  // namespace analysis
