#include "document/HatFile.h"

#include "astro/Numeric.h"
#include "document/HatDocument.h"
#include "render/SequentialFields.h"
#include "render/ShiftJis.h"
#include "settings/ApplySetting.h"

#include <charconv>
#include <cmath>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace orv {

QString HatFileText::Unencodable(const QString& text)
{
    return QStringLiteral("テキスト「%1」にはファイルに保存できない文字が含まれています。保存しませんでした。").arg(text);
}

QString NumberText(double value)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral(" 0");
    // General format with 15 significant digits: the exponent form exactly when the decimal
    // exponent is below -4 or at least 15, trailing zeros and a bare point dropped.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::general, 15);
    QString digits = QString::fromLatin1(buffer, result.ptr - buffer).toUpper();
    if (digits.startsWith(QLatin1String("0.")))
        digits.remove(0, 1);
    return (value < 0 ? QLatin1Char('-') : QLatin1Char(' ')) + digits;
}

namespace {

const QByteArray LineEnd = QByteArrayLiteral("\r\n");

void WriteNumber(QByteArray& out, const char* key, double value)
{
    out += key;
    out += ',';
    out += NumberText(value).toLatin1();
    out += ' ';
    out += LineEnd;
}

bool NeedsQuotes(const QString& text)
{
    if (text.startsWith(QLatin1Char(' ')) || text.startsWith(QLatin1Char('\t')) || text.startsWith(QLatin1Char('"')))
        return true;
    return text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

// The text as a field: as it is, or quoted with doubled inner quotes when it would not read back.
std::optional<QByteArray> TextField(const QString& text, QString* failure)
{
    QString field = text;
    if (NeedsQuotes(text))
        field = QLatin1Char('"') + QString(text).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
    std::optional<QByteArray> bytes = EncodeShiftJis(field);
    if (!bytes && failure)
        *failure = HatFileText::Unencodable(text);
    return bytes;
}

bool WriteText(QByteArray& out, const char* key, const QString& text, QString* failure)
{
    const std::optional<QByteArray> field = TextField(text, failure);
    if (!field)
        return false;
    out += key;
    out += ',';
    out += *field;
    out += LineEnd;
    return true;
}

bool AllFinite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

} // namespace

std::optional<QByteArray> HatFileBytes(const HatDocument& doc, QString* failure)
{
    QByteArray out;
    out.reserve(4096);
    for (std::size_t i = 0; i < SwitchCount; ++i)
        WriteNumber(out, SwitchKeyNames[i], doc.controls.checks[i]);
    // The disc colour is stored twice, as every hat file has it.
    const auto colour = [&](std::size_t i) {
        return static_cast<int32_t>(ColourSetting(doc.settings, static_cast<ColourKey>(i)));
    };
    WriteNumber(out, ColourKeyNames[0], colour(0));
    for (std::size_t i = 0; i < ColourCount; ++i)
        WriteNumber(out, ColourKeyNames[i], colour(i));
    for (std::size_t i = 0; i < ListCount; ++i)
        WriteNumber(out, ListKeyNames[i], doc.controls.lists[i].index);

    const Overlays& o = doc.overlays;
    for (int i = 1; i <= LastOverlaySlot; ++i) {
        const UsrText& t = o.UsrTexts[i];
        if (t.text.isEmpty())
            continue;
        if (!AllFinite({t.x, t.y})) {
            if (failure)
                *failure = ErrorText::Overflow;
            return std::nullopt;
        }
        if (!WriteText(out, "Text", t.text, failure))
            return std::nullopt;
        WriteNumber(out, "Tcolor", static_cast<int32_t>(t.colour));
        WriteNumber(out, "Tsize", t.size);
        WriteNumber(out, "Tx", t.x);
        WriteNumber(out, "Ty", t.y);
    }
    for (int i = 1; i <= LastOverlaySlot; ++i) {
        const UsrLine& l = o.UsrLines[i];
        if (l.marker.isEmpty())
            continue;
        if (!AllFinite({l.x1, l.y1, l.x2, l.y2})) {
            if (failure)
                *failure = ErrorText::Overflow;
            return std::nullopt;
        }
        if (!WriteText(out, "Line", l.marker, failure))
            return std::nullopt;
        WriteNumber(out, "Lcolor", static_cast<int32_t>(l.colour));
        WriteNumber(out, "Lwidth", l.width);
        WriteNumber(out, "Lx1", l.x1);
        WriteNumber(out, "Ly1", l.y1);
        WriteNumber(out, "Lx2", l.x2);
        WriteNumber(out, "Ly2", l.y2);
    }
    return out;
}

namespace {

QString OpenFailure(const QString& path, bool forWriting)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        return ErrorText::PathNotFound;
    if (!forWriting && !info.exists())
        return ErrorText::FileNotFound;
    return ErrorText::PermissionDenied;
}

} // namespace

