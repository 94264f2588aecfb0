#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace common::language {

// How a language's string file is written: 8-bit text, one entry a line; the same in the
// language's own Windows code page (or UTF-8), its words given as UTF-8; or one block of UTF-16
// text for the scripts Windows-1252 cannot hold.
enum class StringFileForm { Text, CodePageText, Block };

// One row of a program's language table.
struct LanguageRow {
    std::int16_t number;
    std::string_view code;
    StringFileForm form;
};

// The languages of the analysis program and the statistics builder.
inline constexpr LanguageRow kAnalysisLanguages[] = {
    {1, "fr", StringFileForm::Text},   {2, "it", StringFileForm::Text},
    {3, "es", StringFileForm::Text},   {4, "de", StringFileForm::Text},
    {5, "nl", StringFileForm::Text},   {6, "sv", StringFileForm::Text},
    {7, "pt", StringFileForm::Text},   {8, "po", StringFileForm::Block},
    {9, "ru", StringFileForm::Block},  {10, "kr", StringFileForm::Block},
    {11, "jp", StringFileForm::Block}, {12, "th", StringFileForm::Block},
    {13, "cn", StringFileForm::Block},
};

// The languages of the transcription wizard: its own numbering, every file 8-bit text in its
// language's code page.
inline constexpr LanguageRow kTranscribeLanguages[] = {
    {1, "fr", StringFileForm::CodePageText},  {2, "it", StringFileForm::CodePageText},
    {3, "es", StringFileForm::CodePageText},  {4, "de", StringFileForm::CodePageText},
    {5, "nl", StringFileForm::CodePageText},  {6, "sv", StringFileForm::CodePageText},
    {7, "po", StringFileForm::CodePageText},  {8, "ru", StringFileForm::CodePageText},
    {9, "pt", StringFileForm::CodePageText},  {10, "kr", StringFileForm::CodePageText},
    {11, "jp", StringFileForm::CodePageText},
};

// Whether a block entry loses a CR that ends it (the analysis program) or keeps it (the
// statistics builder, whose messages carry it).
enum class BlockLineEnd { DropCr, KeepCr };

// Everything a program says about its string files.
struct StringFileLayout {
    std::string_view prefix;  // "AnalysisStrings_": the file is prefix & code & ".txt"
    std::span<const LanguageRow> languages;
    int textLines;       // lines read from a text-form file, a title line included
    bool textTitleLine;  // the text form's first line is a title, not entry 1
    int blockUnits;      // UTF-16 code units of the block, after the byte-order mark
    BlockLineEnd blockLineEnd;
};

// The entries a string file gave, by number from 1. Entries 1 to count() were read; any other
// keeps its English text. Text-form words are 8-bit text as they stand, all others UTF-8.
class StringEntries {
  public:
    StringEntries(StringFileForm form, std::vector<std::string> entries)
        : form_(form), entries_(std::move(entries)) {}

    StringFileForm form() const { return form_; }
    int count() const { return static_cast<int>(entries_.size()); }
    std::optional<std::string_view> entry(int number) const;

  private:
    StringFileForm form_;
    std::vector<std::string> entries_;
};

// The string file name of a language number ("AnalysisStrings_de.txt") and its form; nothing
// for a number outside the table.
struct StringFileChoice {
    std::string fileName;
    StringFileForm form;
    std::string_view code;  // "de"
};
std::optional<StringFileChoice> chooseStringFile(const StringFileLayout& layout,
                                                 std::int16_t number);

// Entries of file contents already read. The text form stops at the end of the file or after
// layout.textLines lines. The block form drops the 2-byte mark, takes the next blockUnits code
// units (a file too short for them gives nothing), ignores the text before the first LF and
// takes each entry up to the next LF; the text after the last LF is no entry. A file that does
// not start with the little-endian mark is no block-form file and gives nothing.
// The code-page text form is read as the text form once its text is UTF-8.
StringEntries readTextForm(std::string_view bytes, const StringFileLayout& layout,
                           StringFileForm form = StringFileForm::Text);
std::optional<StringEntries> readBlockForm(std::string_view bytes, const StringFileLayout& layout);

// The whole choice: language.txt in the start folder, then the matching string file there.
// Nothing, quietly, whenever English stays whole: no language.txt, an unknown number, a string
// file that is missing or cannot be read, a block too short.
std::optional<StringEntries> loadStringEntries(std::string_view startFolder,
                                               const StringFileLayout& layout);

}  // namespace common::language
