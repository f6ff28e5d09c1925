#include "document/LineTool.h"

#include "astro/Numeric.h"
#include "document/HatDocument.h"

namespace orv {

std::optional<QString> LineMouseDown(HatDocument& doc, bool leftButton, bool checkLineChecked, double x, double y)
{
    LineTool& t = doc.lineTool;
    if (!t.LineArmed || doc.geometry.hatRadius == 0)
        return std::nullopt;
    if (!((leftButton && t.LineDlgOK) || checkLineChecked))
        return std::nullopt;
    if (!RoomForOverlay(doc.overlays, OverlayKind::Line))
        return OverlayLimitMessage;
    t.LineStartX = t.LineEndX = Round16(x);
    t.LineStartY = t.LineEndY = Round16(y);
    t.LineDragging = true;
    t.LineArmed = checkLineChecked;
    return std::nullopt;
}

void LineMouseMove(HatDocument& doc, bool leftButtonDown, double x, double y)
{
    LineTool& t = doc.lineTool;
    if (!t.LineDragging || !leftButtonDown)
        return;
    t.LineEndX = Round16(x);
    t.LineEndY = Round16(y);
}

bool LineMouseUp(HatDocument& doc, double x, double y)
{
    LineTool& t = doc.lineTool;
    const double r = doc.geometry.hatRadius;
    if (!t.LineDragging || r == 0)
        return false;
    t.LineEndX = Round16(x);
    t.LineEndY = Round16(y);
    doc.screen.DrawWidth = t.Width();
    doc.screen.Line(t.LineStartX, t.LineStartY, t.LineEndX, t.LineEndY, t.CurLineColor);
    AddUsrLine(doc.overlays, {t.LineStartX / r, t.LineStartY / r, t.LineEndX / r, t.LineEndY / r, t.Width(),
                              t.CurLineColor, QStringLiteral("-")});
    t.LineDragging = false;
    return true;
}

} // namespace orv
