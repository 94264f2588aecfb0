#pragma once

class QListWidget;

namespace qtui {

// Gives every entry of a folder list an icon of one size in a row of one height, whatever sizes
// the desktop's icon theme has for open and closed folders.
void giveEvenRows(QListWidget& list);

}  // namespace qtui
