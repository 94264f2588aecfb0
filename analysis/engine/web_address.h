#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace analysis {

// Where a face's web address leads, one rule for the report pages and the globe. Only web and
// mail addresses are ever linked or opened: an address that names its own scheme (it holds
// "://", starts with "mailto:" in any case, or begins with a scheme word and a ":" that no digit
// follows) stands as it is when that scheme, the text before its first ":" in any case, is
// http, https, ftp or mailto, and leads nowhere otherwise ("javascript:alert(1)", "data:",
// "file:", or " http:" with a blank in front). A bare one such as "www.example.org" or
// "example.com:8080/me" gets "http://" in front, or the desktop would take it for a file name.
// An empty address leads nowhere.
std::optional<std::string> webAddress(std::string_view address);

}  // namespace analysis
