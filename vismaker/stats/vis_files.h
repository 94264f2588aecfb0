#pragma once

#include <string>
#include <string_view>

#include "vismaker/stats/face_values.h"
#include "vismaker/stats/limits.h"

namespace vismaker {

// The midpoint of every measurement, the "average face": Int((max - min) / 2) + min, the
// difference taken in 32 bits, so it never overflows.
FaceValues MidValues(const Limits& limits);

// The bytes of the three statistics files.
struct VisFiles {
    std::string upper;   // Upper.vis
    std::string lower;   // Lower.vis
    std::string median;  // Median.vis
    FaceValues midValues;
};

// Builds the statistics files from the limits; fileCount is the number of face data files listed
// in the folder, shown on line 2.
VisFiles BuildVisFiles(const Limits& limits, int fileCount);

// Saves the three files into the folder as one unit: all three are written aside and put in
// place only once all three are written. Raises common::Error naming the file and the reason.
void SaveVisFiles(std::string_view folder, const VisFiles& files);

// Saves Upper.vis, Lower.vis and Median.vis into the folder as one unit and returns the
// midpoints. Every byte is worked out before the first file is touched, and the three are put in
// place only once all three are written, so a failed save leaves the older files as they were and
// the three never disagree.
FaceValues WriteVisFiles(std::string_view folder, const Limits& limits, int fileCount);

}  // namespace vismaker
