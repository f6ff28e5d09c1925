#pragma once
// The file choosers of the open and save commands, and the message boxes of the hat-file flows.

#include <QString>

class QWidget;

namespace orv {

class HatDocument;
struct RequestHooks;

// The folder the choosers start in: USR below the current folder, created when missing.
QString HatFileFolder();

// Modal chooser "笠ファイルを開く" for an existing .orv file; the empty string when cancelled.
QString ShowOpenDialog(QWidget* owner);

// Modal chooser "笠ファイルを保存する"; asks before replacing an existing file, including the file
// that the appended ".orv" would replace. The empty string when cancelled.
QString ShowSaveDialog(QWidget* owner);

// A failure of the save or the open, in a message box with the application's title and OK.
void ShowHatFileFailure(QWidget* owner, const QString& message);

// The save and open commands (buttons and menu entries): ask for the path, record the request.
void SaveCommand(QWidget* owner, HatDocument& doc);
void OpenCommand(QWidget* owner, HatDocument& doc);

// Asks "終了しますか？" (Yes/No). On Yes a save still waiting is carried out first; true when the
// window should close.
bool ConfirmExit(QWidget* owner, HatDocument& doc, const RequestHooks& hooks);

} // namespace orv
