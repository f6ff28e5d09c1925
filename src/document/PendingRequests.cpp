#include "document/PendingRequests.h"

#include "document/HatDocument.h"
#include "document/HatFile.h"
#include "print/PrintJob.h"
#include "render/RedrawChart.h"

namespace orv {

namespace {

QString CutAtNul(const QString& path)
{
    const qsizetype nul = path.indexOf(QChar(0));
    return nul < 0 ? path : path.left(nul);
}

void Report(const RequestHooks& hooks, const QString& failure)
{
    if (!failure.isEmpty() && hooks.reportFailure)
        hooks.reportFailure(failure);
}

// The save step: write, then return the request to idle whatever happened.
bool RunSave(HatDocument& doc, const RequestHooks& hooks)
{
    PendingRequests& r = doc.requests;
    const QString path = r.PendingSavePath;
    const QString failure = SaveHatFile(doc, path);
    r.SavePending = false;
    r.PendingSavePath.clear();
    Report(hooks, failure);
    if (failure.isEmpty() && hooks.fileWritten)
        hooks.fileWritten(path);
    return failure.isEmpty();
}

} // namespace

QString WithHatExtension(const QString& path)
{
    return path.endsWith(HatFileExtension, Qt::CaseSensitive) ? path : path + HatFileExtension;
}

void RequestSave(HatDocument& doc, const QString& chosenPath)
{
    PendingRequests& r = doc.requests;
    r.PendingSavePath = CutAtNul(chosenPath);
    if (r.PendingSavePath.isEmpty())
        return;
    r.PendingSavePath = WithHatExtension(r.PendingSavePath);
    r.SavePending = true;
}

void RequestOpen(HatDocument& doc, const QString& chosenPath)
{
    doc.requests.PendingLoadPath = CutAtNul(chosenPath);
    if (!doc.requests.PendingLoadPath.isEmpty())
        doc.LoadPending = true;
}

bool SaveWaiting(const HatDocument& doc)
{
    return doc.requests.SavePending && !doc.requests.PendingSavePath.isEmpty();
}

bool OpenWaiting(const HatDocument& doc)
{
    return doc.LoadPending && !doc.requests.PendingLoadPath.isEmpty();
}

void RunPendingRequests(HatDocument& doc, const RequestHooks& hooks)
{
    if (SaveWaiting(doc))
        RunSave(doc, hooks);
    if (OpenWaiting(doc)) {
        // A failed open has changed nothing, so the chart on the screen stays as it is.
        const QString path = doc.requests.PendingLoadPath;
        const QString failure = LoadHatFile(doc, path);
        if (failure.isEmpty()) {
            const QString missing = MissingChoice(doc.controls);
            if (missing.isEmpty()) {
                doc.printing = false;
                RedrawChart(doc, true);
            } else {
                doc.problems.Clear(); // nothing was drawn, so nothing of the last chart is reported again
            }
            if (hooks.screenRedrawn)
                hooks.screenRedrawn();
            Report(hooks, missing);
        } else {
            Report(hooks, failure);
        }
        doc.LoadPending = false;
        doc.requests.PendingLoadPath.clear();
        if (failure.isEmpty() && hooks.fileRead)
            hooks.fileRead(path);
    }
    Report(hooks, RunPrintRequest(doc));
}

bool RunWaitingSaveBeforeExit(HatDocument& doc, const RequestHooks& hooks)
{
    return SaveWaiting(doc) ? RunSave(doc, hooks) : true;
}

} // namespace orv
