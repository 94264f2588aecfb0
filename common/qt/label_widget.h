#pragma once

#include <QLabel>

#include "common/qt/click_tracker.h"

namespace qtui {

// A label that reports clicks. A button-like label looks and behaves like a flat button: a raised
// panel and a highlight under the mouse, a sunken panel while pressed, a pointing-hand cursor.
// A label that can be clicked can be worked from the keyboard too: Tab reaches it, a ring shows
// its focus, and Space or Return click it.
class LabelWidget : public QLabel {
    Q_OBJECT

  public:
    explicit LabelWidget(QWidget* parent);

    ClickTracker clicks;
    void setButtonLike(bool buttonLike);
    bool buttonLike() const { return buttonLike_; }
    void setClickable(bool clickable);
    bool hovered() const { return hovered_; }

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool buttonLike_ = false;
    bool clickable_ = false;
    bool hovered_ = false;
};

}  // namespace qtui
