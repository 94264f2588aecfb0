#pragma once

#include <QListWidget>
#include <QStyledItemDelegate>
#include <functional>

namespace qtui {

// A list that tells its owner about every key press before moving its selection, and about a
// click on the entry that is already selected, which changes no selection.
class KeyListWidget : public QListWidget {
    Q_OBJECT

  public:
    explicit KeyListWidget(QWidget* parent) : QListWidget(parent) {}

    std::function<void(const QKeyEvent&)> onKey;
    std::function<void(int row)> onSelectedEntryClicked;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// Indents each entry by its depth (kDepthRole), as a folder list shows the chain of folders.
class IndentDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    static constexpr int kDepthRole = Qt::UserRole + 1;
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    static int indent(const QStyleOptionViewItem& option, const QModelIndex& index);
};

}  // namespace qtui
