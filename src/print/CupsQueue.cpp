#include "print/CupsQueue.h"

#include <cups/cups.h>

namespace orv {

namespace {

bool LastRequestFailed()
{
    return cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE;
}

} // namespace

QString QueueProblem(const QString& printer)
{
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.toLocal8Bit().constData(), nullptr);
    // CUPS answers the same whether the queue is unknown or CUPS itself cannot be reached.
    if (!dest)
        return QStringLiteral("プリンタ「%1」が見つかりません。").arg(printer);
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
    return QStringLiteral("プリンタ「%1」が印刷を受け付けませんでした（%2）。").arg(printer, QString::fromLocal8Bit(cupsLastErrorString()));
}

} // namespace orv
