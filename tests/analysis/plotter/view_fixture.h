#pragma once

#include <cstdint>

#include "tests/analysis/plotter/plotter_fixture.h"

// The plotter shown, with helpers to put portrait and profile points straight into the slots and
// the average face, and one face trio whose every view is worked by hand in the view tests.
struct ViewFixture : PlotterFixture {
    void SetUp() override {
        PlotterFixture::SetUp();
        plotter.Show();
    }

    // Portrait point k: a face slot at elements 51 + 2k and 52 + 2k, the average face two higher.
    static void setPortrait(analysis::FaceCoords& coords, int base, int k, int x, int y) {
        coords[base + 2 * k] = static_cast<std::int16_t>(x);
        coords[base + 2 * k + 1] = static_cast<std::int16_t>(y);
    }
    static void setPoint(analysis::FaceSlot& slot, int k, int x, int y) {
        setPortrait(slot.Coords, 51, k, x, y);
    }
    void setAveragePoint(int k, int x, int y) {
        setPortrait(program.Statistics.MedianCoords, 53, k, x, y);
    }
    // Profile point k at elements 2k - 1 and 2k, alike in the slots and the average face.
    static void setProfilePoint(analysis::FaceCoords& coords, int k, int x, int y) {
        coords[2 * k - 1] = static_cast<std::int16_t>(x);
        coords[2 * k] = static_cast<std::int16_t>(y);
    }

    // Faces A, B and C (the average face), each a little different, with every portrait point the
    // eyes, nose, mouth and layout views read. Point 12's x is never read.
    void loadTrio() {
        struct Point {
            int k;
            int x;
            int y;
        };
        const Point a[] = {{3, 500, 1150},  {4, 600, 700},   {6, 470, 1000},  {7, 540, 1000},
                           {8, 420, 1010},  {9, 480, 960},   {10, 470, 1040}, {11, 380, 1080},
                           {12, 505, 1120}, {13, 560, 1100}, {14, 560, 420},  {15, 480, 380},
                           {16, 590, 300},  {19, 530, 690}};
        const Point b[] = {{3, 490, 1170},  {4, 610, 720},   {6, 480, 990},   {7, 550, 990},
                           {8, 440, 1000},  {9, 500, 940},   {10, 490, 1030}, {11, 400, 1090},
                           {12, 999, 1130}, {13, 570, 1120}, {14, 575, 430},  {15, 505, 395},
                           {16, 620, 320},  {19, 550, 700}};
        const Point c[] = {{3, 495, 1160}, {4, 605, 710},   {6, 475, 995},   {7, 555, 995},
                           {8, 425, 1005}, {9, 490, 945},   {10, 480, 1035}, {11, 390, 1085},
                           {12, 0, 1125},  {13, 565, 1110}, {14, 565, 425},  {15, 490, 390},
                           {16, 600, 310}, {19, 540, 705}};
        for (const Point& p : a) {
            setPoint(program.Face1, p.k, p.x, p.y);
        }
        for (const Point& p : b) {
            setPoint(program.Face2, p.k, p.x, p.y);
        }
        for (const Point& p : c) {
            setAveragePoint(p.k, p.x, p.y);
        }
        program.Face1.Loaded = true;
        program.Face2.Loaded = true;
        window.Person1.Caption = "Ann";
        window.Person2.Caption = "Bob";
    }

    // Face 2 as it is before any face 2 was loaded.
    void emptySlotTwo() { program.Face2 = analysis::FaceSlot{}; }
};
