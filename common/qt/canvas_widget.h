#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

#include "common/qt/twips_scale.h"

namespace forms {
class Control;
class Window;
}  // namespace forms

namespace qtui {

// The drawing layer of a window or of one frame or picture box, beneath every control widget: it
// paints the window's filled surface rectangles, then the visible shapes and lines of that
// container in control order. It lets the mouse through to what lies beneath.
class CanvasWidget : public QWidget {
    Q_OBJECT

  public:
    // container null: the window's own layer, which also paints the surface.
    CanvasWidget(QWidget& parent, const forms::Window& window, const forms::Control* container,
                 const TwipsScale& scale);

    const forms::Control* container() const { return container_; }
    // Covers the container's client area and repaints when what it draws has changed.
    void sync();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<std::int64_t> drawing() const;

    const forms::Window& window_;
    const forms::Control* container_;
    const TwipsScale& scale_;
    std::vector<std::int64_t> drawn_;
};

}  // namespace qtui
