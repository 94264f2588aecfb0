#pragma once

#include <string>
#include <string_view>

namespace analysis {

// The overall results sorted, and what is left of Results2.tmp after the sort.
struct SortedResults2 {
    // Results2b.tmp: the records whose total is above 0, best first (equal totals in file order,
    // identical lines once), then "99999".
    std::string sorted;
    // Results2.tmp: the records never chosen, in file order, then "99999" twice; the text as it
    // was when no total is above 0.
    std::string remaining;
};

// The total of a Results2.tmp line: the number before the first blank after its first character.
double results2Total(std::string_view line);

// The new texts of the three result lists; each list ends at its line "99999" (or the end of the
// text). A total above 101 ends the overall results; a profile or height record is one line.
SortedResults2 sortResults2(std::string_view results2Text);
// Best profile score first (scores of 0 or less last, in file order), each without its "$", then
// "99999" without a line end.
std::string sortProfileResults(std::string_view profileText);
// Shortest first, the line of blanks (height 0) ahead of them, then CR LF and "99999" without a
// line end. Nothing is kept once no record with a height mark "#" is left.
std::string sortHeightResults(std::string_view heightText);

}  // namespace analysis
