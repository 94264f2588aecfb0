#pragma once

#include <string>
#include <string_view>

#include "common/language/string_file.h"

namespace vismaker {

// Every word the statistics builder shows or writes, English until a string file gives others.
struct VismakerTexts {
    std::string EndMessage;
    std::string LogHeader;
    std::string CheckingText;
    std::string ErrorPrefix;
    std::string CalculatingText;
    std::string MissingText;
    std::string NoFilesText;
    std::string SelectAllCaption;
    std::string SaveLogCaption;
    std::string BrowseHeadingCaption;
    std::string ShowPicsCaption;
    // The words came from a block-form file and are UTF-8: names (Windows-1252) beside them, in
    // captions and in the picture log, are UTF-8 too. The category lists keep the names' 8 bits.
    bool Utf8 = false;
};

VismakerTexts englishTexts();

// The statistics builder's string files: a title line and 13 entries, or a block of 1600 UTF-16
// units whose entries keep the CR of their line ends.
inline constexpr common::language::StringFileLayout kVismakerStringFiles{
    "VismakerStrings_",
    common::language::kAnalysisLanguages,
    14,
    true,
    1600,
    common::language::BlockLineEnd::KeepCr,
};

// Puts the entries a string file gave over the texts. The log header and the end message are
// each made of two entries and change only when both were read; every other text changes with
// its own entry.
void applyStringEntries(const common::language::StringEntries& entries, VismakerTexts& texts);

// The English texts, then those of the language that language.txt in the start folder names.
VismakerTexts loadTexts(std::string_view startFolder);

}  // namespace vismaker
