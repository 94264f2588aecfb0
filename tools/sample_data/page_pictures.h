#pragma once

#include <QImage>

namespace sample {

// The pictures the report pages name, tiled by the browser.
// Resultsbg3.gif: the dark ground of the best-three page, under its white names.
QImage drawBestThreeBackground();
// Resultsbg2.gif: the light ground of the all-matches page, under its black names.
QImage drawAllMatchesBackground();
// stars.gif: the fill of the score bars, a gold star on deep blue, 20 pixels high.
QImage drawStars();

}  // namespace sample
