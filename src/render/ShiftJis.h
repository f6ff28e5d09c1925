#pragma once
// Conversion between the program's text and the Japanese ANSI code page (Shift-JIS, code page 932)
// in which every data file and hat file is stored. Code page 932 is Shift-JIS with the vendor
// extensions (circled numbers such as ①, ㈱, and extra kanji such as 髙), which Windows text uses.

#include <iconv.h>
#include <optional>
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace orv {

// Decodes code page 932 text with one converter, opened on first use and kept for every later
// call, so that a whole file is decoded with one. Plain ASCII needs no conversion and gets none.
class ShiftJisDecoder {
public:
    ShiftJisDecoder() = default;
    ~ShiftJisDecoder();
    ShiftJisDecoder(ShiftJisDecoder&& other) noexcept;
    ShiftJisDecoder& operator=(ShiftJisDecoder&& other) noexcept;
    ShiftJisDecoder(const ShiftJisDecoder&) = delete;
    ShiftJisDecoder& operator=(const ShiftJisDecoder&) = delete;

    // Bytes that are not valid code page 932 become U+FFFD; decoding never fails.
    QString Decode(QByteArrayView bytes);

private:
    bool Open();

    iconv_t converter_ = reinterpret_cast<iconv_t>(-1);
    bool tried_ = false;
};

// Encodes text in code page 932, or nothing when some character has no code page 932 form.
std::optional<QByteArray> EncodeShiftJis(const QString& text);

} // namespace orv
