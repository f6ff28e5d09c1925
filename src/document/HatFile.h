#pragma once
// The hat file (".orv"): every document setting and the user's texts and lines as "key,value"
// lines in Shift-JIS with CR LF line ends. Stamps are not stored.
//
// Written form of numbers (NumberText): a '-' or a blank in the sign position, then the digits
// with at most 15 significant digits, no 0 before the point (.25), no point for whole values, and
// the exponent form d.dddE+dd when the decimal exponent of the rounded value is below -4 or 15 and
// above (1E-05, 1.5E+16; .0001 and 100000000000000 are still written out). The file adds one blank
// after the number.
//
// Texts that an unquoted field cannot carry (a comma, a line break, leading blanks, a leading
// double quote) are written as a quoted field with each inner double quote doubled; the reader
// takes "" inside a quoted field as one quote. Every other text is written as it is, so files
// without such texts are exactly what earlier versions wrote and read.

#include <functional>
#include <optional>
#include <QByteArray>
#include <QString>

namespace orv {

class HatDocument;

namespace HatFileText {
// Save refused because a text has a character that Shift-JIS cannot hold.
QString Unencodable(const QString& text);
inline const QString WriteFailed = QStringLiteral("ファイルに書き込めませんでした。");
} // namespace HatFileText

// A number as the file writes it, without the blank that follows it: " 1", "-.25", " 1E-05".
QString NumberText(double value);

// The whole file for the document: checks and list positions from the controls, colours from the
// settings, then the text groups and the line groups in slot order. Nothing and a failure message
// when a text cannot be stored.
std::optional<QByteArray> HatFileBytes(const HatDocument& doc, QString* failure);

// Writes the hat file; the empty string on success, otherwise the message to show. The old file
// is replaced only once the new one has been written completely, and nothing is written at all
// when a text cannot be stored.
QString SaveHatFile(const HatDocument& doc, const QString& path);

// Writes bytes to path through a temporary file in the same folder that replaces path only after
// everything was written. midway, when given, runs after the first half has been written (a test
// uses it to end the process in the middle of a save). The empty string on success.
QString WriteFileReplacing(const QString& path, const QByteArray& bytes, const std::function<void()>& midway = {});

// Reads a hat file into the document; the empty string on success, otherwise the message to show.
// Once the file is open, all texts, lines, stamps and the undo log are cleared first; afterwards
// the text and line counters are the numbers of slots read. On a failure whatever was applied
// before it stays applied.
QString LoadHatFile(HatDocument& doc, const QString& path);

// The reading part of LoadHatFile, on the file's bytes.
QString LoadHatBytes(HatDocument& doc, const QByteArray& bytes);

} // namespace orv
