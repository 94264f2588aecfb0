#pragma once

#include "common/language/string_file.h"

namespace transcribe {

class TranscribeProgram;

// The wizard's string files: "TranscribeStrings_<code>.txt", 57 lines of 8-bit text in the
// language's Windows code page, or of UTF-8. Their words are held as UTF-8.
inline constexpr common::language::StringFileLayout kTranscribeStrings{
    "TranscribeStrings_",
    common::language::kTranscribeLanguages,
    57,
    false,
    0,
    common::language::BlockLineEnd::DropCr};

// Replaces the English texts of all four windows with those of the language language.txt names;
// any text the file does not reach stays English, and so does everything when there is no file.
void LoadTranscribeLanguage(TranscribeProgram& program);

// Puts each entry where it belongs (entry 5 and 27 are not used).
void ReadTranscribeStrings(TranscribeProgram& program,
                           const common::language::StringEntries& entries);

}  // namespace transcribe
