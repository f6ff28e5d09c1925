#pragma once
// The stamp tool: the stamp dialog picks one of four turns of the sandogasa picture and a scale; a
// preview of the picture then follows the pointer over the chart, and a press on the preview
// paints it there, on the screen chart and into the document.

#include <QImage>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace orv {

class HatDocument;

// The picture files of the four turns, in the dialog's order: unturned, 90° to the left, 180°, 90°
// to the right (the number in a name is the counter-clockwise angle).
inline const std::array<QString, 4> ChujiFiles = {
    QStringLiteral("\\sandogasa.gif"), QStringLiteral("\\sandogasa_90.gif"), QStringLiteral("\\sandogasa_180.gif"),
    QStringLiteral("\\sandogasa_270.gif")};

inline constexpr int16_t DefaultChujiScale = 100; // percent

struct StampTool {
    QString PendingChujiFile;
    int16_t ChujiScale = DefaultChujiScale;
    bool ChujiMode = false; // a stamp is to be placed
    QImage ChujiPicture;
    int16_t ChujiHeightPx = 0; // preview size in screen pixels
    int16_t ChujiWidthPx = 0;

    bool PreviewShown() const { return !PendingChujiFile.isEmpty() && ChujiMode; }
};

// Preview size on the screen of a picture of the given pixel size at a scale in percent: the
// picture's extent in hundredths of a millimetre (at 96 dpi) in whole twips-per-pixel steps, over
// 1.7, times scale / 200; so scale 100 shows a picture at about half its natural size.
QSize ChujiPreviewSize(QSize picturePixels, int16_t scale);

// Loads the waiting stamp's picture and works out its preview size; false when the picture cannot
// be read (the preview then stays hidden).
bool PrepareChujiPreview(HatDocument& document);

// A press on the preview whose top-left corner is at (x, y) in chart pixels: the picture is painted
// there at the preview's size and the stamp stored in units of hatRadius with its undo entry;
// stamp mode ends. Nothing happens unless a stamp waits with its picture loaded and a chart has
// been drawn. Gives back a message instead when no more stamps may be placed.
std::optional<QString> PlaceChujiStamp(HatDocument& document, double x, double y);

} // namespace orv
