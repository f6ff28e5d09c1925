#include "app/ControlTips.h"

#include <QHash>

namespace orv {

QString SettingToolTip(const QString& controlName)
{
    static const QHash<QString, QString> tips = {
        {QStringLiteral("ComboR"), QStringLiteral("早見笠の大きさと用紙。「横×2」は笠を2枚に分けて印刷します")},
        {QStringLiteral("ComboNori"), QStringLiteral("のりしろの角度（度）。大きいほど深い笠になります")},
        {QStringLiteral("ComboKansokuKen"), QStringLiteral("観測地の都道府県。選ぶと市町村の一覧が変わります")},
        {QStringLiteral("ComboKansokuShi"),
         QStringLiteral("観測地の市町村（役所・役場の位置）。選ばないときは都道府県庁の位置で描きます")},
        {QStringLiteral("ComboNen"), QStringLiteral("観測する年")},
        {QStringLiteral("ComboGatsu"), QStringLiteral("観測する月")},
        {QStringLiteral("ComboNichi"), QStringLiteral("観測する日")},
        {QStringLiteral("ComboJi"), QStringLiteral("観測する時刻の時（日本標準時）")},
        {QStringLiteral("ComboFun"), QStringLiteral("観測する時刻の分")},
        {QStringLiteral("ComboTokyu"), QStringLiteral("描く恒星の最も暗い等級。数が大きいほど暗い星まで描きます")},
        {QStringLiteral("CheckKoseiFill"), QStringLiteral("恒星の円を塗りつぶします")},
        {QStringLiteral("CheckSen"), QStringLiteral("星座線を描きます")},
        {QStringLiteral("CheckMei"), QStringLiteral("星座名と星の名前を書きます")},
        {QStringLiteral("CheckDaisan"), QStringLiteral("大三角を破線で描きます")},
        {QStringLiteral("ComboSwidth"), QStringLiteral("星座線の太さ")},
        {QStringLiteral("ComboNmFntSize"), QStringLiteral("星座名・星の名前の文字の大きさ（ポイント）")},
        {QStringLiteral("CheckEdo"), QStringLiteral("江戸時代の星座「天文成象」で星座線と名前を描きます")},
        {QStringLiteral("CheckKodo"), QStringLiteral("高度の目安の円を破線で描きます")},
        {QStringLiteral("CheckHoi"), QStringLiteral("方位の線を破線で描きます")},
        {QStringLiteral("CheckMilky"), QStringLiteral("天の川を点で描きます")},
        {QStringLiteral("ComboLwidth"), QStringLiteral("高度線と方位線の太さ")},
        {QStringLiteral("ComboMwidth"), QStringLiteral("天の川の点の大きさ")},
        {QStringLiteral("CheckKinse"), QStringLiteral("金星を描きます")},
        {QStringLiteral("CheckKase"), QStringLiteral("火星を描きます")},
        {QStringLiteral("CheckMokuse"), QStringLiteral("木星を描きます")},
        {QStringLiteral("CheckDose"), QStringLiteral("土星を描きます")},
        {QStringLiteral("ComboPwidth"), QStringLiteral("惑星の絵の線の太さ")},
        {QStringLiteral("CheckMoon"), QStringLiteral("月を満ち欠けの形で描きます")},
        {QStringLiteral("ComboMoonR"), QStringLiteral("月の大きさ")},
        {QStringLiteral("ComboMoonWidth"), QStringLiteral("月の線の太さ")},
    };
    return tips.value(controlName);
}

QString SwatchName(Colour swatch)
{
    switch (swatch & 0xFFFFFF) {
    case 0x000000: return QStringLiteral("黒");
    case 0xFFFFFF: return QStringLiteral("白");
    case 0xFF0000: return QStringLiteral("青");
    case 0xC00000: return QStringLiteral("青");
    case 0x800000: return QStringLiteral("紺");
    case 0x0000FF: return QStringLiteral("赤");
    case 0x00FFFF: return QStringLiteral("黄");
    case 0x0080FF: return QStringLiteral("橙");
    case 0xFFFF00: return QStringLiteral("水色");
    case 0x00FF00: return QStringLiteral("緑");
    default: return QStringLiteral("#%1").arg(swatch & 0xFFFFFF, 6, 16, QLatin1Char('0'));
    }
}

} // namespace orv
