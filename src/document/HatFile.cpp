#include "document/HatFile.h"

#include "astro/Numeric.h"
#include "document/HatDocument.h"
#include "document/ReplaceFile.h"
#include "render/SequentialFields.h"
#include "render/ShiftJis.h"
#include "settings/ApplySetting.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orv {

QString HatFileText::Unencodable(const QString& text)
{
    return QStringLiteral("テキスト「%1」にはファイルに保存できない文字が含まれています。").arg(text);
}

QString HatFileText::SaveFailed(const QString& path, const QString& reason)
{
    return QStringLiteral("笠ファイル「%1」に保存できませんでした。\n%2").arg(QDir::toNativeSeparators(path), reason);
}

QString HatFileText::OpenFailed(const QString& path, const QString& reason)
{
    return QStringLiteral("笠ファイル「%1」を開けませんでした。\n%2").arg(QDir::toNativeSeparators(path), reason);
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

bool InRange(double coordinate)
{
    return std::fabs(coordinate) <= OverlayCoordinateLimit; // false for a value that is not a number
}

bool AllInRange(std::initializer_list<double> coordinates)
{
    return std::all_of(coordinates.begin(), coordinates.end(), InRange);
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
        if (!AllInRange({t.x, t.y})) {
            if (failure)
                *failure = HatFileText::PositionOutOfRange;
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
        if (!AllInRange({l.x1, l.y1, l.x2, l.y2})) {
            if (failure)
                *failure = HatFileText::PositionOutOfRange;
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

QString SaveHatFile(const HatDocument& doc, const QString& path)
{
    QString failure;
    const std::optional<QByteArray> bytes = HatFileBytes(doc, &failure);
    if (bytes)
        failure = WriteFileReplacing(path, *bytes);
    if (failure.isEmpty())
        return {};
    if (QFileInfo(path).isFile())
        failure += QStringLiteral("\n元のファイルはそのまま残っています。");
    return HatFileText::SaveFailed(path, failure);
}

namespace {

// The part of the document that an open replaces. The file is read into a copy of it, which
// takes the document's place only when the whole file has been read without a fault.
struct HatContents {
    SettingControls controls;
    HatSettings settings;
    Overlays overlays; // starts empty: an open clears every text, line, stamp and the undo log
};

QString NotSize(const QString& value)
{
    return QStringLiteral("値%1は文字サイズ（0 から 1000 までの整数）ではありません。").arg(ValueText::Quoted(value));
}

QString NotLineWidth(const QString& value)
{
    return QStringLiteral("値%1は線幅（0 から 100 までの整数）ではありません。").arg(ValueText::Quoted(value));
}

QString NotCoordinate(const QString& value)
{
    return QStringLiteral("値%1は位置（-%2 から %2 までの数）ではありません。").arg(ValueText::Quoted(value)).arg(OverlayCoordinateLimit);
}

const QString Undecodable = QStringLiteral("Shift-JIS として読めない文字があります。");

// One open: the slot counters, whether a line group has begun and whether any key of the hat
// file has been seen.
class HatReader {
public:
    HatReader(HatContents& contents, const SiteTable& sites) : c_(contents), o_(contents.overlays), sites_(sites) {}

    // The empty string, or what is wrong with the pair.
    QString Apply(const QString& key, const QString& value);

    int16_t texts = 0;
    int16_t lines = 0;
    bool knownKeySeen = false;

private:
    // The result for a key of a text or line group; nothing for any other key.
    std::optional<QString> ApplyOverlay(const QString& key, const QString& value, UsrText& t, UsrLine& l);
    static QString Whole(const QString& value, int first, int last, int16_t& target, QString (*message)(const QString&));
    static QString Colour32(const QString& value, Colour& target);
    static QString Coordinate(const QString& value, double& target);
    static QString Text(const QString& value, QString& target);

    HatContents& c_;
    Overlays& o_;
    const SiteTable& sites_;
    bool lineSeen_ = false;
};

QString HatReader::Whole(const QString& value, int first, int last, int16_t& target, QString (*message)(const QString&))
{
    const auto v = WholeNumberIn(value, first, last);
    if (!v)
        return message(value);
    target = static_cast<int16_t>(*v);
    return {};
}

QString HatReader::Colour32(const QString& value, Colour& target)
{
    const auto v = WholeNumberIn(value, 0, 0xFFFFFF);
    if (!v)
        return ValueText::NotColour(value);
    target = static_cast<Colour>(*v);
    return {};
}

QString HatReader::Coordinate(const QString& value, double& target)
{
    const std::optional<double> v = WholeNumber(value);
    if (!v || !InRange(*v))
        return NotCoordinate(value);
    target = *v;
    return {};
}

QString HatReader::Text(const QString& value, QString& target)
{
    if (value.contains(QChar(0xFFFD)))
        return Undecodable;
    target = value;
    return {};
}

QString HatReader::Apply(const QString& key, const QString& value)
{
    if (const std::optional<QString> failure = ApplyOverlay(key, value, o_.UsrTexts[texts], o_.UsrLines[lines])) {
        knownKeySeen = true;
        return *failure;
    }
    const ApplyResult r = ApplySettingValue(c_.controls, c_.settings, sites_, key, value, SettingSource::HatFile);
    knownKeySeen = knownKeySeen || r.kind != ApplyResult::UnknownKey;
    return r.message;
}

std::optional<QString> HatReader::ApplyOverlay(const QString& key, const QString& value, UsrText& t, UsrLine& l)
{
    if (key == QLatin1String("Text")) {
        if (texts >= LastOverlaySlot)
            return QStringLiteral("テキストは %1 個までです。").arg(LastOverlaySlot);
        return Text(value, o_.UsrTexts[++texts].text);
    }
    if (key == QLatin1String("Tcolor"))
        return Colour32(value, t.colour);
    if (key == QLatin1String("Tsize"))
        return Whole(value, 0, 1000, t.size, NotSize);
    if (key == QLatin1String("Tx"))
        return Coordinate(value, t.x);
    if (key == QLatin1String("Ty"))
        return Coordinate(value, t.y);
    if (key == QLatin1String("Line")) {
        if (lines >= LastOverlaySlot)
            return QStringLiteral("直線は %1 本までです。").arg(LastOverlaySlot);
        lineSeen_ = true;
        return Text(value, o_.UsrLines[++lines].marker);
    }
    if (key == QLatin1String("Lcolor"))
        return Colour32(value, l.colour);
    // Lwidth is the setting until the first line group begins, then the current line's width.
    if (key == QLatin1String("Lwidth") && lineSeen_)
        return Whole(value, 0, 100, l.width, NotLineWidth);
    if (key == QLatin1String("Lx1"))
        return Coordinate(value, l.x1);
    if (key == QLatin1String("Ly1"))
        return Coordinate(value, l.y1);
    if (key == QLatin1String("Lx2"))
        return Coordinate(value, l.x2);
    if (key == QLatin1String("Ly2"))
        return Coordinate(value, l.y2);
    return std::nullopt;
}

// Where a fault is: the line and the key (cut when long, as a key of a file that is not a hat
// file may be).
QString AtLine(int line, const QString& key, const QString& what)
{
    return QStringLiteral("%1 行目 %2: %3").arg(line).arg(ValueText::Shortened(key), what);
}

} // namespace

QString LoadHatBytes(HatDocument& doc, const QByteArray& bytes)
{
    HatContents contents{doc.controls, doc.settings, {}};
    HatReader reader(contents, doc.sites);
    SequentialFields fields(bytes, true);
    QByteArray key;
    QByteArray value;
    while (!fields.AtEnd()) {
        fields.NextRaw(key);
        const int line = fields.LineOfLastField();
        const QString keyText = fields.Decode(key);
        if (!fields.NextRaw(value))
            return AtLine(line, keyText, QStringLiteral("キーの後に値がありません。"));
        const QString failure = reader.Apply(keyText, fields.Decode(value));
        if (!failure.isEmpty())
            return AtLine(line, keyText, failure);
    }
    if (!reader.knownKeySeen)
        return HatFileText::NotHatFile;
    contents.overlays.TextCount = reader.texts;
    contents.overlays.LineCount = reader.lines;
    doc.controls = std::move(contents.controls);
    doc.settings = contents.settings;
    doc.overlays = std::move(contents.overlays);
    return {};
}

QString LoadHatFile(HatDocument& doc, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QFileInfo info(path);
        if (!info.absoluteDir().exists())
            return HatFileText::OpenFailed(path, QStringLiteral("フォルダが見つかりません。"));
        if (!info.exists())
            return HatFileText::OpenFailed(path, QStringLiteral("ファイルが見つかりません。"));
        return HatFileText::OpenFailed(path, QStringLiteral("ファイルを読み込めません。"));
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return HatFileText::OpenFailed(path, QStringLiteral("ファイルを読み込めません。"));
    const QString failure = LoadHatBytes(doc, bytes);
    return failure.isEmpty() ? QString() : HatFileText::OpenFailed(path, failure);
}

} // namespace orv
