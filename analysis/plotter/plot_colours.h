#pragma once

#include <cstdint>

#include "common/text/strings.h"

namespace forms {
class Window;
}

namespace analysis {

class AnalysisProgram;

// The plot colours a program starts with when Prefs.prf gives none: white paper, face A red,
// face B blue, the average face green.
inline constexpr std::int32_t kDesignBackgroundColour = common::RGB(255, 255, 255);
inline constexpr std::int32_t kDesignColourA = common::RGB(255, 0, 0);
inline constexpr std::int32_t kDesignColourB = common::RGB(0, 0, 255);
inline constexpr std::int32_t kDesignColourC = common::RGB(0, 160, 0);

// Put the face's plot colour, as stored, on its check box text, its five shapes (border and
// fill) and its eleven lines, shown or not.
void ApplyColourA(AnalysisProgram& program);
void ApplyColourB(AnalysisProgram& program);
void ApplyColourC(AnalysisProgram& program);

// Paints the plotter's background: bands from PlotBackgroundColour (its low 24 bits, each
// component lowered to a multiple of 16) at the top towards white at the window's bottom.
void PaintPlotterBackground(AnalysisProgram& program);

// Paints horizontal bands on a window's drawing surface, from y = firstY to lastY in steps of
// step, each band's colour moving from the start components towards target so that it would
// reach target at the window's inner height. The divisors are clamped to 1..20 in place. A window
// with no inner height is left unpainted.
void DrawGradient(forms::Window& surface, std::int16_t startRed, std::int16_t startGreen,
                  std::int16_t startBlue, std::int16_t target, std::int16_t step,
                  std::int16_t firstY, std::int16_t lastY, std::int16_t heightDivisor,
                  std::int16_t& redDivisor, std::int16_t& greenDivisor, std::int16_t& blueDivisor);

}  // namespace analysis
