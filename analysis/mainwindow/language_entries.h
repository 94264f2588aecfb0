#pragma once

#include "common/language/string_file.h"

namespace analysis {

class AnalysisProgram;

// The analysis program's string files: AnalysisStrings_<code>.txt, 110 lines in the text form,
// a block of 6000 characters in the block form whose entries lose the CR before their LF.
inline constexpr common::language::StringFileLayout kAnalysisStringFiles{
    "AnalysisStrings_",
    common::language::kAnalysisLanguages,
    110,
    false,
    6000,
    common::language::BlockLineEnd::DropCr};

// Reads language.txt and the chosen string file from the start folder and gives the words to
// UiWords and to every window. Without a language, or on any failure, English stays, quietly.
void LoadAnalysisLanguage(AnalysisProgram& program);

// Gives each entry a string file yielded to the words and captions it stands for.
void applyAnalysisStrings(AnalysisProgram& program, const common::language::StringEntries& entries);

}  // namespace analysis
