#include "print/CupsQueue.h"

#include <cups/cups.h>

namespace orv {

namespace {

QString LastCupsError()
{
    return QString::fromLocal8Bit(cupsLastErrorString());
}

bool LastRequestFailed()
{
    return cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE;
}

} // namespace

QString QueueProblem(const QString& printer)
{
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.toLocal8Bit().constData(), nullptr);
    if (!dest) {
        if (cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
            return QStringLiteral("印刷システムに接続できないため、プリンタ「%1」で印刷できません（%2）。")
                .arg(printer, LastCupsError());
        return QStringLiteral("プリンタ「%1」が見つかりません。").arg(printer);
    }
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    const bool stopped = state && QByteArray(state).toInt() == IPP_PSTATE_STOPPED;
    cupsFreeDests(1, dest);
    if (stopped)
        return QStringLiteral("プリンタ「%1」は停止しています。").arg(printer);
    return {};
}

QString SubmissionProblem(const QString& printer)
{
    if (!LastRequestFailed())
        return {};
    return QStringLiteral("プリンタ「%1」が印刷を受け付けませんでした（%2）。").arg(printer, LastCupsError());
}

} // namespace orv
