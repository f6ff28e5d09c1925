#include "document/Overlays.h"

#include "astro/Numeric.h"
#include "document/HatDocument.h"
#include "render/DataFolder.h"

#include <QDir>
#include <QImage>

namespace orv {

void Overlays::ClearAll()
{
    UsrTexts.fill({});
    UsrLines.fill({});
    ChujiStamps.fill({});
    UndoLog.fill({});
    TextCount = 0;
    LineCount = 0;
    ChujiCount = 0;
    UndoCount = 0;
}

void DrawUsrTexts(const Overlays& overlays, Canvas& canvas, double hatRadius)
{
    for (int i = 1; i <= LastOverlaySlot; ++i) {
        const UsrText& t = overlays.UsrTexts[i];
        if (t.text.isEmpty())
            continue;
        canvas.CurrentX = hatRadius * t.x;
        canvas.CurrentY = hatRadius * t.y;
        canvas.ForeColor = t.colour;
        canvas.FontSize = t.size;
        canvas.Print(t.text);
    }
}

void DrawUsrLines(const Overlays& overlays, Canvas& canvas, double hatRadius)
{
    for (int i = 1; i <= LastOverlaySlot; ++i) {
        const UsrLine& l = overlays.UsrLines[i];
        if (l.marker.isEmpty())
            continue;
        canvas.DrawWidth = l.width;
        canvas.Line(Round16(hatRadius * l.x1), Round16(hatRadius * l.y1), Round16(hatRadius * l.x2),
                    Round16(hatRadius * l.y2), l.colour);
    }
}

void DrawChujiStamps(const Overlays& overlays, Canvas& canvas, double hatRadius, const DataFolder& data)
{
    for (int i = 1; i <= PrintedStampSlots; ++i) {
        const ChujiStamp& s = overlays.ChujiStamps[i];
        if (s.file.isEmpty())
            continue;
        // The stored name carries a leading backslash; the image sits in the DATA folder.
        QString name = s.file;
        name.replace(QLatin1Char('\\'), QLatin1Char('/'));
        while (name.startsWith(QLatin1Char('/')))
            name.remove(0, 1);
        const QImage image(QDir(data.DataDir()).filePath(name));
        if (image.isNull())
            continue;
        canvas.PaintPicture(image, Round16(hatRadius * s.x), Round16(hatRadius * s.y), Round16(hatRadius * s.width),
                            Round16(hatRadius * s.height));
    }
}

void DrawOverlays(HatDocument& doc, Canvas& canvas)
{
    const double r = doc.geometry.hatRadius;
    if (doc.printing) {
        DrawUsrLines(doc.overlays, canvas, r);
        DrawUsrTexts(doc.overlays, canvas, r);
        DrawChujiStamps(doc.overlays, canvas, r, doc.data);
    } else if (doc.LoadPending || doc.Undoing) {
        DrawUsrTexts(doc.overlays, canvas, r);
        DrawUsrLines(doc.overlays, canvas, r);
    }
}

} // namespace orv
