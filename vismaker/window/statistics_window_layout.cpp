#include "vismaker/window/statistics_window.h"

namespace vismaker {

namespace {

// Layouts are drawn up in pixels of a 96 dpi desktop; windows keep twips.
constexpr int kTwipsPerPixel = 15;

constexpr int pixels(int count) {
    return count * kTwipsPerPixel;
}

void place(forms::Control& control, int left, int top, int width, int height) {
    control.Left = pixels(left);
    control.Top = pixels(top);
    control.Width = pixels(width);
    control.Height = pixels(height);
}

}  // namespace

// Three columns: the button, the tick and the messages; the folder boxes; the portrait. At the
// end only the message, the log and the save button are left, the log over the folder boxes.
void StatisticsWindow::layOut() {
    Width = pixels(720);
    Height = pixels(470);
    place(selectAllButton, 16, 16, 160, 32);
    place(ShowPicsTick, 16, 60, 160, 24);
    place(statusMessage, 16, 96, 160, 120);
    place(progressLabel, 16, 228, 160, 96);
    place(browseHeading, 192, 16, 260, 20);
    place(Drive1, 192, 40, 260, 24);
    place(Dir1, 192, 72, 260, 160);
    place(File1, 192, 240, 260, 214);
    place(PicField, 468, 16, 236, 300);
    place(LogBox, 216, 16, 488, 388);
    place(SaveLog, 216, 416, 200, 36);
    for (forms::TextBox* scratch :
         {&SingersBox, &ActressesBox, &ModelBox, &FileLoadsHere, &FileGoesHere}) {
        place(*scratch, 0, 0, 0, 0);
    }
}

}  // namespace vismaker
