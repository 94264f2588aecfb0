#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "common/forms/application.h"
#include "transcribe/colour_window.h"
#include "transcribe/error_message.h"
#include "transcribe/initial_window.h"
#include "transcribe/input_window.h"
#include "transcribe/normalise.h"
#include "transcribe/wizard_words.h"

namespace forms {
class TextBox;
}

namespace transcribe {

// The transcription wizard: the state its windows share, and the windows themselves. One object
// per run; a test makes a fresh one in one line.
class TranscribeProgram {
    // First, so the windows below can reach it while they are built.
    forms::Application& app_;

  public:
    explicit TranscribeProgram(forms::Application& app);
    TranscribeProgram(const TranscribeProgram&) = delete;
    TranscribeProgram& operator=(const TranscribeProgram&) = delete;

    forms::Application& app() const { return app_; }

    // Shows the first window, whose load handler prepares the whole wizard.
    void start();

    // The face file is 8-bit text: a box refuses typed text that Windows-1252 cannot hold, with
    // a message naming the box.
    void refuseForeignText(forms::TextBox& box, std::string_view boxName);
    void foreignTextTyped(std::string_view boxName);

    // Typing into a box and pressing ">>" make work a quit would lose (an edit back to the text
    // shown counts too); with none, the wizard quits at once.
    void countEdits(forms::TextBox& box);
    void goneOn() { workToLose_ = true; }
    // Whether the wizard may end unsaved: with work to lose, only when the user says Quit.
    bool quitConfirmed();

    // The paint program the readings come from; set by the first window's buttons.
    bool PhotoshopMode = false;
    bool IllustratorMode = false;
    bool PaintShopProMode = false;
    std::int16_t MSPaintMode = 0;

    WizardWords Words;

    // X then Y of portrait points 1 to 20 as typed; portrait angle magnitudes 1 to 10.
    RawPoints PointCoords{};
    std::array<std::int16_t, 10> StepAngles{};
    // The raw chin-to-eye distance of the last scaling; 9999 until one ran.
    std::int32_t ScaleDistance = 9999;

    InitialWindow InitialForm{*this};
    ColourWindow ColourForm{*this};
    Inputwindow InputForm{*this};
    ErrorMessage ErrorForm{app_};

  private:
    bool workToLose_ = false;
};

}  // namespace transcribe
