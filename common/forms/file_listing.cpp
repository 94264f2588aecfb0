#include "common/forms/file_listing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/text/cp1252.h"

namespace forms {

namespace {

// The lower-case code point of a Windows-1252 character, so that names compare as the desktop's
// file managers and scripting languages compare them: by letters, whatever their case.
char32_t folded(char c) {
    const char32_t cp = common::cp1252CodePoint(static_cast<unsigned char>(c));
    if ((cp >= U'A' && cp <= U'Z') || (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)) {
        return cp + 32;
    }
    switch (cp) {
        case 0x0160:
            return 0x0161;  // S caron
        case 0x0152:
            return 0x0153;  // OE
        case 0x017D:
            return 0x017E;  // Z caron
        case 0x0178:
            return 0x00FF;  // Y diaeresis
        default:
            return cp;
    }
}

bool globMatch(std::string_view name, std::string_view pattern) {
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starP = std::string_view::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

template <typename Keep>
std::vector<std::string> listEntries(std::string_view folder, Keep keep) {
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(common::toPath(folder), ec);
    if (ec) {
        return names;
    }
    for (const auto& entry : it) {
        std::string name = common::fromPath(entry.path().filename());
        if (name.empty() || name.front() == '.') {
            continue;
        }
        if (keep(entry, name)) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return nameLess(a, b); });
    return names;
}

}  // namespace

bool nameLess(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char32_t ca = folded(a[i]);
        const char32_t cb = folded(b[i]);
        if (ca != cb) {
            return ca < cb;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size();
    }
    // Names that differ only in case: the order of their bytes on disk, which follows the
    // characters' code points.
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char32_t ca = common::cp1252CodePoint(static_cast<unsigned char>(a[i]));
        const char32_t cb = common::cp1252CodePoint(static_cast<unsigned char>(b[i]));
        if (ca != cb) {
            return ca < cb;
        }
    }
    return false;
}

bool matchesPattern(std::string_view name, std::string_view pattern) {
    std::size_t start = 0;
    while (start <= pattern.size()) {
        const std::size_t end = std::min(pattern.find(';', start), pattern.size());
        const std::string_view one = pattern.substr(start, end - start);
        if (!one.empty() && globMatch(name, one)) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

std::vector<std::string> listFiles(std::string_view folder, std::string_view pattern) {
    return listEntries(
        folder, [pattern](const std::filesystem::directory_entry& entry, const std::string& name) {
            std::error_code ec;
            return entry.is_regular_file(ec) && matchesPattern(name, pattern);
        });
}

std::vector<std::string> listFolders(std::string_view folder) {
    return listEntries(folder,
                       [](const std::filesystem::directory_entry& entry, const std::string&) {
                           std::error_code ec;
                           return entry.is_directory(ec);
                       });
}

}  // namespace forms
