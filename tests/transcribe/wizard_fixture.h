#pragma once

#include <string>

#include "common/forms/application.h"
#include "common/headless/recording_platform.h"
#include "tests/common/temp_folder.h"
#include "transcribe/program.h"

// A fresh wizard started in its own folder, driven through its window models.
struct Wizard {
    TempFolder folder;
    common::RecordingPlatform platform;
    forms::Application app{platform, folder.text()};
    transcribe::TranscribeProgram program{app};

    transcribe::InitialWindow& initial = program.InitialForm;
    transcribe::ColourWindow& colours = program.ColourForm;
    transcribe::Inputwindow& steps = program.InputForm;

    Wizard() { start(); }
    explicit Wizard(bool startNow) {
        if (startNow) {
            start();
        }
    }

    void start() {
        app.dispatch([this] { program.start(); });
    }
    void type(forms::TextBox& box, const std::string& text) {
        app.dispatch([&box, &text] { box.userEdit(text); });
    }
    void click(forms::Control& control) {
        app.dispatch([&control] { control.click(); });
    }
    // The first window's mode button, then the colour window's way on.
    void toSteps(forms::CommandButton& mode) {
        click(mode);
        click(colours.ForwardButton);
    }
    void forward() { click(steps.GoForward); }
    void back() { click(steps.GoBack); }
    void point(const std::string& x, const std::string& y) {
        type(steps.Xpos, x);
        type(steps.Ypos, y);
        forward();
    }
    std::int16_t x(int point) const { return program.PointCoords[2 * point - 2]; }
    std::int16_t y(int point) const { return program.PointCoords[2 * point - 1]; }
    std::int16_t angle(int number) const { return program.StepAngles[number - 1]; }
};
