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

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A letter, then letters, digits, "+", "-" or ".": the shape of a scheme, and of a host name.
bool isSchemeWord(std::string_view word) {
    return !word.empty() && isLetter(word.front()) &&
           std::all_of(word.begin() + 1, word.end(), [](char c) {
               return isLetter(c) || isDigit(c) || c == '+' || c == '-' || c == '.';
           });
}

// "javascript:alert(1)" names its scheme as "http://x" does; a digit after the ":" makes it a
// port of a host instead ("example.com:8080/me", "localhost:3000").
bool namesItsScheme(std::string_view address) {
    constexpr std::string_view kMailto = "mailto:";
    if (address.find("://") != std::string_view::npos ||
        (address.size() >= kMailto.size() && sameLetters(kMailto, address.substr(0, 7)))) {
        return true;
    }
    const std::size_t colon = address.find(':');
    if (colon == std::string_view::npos || !isSchemeWord(address.substr(0, colon))) {
        return false;
    }
    return colon + 1 == address.size() || !isDigit(address[colon + 1]);
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
