#include "analysis/mainwindow/analysis_window.h"
#include "analysis/mainwindow/pixel_layout.h"

namespace analysis {

namespace {

// Pixel grid of the 1000 x 700 window: a 16 pixel margin, the browser column, then two face
// panels of equal width; results in the band under the faces, navigation along the bottom.
constexpr int kMargin = 16;
constexpr int kBrowserWidth = 224;
constexpr int kPanelLeft[2] = {264, 644};
constexpr int kPanelWidth = 340;
constexpr int kPhotoTop = 48;
constexpr int kPhotoWidth = 300;
constexpr int kPhotoHeight = 380;
constexpr int kSide = 32;  // swatches, links, view steps, swap
constexpr int kResultsTop = 486;
constexpr int kNavigationTop = 652;

struct FacePanel {
    forms::Label& person;
    forms::PictureBox& photo;
    forms::Shape* swatches[3];
    forms::Label* swatchLabels[3];
    forms::Image& link;
    forms::Label& view;
    forms::Image& step;
};

void layOutPanel(const FacePanel& panel, int left) {
    const int sideLeft = left + kPhotoWidth + 8;
    place(panel.person, left, kMargin, kPanelWidth, 24);
    place(panel.photo, left, kPhotoTop, kPhotoWidth, kPhotoHeight);
    for (int k = 0; k < 3; ++k) {
        place(*panel.swatches[k], sideLeft, kPhotoTop + k * (kSide + 8), kSide, kSide);
        place(*panel.swatchLabels[k], sideLeft, kPhotoTop + k * (kSide + 8), kSide, kSide);
    }
    place(panel.link, sideLeft, kPhotoTop + kPhotoHeight - kSide, kSide, kSide);
    const int underPhoto = kPhotoTop + kPhotoHeight + 4;
    place(panel.view, left, underPhoto + 4, kPhotoWidth - kSide - 8, 24);
    place(panel.step, left + kPhotoWidth - kSide, underPhoto, kSide, kSide);
}

}  // namespace

void Analysis::layOut() {
    place(browseHeading, kMargin, kMargin, kBrowserWidth, 20);
    place(Drive1, kMargin, 40, kBrowserWidth, 24);
    place(Dir1, kMargin, 72, kBrowserWidth, 168);
    // The face list and the list files share one place; only one of them shows at a time.
    place(File1, kMargin, 248, kBrowserWidth, 252);
    place(ListFiles, kMargin, 248, kBrowserWidth, 252);
    place(Allbutton, kMargin, 508, 70, 28);
    place(ListsButton, kMargin + 77, 508, 70, 28);
    place(ListEditButton, kMargin + 154, 508, 70, 28);
    place(selectFace1, kMargin, 544, 108, 32);
    place(selectFace2, kMargin + 116, 544, 108, 32);
    place(SecretListBox, kMargin, 588, kBrowserWidth, 40);

    layOutPanel({Person1,
                 face1Photo,
                 {&Face1Colour1, &Face1Colour2, &Face1Colour3},
                 {&FC1, &FC2, &FC3},
                 URL1,
                 View1,
                 face1NextView},
                kPanelLeft[0]);
    layOutPanel({Person2,
                 face2Photo,
                 {&Face2Colour1, &Face2Colour2, &Face2Colour3},
                 {&FC1B, &FC2B, &FC3B},
                 URL2,
                 View2,
                 face2NextView},
                kPanelLeft[1]);
    place(SwapButton, kPanelLeft[0] + kPanelWidth + 4, kPhotoTop + (kPhotoHeight - kSide) / 2,
          kSide, kSide);

    // Each hot area lies exactly over its place.
    forms::Label* places[3] = {&FirstPlace, &SecondPlace, &ThirdPlace};
    forms::Label* hotAreas[3] = {&FirstHotArea, &SecondHotArea, &ThirdHotArea};
    for (int k = 0; k < 3; ++k) {
        place(*places[k], kPanelLeft[0], kResultsTop + k * 34, kPanelWidth, 28);
        place(*hotAreas[k], kPanelLeft[0], kResultsTop + k * 34, kPanelWidth, 28);
    }
    const int right = kPanelLeft[1];
    place(CompButton, right, kResultsTop, 166, 32);
    place(CompListButton, right + 174, kResultsTop, 166, 32);
    // The progress captions are long: a smaller type keeps each on one line beside its figure.
    for (forms::Label* caption : {&ProgressLabel, &CurrentProgress}) {
        caption->FontSize = 8;
        caption->WordWrap = false;
    }
    place(ProgressLabel, right, kResultsTop + 42, 290, 20);
    place(CurrentTotal, right + 290, kResultsTop + 42, 50, 20);
    place(CurrentProgress, right, kResultsTop + 70, 290, 20);
    place(CurrentSubtotal, right + 290, kResultsTop + 70, 50, 20);

    forms::Label* navigation[5] = {&OutputButton, &PlotterButton, &PrefButton, &HelpButton,
                                   &QuitButton};
    for (int k = 0; k < 5; ++k) {
        place(*navigation[k], kMargin + k * 196, kNavigationTop, 184, kSide);
    }

    // Thin rules between the browser, the faces, the results and the navigation.
    place(browserDivider, 250, kMargin, 2, 620);
    place(Blankbit, kPanelLeft[0], 474, kPanelLeft[1] + kPanelWidth - kPanelLeft[0], 2);
    place(TabPicture, kMargin, 642, 968, 2);
}

}  // namespace analysis
