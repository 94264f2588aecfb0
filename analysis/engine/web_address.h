#pragma once

#include <string>
#include <string_view>

namespace analysis {

// The address a web link goes to. One that names its own scheme (it holds "://" or starts with
// "mailto:" in any case) stands as it is; a bare one such as "www.example.org" gets "http://" in
// front, or the desktop would take it for a file name.
std::string webAddress(std::string_view address);

}  // namespace analysis
