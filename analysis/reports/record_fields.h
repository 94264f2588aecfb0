#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace analysis {

// The report pages take each result record apart at the record's own marks, so a "$", "{" or
// "[" in a name or description stays text.

// Results2.tmp / Results2b.tmp: total, blank, name, " ^", description, " ~", "[address]".
struct Results2Fields {
    double total = 0;
    // Up to the first "^": it ends with the blank the record has before it.
    std::string_view nameField;
    // After the first "^" up to the "~" of the record's last " ~" (its blank kept).
    std::string_view description;
    // The bracketed text after that mark; without "]" it runs to the end of the line.
    std::string_view address;
};
Results2Fields results2Fields(std::string_view line);

// HeightResults.tmp: height, "# ", name, " [", description, "]", " ~", "[address]". The name is
// the text from the 6th character up to 2 before the description's "[", so a height of 100 or
// more puts a blank before it.
struct HeightFields {
    double height = 0;
    std::string_view name;
    std::string_view description;
    std::string_view address;
};
HeightFields heightFields(std::string_view line);

// ColourResults.tmp: total, " H", hair, " E", eyes, " S", skin, " [", name, "]{", description,
// "}". Nothing for a line without these marks (the closing "99999").
struct ColourFields {
    // The total with its blank and "H".
    std::string total;
    std::string hair;
    std::string eyes;
    std::string skin;
    std::string_view name;
    std::string_view description;
};
std::optional<ColourFields> colourFields(std::string_view line);

// ProfileResults.tmp: name, " {", score, "}", then four sub-scores in brackets (nose, eyes, mouth,
// jawline).
struct ProfileFields {
    std::string_view name;
    double score = 0;
    double nose = 0;
    double eyes = 0;
    double mouth = 0;
};
ProfileFields profileFields(std::string_view line);

}  // namespace analysis
