#include "render/ShiftJis.h"

#include <cerrno>
#include <iconv.h>
#include <vector>

namespace orv {

namespace {

// One conversion through iconv; on an invalid sequence the callback decides how to go on.
class IconvConverter {
public:
    IconvConverter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~IconvConverter()
    {
        if (valid())
            iconv_close(cd_);
    }
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle() const { return cd_; }

private:
    iconv_t cd_;
};

} // namespace

QString DecodeShiftJis(const QByteArray& bytes)
{
    IconvConverter conv("UTF-16LE", "CP932");
    if (!conv.valid())
        return QString::fromLatin1(bytes);
    QString out;
    out.reserve(bytes.size());
    std::vector<char> buffer(4096);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        const size_t r = iconv(conv.handle(), &in, &inLeft, &outPtr, &outLeft);
        out.append(reinterpret_cast<const QChar*>(buffer.data()),
                   static_cast<qsizetype>((buffer.size() - outLeft) / 2));
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            // Invalid or truncated sequence: replace one byte and carry on.
            out.append(QChar(0xFFFD));
            ++in;
            --inLeft;
        }
    }
    return out;
}

std::optional<QByteArray> EncodeShiftJis(const QString& text)
{
    IconvConverter conv("CP932", "UTF-16LE");
    if (!conv.valid())
        return std::nullopt;
    QByteArray out;
    std::vector<char> buffer(4096);
    char* in = reinterpret_cast<char*>(const_cast<QChar*>(text.constData()));
    size_t inLeft = static_cast<size_t>(text.size()) * 2;
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        const size_t r = iconv(conv.handle(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), static_cast<qsizetype>(buffer.size() - outLeft));
        if (r == static_cast<size_t>(-1) && errno != E2BIG)
            return std::nullopt;
    }
    return out;
}

} // namespace orv
