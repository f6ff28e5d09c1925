#include "app/ChartView.h"

#include "app/ChartZoom.h"
#include "astro/Numeric.h"
#include "document/HatDocument.h"
#include "render/ScreenCanvas.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace orv {

namespace {

// One notch of an ordinary mouse wheel.
constexpr double WheelNotch = 120;
// Pixels scrolled per notch.
constexpr int WheelScrollStep = 60;

} // namespace

ChartPicture::ChartPicture(ScreenCanvas& screen, QWidget* container) : QWidget(container), screen_(screen)
{
    setObjectName(QStringLiteral("Picture1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartPicture::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QRect area = event->rect();
    p.fillRect(area, Qt::white);
    const QImage& image = screen_.Image();
    // The exposed part of the picture, in the image's own pixels.
    const double toImage = image.devicePixelRatio() / zoom_;
    const QRectF source(area.x() * toImage, area.y() * toImage, area.width() * toImage, area.height() * toImage);
    if (zoom_ != 1.0)
        p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(area), image, source);
    if (overlay_) {
        p.setClipRect(area);
        p.scale(zoom_, zoom_);
        overlay_(p);
    }
}

void ChartPicture::mousePressEvent(QMouseEvent* event)
{
    emit Pressed(event);
}

void ChartPicture::mouseMoveEvent(QMouseEvent* event)
{
    emit Moved(event);
}

void ChartPicture::mouseReleaseEvent(QMouseEvent* event)
{
    emit Released(event);
}

ChartView::ChartView(ScreenCanvas& screen, QWidget* parent)
    : QWidget(parent), screen_(screen), container_(new QWidget(this)),
      picture_(new ChartPicture(screen, container_)), vScroll_(new QScrollBar(Qt::Vertical, this)),
      hScroll_(new QScrollBar(Qt::Horizontal, this))
{
    container_->setObjectName(QStringLiteral("Picture2"));
    container_->setAutoFillBackground(true);
    QPalette pal = container_->palette();
    pal.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    container_->setPalette(pal);
    container_->setMinimumSize(200, 200);
    container_->installEventFilter(this);
    vScroll_->setObjectName(QStringLiteral("VScroll1"));
    hScroll_->setObjectName(QStringLiteral("HScroll1"));
    for (QScrollBar* bar : {vScroll_, hScroll_}) {
        bar->setRange(0, 0);
        bar->setSingleStep(20);
    }

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(container_, 0, 0);
    grid->addWidget(vScroll_, 0, 1);
    grid->addWidget(hScroll_, 1, 0);

    connect(vScroll_, &QScrollBar::valueChanged, this, [this](int v) { picture_->move(picture_->x(), -v); });
    connect(hScroll_, &QScrollBar::valueChanged, this, [this](int v) { picture_->move(-v, picture_->y()); });
    connect(picture_, &ChartPicture::Pressed, this, [this](QMouseEvent* e) { emit ChartPressed(PointerOf(e)); });
    connect(picture_, &ChartPicture::Released, this, [this](QMouseEvent* e) { emit ChartReleased(PointerOf(e)); });
    connect(picture_, &ChartPicture::Moved, this, &ChartView::PictureMoved);
    SyncPictureSize();
}

QSize ChartView::ContainerSize() const
{
    return container_->size();
}

QPointF ChartView::ToChart(QPointF picturePoint) const
{
    return picturePoint / zoom_;
}

QPointF ChartView::FromChart(QPointF chartPoint) const
{
    return chartPoint * zoom_;
}

QPointF ChartView::ChartToContainer(QPointF chartPoint) const
{
    return FromChart(chartPoint) + QPointF(picture_->pos());
}

ChartPointer ChartView::PointerOf(const QMouseEvent* event) const
{
    return {ToChart(event->position()), event->button(), event->buttons(), event->modifiers()};
}

void ChartView::SetOverlayPainter(std::function<void(QPainter&)> paint)
{
    picture_->SetOverlayPainter(std::move(paint));
    picture_->update();
}

void ChartView::RefreshOverlay()
{
    picture_->update();
}

void ChartView::SyncPictureSize()
{
    picture_->SetZoom(zoom_);
    picture_->resize(Round32(screen_.Width() * zoom_), Round32(screen_.Height() * zoom_));
}

void ChartView::UpdateScrollRanges()
{
    vScroll_->setRange(0, ScrollMaximum(picture_->height(), container_->height()));
    vScroll_->setPageStep(std::max(1, container_->height()));
    hScroll_->setRange(0, ScrollMaximum(picture_->width(), container_->width()));
    hScroll_->setPageStep(std::max(1, container_->width()));
    PlacePicture();
}

void ChartView::PlacePicture()
{
    picture_->move(-hScroll_->value(), -vScroll_->value());
}

void ChartView::ShowRedrawn(const ChartViewport& viewport)
{
    SyncPictureSize();
    const QSignalBlocker blockV(vScroll_);
    const QSignalBlocker blockH(hScroll_);
    UpdateScrollRanges();
    // The redraw's scroll values, as a share of its ranges (the same values at zoom 1).
    auto share = [](const ScrollBar& drawn, const QScrollBar* shown) {
        return drawn.maximum > 0 ? Round32(shown->maximum() * static_cast<double>(drawn.value) / drawn.maximum) : 0;
    };
    vScroll_->setValue(share(viewport.vertical, vScroll_));
    hScroll_->setValue(share(viewport.horizontal, hScroll_));
    PlacePicture();
    picture_->update();
}

void ChartView::Refresh()
{
    if (picture_->size() != QSize(Round32(screen_.Width() * zoom_), Round32(screen_.Height() * zoom_))) {
        SyncPictureSize();
        UpdateScrollRanges();
    }
    picture_->update();
}

void ChartView::SetZoom(double zoom)
{
    ZoomAround(zoom, QPointF(container_->width() / 2.0, container_->height() / 2.0));
}

void ChartView::ZoomIn()
{
    SetZoom(ZoomStepAfter(zoom_, +1));
}

void ChartView::ZoomOut()
{
    SetZoom(ZoomStepAfter(zoom_, -1));
}

void ChartView::ZoomToFit()
{
    SetZoom(FitZoom(QSizeF(screen_.Width(), screen_.Height()), QSizeF(container_->size())));
}

void ChartView::ZoomActual()
{
    SetZoom(1.0);
}

// The chart point under `containerPoint` stays under it.
void ChartView::ZoomAround(double zoom, QPointF containerPoint)
{
    zoom = LimitZoom(zoom);
    if (zoom == zoom_)
        return;
    const QPointF kept = ToChart(containerPoint - QPointF(picture_->pos()));
    zoom_ = zoom;
    SyncPictureSize();
    {
        const QSignalBlocker blockV(vScroll_);
        const QSignalBlocker blockH(hScroll_);
        UpdateScrollRanges();
        hScroll_->setValue(ScrollValueKeeping(kept.x(), containerPoint.x(), zoom_, hScroll_->maximum()));
        vScroll_->setValue(ScrollValueKeeping(kept.y(), containerPoint.y(), zoom_, vScroll_->maximum()));
        PlacePicture();
    }
    picture_->update();
    emit ZoomChanged(zoom_);
}

bool ChartView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == container_ && event->type() == QEvent::Resize)
        UpdateScrollRanges();
    return QWidget::eventFilter(watched, event);
}

