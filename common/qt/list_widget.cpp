#include "common/qt/list_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace qtui {

void KeyListWidget::keyPressEvent(QKeyEvent* event) {
    if (onKey) {
        onKey(*event);
    }
    QListWidget::keyPressEvent(event);
}

void KeyListWidget::mousePressEvent(QMouseEvent* event) {
    const QListWidgetItem* hit = itemAt(event->position().toPoint());
    // A plain left click; Ctrl+click on the selected entry takes the selection away instead.
    const bool onSelected = hit != nullptr && hit->isSelected() &&
                            event->button() == Qt::LeftButton &&
                            event->modifiers() == Qt::NoModifier && selectedItems().size() == 1;
    const int hitRow = hit != nullptr ? row(hit) : -1;
    QListWidget::mousePressEvent(event);
    if (onSelected && onSelectedEntryClicked) {
        onSelectedEntryClicked(hitRow);
    }
}

int IndentDelegate::indent(const QStyleOptionViewItem& option, const QModelIndex& index) {
    return index.data(kDepthRole).toInt() * option.fontMetrics.height();
}

void IndentDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    QStyleOptionViewItem shifted(option);
    shifted.rect.setLeft(shifted.rect.left() + indent(option, index));
    QStyledItemDelegate::paint(painter, shifted, index);
}

QSize IndentDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(option, index), 0);
}

}  // namespace qtui
