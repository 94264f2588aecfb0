#include "transcribe/transcribe_strings.h"

#include <string>

#include "transcribe/program.h"

namespace transcribe {

void LoadTranscribeLanguage(TranscribeProgram& program) {
    if (const auto entries =
            common::language::loadStringEntries(program.app().startFolder(), kTranscribeStrings)) {
        ReadTranscribeStrings(program, *entries);
    }
}

void ReadTranscribeStrings(TranscribeProgram& program,
                           const common::language::StringEntries& entries) {
    InitialWindow& initial = program.InitialForm;
    ColourWindow& colours = program.ColourForm;
    WizardWords& words = program.Words;
    const auto set = [&entries](int number, std::string& target) {
        if (const auto entry = entries.entry(number)) {
            target = *entry;
        }
    };
    set(1, initial.Caption);
    set(2, initial.FirstLabel.Caption);
    set(3, initial.NameLabel.Caption);
    set(4, initial.Joblabel.Caption);
    set(6, initial.LoadPhotoshop.Caption);
    set(7, words.FtWord);
    set(8, words.InchesWord);
    set(9, initial.HeightLabel.Caption);
    set(10, initial.URLlabel.Caption);
    set(11, initial.NoteLabel.Caption);
    set(12, program.InputForm.QuitButton.Caption);
    set(13, words.PointWord);
    set(14, words.DoneWord);
    set(15, words.SaveWord);
    set(16, words.SaveAsWord);
    set(17, program.InputForm.Savelabel.Caption);
    if (const auto name = entries.entry(18)) {
        initial.offerName(*name);
    }
    if (const auto prefix = entries.entry(19)) {
        words.AnglePrefix = std::string(*prefix) + "\r\n";
    }
    set(20, colours.Caption);
    set(21, colours.HairLabel.Caption);
    set(22, colours.EyeLabel.Caption);
    set(23, colours.SkinLabel.Caption);
    set(24, colours.ColourInstructions.Caption);
    set(25, program.ErrorForm.Caption);
    if (const auto division = entries.entry(26)) {
        words.DivisionWord = *division;
        program.ErrorForm.Errorlabel.Caption = words.DivisionWord;
    }
    for (int step = 1; step <= 30; ++step) {
        set(27 + step, words.StepCaptions[static_cast<std::size_t>(step - 1)]);
    }
}

}  // namespace transcribe
