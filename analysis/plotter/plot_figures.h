#pragma once

#include <cstdint>
#include <string>

#include "common/forms/controls.h"

namespace analysis {

struct UiWords;

// Arithmetic shared by the plotter's views. The canvas holds whole twips; a figure is computed in
// double precision, kept in single precision, and only then rounded.

// A computed position or size as the canvas stores it: single precision first, then the nearest
// whole twip, ties to even. Values beyond 32 bits stop at the 32-bit limits.
int ToTwips(double value);

// Places a shape; a negative width or height is stored as its magnitude, left and top as given.
void SetShapeBounds(forms::Shape& shape, double left, double top, double width, double height);
// Places a line from (x1, y1) to (x2, y2).
void SetLineEnds(forms::Line& line, double x1, double y1, double x2, double y2);

// A percentage as the views show it: single precision, rounded to two decimals with ties to
// even on that single value. NaN and infinities give 0.
float RoundedPercent(double percent);
// (a / b) x 100, rounded; 0 when b is 0.
float PercentOf(double a, double b);
// 100 x a / b, rounded; 0 when b is 0 (the face-shape view's order of operations).
float HundredTimesOver(double a, double b);
// A single-precision figure in the leading-blank form: " 116.67", " 100", "-3.5".
std::string FigureText(float value);

// The height line text of a height in centimetres: the unknown word for 0 or less, feet and
// inches when imperial is set, else centimetres.
std::string HeightText(std::int16_t centimetres, bool imperial, const UiWords& words);

}  // namespace analysis
