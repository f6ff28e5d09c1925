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

namespace {

// The counter of the last slot handed out in the kind's store.
template <class Store>
auto& CounterOf(Store& o, OverlayKind kind)
{
    switch (kind) {
    case OverlayKind::Line:
        return o.LineCount;
    case OverlayKind::Text:
        return o.TextCount;
    case OverlayKind::Chuji:
        break;
    }
    return o.ChujiCount;
}

QString UndoKindOf(OverlayKind kind)
{
    switch (kind) {
    case OverlayKind::Line:
        return QStringLiteral("Line");
    case OverlayKind::Text:
        return QStringLiteral("Text");
    case OverlayKind::Chuji:
        break;
    }
    return QStringLiteral("Chuji");
}

// The next slot of the kind's store, with its undo entry appended.
int16_t NextSlot(Overlays& o, OverlayKind kind)
{
    const int16_t slot = ++CounterOf(o, kind);
    o.UndoLog[++o.UndoCount] = {UndoKindOf(kind), slot};
    return slot;
}

} // namespace

bool RoomForOverlay(const Overlays& overlays, OverlayKind kind)
{
    return CounterOf(overlays, kind) < LastOverlaySlot && overlays.UndoCount < LastOverlaySlot;
}

int16_t AddUsrLine(Overlays& overlays, const UsrLine& line)
{
    const int16_t slot = NextSlot(overlays, OverlayKind::Line);
    overlays.UsrLines[slot] = line;
    return slot;
}

int16_t AddUsrText(Overlays& overlays, const UsrText& text)
{
    const int16_t slot = NextSlot(overlays, OverlayKind::Text);
    overlays.UsrTexts[slot] = text;
    return slot;
}

int16_t AddChujiStamp(Overlays& overlays, const ChujiStamp& stamp)
{
    const int16_t slot = NextSlot(overlays, OverlayKind::Chuji);
    overlays.ChujiStamps[slot] = stamp;
    return slot;
}

void DrawUsrTexts(const Overlays& overlays, Canvas& canvas, const OverlayFrame& frame)
{
    for (int i = 1; i <= LastOverlaySlot; ++i) {
        const UsrText& t = overlays.UsrTexts[i];
        if (t.text.isEmpty())
            continue;
        canvas.CurrentX = frame.X(t.x);
        canvas.CurrentY = frame.Y(t.y);
        canvas.ForeColor = t.colour;
        canvas.FontSize = t.size;
        canvas.Print(t.text);
    }
}

void DrawUsrLines(const Overlays& overlays, Canvas& canvas, const OverlayFrame& frame)
{
    for (int i = 1; i <= LastOverlaySlot; ++i) {
        const UsrLine& l = overlays.UsrLines[i];
        if (l.marker.isEmpty())
            continue;
        canvas.DrawWidth = l.width;
        canvas.Line(Round16(frame.X(l.x1)), Round16(frame.Y(l.y1)), Round16(frame.X(l.x2)), Round16(frame.Y(l.y2)),
                    l.colour);
    }
}

QImage LoadStampImage(const DataFolder& data, const QString& file)
{
    // The stored name carries a leading backslash; the image sits in the DATA folder.
    QString name = file;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    return QImage(QDir(data.DataDir()).filePath(name));
}

void DrawChujiStamps(const Overlays& overlays, Canvas& canvas, const OverlayFrame& frame, const DataFolder& data)
{
    for (int i = 1; i <= LastOverlaySlot; ++i) {
        const ChujiStamp& s = overlays.ChujiStamps[i];
        if (s.file.isEmpty())
            continue;
        const QImage image = LoadStampImage(data, s.file);
        if (image.isNull())
            continue;
        canvas.PaintPicture(image, Round16(frame.X(s.x)), Round16(frame.Y(s.y)), Round16(frame.scale * s.width),
                            Round16(frame.scale * s.height));
    }
}

OverlayFrame OverlayFrameOf(const HatDocument& doc)
{
    const ChartGeometry& g = doc.geometry;
    OverlayFrame frame{static_cast<double>(g.hatRadius), 0, 0};
    if (!doc.printing || g.sheetCount != 2)
        return frame;
    ChartGeometry screen;
    SetUpScreenGeometry(screen, LookUpPaper(doc.settings.RR0, doc.PrintPaperIndex));
    frame.originX = g.centreX - frame.scale * screen.centreX / screen.hatRadius;
    frame.originY = g.centreY - frame.scale * screen.centreY / screen.hatRadius;
    return frame;
}

void DrawOverlays(HatDocument& doc, Canvas& canvas)
{
    const OverlayFrame frame = OverlayFrameOf(doc);
    DrawUsrLines(doc.overlays, canvas, frame);
    DrawUsrTexts(doc.overlays, canvas, frame);
    DrawChujiStamps(doc.overlays, canvas, frame, doc.data);
}

} // namespace orv
