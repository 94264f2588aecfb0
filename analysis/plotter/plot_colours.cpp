#include "analysis/plotter/plot_colours.h"

#include <algorithm>
#include <cmath>

#include "analysis/program.h"
#include "common/text/convert.h"

namespace analysis {

namespace {

constexpr int kLinesPerFace = 11;
constexpr std::int32_t kLow24Bits = 0xFFFFFF;

void applyColour(const PlotFace& face, std::int32_t colour) {
    face.check.ForeColor = colour;
    for (forms::Shape* shape : {&face.outline, &face.eye1, &face.eye2, &face.nose, &face.mouth}) {
        shape->BorderColor = colour;
        shape->FillColor = colour;
    }
    for (int i = 0; i < kLinesPerFace; ++i) {
        face.lines(i).BorderColor = colour;
    }
}

std::int16_t clampDivisor(std::int16_t divisor) {
    return std::clamp<std::int16_t>(divisor, 1, 20);
}

// A running component as a colour component: nearest whole number (ties to even), divided by
// its divisor, at most 255.
int bandComponent(float value, std::int16_t divisor) {
    const double whole = std::nearbyint(static_cast<double>(value));
    const long long component = static_cast<long long>(whole) / divisor;
    return static_cast<int>(std::clamp<long long>(component, 0, 255));
}

}  // namespace

// Each reaches the plotter through its one instance, loading it on first use.
void ApplyColourA(AnalysisProgram& program) {
    program.PlotterWindow.Load();
    applyColour(program.PlotterWindow.faceA(), program.PlotColourA);
}

void ApplyColourB(AnalysisProgram& program) {
    program.PlotterWindow.Load();
    applyColour(program.PlotterWindow.faceB(), program.PlotColourB);
}

void ApplyColourC(AnalysisProgram& program) {
    program.PlotterWindow.Load();
    applyColour(program.PlotterWindow.faceC(), program.PlotColourC);
}

void PaintPlotterBackground(AnalysisProgram& program) {
    PlotterForm& plotter = program.PlotterWindow;
    plotter.Load();
    // A hand-edited colour beyond 24 bits is split by its low 24 bits.
    const double colour = program.PlotBackgroundColour & kLow24Bits;
    const double blue = common::Int(colour / 65536);
    const double green = common::Int((colour - 65536 * blue) / 256);
    const double red = common::Int(colour - 65536 * blue - 256 * green);
    const auto lowered = [](double component) {
        return static_cast<std::int16_t>(16 * common::Int(component / 16));
    };
    std::int16_t one = 1;
    std::int16_t also = 1;
    std::int16_t again = 1;
    // Each painting covers the last one whole, so the surface need not keep it.
    plotter.ClearSurface();
    DrawGradient(plotter, lowered(red), lowered(green), lowered(blue), 255, 50, 0, 5450, 1, one,
                 also, again);
}

void DrawGradient(forms::Window& surface, std::int16_t startRed, std::int16_t startGreen,
                  std::int16_t startBlue, std::int16_t target, std::int16_t step,
                  std::int16_t firstY, std::int16_t lastY, std::int16_t heightDivisor,
                  std::int16_t& redDivisor, std::int16_t& greenDivisor, std::int16_t& blueDivisor) {
    redDivisor = clampDivisor(redDivisor);
    greenDivisor = clampDivisor(greenDivisor);
    blueDivisor = clampDivisor(blueDivisor);
    const int height = std::clamp(surface.ScaleHeight(), -32768, 32767);
    const int width = std::clamp(surface.ScaleWidth(), -32768, 32767);
    // No height, no increments; no step or no divisor, no bands.
    if (height == 0 || step == 0 || heightDivisor == 0) {
        return;
    }
    // The product is a 16-bit one: when it overflows, that increment is skipped and stays 0.
    const auto increment = [&](std::int16_t start) {
        const int product = step * (target - start);
        if (product < -32768 || product > 32767) {
            return 0.0F;
        }
        return static_cast<float>(static_cast<double>(product) / height);
    };
    const float incRed = increment(startRed);
    const float incGreen = increment(startGreen);
    const float incBlue = increment(startBlue);
    float r = startRed;
    float g = startGreen;
    float b = startBlue;
    const int bandEnd = step / heightDivisor;
    for (int y = firstY; step > 0 ? y <= lastY : y >= lastY; y += step) {
        const std::int32_t colour =
            common::RGB(bandComponent(r, redDivisor), bandComponent(g, greenDivisor),
                        bandComponent(b, blueDivisor));
        surface.FillRect(-1, y - 1, width, y + bandEnd, colour);
        r += incRed;
        g += incGreen;
        b += incBlue;
    }
}

}  // namespace analysis
