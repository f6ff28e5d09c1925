#pragma once
// Conversion between the program's text and the Japanese ANSI code page (Shift-JIS, code page 932)
// in which every data file and hat file is stored.

#include <optional>
#include <QByteArray>
#include <QString>

namespace orv {

// Decodes code page 932 bytes. Bytes that are not valid Shift-JIS become U+FFFD; decoding never fails.
QString DecodeShiftJis(const QByteArray& bytes);

// Encodes text in code page 932, or nothing when some character has no Shift-JIS form.
std::optional<QByteArray> EncodeShiftJis(const QString& text);

} // namespace orv
