#pragma once
// The printed sheet, on a real printer, in a PDF file or in the print preview. Everything is drawn
// on a fixed logical grid of 600 dots per inch (2.4 twips per pixel) that the painter scales to
// the device's own resolution, so line widths, dashes, dots and text have the same physical size
// on every printer and in a PDF, and no coordinate of the largest sheet leaves 16 bits.
//
// The grid is placed on the paper so that the hat sits in the middle of the paper's width and
// its vertical positions count from the top of the printable area. The layers never see that
// shift: it lives in the painter, so every mark, the user's overlays included, moves together.

#include "render/PainterCanvas.h"

#include <QPainter>
#include <functional>
#include <memory>

class QPrinter;

namespace orv {

class PrinterCanvas : public PainterCanvas {
public:
    static constexpr int GridDpi = 600;
    static constexpr double TwipsPerPixel = 1440.0 / GridDpi;

    // How the sheets reach the printer: each sheet its own print document (a real printer), or
    // each sheet one page of a single document (a PDF file, the preview).
    enum class Sheets { Documents, Pages };

    PrinterCanvas(QPrinter& printer, Sheets sheets);
    ~PrinterCanvas() override;

    double TwipsPerPixelX() const override { return TwipsPerPixel; }
    void Cls() override {}
    void SetPaper(int16_t paperCode, int16_t orientation) override;
    void CentreAcrossSheet(int32_t x) override;
    void EndDoc() override;

    // Asked after every document has been handed to the printer; a non-empty answer is a failure
    // that stops the drawing: nothing more reaches the printer.
    void SetDocumentCheck(std::function<QString()> check) { documentCheck_ = std::move(check); }

    // Ends the document still open (the pages of a PDF or of the preview). False after a failure.
    bool Finish();
    bool Failed() const { return failed_; }
    // What the document check answered; empty when the failure was the printer refusing to start.
    const QString& Failure() const { return failure_; }
    // Sheets ended so far; on a real printer, the sheets whose documents it accepted.
    int SheetCount() const { return sheets_; }

protected:
    QPainter* Painter() override;

private:
    void ApplyPaper();
    void PlaceGrid();
    void Fail(const QString& failure);

    QPrinter& printer_;
    Sheets mode_;
    std::unique_ptr<QPainter> painter_;
    std::function<QString()> documentCheck_;
    int16_t paperCode_ = 9;
    int16_t orientation_ = 1;
    int32_t middleX_ = 0;
    bool sheetOpen_ = false;
    bool failed_ = false;
    QString failure_;
    int sheets_ = 0;
};

} // namespace orv
