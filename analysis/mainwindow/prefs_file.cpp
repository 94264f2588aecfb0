#include "analysis/mainwindow/prefs_file.h"

#include "common/files/text_file.h"
#include "common/text/convert.h"
#include "common/text/error.h"
#include "common/text/int16.h"
#include "common/text/strings.h"

namespace analysis {

namespace {

std::size_t skipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        ++at;
    }
    return at;
}

std::size_t skipSign(std::string_view text, std::size_t at) {
    return at < text.size() && (text[at] == '+' || text[at] == '-') ? at + 1 : at;
}

// Sign, digits with at most one ".", an optional exponent after E or D.
bool isDecimalNumber(std::string_view text) {
    std::size_t at = skipSign(text, 0);
    const std::size_t integerStart = at;
    at = skipDigits(text, at);
    std::size_t digits = at - integerStart;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fractionStart = at + 1;
        at = skipDigits(text, fractionStart);
        digits += at - fractionStart;
    }
    if (digits == 0) {
        return false;
    }
    if (at < text.size() &&
        (text[at] == 'E' || text[at] == 'e' || text[at] == 'D' || text[at] == 'd')) {
        const std::size_t exponentStart = skipSign(text, at + 1);
        at = skipDigits(text, exponentStart);
        if (at == exponentStart) {
            return false;
        }
    }
    return at == text.size();
}

// A number and nothing else, blanks around it allowed. Val alone would read "abc" as 0 and
// "12ab" as 12, so a damaged file would pass for settings.
double numberOnly(std::string_view text) {
    const std::string number = common::Trim(text);
    if (!isDecimalNumber(number)) {
        throw common::Error(common::ErrorCode::TypeMismatch, number);
    }
    return common::Val(number);
}

}  // namespace

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
        weight = common::toInt16(numberOnly(reader.inputItem()));
        if (weight < 0 || weight > 20) {
            throw common::Error(common::ErrorCode::InvalidPropertyValue, "weight outside 0..20");
        }
    }
    for (std::int32_t* colour : {&prefs.plotBackgroundColour, &prefs.plotColourA,
                                 &prefs.plotColourB, &prefs.plotColourC}) {
        *colour = common::toInt32(numberOnly(reader.lineInput()));
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
