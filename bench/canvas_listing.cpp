#include "bench/canvas_listing.h"

#include "analysis/program.h"
#include "common/text/convert.h"
#include "common/text/cp1252.h"

namespace facegen {

namespace {

// Words from a block-form string file are UTF-8 already (Cyrillic and Thai words included); all
// other text is Windows-1252.
std::string utf8(const std::string& text) {
    return common::shownInUtf8(text);
}

std::string escapedLineEnds(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string number(long long value) {
    return common::plain(value);
}

std::string visible(const forms::Control& control) {
    return control.Visible ? "1" : "0";
}

std::string lineEntry(const forms::Line& line) {
    return "line " + line.key() + " " + number(line.X1) + " " + number(line.Y1) + " " +
           number(line.X2) + " " + number(line.Y2) + " " + number(line.BorderColor) + " " +
           visible(line) + "\n";
}

std::string shapeEntry(const forms::Shape& shape) {
    return "shape " + shape.key() + " " + number(shape.Left) + " " + number(shape.Top) + " " +
           number(shape.Width) + " " + number(shape.Height) + " " + number(shape.BorderColor) +
           " " + number(shape.FillColor) + " " + number(shape.FillStyle) + " " + visible(shape) +
           "\n";
}

std::string labelEntry(const forms::Label& label) {
    return "label " + label.key() + " " + number(label.Left) + " " + number(label.Top) + " " +
           visible(label) + " " + utf8(label.Caption) + "\n";
}

}  // namespace

std::string canvasListing(const analysis::AnalysisProgram& program) {
    const analysis::PlotterForm& plotter = program.PlotterWindow;
    std::string out;
    for (const auto* set : {&plotter.RedLine, &plotter.BlueLine, &plotter.GreenLine}) {
        for (int i = set->first(); i <= set->last(); ++i) {
            out += lineEntry((*set)(i));
        }
    }
    out += lineEntry(plotter.EyeLevel);
    for (const forms::Shape* shape :
         {&plotter.Perimeter1, &plotter.Perimeter2, &plotter.Perimeter3, &plotter.EyeArea1,
          &plotter.EyeArea2, &plotter.NoseArea1, &plotter.MouthArea1, &plotter.EyeArea1b,
          &plotter.EyeArea2b, &plotter.NoseArea1b, &plotter.MouthArea1b, &plotter.EyeArea1g,
          &plotter.EyeArea2g, &plotter.NoseArea1g, &plotter.MouthArea1g}) {
        out += shapeEntry(*shape);
    }
    for (const forms::Label* label :
         {&plotter.TopLabel, &plotter.BottomLabel, &plotter.EyeLevelLabel, &plotter.NoseLabel}) {
        out += labelEntry(*label);
    }
    out += "text Statsbox " + escapedLineEnds(utf8(plotter.Statsbox.Text())) + "\n";
    const analysis::PlotterState& state = program.Plotter;
    out += "state ViewMode " + number(state.ViewMode) + "\n";
    out += "state FaceShapeA " + utf8(state.FaceShapeA) + "\n";
    out += "state FaceShapeB " + utf8(state.FaceShapeB) + "\n";
    return out;
}

}  // namespace facegen
