#pragma once

#include <QUrl>
#include <string_view>

namespace qtui {

// What the desktop's default handler is given for a document or web address: "http..." and
// "www..." are web addresses, anything else a local file (made absolute). Empty text gives an
// empty address.
QUrl documentUrl(std::string_view target);

}  // namespace qtui