QString WriteFileReplacing(const QString& path, const QByteArray& bytes, const std::function<void()>& midway)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return OpenFailure(path, true);
    const qsizetype half = midway ? bytes.size() / 2 : bytes.size();
    bool ok = file.write(bytes.constData(), half) == half;
    if (ok && midway) {
        file.flush();
        midway();
        ok = file.write(bytes.constData() + half, bytes.size() - half) == bytes.size() - half;
    }
    if (!ok) {
        file.cancelWriting();
        file.commit();
        return HatFileText::WriteFailed;
    }
    if (!file.commit())
        return HatFileText::WriteFailed;
    return {};
}

QString SaveHatFile(const HatDocument& doc, const QString& path)
{
    QString failure;
    const std::optional<QByteArray> bytes = HatFileBytes(doc, &failure);
    if (!bytes)
        return failure;
    return WriteFileReplacing(path, *bytes);
}

namespace {

// One load: the slot counters and whether a line group has begun.
class HatReader {
public:
    explicit HatReader(HatDocument& doc) : doc_(doc), o_(doc.overlays) {}

    // The empty string, or the failure that ended the pair.
    QString Apply(const QByteArray& key, const QByteArray& value);

    int16_t texts = 0;
    int16_t lines = 0;

private:
    QString Colour32(const QByteArray& value, Colour& target);
    QString Int16(const QByteArray& value, int16_t& target);
    QString Real(const QByteArray& value, double& target);

    HatDocument& doc_;
    Overlays& o_;
    bool lineSeen_ = false;
};

double Number(const QByteArray& value)
{
    return LeadingNumber(QString::fromLatin1(value));
}

QString HatReader::Colour32(const QByteArray& value, Colour& target)
{
    const auto v = CheckedRound32(Number(value));
    if (!v)
        return ErrorText::Overflow;
    target = static_cast<Colour>(*v);
    return {};
}

QString HatReader::Int16(const QByteArray& value, int16_t& target)
{
    const auto v = CheckedRound16(Number(value));
    if (!v)
        return ErrorText::Overflow;
    target = *v;
    return {};
}

QString HatReader::Real(const QByteArray& value, double& target)
{
    const double v = Number(value);
    if (!std::isfinite(v))
        return ErrorText::Overflow;
    target = v;
    return {};
}

QString HatReader::Apply(const QByteArray& key, const QByteArray& value)
{
    UsrText& t = o_.UsrTexts[texts];
    UsrLine& l = o_.UsrLines[lines];
    if (key == "Text") {
        if (texts >= LastOverlaySlot)
            return ErrorText::SubscriptOutOfRange;
        ++texts;
        o_.UsrTexts[texts].text = DecodeShiftJis(value);
        return {};
    }
    if (key == "Tcolor")
        return Colour32(value, t.colour);
    if (key == "Tsize")
        return Int16(value, t.size);
    if (key == "Tx")
        return Real(value, t.x);
    if (key == "Ty")
        return Real(value, t.y);
    if (key == "Line") {
        if (lines >= LastOverlaySlot)
            return ErrorText::SubscriptOutOfRange;
        ++lines;
        lineSeen_ = true;
        o_.UsrLines[lines].marker = DecodeShiftJis(value);
        return {};
    }
    if (key == "Lcolor")
        return Colour32(value, l.colour);
    // Lwidth is the setting until the first line group begins, then the current line's width.
    if (key == "Lwidth" && lineSeen_)
        return Int16(value, l.width);
    if (key == "Lx1")
        return Real(value, l.x1);
    if (key == "Ly1")
        return Real(value, l.y1);
    if (key == "Lx2")
        return Real(value, l.x2);
    if (key == "Ly2")
        return Real(value, l.y2);
    const ApplyResult r = ApplySettingValue(doc_.controls, doc_.settings, doc_.sites, QString::fromLatin1(key),
                                            QString::fromLatin1(value));
    return r.kind == ApplyResult::Failed ? r.message : QString();
}

} // namespace

QString LoadHatBytes(HatDocument& doc, const QByteArray& bytes)
{
    doc.overlays.ClearAll();
    HatReader reader(doc);
    SequentialFields fields(bytes, true);
    QString failure;
    QByteArray key;
    QByteArray value;
    while (failure.isEmpty() && !fields.AtEnd()) {
        fields.NextRaw(key);
        if (!fields.NextRaw(value))
            failure = ErrorText::InputPastEnd;
        else
            failure = reader.Apply(key, value);
    }
    doc.overlays.TextCount = reader.texts;
    doc.overlays.LineCount = reader.lines;
    return failure;
}

QString LoadHatFile(HatDocument& doc, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return OpenFailure(path, false);
    const QByteArray bytes = file.readAll();
    file.close();
    return LoadHatBytes(doc, bytes);
}

} // namespace orv
