#include "analysis/mainwindow/prefs_file.h"

#include "common/files/text_file.h"
#include "common/text/convert.h"
#include "common/text/error.h"
#include "common/text/int16.h"

namespace analysis {

std::string prefsFileText(const PrefsValues& prefs) {
    std::string text;
    for (int weight : prefs.weights) {
        text += common::Str(weight) + "\r\n";
    }
    for (std::int32_t colour :
         {prefs.plotBackgroundColour, prefs.plotColourA, prefs.plotColourB, prefs.plotColourC}) {
        text += common::Str(static_cast<long long>(colour)) + "\r\n";
    }
    text += prefs.autoTopTen ? "A" : "O";
    text += "\r\n";
    text += prefs.imperialUnits ? "I" : "M";
    text += "\r\n\r\n";
    for (const std::string& name : prefs.quickKeys) {
        text += name + "\r\n";
    }
    text += "\r\n";
    return text;
}

PrefsValues parsePrefsFile(std::string_view text) {
    PrefsValues prefs;
    auto reader = common::TextFileReader::fromText(std::string(text));
    for (int& weight : prefs.weights) {
        weight = common::toInt16(common::Val(reader.inputItem()));
        if (weight < 0 || weight > 20) {
            throw common::Error(common::ErrorCode::InvalidPropertyValue, "weight outside 0..20");
        }
    }
    for (std::int32_t* colour : {&prefs.plotBackgroundColour, &prefs.plotColourA,
                                 &prefs.plotColourB, &prefs.plotColourC}) {
        *colour = common::toInt32(common::Val(reader.lineInput()));
    }
    prefs.autoTopTen = reader.lineInput() == "A";
    prefs.imperialUnits = reader.lineInput() == "I";
    reader.lineInput();
    for (std::string& name : prefs.quickKeys) {
        name = reader.lineInput();
    }
    return prefs;
}

}  // namespace analysis
