#pragma once
// The hat file (".orv"): every document setting and the user's texts and lines as "key,value"
// lines in Shift-JIS (code page 932) with CR LF line ends. Stamps are not stored.
//
// Written form of numbers (NumberText): a '-' or a blank in the sign position, then the digits
// with at most 15 significant digits, no 0 before the point (.25), no point for whole values, and
// the exponent form d.dddE+dd when the decimal exponent of the rounded value is below -4 or 15 and
// above (1E-05, 1.5E+16; .0001 and 100000000000000 are still written out). The file adds one blank
// after the number. Numbers are written and read with the full stop whatever the locale.
//
// Texts that an unquoted field cannot carry (a comma, a line break, leading blanks, a leading
// double quote) are written as a quoted field with each inner double quote doubled; the reader
// takes "" inside a quoted field as one quote. Every other text is written as it is, so files
// without such texts are exactly what earlier versions wrote and read.
//
// Opening is all or nothing: the whole file is read and checked before anything of the document
// changes, and a file with a value that does not fit its key changes nothing at all.

#include <optional>
#include <QByteArray>
#include <QString>

namespace orv {

class HatDocument;

// Positions of texts and lines, in units of hatRadius, lie within this distance of the chart's
// corner, so that any sheet up to 600 dpi places them inside 16-bit device coordinates (the
// chart picture itself reaches about 3.2).
inline constexpr double OverlayCoordinateLimit = 8;

namespace HatFileText {
// Save refused because a text has a character that Shift-JIS cannot hold.
QString Unencodable(const QString& text);
// Save refused because an overlay lies far outside the chart (or is not a number).
inline const QString PositionOutOfRange = QStringLiteral("テキストや直線の位置が図の範囲を大きく外れています。");
// A file in which not one key of the hat file appears.
inline const QString NotHatFile = QStringLiteral("笠ファイルではありません。");
// The message shown for a failed save or open: which file, and why.
QString SaveFailed(const QString& path, const QString& reason);
QString OpenFailed(const QString& path, const QString& reason);
} // namespace HatFileText

// A number as the file writes it, without the blank that follows it: " 1", "-.25", " 1E-05".
QString NumberText(double value);

// The whole file for the document: checks and list positions from the controls, colours from the
// settings, then the text groups and the line groups in slot order. Nothing and the reason when
// a text cannot be stored or an overlay lies out of range.
std::optional<QByteArray> HatFileBytes(const HatDocument& doc, QString* failure);

// Writes the hat file; the empty string on success, otherwise the message to show, naming the
// file and the reason. The old file is replaced only once the new one has been written
// completely; on any failure it stays as it was.
QString SaveHatFile(const HatDocument& doc, const QString& path);

// Reads a hat file into the document; the empty string on success, otherwise the message to show,
// naming the file, the line, the key and what is wrong. On success the settings and controls the
// file names are set, the texts and lines are the file's, the stamps and the undo log are empty
// and the text and line counters are the numbers of slots read. On a failure nothing of the
// document has changed.
QString LoadHatFile(HatDocument& doc, const QString& path);

// The reading part of LoadHatFile, on the file's bytes: the empty string, or where and what went
// wrong ("12 行目 Tokyu: …").
QString LoadHatBytes(HatDocument& doc, const QByteArray& bytes);

} // namespace orv
