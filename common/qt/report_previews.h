#pragma once

#include <QRectF>
#include <string_view>

class QPainter;

namespace qtui {

// Paints a small likeness of one of the six report pages, "design:report1" (the three best
// matches) to "design:report6" (profiles): the page's colours and the shape of its rows. An
// unknown name paints nothing and returns false.
bool paintReportPreview(QPainter& painter, const QRectF& area, std::string_view name);

}  // namespace qtui
