#include "app/ChartView.h"

#include "document/HatDocument.h"
#include "render/PainterCanvas.h"
#include "render/ScreenCanvas.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace orv {

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
    p.drawImage(area.topLeft(), screen_.Image(), area);
    PaintPreview(p);
}

void ChartPicture::SetPreview(ChartPreview preview)
{
    preview_ = std::move(preview);
    update();
}

void ChartPicture::PaintPreview(QPainter& p) const
{
    if (const auto& band = preview_.rubberBand) {
        p.setPen(QPen(band->colour, band->width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(band->line);
    }
    if (const auto& text = preview_.text) {
        // The same face and size as the text placed on the chart picture (points at 96 dpi).
        QFont font(MapFaceName(QStringLiteral("ＭＳ Ｐゴシック")));
        font.setPointSizeF(text->points * 96.0 / logicalDpiY());
        p.setFont(font);
        p.setPen(text->colour);
        p.drawText(QPointF(text->topLeft) + QPointF(0, QFontMetricsF(font, this).ascent()), text->text);
    }
    if (const auto& stamp = preview_.stamp)
        p.drawImage(stamp->place, stamp->picture);
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
    connect(picture_, &ChartPicture::Pressed, this, &ChartView::ChartPressed);
    connect(picture_, &ChartPicture::Released, this, &ChartView::ChartReleased);
    connect(picture_, &ChartPicture::Moved, this, &ChartView::PictureMoved);
    SyncPictureSize();
}

QSize ChartView::ContainerSize() const
{
    return container_->size();
}

void ChartView::SyncPictureSize()
{
    picture_->resize(screen_.Width(), screen_.Height());
}

void ChartView::ShowRedrawn(const ChartViewport& viewport)
{
    SyncPictureSize();
    const QSignalBlocker blockV(vScroll_);
    const QSignalBlocker blockH(hScroll_);
    vScroll_->setRange(viewport.vertical.minimum, viewport.vertical.maximum);
    vScroll_->setPageStep(std::max(1, container_->height()));
    vScroll_->setValue(viewport.vertical.value);
    hScroll_->setRange(viewport.horizontal.minimum, viewport.horizontal.maximum);
    hScroll_->setPageStep(std::max(1, container_->width()));
    hScroll_->setValue(viewport.horizontal.value);
    picture_->move(-hScroll_->value(), -vScroll_->value());
    picture_->update();
}

void ChartView::Refresh()
{
    if (picture_->size() != QSize(screen_.Width(), screen_.Height()))
        SyncPictureSize();
    picture_->update();
}

void ChartView::PictureMoved(QMouseEvent* event)
{
    const bool leftDown = event->buttons() & Qt::LeftButton;
    const bool lineDragging = lineDragging_ && lineDragging_();
    const bool dragging = leftDown && !lineDragging;
    picture_->setCursor(dragging ? Qt::SizeAllCursor : Qt::ArrowCursor);

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

    emit ChartMoved(event);
}

} // namespace orv
