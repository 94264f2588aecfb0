#include "common/qt/folder_list_look.h"

#include <QListWidget>
#include <QStyle>

namespace qtui {

void giveEvenRows(QListWidget& list) {
    const int side = list.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &list);
    list.setIconSize(QSize(side, side));
    list.setUniformItemSizes(true);
}

}  // namespace qtui
