#include "render/PrinterCanvas.h"

#include "render/ChartGeometry.h"

#include <QPrinter>

namespace orv {

PrinterCanvas::PrinterCanvas(QPrinter& printer, Sheets sheets) : printer_(printer), mode_(sheets)
{
    // The grid is placed from the paper's corner; the printable area only gives the top.
    printer_.setFullPage(true);
}

PrinterCanvas::~PrinterCanvas()
{
    Finish();
}

void PrinterCanvas::SetPaper(int16_t paperCode, int16_t orientation)
{
    paperCode_ = paperCode;
    orientation_ = orientation;
}

void PrinterCanvas::CentreAcrossSheet(int32_t x)
{
    middleX_ = x;
}

void PrinterCanvas::ApplyPaper()
{
    const QPageSize size = PaperSizeForCode(paperCode_);
    const auto orientation = orientation_ == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
    const QPageLayout current = printer_.pageLayout();
    // The preview cannot change the paper between its pages; the sheets of one hat share theirs.
    if (current.pageSize().isEquivalentTo(size) && current.orientation() == orientation)
        return;
    printer_.setPageSize(size);
    printer_.setPageOrientation(orientation);
}

void PrinterCanvas::PlaceGrid()
{
    const QPageLayout layout = printer_.pageLayout();
    constexpr double GridPerMm = GridDpi / 25.4;
    const double paperWidth = layout.fullRect(QPageLayout::Millimeter).width() * GridPerMm;
    const double printableTop = layout.margins(QPageLayout::Millimeter).top() * GridPerMm;
    const double scale = static_cast<double>(printer_.resolution()) / GridDpi;
    painter_->resetTransform();
    painter_->scale(scale, scale);
    painter_->translate(paperWidth / 2 - middleX_, printableTop);
}

QPainter* PrinterCanvas::Painter()
{
    if (failed_)
        return nullptr;
    if (sheetOpen_)
        return painter_.get();
    ApplyPaper();
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&printer_)) {
            painter_.reset();
            Fail({});
            return nullptr;
        }
    } else if (!printer_.newPage()) {
        Fail({});
        return nullptr;
    }
    sheetOpen_ = true;
    PlaceGrid();
    return painter_.get();
}

void PrinterCanvas::EndDoc()
{
    // An empty sheet still takes its sheet of paper.
    if (!Painter())
        return;
    sheetOpen_ = false;
    if (mode_ == Sheets::Documents && !Finish())
        return;
    ++sheets_;
}

bool PrinterCanvas::Finish()
{
    if (painter_) {
        const bool ended = painter_->end();
        painter_.reset();
        sheetOpen_ = false;
        if (!ended)
            Fail({});
        else if (documentCheck_)
            if (const QString failure = documentCheck_(); !failure.isEmpty())
                Fail(failure);
    }
    return !failed_;
}

void PrinterCanvas::Fail(const QString& failure)
{
    failed_ = true;
    failure_ = failure;
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
    sheetOpen_ = false;
}

} // namespace orv
