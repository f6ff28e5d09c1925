#pragma once
// The printer surface written to a PDF file: one page per printer document, each page at the
// printer's resolution with zero margins and its origin at the paper's top-left corner.

#include "render/ChartGeometry.h"
#include "render/PainterCanvas.h"

#include <QPageLayout>
#include <QPainter>
#include <memory>

class QIODevice;
class QPdfWriter;

namespace orv {

class PdfPrinterCanvas : public PainterCanvas {
public:
    PdfPrinterCanvas(const QString& path, int dotsPerInch);
    // Writes the PDF to an open device instead of a file.
    PdfPrinterCanvas(QIODevice* device, int dotsPerInch);
    ~PdfPrinterCanvas() override;

    double TwipsPerPixelX() const override { return 1440.0 / dpi_; }
    void Cls() override {}
    void SetPaper(int16_t paperCode, int16_t orientation) override;
    void EndDoc() override;

    // Closes the file. False when it could not be written.
    bool Finish();
    int PageCount() const { return pages_; }

protected:
    QPainter* Painter() override;

private:
    PdfPrinterCanvas(std::unique_ptr<QPdfWriter> writer, int dotsPerInch);
    QPageLayout Layout() const;

    int dpi_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    int16_t paperCode_ = 9;
    int16_t orientation_ = 1;
    bool pageOpen_ = false;
    bool failed_ = false;
    int pages_ = 0;
};

} // namespace orv
