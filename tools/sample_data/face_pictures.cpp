#include "tools/sample_data/face_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <array>
#include <cmath>
#include <functional>

#include "common/text/convert.h"

namespace sample {

namespace {

constexpr int kWidth = 360;
constexpr int kHeight = 450;

QColor colourOf(std::int32_t value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// A small stable number from a name, so every face keeps its own backdrop and clothes.
unsigned nameHash(const std::string& name) {
    unsigned h = 2166136261u;
    for (char c : name) {
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return h;
}

struct Palette {
    QColor skin;
    QColor hair;
    QColor eyes;
};

Palette paletteOf(const facegen::GeneratedFace& face) {
    if (face.face.colours) {
        return {colourOf(face.face.colours->skin), colourOf(face.face.colours->hair),
                colourOf(face.face.colours->eyes)};
    }
    const unsigned h = nameHash(face.face.name);
    const std::array<QColor, 4> skins{QColor(241, 204, 176), QColor(224, 172, 132),
                                      QColor(181, 128, 92), QColor(120, 80, 56)};
    const std::array<QColor, 4> hairs{QColor(40, 28, 20), QColor(110, 70, 40), QColor(200, 160, 90),
                                      QColor(60, 60, 60)};
    return {skins[h % 4], hairs[(h / 4) % 4], QColor(70, 100, 140)};
}

// Face units (X growing from the left face edge towards the centre line, Y above the chin) to
// picture pixels, for the left half of the face or its mirror image on the right.
class FaceFrame {
  public:
    FaceFrame(const facegen::GeneratedFace& face, QPointF chin, double scale)
        : centre_(face.face.points[0].x), chin_(chin), scale_(scale) {
        for (std::size_t k = 0; k < 20; ++k) {
            const auto& p = face.face.points[k];
            left_[k] = std::max(0.0, centre_ - p.x);
            up_[k] = p.y;
        }
    }
    // Landmark k (1 to 20) on the left side (side -1) or mirrored on the right (side +1).
    QPointF at(int k, int side = -1) const {
        return map(left_[static_cast<std::size_t>(k - 1)], up_[static_cast<std::size_t>(k - 1)],
                   side);
    }
    QPointF map(double left, double up, int side = -1) const {
        return {chin_.x() + side * left * scale_, chin_.y() - up * scale_};
    }
    double left(int k) const { return left_[static_cast<std::size_t>(k - 1)]; }
    double up(int k) const { return up_[static_cast<std::size_t>(k - 1)]; }
    double scale() const { return scale_; }

  private:
    double centre_;
    QPointF chin_;
    double scale_;
    std::array<double, 20> left_{};
    std::array<double, 20> up_{};
};

// A smooth closed curve through the points.
QPainterPath smoothClosed(const std::vector<QPointF>& pts) {
    QPainterPath path;
    const std::size_t n = pts.size();
    const auto mid = [&](std::size_t i) { return (pts[i % n] + pts[(i + 1) % n]) / 2; };
    path.moveTo(mid(0));
    for (std::size_t i = 1; i <= n; ++i) {
        path.quadTo(pts[i % n], mid(i));
    }
    path.closeSubpath();
    return path;
}

std::vector<QPointF> outline(const FaceFrame& f, double crown) {
    const double edge = f.left(5);
    const double jaw = std::max(f.left(15) + 60, edge * 0.6);
    std::vector<std::pair<double, double>> leftSide = {
        {jaw * 0.35, 10},    {jaw, 180},          {edge * 0.93, 480},      {edge, f.up(5)},
        {edge * 0.98, 1200}, {edge * 0.85, 1480}, {edge * 0.5, crown - 60}};
    std::vector<QPointF> pts;
    pts.push_back(f.map(0, -15));
    for (const auto& [l, u] : leftSide) {
        pts.push_back(f.map(l, u, -1));
    }
    pts.push_back(f.map(0, crown));
    for (auto it = leftSide.rbegin(); it != leftSide.rend(); ++it) {
        pts.push_back(f.map(it->first, it->second, +1));
    }
    return pts;
}

void drawBackdrop(QPainter& p, unsigned hash, bool outdoor) {
    QLinearGradient g(0, 0, 0, kHeight);
    const int hue = static_cast<int>(hash % 360);
    if (outdoor) {
        g.setColorAt(0, QColor::fromHsv(205, 90, 240));
        g.setColorAt(0.7, QColor::fromHsv(200, 40, 250));
        g.setColorAt(1, QColor::fromHsv(100, 80, 170));
    } else {
        g.setColorAt(0, QColor::fromHsv(hue, 40, 235));
        g.setColorAt(1, QColor::fromHsv(hue, 70, 150));
    }
    p.fillRect(0, 0, kHeight * 2, kHeight * 2, g);
}

void drawEye(QPainter& p, const FaceFrame& f, int side, const Palette& pal) {
    const QPointF outer = f.at(2, side);
    const QPointF inner = f.at(7, side);
    const QPointF top = f.at(10, side);
    const QPointF bottom = f.at(9, side);
    QPainterPath almond;
    almond.moveTo(outer);
    almond.quadTo(QPointF(top.x(), 2 * top.y() - (outer.y() + inner.y()) / 2), inner);
    almond.quadTo(QPointF(bottom.x(), 2 * bottom.y() - (outer.y() + inner.y()) / 2), outer);
    p.setPen(QPen(QColor(60, 40, 30), 1.2));
    p.setBrush(QColor(250, 250, 246));
    p.drawPath(almond);
    const QPointF pupil = f.at(6, side);
    const double radius = std::max(2.5, std::abs(bottom.y() - top.y()) * 0.42);
    p.save();
    p.setClipPath(almond);
    p.setPen(Qt::NoPen);
    p.setBrush(pal.eyes);
    p.drawEllipse(pupil, radius, radius);
    p.setBrush(QColor(15, 15, 15));
    p.drawEllipse(pupil, radius * 0.45, radius * 0.45);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(pupil + QPointF(-radius * 0.3, -radius * 0.35), radius * 0.18, radius * 0.18);
    p.restore();
    p.setPen(QPen(QColor(50, 30, 25), 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath lid;
    lid.moveTo(outer);
    lid.quadTo(QPointF(top.x(), 2 * top.y() - (outer.y() + inner.y()) / 2), inner);
    p.drawPath(lid);
}

void drawBrow(QPainter& p, const FaceFrame& f, int side, const Palette& pal) {
    QPainterPath brow;
    brow.moveTo(f.at(11, side));
    brow.quadTo(f.at(3, side) + QPointF(0, -2), f.at(13, side));
    brow.quadTo(f.at(12, side) + QPointF(0, 2), f.at(11, side));
    p.setPen(QPen(pal.hair.darker(130), 1));
    p.setBrush(pal.hair.darker(115));
    p.drawPath(brow);
}

void drawNose(QPainter& p, const FaceFrame& f, const Palette& pal) {
    const QColor line = pal.skin.darker(150);
    p.setBrush(Qt::NoBrush);
    for (int side : {-1, 1}) {
        p.setPen(QPen(line, 1.6));
        QPainterPath bridge;
        bridge.moveTo(f.at(20, side) + QPointF(0, -f.scale() * 120));
        bridge.quadTo(f.at(20, side), f.at(19, side) + QPointF(0, -f.scale() * 40));
        p.drawPath(bridge);
        QPainterPath wing;
        wing.moveTo(f.at(19, side));
        wing.quadTo(f.at(18, side) + QPointF(0, f.scale() * 40), f.at(17, side));
        p.setPen(QPen(line, 2));
        p.drawPath(wing);
        p.setPen(Qt::NoPen);
        p.setBrush(pal.skin.darker(190));
        p.drawEllipse(f.at(18, side) + QPointF(0, f.scale() * 18), f.scale() * 28, f.scale() * 12);
        p.setBrush(Qt::NoBrush);
    }
    p.setPen(QPen(line, 1.4));
    p.drawArc(QRectF(f.at(4, 1).x() - f.scale() * 45, f.at(4).y() - f.scale() * 30, f.scale() * 90,
                     f.scale() * 50),
              200 * 16, 140 * 16);
}

void drawMouth(QPainter& p, const FaceFrame& f, const Palette& pal) {
    const QPointF left = f.at(15, -1);
    const QPointF right = f.at(15, 1);
    const QPointF top = f.at(14, -1);
    const QPointF bottom = f.at(16, -1);
    const double middle = (left.y() + right.y()) / 2 + (bottom.y() - top.y()) * 0.1;
    QPainterPath upper;
    upper.moveTo(left);
    upper.quadTo(QPointF(top.x() - f.scale() * 60, top.y() - f.scale() * 6),
                 QPointF(f.map(0, 0).x(), top.y() + f.scale() * 12));
    upper.quadTo(QPointF(f.at(14, 1).x() + f.scale() * 60, top.y() - f.scale() * 6), right);
    upper.quadTo(QPointF(f.map(0, 0).x(), middle + f.scale() * 6), left);
    QPainterPath lower;
    lower.moveTo(left);
    lower.quadTo(QPointF(f.map(0, 0).x(), middle), right);
    lower.quadTo(QPointF(f.map(0, 0).x(), 2 * bottom.y() - middle), left);
    const QColor lip = QColor::fromHsv(355, std::min(255, pal.skin.hsvSaturation() + 90),
                                       std::max(90, pal.skin.value() - 40));
    p.setPen(QPen(lip.darker(140), 1));
    p.setBrush(lip);
    p.drawPath(upper);
    p.setBrush(lip.lighter(110));
    p.drawPath(lower);
}

// The face itself, centred on chin, at the given scale in pixels per face unit.
void drawFace(QPainter& p, const facegen::GeneratedFace& face, QPointF chin, double scale) {
    const Palette pal = paletteOf(face);
    const FaceFrame f(face, chin, scale);
    const double crown = std::max(f.up(3) + 420, 1650.0);
    const unsigned h = nameHash(face.face.name);
    const bool longHair = h % 3 != 0;

    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(pal.hair);
    if (longHair) {
        p.drawPath(
            smoothClosed({f.map(f.left(5) * 1.25, 200, -1), f.map(f.left(5) * 1.3, 1100, -1),
                          f.map(f.left(5) * 0.9, crown + 120, -1), f.map(0, crown + 170),
                          f.map(f.left(5) * 0.9, crown + 120, 1), f.map(f.left(5) * 1.3, 1100, 1),
                          f.map(f.left(5) * 1.25, 200, 1), f.map(0, 700)}));
    }
    // Neck and ears under the face.
    p.setBrush(pal.skin.darker(112));
    p.drawRect(QRectF(f.map(f.left(15) + 40, 200, -1), f.map(f.left(15) + 40, -600, 1)));
    for (int side : {-1, 1}) {
        p.drawEllipse(f.map(f.left(5) + 20, (f.up(2) + f.up(4)) / 2, side), scale * 55,
                      scale * 150);
    }
    QRadialGradient shade(f.map(0, 900), scale * 900);
    shade.setColorAt(0, pal.skin.lighter(108));
    shade.setColorAt(1, pal.skin.darker(118));
    p.setBrush(shade);
    p.setPen(QPen(pal.skin.darker(140), 1));
    p.drawPath(smoothClosed(outline(f, crown)));
    // Hair over the forehead.
    p.setPen(Qt::NoPen);
    p.setBrush(pal.hair);
    p.drawPath(smoothClosed({f.map(f.left(5) * 1.02, f.up(3) + 180, -1),
                             f.map(f.left(5) * 0.8, crown + 60, -1), f.map(0, crown + 110),
                             f.map(f.left(5) * 0.8, crown + 60, 1),
                             f.map(f.left(5) * 1.02, f.up(3) + 180, 1),
                             f.map(f.left(5) * 0.3, f.up(3) + 260 + (h % 5) * 30)}));
    for (int side : {-1, 1}) {
        drawEye(p, f, side, pal);
        drawBrow(p, f, side, pal);
    }
    drawNose(p, f, pal);
    drawMouth(p, f, pal);
}

void drawShoulders(QPainter& p, QPointF chin, double scale, const QColor& clothes) {
    p.setPen(Qt::NoPen);
    p.setBrush(clothes);
    QPainterPath body;
    body.moveTo(chin.x() - scale * 1400, kHeight + 10);
    body.quadTo(chin.x() - scale * 1300, chin.y() + scale * 420, chin.x(), chin.y() + scale * 380);
    body.quadTo(chin.x() + scale * 1300, chin.y() + scale * 420, chin.x() + scale * 1400,
                kHeight + 10);
    body.closeSubpath();
    p.drawPath(body);
}

QColor clothesOf(const facegen::GeneratedFace& face) {
    return QColor::fromHsv(static_cast<int>((nameHash(face.face.name) / 7) % 360), 120, 150);
}

QImage portrait(const facegen::GeneratedFace& face, bool outdoor, double tiltDegrees) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    drawBackdrop(p, nameHash(face.face.name), outdoor);
    p.translate(kWidth / 2.0, kHeight / 2.0);
    p.rotate(tiltDegrees);
    p.translate(-kWidth / 2.0, -kHeight / 2.0);
    const QPointF chin(kWidth / 2.0, 360);
    const double scale = 0.17;
    drawShoulders(p, chin, scale, clothesOf(face));
    drawFace(p, face, chin, scale);
    return image;
}

// The side view: from the measured profile when the face has one, else from the portrait.
QImage profile(const facegen::GeneratedFace& face) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawBackdrop(p, nameHash(face.face.name) + 90, false);
    const Palette pal = paletteOf(face);
    const double scale = 0.17;
    const QPointF chin(150, 360);
    const auto at = [&](double front, double up) {
        return QPointF(chin.x() + front * scale, chin.y() - up * scale);
    };
    std::vector<QPointF> front;
    if (face.profile) {
        for (int k : {5, 6, 3, 12, 11, 17, 16, 21, 18, 22, 23, 1}) {
            const auto& pt = face.profile->points[static_cast<std::size_t>(k - 1)];
            front.push_back(at(pt.x, pt.y));
        }
    } else {
        const auto& pts = face.face.points;
        const double noseOut = 120 + (pts[18].x - pts[3].x) * -0.6;
        const double lipOut = 60 + (pts[13].y - pts[15].y) * 0.3;
        front = {at(150, pts[2].y + 300),
                 at(180, pts[2].y + 60),
                 at(150, 900),
                 at(150 + noseOut, pts[3].y),
                 at(160, pts[16].y),
                 at(120 + lipOut, pts[13].y),
                 at(110, (pts[13].y + pts[15].y) / 2),
                 at(115 + lipOut * 0.8, pts[15].y),
                 at(90, 120),
                 at(110, 10),
                 at(40, -30)};
    }
    drawShoulders(p, QPointF(chin.x() - 40, chin.y()), scale, clothesOf(face));
    const QPointF chinPoint = front.back();
    p.setPen(Qt::NoPen);
    p.setBrush(pal.skin.darker(112));
    p.drawRect(QRectF(at(-380, 420), QPointF(chinPoint.x() - 40 * scale, chin.y() + 700 * scale)));
    QPainterPath head;
    head.moveTo(chinPoint);
    for (auto it = front.rbegin() + 1; it != front.rend(); ++it) {
        head.lineTo(*it);
    }
    head.quadTo(at(120, 1900), at(-350, 1800));
    head.quadTo(at(-900, 1500), at(-750, 700));
    head.quadTo(at(-600, 380), at(-380, 420));
    head.quadTo(at(-150, 60), chinPoint);
    p.setPen(QPen(pal.skin.darker(140), 1.5));
    p.setBrush(pal.skin);
    p.drawPath(head);
    p.setPen(Qt::NoPen);
    p.setBrush(pal.hair);
    QPainterPath hair;
    hair.moveTo(at(160, 1520));
    hair.quadTo(at(100, 2000), at(-450, 1850));
    hair.quadTo(at(-1000, 1500), at(-800, 500));
    hair.quadTo(at(-500, 1100), at(-250, 1350));
    hair.quadTo(at(0, 1550), at(160, 1520));
    p.drawPath(hair);
    p.setBrush(pal.skin.darker(115));
    p.drawEllipse(at(-330, 800), 60 * scale * 1.6, 150 * scale * 1.6);
    p.setBrush(pal.eyes);
    p.drawEllipse(at(90, 1000), 3.5, 2.5);
    return image;
}

QImage fullLength(const facegen::GeneratedFace& face) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawBackdrop(p, nameHash(face.face.name), true);
    const double cm = common::Val(face.face.heightText);
    const double heightCm = cm > 0 ? cm : 170;
    const double figure = 400 * heightCm / 200;  // a 2 m person fills 400 pixels
    const double top = kHeight - 20 - figure;
    const double headScale = figure / 7.5 / 1800;
    const QPointF chin(kWidth / 2.0, top + figure / 7.5);
    const QColor clothes = clothesOf(face);
    p.setPen(Qt::NoPen);
    p.setBrush(clothes);
    const double shoulder = figure * 0.13;
    p.drawRoundedRect(QRectF(chin.x() - shoulder, chin.y() + 4, 2 * shoulder, figure * 0.38), 10,
                      10);
    p.setBrush(clothes.darker(160));
    p.drawRoundedRect(
        QRectF(chin.x() - shoulder * 0.85, chin.y() + figure * 0.38, shoulder * 0.8, figure * 0.48),
        6, 6);
    p.drawRoundedRect(
        QRectF(chin.x() + shoulder * 0.05, chin.y() + figure * 0.38, shoulder * 0.8, figure * 0.48),
        6, 6);
    p.setBrush(paletteOf(face).skin);
    p.drawRoundedRect(
        QRectF(chin.x() - shoulder * 1.35, chin.y() + 10, shoulder * 0.33, figure * 0.36), 6, 6);
    p.drawRoundedRect(
        QRectF(chin.x() + shoulder * 1.02, chin.y() + 10, shoulder * 0.33, figure * 0.36), 6, 6);
    drawFace(p, face, chin, headScale);
    p.setPen(QPen(QColor(255, 255, 255, 160), 1, Qt::DashLine));
    p.drawLine(QPointF(30, top), QPointF(kWidth - 30, top));
    return image;
}

}  // namespace

QImage drawView(const facegen::GeneratedFace& face, View view) {
    switch (view) {
        case View::FullLength:
            return fullLength(face);
        case View::Portrait:
            return portrait(face, false, 0);
        case View::Profile:
            return profile(face);
        case View::Typical:
            return portrait(face, true, (nameHash(face.face.name) % 7) - 3.0);
        case View::Alternative:
            return portrait(face, false, 2).convertToFormat(QImage::Format_Grayscale8);
    }
    return {};
}

QImage drawMissingPicture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor(210, 210, 210));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 180, 180));
    p.drawEllipse(QPointF(kWidth / 2.0, 170), 80, 100);
    p.drawRoundedRect(QRectF(kWidth / 2.0 - 140, 290, 280, 200), 90, 90);
    p.setPen(QColor(90, 90, 90));
    QFont font = p.font();
    font.setPixelSize(26);
    p.setFont(font);
    p.drawText(QRectF(0, 380, kWidth, 50), Qt::AlignCenter, "No picture");
    return image;
}

}  // namespace sample
