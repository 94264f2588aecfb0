#pragma once

#include <string>
#include <vector>

#include "tests/analysis/program_fixture.h"

// A started program with helpers to set faces straight into the slots and to read the plotter's
// canvas.
struct PlotterFixture : ProgramFixture {
    analysis::PlotterForm& plotter = program.PlotterWindow;
    analysis::PlotterState& state = program.Plotter;

    // The three portrait landmarks the face-shape view reads: x of the nose tip, x of the face
    // edge, y of the top of the eyebrows; and the two jawline angles.
    static void setOutline(analysis::FaceSlot& slot, int noseX, int edgeX, int browY) {
        slot.Coords[59] = static_cast<std::int16_t>(noseX);
        slot.Coords[61] = static_cast<std::int16_t>(edgeX);
        slot.Coords[58] = static_cast<std::int16_t>(browY);
    }
    static void setJawline(analysis::FaceAngles& angles, int angle1, int angle2) {
        angles[21] = static_cast<std::int16_t>(angle1);
        angles[22] = static_cast<std::int16_t>(angle2);
    }
    void setAverageOutline(int noseX, int edgeX, int browY) {
        program.Statistics.MedianCoords[61] = static_cast<std::int16_t>(noseX);
        program.Statistics.MedianCoords[63] = static_cast<std::int16_t>(edgeX);
        program.Statistics.MedianCoords[60] = static_cast<std::int16_t>(browY);
    }

    std::vector<forms::Line*> faceLines() const {
        std::vector<forms::Line*> lines;
        for (int i = 0; i <= 10; ++i) {
            lines.insert(lines.end(),
                         {&plotter.RedLine(i), &plotter.BlueLine(i), &plotter.GreenLine(i)});
        }
        return lines;
    }
    std::vector<forms::Shape*> featureShapes() const {
        auto& p = plotter;
        return {&p.EyeArea1,  &p.EyeArea2,  &p.NoseArea1,  &p.MouthArea1,
                &p.EyeArea1b, &p.EyeArea2b, &p.NoseArea1b, &p.MouthArea1b,
                &p.EyeArea1g, &p.EyeArea2g, &p.NoseArea1g, &p.MouthArea1g};
    }
    std::vector<forms::Shape*> faceShapes(const analysis::PlotFace& face) const {
        return {&face.outline, &face.eye1, &face.eye2, &face.nose, &face.mouth};
    }
};

struct Bounds {
    int left;
    int top;
    int width;
    int height;
    friend bool operator==(const Bounds&, const Bounds&) = default;
};

inline Bounds boundsOf(const forms::Shape& shape) {
    return {shape.Left, shape.Top, shape.Width, shape.Height};
}

struct Ends {
    int x1;
    int y1;
    int x2;
    int y2;
    friend bool operator==(const Ends&, const Ends&) = default;
};

inline Ends endsOf(const forms::Line& line) {
    return {line.X1, line.Y1, line.X2, line.Y2};
}
