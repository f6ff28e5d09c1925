#include "render/SequentialFields.h"

#include "astro/Numeric.h"
#include "render/ShiftJis.h"

namespace orv {

SequentialFields::SequentialFields(QByteArray data, bool doubledQuotes)
    : data_(std::move(data)), doubledQuotes_(doubledQuotes)
{
}

bool SequentialFields::AtEnd() const
{
    for (qsizetype i = pos_; i < data_.size(); ++i) {
        const char c = data_[i];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\x1a')
            return false;
    }
    return true;
}

void SequentialFields::SkipBlanks()
{
    while (pos_ < data_.size() && (data_[pos_] == ' ' || data_[pos_] == '\t'))
        ++pos_;
}

bool SequentialFields::AtLineEnd() const
{
    return pos_ < data_.size() && (data_[pos_] == '\r' || data_[pos_] == '\n');
}

// Consumes what ends a field: one comma, or one line end (CR LF, CR or LF).
void SequentialFields::SkipFieldEnd()
{
    if (pos_ >= data_.size())
        return;
    if (data_[pos_] == ',') {
        ++pos_;
        return;
    }
    if (data_[pos_] == '\r') {
        ++pos_;
        if (pos_ < data_.size() && data_[pos_] == '\n')
            ++pos_;
        return;
    }
    if (data_[pos_] == '\n')
        ++pos_;
}

bool SequentialFields::NextRaw(QByteArray& field)
{
    field.clear();
    if (pos_ >= data_.size())
        return false;
    SkipBlanks();
    if (pos_ < data_.size() && data_[pos_] == '"') {
        ++pos_;
        while (pos_ < data_.size()) {
            const char c = data_[pos_++];
            if (c != '"') {
                field.append(c);
                continue;
            }
            if (doubledQuotes_ && pos_ < data_.size() && data_[pos_] == '"') {
                field.append('"');
                ++pos_;
                continue;
            }
            break;
        }
        // Whatever follows the closing quote up to the field end is dropped.
        while (pos_ < data_.size() && data_[pos_] != ',' && !AtLineEnd())
            ++pos_;
    } else {
        while (pos_ < data_.size() && data_[pos_] != ',' && !AtLineEnd())
            field.append(data_[pos_++]);
    }
    SkipFieldEnd();
    return true;
}

bool SequentialFields::NextText(QString& field)
{
    QByteArray raw;
    const bool got = NextRaw(raw);
    field = DecodeShiftJis(raw);
    return got;
}

QStringList SequentialFields::NextTexts(int n)
{
    QStringList record;
    for (int i = 0; i < n; ++i) {
        QString field;
        NextText(field);
        record << field;
    }
    return record;
}

bool SequentialFields::NextNumber(double& value, bool* ok)
{
    value = 0;
    if (pos_ >= data_.size())
        return false;
    SkipBlanks();
    QByteArray text;
    if (pos_ < data_.size() && data_[pos_] == '"') {
        NextRaw(text);
    } else {
        while (pos_ < data_.size() && data_[pos_] != ',' && data_[pos_] != ' ' && data_[pos_] != '\t'
               && !AtLineEnd())
            text.append(data_[pos_++]);
        SkipBlanks();
        SkipFieldEnd();
    }
    value = LeadingNumber(QString::fromLatin1(text));
    if (ok) {
        bool parsed = false;
        text.toDouble(&parsed);
        *ok = parsed;
    }
    return true;
}

} // namespace orv
