#include "analysis/engine/web_address.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace analysis {

namespace {

bool sameLetters(std::string_view lower, std::string_view text) {
    return lower.size() == text.size() &&
           std::equal(lower.begin(), lower.end(), text.begin(), [](char want, char got) {
               return want == std::tolower(static_cast<unsigned char>(got));
           });
}

bool namesItsScheme(std::string_view address) {
    constexpr std::string_view kMailto = "mailto:";
    return address.find("://") != std::string_view::npos ||
           (address.size() >= kMailto.size() && sameLetters(kMailto, address.substr(0, 7)));
}

bool isWebScheme(std::string_view scheme) {
    constexpr std::array<std::string_view, 4> kWebSchemes = {"http", "https", "ftp", "mailto"};
    return std::any_of(kWebSchemes.begin(), kWebSchemes.end(),
                       [scheme](std::string_view web) { return sameLetters(web, scheme); });
}

}  // namespace

std::optional<std::string> webAddress(std::string_view address) {
    if (address.empty()) {
        return std::nullopt;
    }
    if (!namesItsScheme(address)) {
        return "http://" + std::string(address);
    }
    // Nothing is trimmed: " http://x" names the scheme " http", which is none of the four.
    const std::string_view scheme = address.substr(0, address.find(':'));
    if (!isWebScheme(scheme)) {
        return std::nullopt;
    }
    return std::string(address);
}

}  // namespace analysis
