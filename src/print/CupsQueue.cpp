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
    // A CUPS instance is listed as "queue/instance".
    const QByteArray queue = printer.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const QByteArray instance = printer.section(QLatin1Char('/'), 1).toLocal8Bit();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
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
