#include "document/ui/HatFileDialogs.h"

#include "document/HatDocument.h"
#include "document/PendingRequests.h"

#include <QApplication>
#include <QDir>
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

QString RunChooser(QWidget* owner, const QString& title, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(owner, title, HatFileFolder(), Filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString HatFileFolder()
{
    const QString folder = QDir::current().absoluteFilePath(QStringLiteral("USR"));
    QDir().mkpath(folder);
    return folder;
}

QString ShowOpenDialog(QWidget* owner)
{
    return RunChooser(owner, QStringLiteral("笠ファイルを開く"), QFileDialog::AcceptOpen);
}

QString ShowSaveDialog(QWidget* owner)
{
    const QString chosen = RunChooser(owner, QStringLiteral("笠ファイルを保存する"), QFileDialog::AcceptSave);
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

void SaveCommand(QWidget* owner, HatDocument& doc)
{
    RequestSave(doc, ShowSaveDialog(owner));
}

void OpenCommand(QWidget* owner, HatDocument& doc)
{
    doc.requests.PendingLoadPath.clear();
    RequestOpen(doc, ShowOpenDialog(owner));
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
