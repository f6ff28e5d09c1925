#pragma once
// The file choosers of the open and save commands, and the message boxes of the hat-file flows.

#include <QString>

class QWidget;

namespace orv {

class HatDocument;
struct RequestHooks;

// Modal chooser "笠ファイルを開く" for an existing .orv file, starting in `folder`; the empty string
// when cancelled.
QString ShowOpenDialog(QWidget* owner, const QString& folder);

// Modal chooser "笠ファイルを保存する", starting in `folder`; asks before replacing an existing
// file, including the file that the appended ".orv" would replace. The empty string when cancelled.
QString ShowSaveDialog(QWidget* owner, const QString& folder);

// A failure of the save or the open, in a message box with the application's title and OK.
void ShowHatFileFailure(QWidget* owner, const QString& message);

// The save and open commands (buttons and menu entries): ask for the path, starting in the folder
// last used (see ChooserFolder), and record the request.
void SaveCommand(QWidget* owner, HatDocument& doc, const QString& lastFolder);
void OpenCommand(QWidget* owner, HatDocument& doc, const QString& lastFolder);

// Asks "終了しますか？" (Yes/No). On Yes a save still waiting is carried out first; true when the
// window should close.
bool ConfirmExit(QWidget* owner, HatDocument& doc, const RequestHooks& hooks);

} // namespace orv
