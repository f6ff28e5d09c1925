#pragma once
// Applying one hat-file key and its stored value to the control state, as opening a hat file does
// and as the renderer's --set option does: switches, colours (selecting the matching preset option
// or the custom one) and list positions.

#include <QString>

namespace orv {

class SettingControls;
class SiteTable;
struct HatSettings;

struct ApplyResult {
    enum Kind { Applied, UnknownKey, Failed };
    Kind kind = Applied;
    QString message; // the error description when Failed
};

// Error descriptions shown when a value cannot be applied or a file cannot be read or written.
namespace ErrorText {
inline const QString Overflow = QStringLiteral("オーバーフローしました。");
inline const QString InvalidValue = QStringLiteral("プロパティの値が不正です。");
inline const QString SubscriptOutOfRange = QStringLiteral("インデックスが有効範囲にありません。");
inline const QString InputPastEnd = QStringLiteral("ファイルの終わり以降を読み込もうとしました。");
inline const QString FileNotFound = QStringLiteral("ファイルが見つかりません。");
inline const QString PathNotFound = QStringLiteral("パスが見つかりません。");
inline const QString PermissionDenied = QStringLiteral("書き込みできません。");
} // namespace ErrorText

// Applies a settings key. A flag takes 0 or 1 (2, the greyed state of a check box, is accepted
// too), a list takes a position in its list or -1 for no selection, and KansokuKen refills the
// municipality list before any later KansokuShi. Keys that are not settings give UnknownKey.
ApplyResult ApplySettingValue(SettingControls& controls, HatSettings& settings, const SiteTable& sites,
                              const QString& key, const QString& value);

} // namespace orv
