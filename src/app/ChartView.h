#pragma once
// The chart area of the main window: the chart picture Picture1 inside its container Picture2, with
// the scroll bars VScroll1 and HScroll1 beside it. The picture shows the document's screen surface,
// which keeps everything drawn on it. The scroll bars move the picture; dragging it with the left
// button pans it and the scroll bars follow; the wheel scrolls (with Shift sideways).
//
// Zoom. The view can show the chart scaled (Ctrl+wheel, the zoom commands); the chart itself, the
// screen surface, keeps its size and geometry in chart pixels. Three coordinate systems meet here:
//   chart pixels   – the unzoomed surface: what the layers and the overlay tools work in;
//   picture pixels – Picture1's own widget coordinates: chart pixels × Zoom();
//   view pixels    – the container's coordinates: picture pixels + Picture1's position, which is
//                    (−horizontal scroll value, −vertical scroll value).
// Pointer events leave this class in chart pixels only (ChartPointer), all converted by ToChart.
// Something drawn over the chart that is not part of it (a rubber band, a preview following the
// pointer) goes through SetOverlayPainter: its painter is already scaled so that it draws in chart
// pixels, and it is called on every repaint of the picture, after the chart, so it follows zoom and
// scrolling by itself; call RefreshOverlay when what it draws changes. Where a widget coordinate is
// needed for a chart point (a tooltip, a widget placed over the chart), use ChartToContainer.
//
// On a high-density screen the surface holds several device pixels per chart pixel (its pixel
// ratio); the picture draws it unscaled at zoom 1, so the chart is sharp.

#include "app/ChartPan.h"

#include <QPointF>
#include <QWidget>
#include <functional>

class QPainter;
class QScrollBar;

namespace orv {

class ScreenCanvas;
struct ChartViewport;

// One pointer event over the chart, in chart pixels.
struct ChartPointer {
    QPointF at;                                     // chart pixels
    Qt::MouseButton button = Qt::NoButton;          // the button pressed or released; none on a move
    Qt::MouseButtons buttons = Qt::NoButton;        // the buttons held
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// Picture1: paints the screen surface as it stands, scaled by the view's zoom, then the overlay,
// and reports the pointer.
class ChartPicture : public QWidget {
    Q_OBJECT
public:
    ChartPicture(ScreenCanvas& screen, QWidget* container);

    void SetZoom(double zoom) { zoom_ = zoom; }
    void SetOverlayPainter(std::function<void(QPainter&)> paint) { overlay_ = std::move(paint); }

signals:
    void Pressed(QMouseEvent* event);
    void Moved(QMouseEvent* event);
    void Released(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ScreenCanvas& screen_;
    double zoom_ = 1.0;
    std::function<void(QPainter&)> overlay_;
};

class ChartView : public QWidget {
    Q_OBJECT
public:
    ChartView(ScreenCanvas& screen, QWidget* parent = nullptr);

    QWidget* Container() const { return container_; }
    ChartPicture* Picture() const { return picture_; }
    QScrollBar* VerticalBar() const { return vScroll_; }
    QScrollBar* HorizontalBar() const { return hScroll_; }

    // Size of the container, for the redraw to size the scroll bars.
    QSize ContainerSize() const;

    // After a redraw: the picture takes the surface's size (times the zoom) and the scroll bars
    // the viewport's ranges and values, which place the picture. At a zoom other than 1 the ranges
    // are those of the scaled picture and the values keep the viewport's proportion.
    void ShowRedrawn(const ChartViewport& viewport);
    // The surface changed without a redraw (an overlay drawn on it): repaint.
    void Refresh();

    // The one mapping from Picture1's coordinates to chart pixels, and back.
    QPointF ToChart(QPointF picturePoint) const;
    QPointF FromChart(QPointF chartPoint) const;
    // A chart point in the container's coordinates (where it shows on the screen now).
    QPointF ChartToContainer(QPointF chartPoint) const;

    // Drawn over the chart on every repaint, with a painter that works in chart pixels.
    void SetOverlayPainter(std::function<void(QPainter&)> paint);
    void RefreshOverlay();

    // Asked on every pointer move: true while a user line is being drawn, which stops panning.
    void SetLineDraggingQuery(std::function<bool()> query) { lineDragging_ = std::move(query); }

    double Zoom() const { return zoom_; }

public slots:
    // The zoom, kept within its limits; the chart point at the centre of the container stays there.
    void SetZoom(double zoom);
    void ZoomIn();
    void ZoomOut();
    void ZoomToFit();   // 全体表示: the whole chart in the container
    void ZoomActual();  // 100 %

signals:
    // Pointer events over the chart, in chart pixels, for the overlay tools and the waiting
    // requests. Moved is sent after panning has been handled.
    void ChartPressed(const ChartPointer& pointer);
    void ChartMoved(const ChartPointer& pointer);
    void ChartReleased(const ChartPointer& pointer);
    void ZoomChanged(double zoom);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    ChartPointer PointerOf(const QMouseEvent* event) const;
    void PictureMoved(QMouseEvent* event);
    void ZoomAround(double zoom, QPointF containerPoint);
    void SyncPictureSize();
    // Scroll ranges follow the shown picture and the container; values stay within them.
    void UpdateScrollRanges();
    void PlacePicture();

    ScreenCanvas& screen_;
    QWidget* container_;
    ChartPicture* picture_;
    QScrollBar* vScroll_;
    QScrollBar* hScroll_;
    double zoom_ = 1.0;
    int16_t anchorX_ = 0;
    int16_t anchorY_ = 0;
    std::function<bool()> lineDragging_;
};

} // namespace orv
