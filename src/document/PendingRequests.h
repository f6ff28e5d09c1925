#pragma once
// Saving, opening and printing are two steps: the commands only ask for a path (or the print
// dialog records a print) and record a request; the window carries the waiting requests out as
// soon as the dialog that made one has closed, and again at every pointer move over the chart:
// the save first, then the open with its screen redraw, then the print. A save or open waits
// while its flag is set and its path is not empty.

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
    // Shows a failure of the save, the open or the print (a message box with the application's
    // title).
    std::function<void(const QString& message)> reportFailure;
    // Runs after the open's screen redraw, while LoadPending is still set (the window refreshes
    // its controls and shows the new chart).
    std::function<void()> screenRedrawn;
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
// LoadPending still set so that the loaded texts and lines are drawn), print (once per copy on
// the current printer). Every request is cleared once carried out, failed or not. A failed open
// changes nothing and draws nothing; an opened file without a site or a date is not drawn either,
// and the user is asked to choose them.
void RunPendingRequests(HatDocument& doc, const RequestHooks& hooks);

// On leaving the program: a save still waiting is carried out (and nothing else), so that a
// confirmed save is never lost. False when it was attempted and failed (reported through hooks).
bool RunWaitingSaveBeforeExit(HatDocument& doc, const RequestHooks& hooks);

} // namespace orv
