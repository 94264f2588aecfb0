#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// Prefs.prf as read: the settings, and the file lines (1-based) that could not be read.
struct PrefsReading {
    PrefsValues values;
    std::vector<int> damagedLines;
};

// Reads Prefs.prf text line by line. Line 12 "A" turns automatic quick keys on and line 13 "I"
// imperial units; anything else leaves them off. A damaged line takes its setting from fallback
// alone and is named in damagedLines: a missing line, a weight that is not a number or lies
// outside 0..20, a colour whose value does not fit 32 bits (colours are read as far as they are
// a number, so "red" is 0). Every other setting is read as the file holds it.
PrefsReading parsePrefsFile(std::string_view text, const PrefsValues& fallback);

}  // namespace analysis
