#include "analysis/engine/web_address.h"

#include <algorithm>
#include <cctype>

namespace analysis {

namespace {
bool startsWithMailto(std::string_view address) {
    constexpr std::string_view kMailto = "mailto:";
    return address.size() >= kMailto.size() &&
           std::equal(kMailto.begin(), kMailto.end(), address.begin(), [](char want, char got) {
               return want == std::tolower(static_cast<unsigned char>(got));
           });
}
}  // namespace

std::string webAddress(std::string_view address) {
    std::string full(address);
    if (full.find("://") == std::string::npos && !startsWithMailto(full)) {
        full.insert(0, "http://");
    }
    return full;
}

}  // namespace analysis
