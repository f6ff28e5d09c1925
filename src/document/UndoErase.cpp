#include "document/UndoErase.h"

#include "document/HatDocument.h"
#include "render/RedrawChart.h"

namespace orv {

namespace {

// Frees the slot an undo entry names; an unknown kind frees nothing.
void ClearSlot(Overlays& o, const UndoEntry& entry)
{
    if (entry.slot < 0 || entry.slot > LastOverlaySlot)
        return;
    if (entry.kind == QLatin1String("Chuji"))
        o.ChujiStamps[entry.slot] = {};
    else if (entry.kind == QLatin1String("Text"))
        o.UsrTexts[entry.slot] = {};
    else if (entry.kind == QLatin1String("Line"))
        o.UsrLines[entry.slot] = {};
}

} // namespace

bool UndoLast(HatDocument& doc)
{
    Overlays& o = doc.overlays;
    if (o.UndoCount < 1)
        return false;
    ClearSlot(o, o.UndoLog[o.UndoCount]);
    o.UndoLog[o.UndoCount] = {};
    --o.UndoCount;
    // The counters stay: the freed slot is skipped by drawing and saving and not handed out again.
    doc.printing = false;
    RedrawChart(doc, true);
    return true;
}

void EraseOverlays(HatDocument& doc)
{
    doc.screen.Cls();
    doc.overlays.ClearAll();
}

} // namespace orv
