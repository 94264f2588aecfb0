// Prefs.prf: whatever reads without an error is saved and read back, and must come back equal.
#include <cstddef>
#include <cstdint>

#include "analysis/mainwindow/prefs_file.h"
#include "common/text/error.h"
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
    analysis::PrefsValues prefs;
    try {
        prefs = analysis::parsePrefsFile(fuzz::text(data, size));
    } catch (const common::Error&) {
        return 0;
    }
    const std::string saved = analysis::prefsFileText(prefs);
    analysis::PrefsValues readBack;
    try {
        readBack = analysis::parsePrefsFile(saved);
    } catch (const common::Error&) {
        fuzz::check(false, "saved preferences read back");
    }
    fuzz::check(same(prefs, readBack), "saved preferences read back equal");
    fuzz::check(analysis::prefsFileText(readBack) == saved, "a second save writes the same bytes");
    return 0;
}
