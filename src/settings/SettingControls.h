#pragma once
// The state of every setting control of the main window: the lists with their items and selected
// position, the check boxes, and per colour group the selected option and the custom swatch. The
// window's widgets mirror this model; the redraw reads it back into HatSettings.

#include "settings/HatSettings.h"
#include "settings/SettingKeys.h"

#include <QDate>
#include <QStringList>
#include <optional>
#include <vector>

namespace orv {

class SiteTable;

struct ListControl {
    QStringList items;
    int index = -1; // -1: nothing selected

    // Text of the selected item, empty when nothing is selected.
    QString Text() const;
    void Fill(QStringList newItems, int select = -1);

    bool operator==(const ListControl&) const = default;
};

struct PresetOption {
    const char* name; // e.g. "OptionR_white"
    Colour swatch;    // colour the swatch is painted in
    Colour value;     // colour the option sets

    bool operator==(const PresetOption&) const = default;
};

struct ColourGroup {
    static constexpr int CustomSelected = 1000;
    static constexpr int SpectralSelected = 1001; // the star group's "型" button, which sets nothing
    static constexpr int NoneSelected = -1;

    ColourKey key;
    const char* caption;
    std::vector<PresetOption> presets; // top to bottom
    const char* customName;            // e.g. "OptionR_usr"
    bool hasSpectral = false;
    int selected = 0;
    std::optional<Colour> customSwatch; // nothing: the system button-shadow grey

    // Preset whose set value equals colour, or CustomSelected.
    int OptionForValue(Colour colour) const;

    bool operator==(const ColourGroup&) const = default;
};

class SettingControls {
public:
    SettingControls();

    std::array<int, SwitchCount> checks{};
    std::array<ColourGroup, ColourCount> colours;
    std::array<ListControl, ListCount> lists;

    int& Check(SwitchKey k) { return checks[Index(k)]; }
    int Check(SwitchKey k) const { return checks[Index(k)]; }
    ListControl& List(ListKey k) { return lists[Index(k)]; }
    const ListControl& List(ListKey k) const { return lists[Index(k)]; }
    ColourGroup& Group(ColourKey k) { return colours[Index(k)]; }
    const ColourGroup& Group(ColourKey k) const { return colours[Index(k)]; }

    bool operator==(const SettingControls&) const = default;
};

inline constexpr int FirstYear = 2000;
inline constexpr int LastYear = 2100;

// Number written with a blank in the sign position, as the lists show numbers (" 5", "-1").
QString NumberWithSignBlank(long long n);

// Fills every list and selects the fresh-start defaults; the site lists come from the site table.
void InitialiseSettingControls(SettingControls& controls, const SiteTable& sites, QDate today);

// What the user must still choose before a chart can be drawn: "観測地を選択してください" when no
// prefecture is selected, "日時を選択してください" when the year, month, day, hour or minute is not;
// the empty string when the chart can be drawn. (No municipality selected is fine: the
// prefecture's own entry is the site then.)
QString MissingChoice(const SettingControls& controls);

// The user chose the prefecture at list position `index`. Another prefecture than before refills
// the municipality list at once with nothing selected, so the site is the prefectural office until
// a municipality is chosen; the same prefecture leaves the municipality as it is. True when the
// municipality list was refilled.
bool SelectPrefecture(SettingControls& controls, const SiteTable& sites, int index);

// Rebuilds the settings from the controls; a custom colour option leaves its key as it is.
void ReadSettingsFromControls(const SettingControls& controls, HatSettings& settings);

bool& SwitchSetting(HatSettings& settings, SwitchKey key);
Colour& ColourSetting(HatSettings& settings, ColourKey key);
Colour ColourSetting(const HatSettings& settings, ColourKey key);

} // namespace orv
