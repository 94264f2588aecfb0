#pragma once

#include <QFrame>
#include <string>

class QPainter;

#include "common/qt/click_tracker.h"

namespace qtui {

class PictureCache;

// Shows an image or picture box's picture: a file, decoded only when painted and scaled to the
// widget when stretched, or a picture the program draws itself ("design:..."). It reports clicks;
// one that can be clicked can be worked from the keyboard too: Tab reaches it, a ring shows its
// focus, and Space or Return click it.
class PictureWidget : public QFrame {
    Q_OBJECT

  public:
    PictureWidget(QWidget* parent, PictureCache& cache);

    ClickTracker clicks;
    // The picture's path or design name; empty shows none.
    void setPicture(const std::string& picture, bool stretch);
    const std::string& picture() const { return picture_; }
    void setClickable(bool clickable);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintPicture(QPainter& painter);

    PictureCache& cache_;
    std::string picture_;
    bool stretch_ = true;
    bool clickable_ = false;
};

}  // namespace qtui
