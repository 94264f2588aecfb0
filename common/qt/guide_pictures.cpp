#include "common/qt/guide_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <optional>
#include <utility>

namespace qtui {

namespace {

// The face is drawn in a unit square as the photograph shows it; the measured half is the
// picture's left half.
constexpr double kFaceX = 0.5;
constexpr double kFaceY = 0.5;
constexpr double kFaceRx = 0.32;
constexpr double kFaceRy = 0.40;

struct Mark {
    double x;
    double y;
};

// Portrait points 1 to 20.
constexpr std::array<Mark, 20> kPoints{{
    {0.50, 0.90},    // chin, lowest point
    {0.236, 0.41},   // eye, apparent outermost edge: the tip of the outermost lash
    {0.324, 0.32},   // eyebrow, topmost point of its upper edge
    {0.50, 0.625},   // nose tip
    {0.18, 0.47},    // leftmost face edge
    {0.35, 0.43},    // centre of pupil
    {0.435, 0.43},   // eye, innermost edge
    {0.265, 0.43},   // eyeball, real outermost edge: where the lids meet
    {0.35, 0.455},   // lower lid, lowest point
    {0.35, 0.405},   // upper lid, topmost point
    {0.22, 0.36},    // eyebrow, outermost point
    {0.324, 0.345},  // eyebrow, its lower edge below the topmost point
    {0.445, 0.35},   // eyebrow, innermost point
    {0.50, 0.715},   // top lip, topmost point
    {0.38, 0.74},    // mouth, outermost point
    {0.50, 0.785},   // bottom lip, lowest point
    {0.50, 0.66},    // where the philtrum meets the nose
    {0.46, 0.635},   // nostril hole, highest point
    {0.425, 0.63},   // nostril meets the cheek
    {0.455, 0.52},   // brow-width line of the nose
}};

// The x of the face outline's left side at height y.
double outlineLeft(double y) {
    const double t = (y - kFaceY) / kFaceRy;
    return kFaceX - kFaceRx * std::sqrt(std::max(0.0, 1 - t * t));
}

// Steps whose landmarks lie close to another's show them enlarged as well, in a round inset
// above the head: the eye's outer corner with its lashes, the eyebrow with its thickness.
struct Detail {
    Mark centre;
    double zoom;
};
constexpr Mark kInsetCentre{0.15, 0.08};
constexpr double kInsetRadius = 0.15;

std::optional<Detail> detailOf(int step) {
    switch (step) {
        case 2:
        case 8:
            return Detail{{0.265, 0.42}, 2.6};
        case 3:
        case 12:
            return Detail{{0.324, 0.333}, 3.5};
        default:
            return std::nullopt;
    }
}

// Step 20's vertical line of best fit, along the side of the nose between the brows' width.
constexpr double kNoseLineX = 0.457;

struct Slope {
    Mark from;
    Mark to;
};

// Portrait angles 1 to 10: the line whose slope is read.
std::array<Slope, 10> slopes() {
    return {{
        {{outlineLeft(0.86), 0.86}, {outlineLeft(0.76), 0.76}},      // jawline, mouth to chin
        {{outlineLeft(0.785), 0.785}, {outlineLeft(0.715), 0.715}},  // jawline, lips
        {{0.23, 0.50}, {0.33, 0.58}},                                // cheekbone
        {{0.324, 0.32}, {0.445, 0.35}},                              // eyebrow, inner
        {{0.22, 0.36}, {0.324, 0.32}},                               // eyebrow, outer
        {{0.425, 0.63}, {0.445, 0.58}},                              // nostril meets cheek
        {{0.46, 0.635}, {0.50, 0.66}},                               // nostril hole to septum
        {{0.38, 0.74}, {0.50, 0.715}},                               // top lip
        {{0.38, 0.74}, {0.50, 0.785}},                               // bottom lip
        {{0.16, 0.40}, {0.185, 0.55}},                               // ear joins the head
    }};
}

class FaceCanvas {
  public:
    FaceCanvas(QPainter& painter, const QRectF& area) : painter_(painter) {
        const double side = std::min(area.width(), area.height()) * 0.96;
        square_ = QRectF(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    }

    QPointF at(Mark mark) const {
        return {square_.left() + mark.x * square_.width(),
                square_.top() + mark.y * square_.height()};
    }
    double size(double unit) const { return unit * square_.width(); }
    // A line width or mark size of the given units, never below least pixels, the same on the
    // picture whether drawn enlarged in the inset or not.
    double fine(double unit, double least = 0) const { return std::max(least, size(unit)) / zoom_; }
    QPainter& painter() { return painter_; }

    void drawFace(const QColor& line) {
        QPen pen(line, fine(0.006, 1.0));
        pen.setCapStyle(Qt::RoundCap);
        painter_.setPen(pen);
        painter_.setBrush(Qt::NoBrush);
        // Head, ears and hair line.
        painter_.drawEllipse(at({kFaceX, kFaceY}), size(kFaceRx), size(kFaceRy));
        for (const double side : {-1.0, 1.0}) {
            QPainterPath ear;
            const double x = kFaceX + side * (kFaceRx - 0.005);
            ear.moveTo(at({x, 0.40}));
            ear.cubicTo(at({x + side * 0.07, 0.37}), at({x + side * 0.07, 0.56}),
                        at({x - side * 0.005, 0.56}));
            painter_.drawPath(ear);
        }
        QPainterPath hair;
        hair.moveTo(at({0.19, 0.33}));
        hair.cubicTo(at({0.30, 0.16}), at({0.70, 0.16}), at({0.81, 0.33}));
        painter_.drawPath(hair);
        for (const double side : {-1.0, 1.0}) {
            const auto m = [side](double x, double y) { return Mark{0.5 + side * (0.5 - x), y}; };
            // Eyebrow, with its thickness: an upper and a lower edge, filled.
            QPainterPath brow;
            brow.moveTo(at(m(0.22, 0.36)));
            brow.quadTo(at(m(0.30, 0.285)), at(m(0.445, 0.35)));
            brow.quadTo(at(m(0.31, 0.335)), at(m(0.22, 0.36)));
            painter_.setBrush(line.lighter(165));
            painter_.drawPath(brow);
            painter_.setBrush(Qt::NoBrush);
            // Eye: lids and pupil.
            QPainterPath eye;
            eye.moveTo(at(m(0.265, 0.43)));
            eye.quadTo(at(m(0.35, 0.38)), at(m(0.435, 0.43)));
            eye.quadTo(at(m(0.35, 0.48)), at(m(0.265, 0.43)));
            painter_.drawPath(eye);
            // Lashes along the upper lid, the outermost reaching past the corner of the eye.
            QPainterPath lashes;
            for (const auto& [base, tip] :
                 std::initializer_list<std::pair<Mark, Mark>>{{{0.268, 0.427}, {0.236, 0.41}},
                                                              {{0.285, 0.414}, {0.262, 0.393}},
                                                              {{0.31, 0.402}, {0.294, 0.378}},
                                                              {{0.34, 0.396}, {0.333, 0.37}},
                                                              {{0.37, 0.397}, {0.372, 0.372}}}) {
                lashes.moveTo(at(m(base.x, base.y)));
                lashes.lineTo(at(m(tip.x, tip.y)));
            }
            painter_.drawPath(lashes);
            painter_.drawEllipse(at(m(0.35, 0.43)), size(0.018), size(0.018));
            // Nostril.
            painter_.drawEllipse(at(m(0.455, 0.638)), size(0.018), size(0.008));
        }
        // Nose.
        QPainterPath nose;
        nose.moveTo(at({0.46, 0.44}));
        nose.lineTo(at({0.455, 0.58}));
        nose.quadTo(at({0.40, 0.64}), at({0.45, 0.65}));
        nose.quadTo(at({0.50, 0.67}), at({0.55, 0.65}));
        nose.quadTo(at({0.60, 0.64}), at({0.545, 0.58}));
        painter_.drawPath(nose);
        // Mouth: top lip, parting line, bottom lip.
        QPainterPath mouth;
        mouth.moveTo(at({0.38, 0.74}));
        mouth.quadTo(at({0.45, 0.70}), at({0.50, 0.715}));
        mouth.quadTo(at({0.55, 0.70}), at({0.62, 0.74}));
        mouth.quadTo(at({0.50, 0.83}), at({0.38, 0.74}));
        mouth.moveTo(at({0.38, 0.74}));
        mouth.lineTo(at({0.62, 0.74}));
        painter_.drawPath(mouth);
        // The middle of the face, for the eye: only its left half is measured.
        QPen middle(line.lighter(150), fine(0.003, 1.0), Qt::DashLine);
        painter_.setPen(middle);
        painter_.drawLine(at({0.5, 0.08}), at({0.5, 0.93}));
    }

    void markPoint(Mark mark, const QColor& ink) {
        const QPointF centre = at(mark);
        const double r = fine(0.022);
        painter_.setPen(QPen(ink, fine(0.007, 1.5)));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawEllipse(centre, r, r);
        painter_.drawLine(centre - QPointF(r * 1.8, 0), centre - QPointF(r * 0.6, 0));
        painter_.drawLine(centre + QPointF(r * 0.6, 0), centre + QPointF(r * 1.8, 0));
        painter_.drawLine(centre - QPointF(0, r * 1.8), centre - QPointF(0, r * 0.6));
        painter_.drawLine(centre + QPointF(0, r * 0.6), centre + QPointF(0, r * 1.8));
        painter_.setBrush(ink);
        painter_.drawEllipse(centre, r * 0.3, r * 0.3);
    }

    void markSlope(const Slope& slope, const QColor& ink) {
        QPointF a = at(slope.from);
        QPointF b = at(slope.to);
        // The line, drawn a little beyond both ends, and a level reference through its lower end.
        const QPointF along = (b - a) * 0.25;
        painter_.setPen(QPen(ink, std::max(2.0, size(0.01)), Qt::SolidLine, Qt::RoundCap));
        painter_.drawLine(a - along, b + along);
        const QPointF low = a.y() >= b.y() ? a : b;
        const QPointF high = a.y() >= b.y() ? b : a;
        const double reach = std::max(size(0.08), std::abs(high.x() - low.x()) * 1.2);
        const double direction = high.x() >= low.x() ? 1 : -1;
        painter_.setPen(QPen(ink, std::max(1.0, size(0.004)), Qt::DashLine));
        painter_.drawLine(low, low + QPointF(direction * reach, 0));
        // The angle between them.
        const double radius = size(0.05);
        const double level = direction > 0 ? 0 : 180;
        const QLineF line(low, high);
        double sweep = line.angle() - level;
        if (sweep > 180) {
            sweep -= 360;
        } else if (sweep < -180) {
            sweep += 360;
        }
        painter_.setPen(QPen(ink, std::max(1.0, size(0.005))));
        painter_.drawArc(QRectF(low.x() - radius, low.y() - radius, 2 * radius, 2 * radius),
                         static_cast<int>(level * 16), static_cast<int>(sweep * 16));
    }

    // What the step's caption asks for besides its point: the edge of the eye a vertical line
    // at it, the eyebrow's top a level line over it, its thickness a line down from the top,
    // the nose its vertical line of best fit.
    void markGuide(int step, const QColor& ink) {
        const Mark point = kPoints[static_cast<std::size_t>(step - 1)];
        const auto dashed = [this, &ink](Mark from, Mark to) {
            painter_.setPen(QPen(ink, fine(0.004, 1.0), Qt::DashLine));
            painter_.drawLine(at(from), at(to));
        };
        switch (step) {
            case 2:
            case 8:
                dashed({point.x, 0.37}, {point.x, 0.49});
                break;
            case 3:
                dashed({point.x - 0.06, point.y}, {point.x + 0.06, point.y});
                break;
            case 12: {
                const Mark top = kPoints[2];
                dashed(top, point);
                painter_.setPen(QPen(ink, fine(0.004, 1.0)));
                painter_.drawEllipse(at(top), fine(0.008), fine(0.008));
                break;
            }
            case 20:
                painter_.setPen(QPen(ink, fine(0.01, 2.0), Qt::SolidLine, Qt::RoundCap));
                painter_.drawLine(at({kNoseLineX, 0.40}), at({kNoseLineX, 0.60}));
                break;
            default:
                break;
        }
        markPoint(point, ink);
    }

    // The content enlarged in the inset, with a ring round the part of the face it shows.
    void drawDetail(const Detail& detail, const QColor& line, const QColor& paper,
                    const std::function<void()>& content) {
        const QPointF source = at(detail.centre);
        const QPointF inset = at(kInsetCentre);
        const double sourceRadius = size(kInsetRadius) / detail.zoom;
        painter_.setPen(QPen(line, fine(0.004, 1.0)));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawEllipse(source, sourceRadius, sourceRadius);
        const QLineF leader(source, inset);
        painter_.drawLine(leader.pointAt(sourceRadius / leader.length()),
                          leader.pointAt(1 - size(kInsetRadius) / leader.length()));

        painter_.save();
        QPainterPath round;
        round.addEllipse(inset, size(kInsetRadius), size(kInsetRadius));
        painter_.fillPath(round, paper);
        painter_.setClipPath(round);
        QTransform enlarge;
        enlarge.translate(inset.x(), inset.y());
        enlarge.scale(detail.zoom, detail.zoom);
        enlarge.translate(-source.x(), -source.y());
        painter_.setTransform(enlarge, true);
        zoom_ = detail.zoom;
        content();
        zoom_ = 1;
        painter_.restore();
        painter_.setPen(QPen(line, fine(0.006, 1.0)));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawEllipse(inset, size(kInsetRadius), size(kInsetRadius));
    }

  private:
    QPainter& painter_;
    QRectF square_;
    // The enlargement the canvas is drawn at, so that lines and marks keep their width.
    double zoom_ = 1;
};

}  // namespace

bool paintGuidePicture(QPainter& painter, const QRectF& area, std::string_view name,
                       const QColor& ink, const QColor& paper) {
    constexpr std::string_view prefix = "design:guide-";
    if (!name.starts_with(prefix)) {
        return false;
    }
    const std::string_view number = name.substr(prefix.size());
    int step = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), step);
    if (error != std::errc() || end != number.data() + number.size() || step < 1 || step > 30) {
        return false;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, paper);
    FaceCanvas canvas(painter, area);
    const QColor line = paper.lightness() > 128 ? QColor(90, 90, 90) : QColor(200, 200, 200);
    const auto content = [&canvas, &line, &ink, step] {
        canvas.drawFace(line);
        if (step <= 20) {
            canvas.markGuide(step, ink);
        } else {
            canvas.markSlope(slopes()[static_cast<std::size_t>(step - 21)], ink);
        }
    };
    content();
    if (const std::optional<Detail> detail = detailOf(step)) {
        canvas.drawDetail(*detail, line, paper, content);
    }
    painter.restore();
    return true;
}

}  // namespace qtui
