#pragma once
// Decimal-comma locales for the tests that make sure numbers never follow the user's locale.

#include <clocale>
#include <optional>
#include <string>
#include <QString>

namespace orv::test {

// The name of a decimal-comma locale this system has (scripts/test.sh builds one for its second
// run of the suite), or nothing.
inline std::optional<QString> DecimalCommaLocale()
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    std::optional<QString> found;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        if (std::setlocale(LC_NUMERIC, name) && std::localeconv()->decimal_point == std::string(",")) {
            found = QString::fromLatin1(name);
            break;
        }
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
    return found;
}

// Switches the numeric locale of the process for the lifetime of the object.
class ScopedNumericLocale {
public:
    explicit ScopedNumericLocale(const QString& name) : saved_(std::setlocale(LC_NUMERIC, nullptr))
    {
        std::setlocale(LC_NUMERIC, name.toLatin1().constData());
    }
    ~ScopedNumericLocale() { std::setlocale(LC_NUMERIC, saved_.c_str()); }
    ScopedNumericLocale(const ScopedNumericLocale&) = delete;
    ScopedNumericLocale& operator=(const ScopedNumericLocale&) = delete;

private:
    std::string saved_;
};

} // namespace orv::test
