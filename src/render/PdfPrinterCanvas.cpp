#include "render/PdfPrinterCanvas.h"

#include <QPdfWriter>

namespace orv {

PdfPrinterCanvas::PdfPrinterCanvas(const QString& path, int dotsPerInch)
    : PdfPrinterCanvas(std::make_unique<QPdfWriter>(path), dotsPerInch)
{
}

PdfPrinterCanvas::PdfPrinterCanvas(QIODevice* device, int dotsPerInch)
    : PdfPrinterCanvas(std::make_unique<QPdfWriter>(device), dotsPerInch)
{
}

PdfPrinterCanvas::PdfPrinterCanvas(std::unique_ptr<QPdfWriter> writer, int dotsPerInch)
    : dpi_(dotsPerInch), writer_(std::move(writer))
{
    writer_->setResolution(dpi_);
    writer_->setCreator(QStringLiteral("Orvenza"));
    writer_->setTitle(QStringLiteral("星座早見笠"));
}

PdfPrinterCanvas::~PdfPrinterCanvas()
{
    Finish();
}

QPageLayout PdfPrinterCanvas::Layout() const
{
    return QPageLayout(PaperSizeForCode(paperCode_),
                       orientation_ == 2 ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

void PdfPrinterCanvas::SetPaper(int16_t paperCode, int16_t orientation)
{
    paperCode_ = paperCode;
    orientation_ = orientation;
}

QPainter* PdfPrinterCanvas::Painter()
{
    if (failed_)
        return nullptr;
    if (!painter_) {
        writer_->setPageLayout(Layout());
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(writer_.get())) {
            failed_ = true;
            painter_.reset();
            return nullptr;
        }
        pageOpen_ = true;
        pages_ = 1;
    } else if (!pageOpen_) {
        writer_->setPageLayout(Layout());
        writer_->newPage();
        pageOpen_ = true;
        ++pages_;
    }
    return painter_.get();
}

void PdfPrinterCanvas::EndDoc()
{
    // An empty document still takes its sheet of paper.
    Painter();
    pageOpen_ = false;
}

bool PdfPrinterCanvas::Finish()
{
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
    return !failed_;
}

} // namespace orv