void ChartView::wheelEvent(QWheelEvent* event)
{
    const QPoint pixels = event->pixelDelta();
    const QPointF notches = QPointF(event->angleDelta()) / WheelNotch;
    if (event->modifiers() & Qt::ControlModifier) {
        if (notches.y() != 0) {
            const QPointF at = container_->mapFrom(this, event->position());
            ZoomAround(ZoomStepAfter(zoom_, notches.y() > 0 ? +1 : -1), at);
        }
        event->accept();
        return;
    }
    // Pixel deltas (touchpads) scroll by themselves; a wheel by steps per notch.
    QPointF step = pixels.isNull() ? notches * WheelScrollStep : QPointF(pixels);
    // Shift turns the wheel sideways (some systems already give it as a horizontal delta).
    if (event->modifiers() & Qt::ShiftModifier && step.x() == 0)
        step = QPointF(step.y(), 0);
    hScroll_->setValue(hScroll_->value() - Round32(step.x()));
    vScroll_->setValue(vScroll_->value() - Round32(step.y()));
    event->accept();
}

void ChartView::PictureMoved(QMouseEvent* event)
{
    const bool leftDown = event->buttons() & Qt::LeftButton;
    const bool lineDragging = lineDragging_ && lineDragging_();
    const bool dragging = leftDown && !lineDragging;
    picture_->setCursor(dragging ? Qt::SizeAllCursor : Qt::ArrowCursor);

    // Panning works on the picture as shown, so the grabbed point stays under the pointer.
    const QPointF at = event->position();
    PanAxis h{anchorX_, picture_->x(), picture_->width(), container_->width(), hScroll_->maximum(), hScroll_->value()};
    PanAxis v{anchorY_, picture_->y(), picture_->height(), container_->height(), vScroll_->maximum(), vScroll_->value()};
    if (PanStep(h, at.x(), dragging)) {
        picture_->move(h.position, picture_->y());
        // The scroll bar follows; its change places the picture where the bar says.
        hScroll_->setValue(h.scrollValue);
    }
    if (PanStep(v, at.y(), dragging)) {
        picture_->move(picture_->x(), v.position);
        vScroll_->setValue(v.scrollValue);
    }
    anchorX_ = h.anchor;
    anchorY_ = v.anchor;

    emit ChartMoved(PointerOf(event));
}

} // namespace orv
