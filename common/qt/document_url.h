#pragma once

#include <QUrl>
#include <string_view>

namespace qtui {

// What the desktop's default handler is given for a document or web address: text holding "://"
// or starting with "mailto:" (any case) is an address as it stands, text starting with "www" a
// web address given "http://", anything else a local file (made absolute). Empty text gives an
// empty address.
QUrl documentUrl(std::string_view target);

}  // namespace qtui
