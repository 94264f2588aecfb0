// Prefs.prf: whatever is read, damaged lines and all, is saved and read back, and must come back
// equal.
#include <cstddef>
#include <cstdint>

#include "analysis/mainwindow/prefs_file.h"
#include "fuzz/fuzz_input.h"

namespace {

bool same(const analysis::PrefsValues& a, const analysis::PrefsValues& b) {
    return a.weights == b.weights && a.plotBackgroundColour == b.plotBackgroundColour &&
           a.plotColourA == b.plotColourA && a.plotColourB == b.plotColourB &&
           a.plotColourC == b.plotColourC && a.autoTopTen == b.autoTopTen &&
           a.imperialUnits == b.imperialUnits && a.quickKeys == b.quickKeys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    analysis::PrefsValues fallback;
    fallback.weights.fill(20);
    const analysis::PrefsReading reading =
        analysis::parsePrefsFile(fuzz::text(data, size), fallback);
    const std::string saved = analysis::prefsFileText(reading.values);
    const analysis::PrefsReading readBack = analysis::parsePrefsFile(saved, fallback);
    fuzz::check(readBack.damagedLines.empty(), "saved preferences are not damaged");
    fuzz::check(same(reading.values, readBack.values), "saved preferences read back equal");
    fuzz::check(analysis::prefsFileText(readBack.values) == saved,
                "a second save writes the same bytes");
    return 0;
}
