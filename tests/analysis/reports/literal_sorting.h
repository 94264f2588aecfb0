#pragma once

#include <string>
#include <string_view>

// The three result sorts as selection sorts that rescan (and for the overall results rewrite)
// the whole list for every record: slow, but plainly right, so the fast sorts are checked
// against them.
namespace literal {

struct Results2Files {
    std::string results2b;
    std::string results2;
};
Results2Files sortResults2(std::string results2);
std::string sortProfileResults(std::string_view profiles);
std::string sortHeightResults(std::string_view heights);

}  // namespace literal
