#include "render/SequentialFields.h"

#include "astro/Numeric.h"

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
        ++line_;
        return;
    }
    if (data_[pos_] == '\n') {
        ++pos_;
        ++line_;
    }
}

bool SequentialFields::NextRaw(QByteArray& field)
{
    field.clear();
    if (pos_ >= data_.size())
        return false;
    SkipBlanks();
    lastFieldLine_ = line_;
    if (pos_ < data_.size() && data_[pos_] == '"') {
        ++pos_;
        while (pos_ < data_.size()) {
            const char c = data_[pos_++];
            // A line end inside the quotes (CR LF, CR or LF) still ends a line of the file.
            if (c == '\n' || (c == '\r' && (pos_ >= data_.size() || data_[pos_] != '\n')))
                ++line_;
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
        const qsizetype start = pos_;
        while (pos_ < data_.size() && data_[pos_] != ',' && !AtLineEnd())
            ++pos_;
        field = data_.mid(start, pos_ - start);
    }
    SkipFieldEnd();
    return true;
}

bool SequentialFields::NextText(QString& field)
{
    QByteArray raw;
    const bool got = NextRaw(raw);
    field = decoder_.Decode(raw);
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
    lastFieldLine_ = line_;
    QByteArray quoted;
    std::string_view text;
    if (pos_ < data_.size() && data_[pos_] == '"') {
        NextRaw(quoted);
        text = std::string_view(quoted.constData(), static_cast<std::size_t>(quoted.size()));
    } else {
        const qsizetype start = pos_;
        while (pos_ < data_.size() && data_[pos_] != ',' && data_[pos_] != ' ' && data_[pos_] != '\t'
               && !AtLineEnd())
            ++pos_;
        text = std::string_view(data_.constData() + start, static_cast<std::size_t>(pos_ - start));
        SkipBlanks();
        SkipFieldEnd();
    }
    value = LeadingNumber(text);
    if (ok)
        *ok = WholeNumber(text).has_value();
    return true;
}

} // namespace orv
