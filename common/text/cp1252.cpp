#include "common/text/cp1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <system_error>

#include "common/text/utf8.h"

namespace common {

namespace {

// Code points of the bytes 80..9F; the five unassigned bytes keep their C1 control code point so
// that every byte survives a round trip.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t codePoint(unsigned char byte) {
    return (byte >= 0x80 && byte <= 0x9F) ? kHighControls[byte - 0x80] : byte;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char byteFor(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<char>(cp);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

}  // namespace

char32_t cp1252CodePoint(unsigned char byte) {
    return codePoint(byte);
}

std::string cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        appendUtf8(out, codePoint(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t cp = lead;
        if (lead >= 0xF0 && lead < 0xF8) {
            extra = 3;
            cp = lead & 0x07;
        } else if (lead >= 0xE0) {
            extra = 2;
            cp = lead & 0x0F;
        } else if (lead >= 0xC0) {
            extra = 1;
            cp = lead & 0x1F;
        } else if (lead >= 0x80) {
            // A stray continuation byte: not UTF-8, keep the byte as it stands.
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        bool valid = i + static_cast<std::size_t>(extra) < text.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) {
                valid = false;
            } else {
                cp = (cp << 6) | (next & 0x3F);
            }
        }
        if (!valid) {
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        out += byteFor(cp);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::optional<std::string> utf8AsCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        char32_t cp = lead;
        if (lead < 0x80) {
            extra = 0;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            cp = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            cp = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            cp = lead & 0x07;
        } else {
            return std::nullopt;
        }
        if (i + extra >= text.size() && extra > 0) {
            return std::nullopt;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            cp = (cp << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and code points beyond Unicode are no UTF-8.
        constexpr std::array<char32_t, 4> kLeast = {0, 0x80, 0x800, 0x10000};
        if (cp < kLeast[extra] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
            return std::nullopt;
        }
        const char byte = byteFor(cp);
        if (byte == '?' && cp != U'?') {
            return std::nullopt;
        }
        out += byte;
        i += extra + 1;
    }
    return out;
}

namespace {

// The held form of one name on disk: its characters in Windows-1252 when it is UTF-8 made of
// such characters, else its bytes as they stand.
std::string heldName(const std::string& onDisk) {
    return utf8AsCp1252(onDisk).value_or(onDisk);
}

// The name on disk of one held name within folder: the UTF-8 form of its characters when such
// an entry exists, else the held bytes when those exist, else the UTF-8 form (a new file).
std::filesystem::path diskName(const std::filesystem::path& folder, const std::string& held) {
    const std::string utf8 = cp1252ToUtf8(held);
    if (utf8 == held) {
        return folder / held;
    }
    std::error_code error;
    const std::filesystem::path asText = folder / utf8;
    if (std::filesystem::exists(std::filesystem::symlink_status(asText, error))) {
        return asText;
    }
    const std::filesystem::path asBytes = folder / held;
    if (std::filesystem::exists(std::filesystem::symlink_status(asBytes, error))) {
        return asBytes;
    }
    return asText;
}

}  // namespace

std::filesystem::path toPath(std::string_view text) {
    std::filesystem::path path;
    std::size_t start = 0;
    if (text.starts_with('/')) {
        path = "/";
        start = 1;
    }
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('/', start), text.size());
        const std::string part(text.substr(start, end - start));
        if (!part.empty()) {
            path = diskName(path, part);
        }
        if (end == text.size()) {
            if (text.size() > 1 && text.ends_with('/')) {
                path /= "";
            }
            break;
        }
        start = end + 1;
    }
    return path;
}

std::string fromPath(const std::filesystem::path& path) {
    const std::string native = path.native();
    std::string held;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(native.find('/', start), native.size());
        held += heldName(native.substr(start, end - start));
        if (end == native.size()) {
            break;
        }
        held += '/';
        start = end + 1;
    }
    return held;
}

std::string heldToUtf8(std::string_view held) {
    std::string text;
    for (std::size_t start = 0;;) {
        const std::size_t end = std::min(held.find('/', start), held.size());
        const std::string_view part = held.substr(start, end - start);
        // A part of Windows-1252 characters in UTF-8 would have been held as those characters.
        text += isUtf8(part) && !utf8AsCp1252(part) ? std::string(part) : cp1252ToUtf8(part);
        if (end == held.size()) {
            return text;
        }
        text += '/';
        start = end + 1;
    }
}

std::string shownInUtf8(std::string_view text) {
    return isUtf8(text) ? std::string(text) : cp1252ToUtf8(text);
}

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string joined(folder);
    if (joined.empty() || joined.back() != '/') {
        joined += '/';
    }
    joined += name;
    return joined;
}

}  // namespace common
