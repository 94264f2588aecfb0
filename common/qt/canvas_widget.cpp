#include "common/qt/canvas_widget.h"

#include <QFrame>
#include <QPainter>

#include "common/forms/controls.h"
#include "common/forms/window.h"
#include "common/qt/colours.h"
#include "common/qt/containers.h"
#include "common/qt/shape_painting.h"

namespace qtui {

CanvasWidget::CanvasWidget(QWidget& parent, const forms::Window& window,
                           const forms::Control* container, const TwipsScale& scale)
    : QWidget(&parent), window_(window), container_(container), scale_(scale) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    lower();
}

void CanvasWidget::sync() {
    // A picture box's children stand in its client area, inside its border.
    const auto* frame = qobject_cast<const QFrame*>(parentWidget());
    const QRect area =
        container_ != nullptr && frame != nullptr ? frame->contentsRect() : parentWidget()->rect();
    if (geometry() != area) {
        setGeometry(area);
    }
    // A layer made after its container was shown must be shown itself.
    if (isHidden()) {
        show();
    }
    std::vector<std::int64_t> now = drawing();
    if (now != drawn_) {
        drawn_ = std::move(now);
        update();
    }
}

// Every value the painting depends on, in painting order: comparing two of these tells whether
// the layer must be painted again.
std::vector<std::int64_t> CanvasWidget::drawing() const {
    std::vector<std::int64_t> values{static_cast<std::int64_t>(scale_.dotsPerInch() * 1000)};
    if (container_ == nullptr) {
        for (const auto& r : window_.surface()) {
            values.insert(values.end(), {r.x1, r.y1, r.x2, r.y2, r.colour});
        }
    }
    for (const forms::Control* control : window_.controls()) {
        if (!isGraphic(*control) || containerOf(*control) != container_ || !control->Visible) {
            continue;
        }
        values.push_back(-1);
        if (const auto* shape = dynamic_cast<const forms::Shape*>(control)) {
            values.insert(values.end(), {shape->Left, shape->Top, shape->Width, shape->Height,
                                         static_cast<int>(shape->Kind), shape->BorderColor,
                                         shape->BorderWidth, static_cast<int>(shape->Style),
                                         shape->FillColor, shape->FillStyle, shape->Well ? 1 : 0});
        } else if (const auto* line = dynamic_cast<const forms::Line*>(control)) {
            values.insert(values.end(), {line->X1, line->Y1, line->X2, line->Y2, line->BorderColor,
                                         line->BorderWidth, static_cast<int>(line->Style)});
        }
    }
    return values;
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (container_ == nullptr) {
        for (const auto& r : window_.surface()) {
            const QRect from(scale_.point(r.x1, r.y1), scale_.point(r.x2, r.y2));
            painter.fillRect(from.normalized(), toQColor(r.colour));
        }
    }
    for (const forms::Control* control : window_.controls()) {
        if (!isGraphic(*control) || containerOf(*control) != container_ || !control->Visible) {
            continue;
        }
        if (const auto* shape = dynamic_cast<const forms::Shape*>(control)) {
            paintShape(painter, *shape, scale_, palette());
        } else if (const auto* line = dynamic_cast<const forms::Line*>(control)) {
            paintLine(painter, *line, scale_);
        }
    }
}

}  // namespace qtui
