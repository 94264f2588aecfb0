#pragma once

#include <array>
#include <string>

namespace transcribe {

// Words one window uses in another's texts, English until a string file gives others.
struct WizardWords {
    std::string FtWord = "ft";
    std::string InchesWord = "inches";
    std::string PointWord = "Point";
    std::string DoneWord = "Done";
    std::string SaveWord = "Save";
    std::string SaveAsWord = "Save as...";
    std::string AnglePrefix = "To the nearest degree: (all values are negative)\r\n";
    std::string DivisionWord = "Division by zero";
    // What to pick at steps 1 to 30: portrait points 1 to 20, then portrait angles 1 to 10.
    std::array<std::string, 30> StepCaptions;
};

// The step captions in English.
std::array<std::string, 30> englishStepCaptions();

}  // namespace transcribe
