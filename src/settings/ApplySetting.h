#pragma once
// Applying one hat-file key and its stored value to the control state, as opening a hat file does
// and as the renderer's --set option does: switches, colours (selecting the matching preset option
// or the custom one) and list positions. Values are read strictly: the whole value must be the
// number the key takes, in the C convention (full stop as decimal point) whatever the locale.

#include <QString>

namespace orv {

class SettingControls;
class SiteTable;
struct HatSettings;

struct ApplyResult {
    enum Kind { Applied, UnknownKey, Failed };
    Kind kind = Applied;
    QString message; // what is wrong with the value, in Japanese, when Failed
};

// Where a value comes from. A hat file may hold the greyed state 2 of a check box and -1 (nothing
// selected) for any list; an option takes 0 or 1 for a switch and must choose a site and a date.
enum class SettingSource { HatFile, Option };

// What is wrong with a value, for the messages of the readers; the value is quoted, cut when long.
namespace ValueText {
QString Shortened(const QString& text); // the first 24 characters and "…" when longer
QString Quoted(const QString& value);
QString NotSwitch(const QString& value, bool greyedAllowed);
QString NotListPosition(const QString& value, int first, int last);
QString NotColour(const QString& value);
} // namespace ValueText

// Applies a settings key: a switch takes 0 or 1 (and 2 from a hat file), a colour a whole number
// from 0 to 16777215, a list a whole number from -1 to its last position; KansokuKen refills the
// municipality list before any later KansokuShi. Blanks around the number are allowed, nothing
// else. Keys that are not settings give UnknownKey; a refused value changes nothing.
ApplyResult ApplySettingValue(SettingControls& controls, HatSettings& settings, const SiteTable& sites,
                              const QString& key, const QString& value,
                              SettingSource source = SettingSource::HatFile);

} // namespace orv
