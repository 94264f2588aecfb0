#include "analysis/mainwindow/prefs_file.h"

#include <optional>

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
// "12ab" as 12, so a damaged weight would pass for a setting.
std::optional<double> numberOnly(std::string_view text) {
    const std::string number = common::Trim(text);
    if (!isDecimalNumber(number)) {
        return std::nullopt;
    }
    try {
        return common::Val(number);
    } catch (const common::Error&) {
        return std::nullopt;  // "1E999": a number, but none a double holds
    }
}

std::optional<int> weightFrom(std::string_view line) {
    const auto number = numberOnly(line);
    if (!number || *number < -1 || *number > 21) {
        return std::nullopt;
    }
    const int weight = common::toInt16(*number);
    if (weight < 0 || weight > 20) {
        return std::nullopt;
    }
    return weight;
}

std::optional<std::int32_t> colourFrom(std::string_view line) {
    try {
        return common::toInt32(common::Val(line));
    } catch (const common::Error&) {
        return std::nullopt;
    }
}

// The lines of the file in order; a line past the end is missing.
class PrefsLines {
  public:
    explicit PrefsLines(std::string_view text)
        : reader_(common::TextFileReader::fromText(std::string(text))) {}

    std::optional<std::string> next() {
        ++number_;
        if (reader_.eof()) {
            return std::nullopt;
        }
        return reader_.lineInput();
    }
    int number() const { return number_; }

  private:
    common::TextFileReader reader_;
    int number_ = 0;
};

// Reads the next line into setting with parse; a missing or unreadable line keeps fallback.
template <typename T, typename Parse>
void readSetting(PrefsLines& lines, PrefsReading& reading, T& setting, const T& fallback,
                 Parse parse) {
    const auto line = lines.next();
    const auto value = line ? parse(*line) : std::nullopt;
    if (value) {
        setting = *value;
    } else {
        setting = fallback;
        reading.damagedLines.push_back(lines.number());
    }
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

PrefsReading parsePrefsFile(std::string_view text, const PrefsValues& fallback) {
    PrefsReading reading;
    PrefsValues& prefs = reading.values;
    PrefsLines lines(text);
    for (std::size_t i = 0; i < prefs.weights.size(); ++i) {
        readSetting(lines, reading, prefs.weights[i], fallback.weights[i], weightFrom);
    }
    readSetting(lines, reading, prefs.plotBackgroundColour, fallback.plotBackgroundColour,
                colourFrom);
    readSetting(lines, reading, prefs.plotColourA, fallback.plotColourA, colourFrom);
    readSetting(lines, reading, prefs.plotColourB, fallback.plotColourB, colourFrom);
    readSetting(lines, reading, prefs.plotColourC, fallback.plotColourC, colourFrom);
    const auto isLine = [](std::string_view wanted) {
        return [wanted](const std::string& line) { return std::optional<bool>(line == wanted); };
    };
    readSetting(lines, reading, prefs.autoTopTen, fallback.autoTopTen, isLine("A"));
    readSetting(lines, reading, prefs.imperialUnits, fallback.imperialUnits, isLine("I"));
    // Line 14 only separates the quick keys; its loss costs no setting.
    lines.next();
    const auto asItStands = [](const std::string& line) {
        return std::optional<std::string>(line);
    };
    for (std::size_t key = 0; key < prefs.quickKeys.size(); ++key) {
        readSetting(lines, reading, prefs.quickKeys[key], fallback.quickKeys[key], asItStands);
    }
    return reading;
}

}  // namespace analysis
