#pragma once
// Helpers shared by the hat-file tests: building file bytes line by line and temporary folders.

#include "document/HatDocument.h"
#include "document/HatFile.h"
#include "render/ShiftJis.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orv::test {

// The bytes of a file, empty when it cannot be read.
inline QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes the bytes as the whole file.
inline void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Lines joined with CR LF, each line ended by CR LF; the text is stored in Shift-JIS.
inline QByteArray HatLines(const QStringList& lines)
{
    QByteArray out;
    for (const QString& line : lines)
        out += EncodeShiftJis(line).value() + "\r\n";
    return out;
}

// The 42 fixed lines of a fresh document made for 2026-12-07, written by hand.
inline QStringList FreshDocumentLines()
{
    return {
        "Fmilky, 0 ", "Fsen, 1 ", "Fmei, 1 ", "FkoseiFill, 1 ", "Fdaisan, 0 ", "Fkodo, 0 ", "Fhoi, 0 ",
        "Fedo, 0 ", "Fkinse, 1 ", "Fkase, 1 ", "Fmokuse, 1 ", "Fdose, 1 ", "Fmoon, 1 ",
        "RColor, 16777215 ", "RColor, 16777215 ", "Kcolor, 0 ", "SnColor, 0 ", "SsColor, 0 ", "MColor, 0 ",
        "KdHiColor, 0 ", "KinColor, 0 ", "KaColor, 0 ", "MokuColor, 0 ", "DoColor, 0 ", "MoonColor, 0 ",
        "Tokyu, 0 ", "NmFntSize, 1 ", "KansokuKen, 24 ", "KansokuShi, 10 ", "Nori, 2 ", "Swidth, 2 ",
        "Lwidth, 1 ", "Mwidth, 1 ", "Year, 26 ", "Month, 11 ", "Day, 6 ", "Hour, 19 ", "Minute, 0 ",
        "RR0, 0 ", "Pwidth, 1 ", "MoonR, 5 ", "MoonWidth, 1 "};
}

inline QByteArray Saved(const HatDocument& doc)
{
    QString failure;
    const auto bytes = HatFileBytes(doc, &failure);
    EXPECT_TRUE(bytes.has_value()) << failure.toStdString();
    return bytes.value_or(QByteArray());
}

inline void PlaceText(Overlays& o, int slot, const QString& text, double x, double y, int16_t size, Colour colour)
{
    o.UsrTexts[slot] = {x, y, size, colour, text};
    o.TextCount = std::max<int16_t>(o.TextCount, slot);
}

inline void PlaceLine(Overlays& o, int slot, double x1, double y1, double x2, double y2, int16_t width, Colour colour)
{
    o.UsrLines[slot] = {x1, y1, x2, y2, width, colour, QStringLiteral("-")};
    o.LineCount = std::max<int16_t>(o.LineCount, slot);
}

} // namespace orv::test
