#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace qtui {

// The programs keep text as Windows-1252 bytes; Qt shows Unicode.
QString toQString(std::string_view text);
std::string fromQString(const QString& text);

// A file path in the programs' 8-bit form as Qt's file classes expect it.
QString toQtPath(std::string_view path);

}  // namespace qtui
