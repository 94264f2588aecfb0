#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace qtui {

// The programs keep text as Windows-1252 bytes; Qt shows Unicode. Text that is valid UTF-8 is
// shown as UTF-8 (string-file words, file names beyond Windows-1252), any other as Windows-1252.
QString toQString(std::string_view text);
std::string fromQString(const QString& text);

// The caption of a button, check box, option button or frame. Qt reads an "&" there as the mark
// of an access key; the programs' captions hold none, so a face name keeps its "&".
QString toQCaption(std::string_view text);

// Text whose stored line ends (CR LF, or a lone CR or LF) each show as one line break.
QString toQStringLines(std::string_view text);

// A file path in the programs' 8-bit form as Qt's file classes expect it.
QString toQtPath(std::string_view path);

}  // namespace qtui
