#include "render/ShiftJis.h"

#include <algorithm>
#include <cerrno>
#include <utility>
#include <vector>

namespace orv {

namespace {

const iconv_t NoConverter = reinterpret_cast<iconv_t>(-1);

bool IsAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

ShiftJisDecoder::~ShiftJisDecoder()
{
    if (converter_ != NoConverter)
        iconv_close(converter_);
}

ShiftJisDecoder::ShiftJisDecoder(ShiftJisDecoder&& other) noexcept
    : converter_(std::exchange(other.converter_, NoConverter)), tried_(std::exchange(other.tried_, false))
{
}

ShiftJisDecoder& ShiftJisDecoder::operator=(ShiftJisDecoder&& other) noexcept
{
    std::swap(converter_, other.converter_);
    std::swap(tried_, other.tried_);
    return *this;
}

bool ShiftJisDecoder::Open()
{
    if (!tried_) {
        tried_ = true;
        converter_ = iconv_open("UTF-16LE", "CP932");
    }
    return converter_ != NoConverter;
}

QString ShiftJisDecoder::Decode(QByteArrayView bytes)
{
    if (IsAscii(bytes))
        return QString::fromLatin1(bytes);
    if (!Open())
        return QString::fromLatin1(bytes);
    // Back to the initial state, in case an earlier call stopped inside a sequence.
    iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    QString out;
    out.reserve(bytes.size());
    char buffer[4096];
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = static_cast<size_t>(bytes.size());
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t r = iconv(converter_, &in, &inLeft, &outPtr, &outLeft);
        out.append(reinterpret_cast<const QChar*>(buffer), static_cast<qsizetype>((sizeof buffer - outLeft) / 2));
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            // Invalid or truncated sequence: replace one byte and carry on.
            out.append(QChar(0xFFFD));
            ++in;
            --inLeft;
            iconv(converter_, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

std::optional<QByteArray> EncodeShiftJis(const QString& text)
{
    const iconv_t converter = iconv_open("CP932", "UTF-16LE");
    if (converter == NoConverter)
        return std::nullopt;
    QByteArray out;
    std::vector<char> buffer(4096);
    char* in = reinterpret_cast<char*>(const_cast<QChar*>(text.constData()));
    size_t inLeft = static_cast<size_t>(text.size()) * 2;
    bool ok = true;
    while (ok && inLeft > 0) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        const size_t r = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), static_cast<qsizetype>(buffer.size() - outLeft));
        ok = r != static_cast<size_t>(-1) || errno == E2BIG;
    }
    iconv_close(converter);
    if (!ok)
        return std::nullopt;
    return out;
}

} // namespace orv
