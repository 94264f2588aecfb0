#include "common/language/string_file.h"

#include "common/files/text_file.h"
#include "common/language/code_page.h"
#include "common/language/language_number.h"
#include "common/text/cp1252.h"
#include "common/text/error.h"

namespace common::language {

namespace {

constexpr char16_t kLineFeed = u'\n';
constexpr char16_t kCarriageReturn = u'\r';

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// A surrogate without its partner becomes the replacement character, so every word is valid
// UTF-8 and shows as such.
std::string utf16ToUtf8(std::u16string_view units) {
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            appendUtf8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                                (static_cast<char32_t>(units[i + 1]) - 0xDC00));
            ++i;
        } else if (high || low) {
            appendUtf8(out, 0xFFFD);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

std::u16string littleEndianUnits(std::string_view bytes, std::size_t count) {
    std::u16string units(count, u'\0');
    for (std::size_t i = 0; i < count; ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    return units;
}

}  // namespace

std::optional<std::string_view> StringEntries::entry(int number) const {
    if (number < 1 || number > count()) {
        return std::nullopt;
    }
    return entries_[static_cast<std::size_t>(number - 1)];
}

std::optional<StringFileChoice> chooseStringFile(const StringFileLayout& layout,
                                                 std::int16_t number) {
    for (const LanguageRow& row : layout.languages) {
        if (row.number == number) {
            std::string name(layout.prefix);
            name += row.code;
            name += ".txt";
            return StringFileChoice{std::move(name), row.form, row.code};
        }
    }
    return std::nullopt;
}

StringEntries readTextForm(std::string_view bytes, const StringFileLayout& layout,
                           StringFileForm form) {
    TextFileReader reader = TextFileReader::fromText(std::string(bytes));
    std::vector<std::string> entries;
    for (int line = 1; line <= layout.textLines && !reader.eof(); ++line) {
        std::string text = reader.lineInput();
        if (line > 1 || !layout.textTitleLine) {
            entries.push_back(std::move(text));
        }
    }
    return StringEntries(form, std::move(entries));
}

std::optional<StringEntries> readBlockForm(std::string_view bytes, const StringFileLayout& layout) {
    constexpr std::string_view kMark = "\xFF\xFE";
    const auto units = static_cast<std::size_t>(layout.blockUnits);
    if (!bytes.starts_with(kMark) || bytes.size() < kMark.size() + 2 * units) {
        return std::nullopt;
    }
    const std::u16string block = littleEndianUnits(bytes.substr(kMark.size()), units);
    std::vector<std::string> entries;
    std::size_t lineFeed = block.find(kLineFeed);
    while (lineFeed != std::u16string::npos) {
        const std::size_t next = block.find(kLineFeed, lineFeed + 1);
        if (next == std::u16string::npos) {
            break;
        }
        std::u16string_view entry(block.data() + lineFeed + 1, next - lineFeed - 1);
        if (layout.blockLineEnd == BlockLineEnd::DropCr && entry.ends_with(kCarriageReturn)) {
            entry.remove_suffix(1);
        }
        entries.push_back(utf16ToUtf8(entry));
        lineFeed = next;
    }
    return StringEntries(StringFileForm::Block, std::move(entries));
}

std::optional<StringEntries> loadStringEntries(std::string_view startFolder,
                                               const StringFileLayout& layout) {
    const std::optional<std::int16_t> number = readLanguageNumber(startFolder);
    if (!number) {
        return std::nullopt;
    }
    const std::optional<StringFileChoice> choice = chooseStringFile(layout, *number);
    if (!choice) {
        return std::nullopt;
    }
    std::string bytes;
    try {
        bytes = readWholeFile(joinPath(startFolder, choice->fileName));
    } catch (const Error&) {
        return std::nullopt;
    }
    if (choice->form == StringFileForm::Text) {
        return readTextForm(bytes, layout);
    }
    if (choice->form == StringFileForm::CodePageText) {
        return readTextForm(stringFileAsUtf8(bytes, windowsCodePage(choice->code)), layout,
                            StringFileForm::CodePageText);
    }
    return readBlockForm(bytes, layout);
}

}  // namespace common::language
