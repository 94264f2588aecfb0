#include "transcribe/program.h"

#include <array>
#include <string>

#include "common/forms/controls.h"

namespace transcribe {

// The error window stays above the step that reports; the steps replace one another.
TranscribeProgram::TranscribeProgram(forms::Application& app) : app_(app) {
    ErrorForm.Owner = &InputForm;
}

void TranscribeProgram::start() {
    InitialForm.Show();
}

void TranscribeProgram::refuseForeignText(forms::TextBox& box, std::string_view boxName) {
    box.onForeignText = [this, name = std::string(boxName)] { foreignTextTyped(name); };
}

void TranscribeProgram::foreignTextTyped(std::string_view boxName) {
    app_.platform().reportError("The \"" + std::string(boxName) +
                                "\" box takes only Western European characters (Windows-1252): "
                                "the face data file is 8-bit text. The box keeps its text.");
}

void TranscribeProgram::countEdits(forms::TextBox& box) {
    box.onUserEdit = [this] { workToLose_ = true; };
}

bool TranscribeProgram::quitConfirmed() {
    if (!workToLose_) {
        return true;
    }
    static const std::array<std::string, 2> kAnswers{"Quit", "Keep going"};
    return app_.platform().askChoice("Quit without saving? The values typed so far are lost.",
                                     kAnswers) == 0;
}

}  // namespace transcribe
