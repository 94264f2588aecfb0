#pragma once

#include <QFrame>
#include <string>

#include "common/qt/click_tracker.h"

namespace qtui {

class PictureCache;

// Shows an image or picture box's picture: a file, decoded only when painted and scaled to the
// widget when stretched, or a picture the program draws itself ("design:..."). It reports clicks.
class PictureWidget : public QFrame {
    Q_OBJECT

  public:
    PictureWidget(QWidget* parent, PictureCache& cache);

    ClickTracker clicks;
    // The picture's path or design name; empty shows none.
    void setPicture(const std::string& picture, bool stretch);
    const std::string& picture() const { return picture_; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    PictureCache& cache_;
    std::string picture_;
    bool stretch_ = true;
};

}  // namespace qtui
