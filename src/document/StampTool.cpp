#include "document/StampTool.h"

#include "astro/Numeric.h"
#include "document/HatDocument.h"
#include "render/ScreenCanvas.h"

namespace orv {

namespace {

// One extent of the preview: hundredths of a millimetre at the screen's resolution, cut to whole
// twips-per-pixel steps, over 1.7, at the scale.
int16_t PreviewExtent(int pixels, int16_t scale)
{
    const int32_t himetric = Round32(pixels * 2540.0 / 96.0);
    const int32_t steps = himetric / static_cast<int32_t>(ScreenCanvas::TwipsPerPixel);
    return Round16(steps / 1.7 * (scale / 200.0));
}

} // namespace

QSize ChujiPreviewSize(QSize picturePixels, int16_t scale)
{
    return {PreviewExtent(picturePixels.width(), scale), PreviewExtent(picturePixels.height(), scale)};
}

bool PrepareChujiPreview(HatDocument& doc)
{
    StampTool& t = doc.stampTool;
    t.ChujiPicture = LoadStampImage(doc.data, t.PendingChujiFile);
    const QSize size = ChujiPreviewSize(t.ChujiPicture.size(), t.ChujiScale);
    t.ChujiWidthPx = static_cast<int16_t>(size.width());
    t.ChujiHeightPx = static_cast<int16_t>(size.height());
    return !t.ChujiPicture.isNull();
}

std::optional<QString> PlaceChujiStamp(HatDocument& doc, double x, double y)
{
    StampTool& t = doc.stampTool;
    const double r = doc.geometry.hatRadius;
    if (!t.PreviewShown() || t.ChujiPicture.isNull() || r == 0)
        return std::nullopt;
    if (!RoomForOverlay(doc.overlays, OverlayKind::Chuji))
        return OverlayLimitMessage;
    doc.screen.PaintPicture(t.ChujiPicture, x, y, t.ChujiWidthPx, t.ChujiHeightPx);
    AddChujiStamp(doc.overlays, {x / r, y / r, t.ChujiHeightPx / r, t.ChujiWidthPx / r, t.PendingChujiFile});
    t.PendingChujiFile.clear();
    t.ChujiMode = false;
    return std::nullopt;
}

} // namespace orv
