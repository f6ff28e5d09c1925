#pragma once
// Reader of comma-separated sequential fields, the way every data file and hat file is read:
// a field ends at a comma or a line end, leading blanks are skipped, and a field that begins with
// a double quote runs to the closing quote, so commas inside it belong to the field. A record is
// simply the next n fields; line breaks do not matter. Works on Shift-JIS bytes directly (no
// Shift-JIS trail byte is a comma, quote, blank or line end).

#include "render/ShiftJis.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace orv {

class SequentialFields {
public:
    explicit SequentialFields(QByteArray data, bool doubledQuotes = false);

    // True when nothing but blanks and line ends is left.
    bool AtEnd() const;

    // The next field as raw bytes, or false past the end of the data.
    bool NextRaw(QByteArray& field);
    // The next field decoded from Shift-JIS (one converter serves the whole data).
    bool NextText(QString& field);
    // Decodes bytes from Shift-JIS with the same converter.
    QString Decode(QByteArrayView bytes) { return decoder_.Decode(bytes); }
    // The next n fields decoded from Shift-JIS, as one record (missing fields past the end are empty).
    QStringList NextTexts(int n);
    // The next numeric field: it ends at a comma, a blank or a line end. ok is false when the
    // field does not hold a number at all.
    bool NextNumber(double& value, bool* ok = nullptr);

    // The line (from 1) on which the field last returned begins.
    int LineOfLastField() const { return lastFieldLine_; }

private:
    void SkipBlanks();
    void SkipFieldEnd();
    bool AtLineEnd() const;

    QByteArray data_;
    qsizetype pos_ = 0;
    int line_ = 1;
    int lastFieldLine_ = 1;
    bool doubledQuotes_ = false;
    ShiftJisDecoder decoder_;
};

} // namespace orv
