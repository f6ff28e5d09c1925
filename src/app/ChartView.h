#pragma once
// The chart area of the main window: the chart picture Picture1 inside its container Picture2, with
// the scroll bars VScroll1 and HScroll1 beside it. The picture shows the document's screen surface,
// which keeps everything drawn on it. The scroll bars move the picture; dragging it with the left
// button pans it and the scroll bars follow.

#include "app/ChartPan.h"

#include <QColor>
#include <QImage>
#include <QLine>
#include <QWidget>
#include <functional>
#include <optional>

class QScrollBar;

namespace orv {

class ScreenCanvas;
struct ChartViewport;

// What the tools show on top of the chart without drawing on it, in chart pixels: the rubber band
// of a line being drawn, and the text or stamp that follows the pointer until it is placed.
struct ChartPreview {
    struct RubberBand {
        QLine line;
        int width = 1;
        QColor colour;
    };
    struct Text {
        QPoint topLeft;
        QString text;
        double points = 0;
        QColor colour;
    };
    struct Stamp {
        QRect place;
        QImage picture;
    };
    std::optional<RubberBand> rubberBand;
    std::optional<Text> text;
    std::optional<Stamp> stamp;
};

// Picture1: paints the screen surface as it stands, the tools' previews over it, and reports the
// pointer.
class ChartPicture : public QWidget {
    Q_OBJECT
public:
    ChartPicture(ScreenCanvas& screen, QWidget* container);

    void SetPreview(ChartPreview preview);

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
    void PaintPreview(QPainter& p) const;

    ScreenCanvas& screen_;
    ChartPreview preview_;
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

    // After a redraw: the picture takes the surface's size and the scroll bars the viewport's
    // ranges and values, which place the picture.
    void ShowRedrawn(const ChartViewport& viewport);
    // The surface changed without a redraw (an overlay drawn on it): repaint.
    void Refresh();

    // Asked on every pointer move: true while a user line is being drawn, which stops panning.
    void SetLineDraggingQuery(std::function<bool()> query) { lineDragging_ = std::move(query); }

signals:
    // Pointer events over the chart, in chart coordinates, for the overlay tools and the waiting
    // requests. Moved is sent after panning has been handled.
    void ChartPressed(QMouseEvent* event);
    void ChartMoved(QMouseEvent* event);
    void ChartReleased(QMouseEvent* event);

private:
    void PictureMoved(QMouseEvent* event);
    void SyncPictureSize();

    ScreenCanvas& screen_;
    QWidget* container_;
    ChartPicture* picture_;
    QScrollBar* vScroll_;
    QScrollBar* hScroll_;
    int16_t anchorX_ = 0;
    int16_t anchorY_ = 0;
    std::function<bool()> lineDragging_;
};

} // namespace orv
