#include "document/ui/HatFileDialogs.h"

#include "document/HatDocument.h"
#include "document/HatFolders.h"
#include "document/PendingRequests.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace orv {

namespace {

const QString Filter = QStringLiteral("笠ファイル(*.orv)");

QString Title()
{
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Orvenza") : name;
}

QString RunChooser(QWidget* owner, const QString& title, const QString& folder, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(owner, title, folder, Filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString ShowOpenDialog(QWidget* owner, const QString& folder)
{
    return RunChooser(owner, QStringLiteral("笠ファイルを開く"), folder, QFileDialog::AcceptOpen);
}

QString ShowSaveDialog(QWidget* owner, const QString& folder)
{
    const QString chosen = RunChooser(owner, QStringLiteral("笠ファイルを保存する"), folder, QFileDialog::AcceptSave);
    if (chosen.isEmpty())
        return {};
    // The chooser has asked about the name as typed; the ".orv" added afterwards may name
    // another existing file, which is asked about here.
    const QString target = WithHatExtension(chosen);
    if (target != chosen && QFileInfo::exists(target)) {
        const auto answer = QMessageBox::question(
            owner, QStringLiteral("笠ファイルを保存する"),
            QStringLiteral("%1 は既に存在します。\n上書きしますか？").arg(QFileInfo(target).fileName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return {};
    }
    return chosen;
}

void ShowHatFileFailure(QWidget* owner, const QString& message)
{
    QMessageBox::critical(owner, Title(), message, QMessageBox::Ok);
}

void SaveCommand(QWidget* owner, HatDocument& doc, const QString& lastFolder)
{
    RequestSave(doc, ShowSaveDialog(owner, ChooserFolder(lastFolder)));
}

void OpenCommand(QWidget* owner, HatDocument& doc, const QString& lastFolder)
{
    doc.requests.PendingLoadPath.clear();
    RequestOpen(doc, ShowOpenDialog(owner, ChooserFolder(lastFolder)));
}

bool ConfirmExit(QWidget* owner, HatDocument& doc, const RequestHooks& hooks)
{
    const auto answer = QMessageBox::question(owner, Title(), QStringLiteral("終了しますか？"),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return false;
    RunWaitingSaveBeforeExit(doc, hooks);
    return true;
}

} // namespace orv
