#pragma once
// Saving and opening are two steps: the commands only ask for a path and record a request; the
// next pointer move over the chart carries the waiting requests out, the save first, then the
// open with its screen redraw, then the print. A request waits while its flag is set and its path
// is not empty.

#include <functional>
#include <QString>

namespace orv {

class HatDocument;

struct PendingRequests {
    QString PendingSavePath;
    bool SavePending = false;
    QString PendingLoadPath; // its flag is HatDocument::LoadPending, which the redraw reads
};

// What the window supplies to carry the requests out.
struct RequestHooks {
    // Shows a failure of the save or the open (a message box with the application's title).
    std::function<void(const QString& message)> reportFailure;
    // Runs after the open's screen redraw, while LoadPending is still set (the window refreshes
    // its controls and shows the new chart).
    std::function<void()> screenRedrawn;
    // Carries out a waiting print request, if any.
    std::function<void()> print;
    // A hat file was written, or read, without a failure (the window names it in its title and
    // keeps it among the recent files).
    std::function<void(const QString& path)> fileWritten;
    std::function<void(const QString& path)> fileRead;
};

inline const QString HatFileExtension = QStringLiteral(".orv");

// The path a save writes: ".orv" is appended unless the last four characters are exactly ".orv"
// (so "sky" and "sky.orv" give "sky.orv", "sky.ORV" gives "sky.ORV.orv").
QString WithHatExtension(const QString& path);

// After the save chooser: the chosen path (cut at a NUL) becomes the waiting save; an empty path
// (a cancelled chooser) withdraws a save that was still waiting.
void RequestSave(HatDocument& doc, const QString& chosenPath);

// After the open chooser: the chosen path (cut at a NUL, no extension added) becomes the waiting
// open; an empty path makes no request.
void RequestOpen(HatDocument& doc, const QString& chosenPath);

bool SaveWaiting(const HatDocument& doc);
bool OpenWaiting(const HatDocument& doc);

// Carries out the waiting requests in the order save, open (load, then a redraw on the screen with
// LoadPending still set so that the loaded texts and lines are drawn), print. Every request is
// cleared once carried out, failed or not; a failed open still redraws with what was applied.
void RunPendingRequests(HatDocument& doc, const RequestHooks& hooks);

// On leaving the program: a save still waiting is carried out (and nothing else), so that a
// confirmed save is never lost. False when it was attempted and failed (reported through hooks).
bool RunWaitingSaveBeforeExit(HatDocument& doc, const RequestHooks& hooks);

} // namespace orv
