#include "common/forms/file_listing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/text/cp1252.h"

namespace forms {

namespace {

// The Windows-1252 lower case of one byte: names compare by letters, whatever their case.
unsigned char folded(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
        return static_cast<unsigned char>(byte + 32);
    }
    switch (byte) {
        case 0x8A:  // S caron
        case 0x8C:  // OE
        case 0x8E:  // Z caron
            return static_cast<unsigned char>(byte + 16);
        case 0x9F:  // Y diaeresis
            return 0xFF;
        default:
            return byte;
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
    const auto byFolded = [](char x, char y) { return folded(x) < folded(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), byFolded)) {
        return true;
    }
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), byFolded)) {
        return false;
    }
    // Names that differ only in case: by their bytes.
    const auto byByte = [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), byByte);
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
            // No list file or result record could name such a file safely: a line break would
            // split its line, and a backslash reads as a folder separator.
            if (name.find_first_of("\r\n\\") != std::string::npos) {
                return false;
            }
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
