#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/face_generator/face_generator.h"
#include "vismaker/stats/limits.h"

namespace facegen {

// One face data file of a database: its name ("<name>.txt") and its bytes.
struct FaceFile {
    std::string name;
    std::string text;
};

// The faces' data files in the order a file list box shows them. Raises common::Error when a
// face's name names no file or two faces would share a file, which would lose one of them.
std::vector<FaceFile> faceFiles(const std::vector<GeneratedFace>& faces);

// The limits of every measurement over the files, read in their order as the statistics builder
// reads a folder: a profile value a face leaves unmeasured keeps the previous face's value.
vismaker::Limits statisticsLimits(const std::vector<FaceFile>& files);

enum class Pictures {
    None,
    // "<name>1.jpg" and "<name>3.jpg" for every face: a JPEG start marker and an end marker, no
    // image. The headless platform checks a picture by its header, so they let the programs run
    // without a desktop; a real picture viewer shows nothing for them.
    Placeholders,
};

// Writes a database into the folder (made when missing): every face data file, the placeholder
// pictures when asked, and Upper.vis, Lower.vis and Median.vis as the statistics builder would
// write them over the folder (none for no faces, as it writes none for an empty folder).
// Everything is checked before the first file is written: besides the faults of faceFiles, a
// "*.txt" file already in the folder that is not one of the faces raises InvalidCall naming that
// file (Error::file), since the statistics would then not describe the folder; a folder that
// cannot be made raises PathNotFound naming it and the reason. Files of the faces' own names are
// replaced.
void writeDatabase(std::string_view folder, const std::vector<GeneratedFace>& faces,
                   Pictures pictures = Pictures::None);

}  // namespace facegen
