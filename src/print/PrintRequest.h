#pragma once
// A confirmed print waits here until the chart window carries it out; it lives as long as the
// program runs.

#include <cstdint>
#include <QString>

namespace orv {

struct PrintRequest {
    bool PrintPending = false;
    int16_t PrintCopies = 0; // 0 prints nothing
    // The file the "PDFファイル" printer writes, chosen when the request was made.
    QString pdfPath;
};

} // namespace orv
