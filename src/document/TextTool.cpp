#include "document/TextTool.h"

#include "document/HatDocument.h"
#include "render/ShiftJis.h"

namespace orv {

std::optional<QString> FirstUnstorableCharacter(const QString& text)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (!EncodeShiftJis(character))
            return character;
        i += length;
    }
    return std::nullopt;
}

QString UnstorableCharacterMessage(const QString& character)
{
    return QStringLiteral("「%1」は笠ファイルに保存できない文字です。別の文字に置き換えてください。").arg(character);
}

std::optional<QString> PlaceUsrText(HatDocument& doc, double x, double y)
{
    TextTool& t = doc.textTool;
    const double r = doc.geometry.hatRadius;
    if (!t.PreviewShown() || r == 0 || !t.TextDlgOK)
        return std::nullopt;
    if (!RoomForOverlay(doc.overlays, OverlayKind::Text))
        return OverlayLimitMessage;
    t.CurTextSize = t.Size();
    doc.screen.ForeColor = t.CurTextColor;
    doc.screen.FontSize = t.CurTextSize;
    doc.screen.CurrentX = x;
    doc.screen.CurrentY = y;
    doc.screen.Print(t.PendingText);
    AddUsrText(doc.overlays, {x / r, y / r, t.CurTextSize, t.CurTextColor, t.PendingText});
    t.PendingText.clear();
    t.TextMode = false;
    return std::nullopt;
}

} // namespace orv
