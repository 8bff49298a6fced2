// SPDX-License-Identifier: MIT
#include "qtdialoghost.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QProgressDialog>
#include <QStringList>
#include <QUrl>

namespace {
constexpr int showAfterMs = 500;
// Each update runs the event loop once the dialog shows: not for every record.
constexpr int updateEveryMs = 50;

class DialogProgress : public ProgressIndicator
{
public:
    DialogProgress(QWidget *parent, const QString &label)
        : dialog(new QProgressDialog(label, QProgressDialog::tr("Cancel"), 0, 0, parent))
    {
        // A screen reader names the bar by the task it measures.
        auto *bar = new QProgressBar(dialog);
        bar->setAccessibleName(label);
        dialog->setBar(bar);
        dialog->setWindowModality(Qt::WindowModal);
        dialog->setMinimumDuration(showAfterMs);
        dialog->setAutoReset(false);
        dialog->setAutoClose(false);
        sinceUpdate.start();
    }
    ~DialogProgress() override
    {
        delete dialog; // a guarded pointer: the parent may have taken it along already
    }
    bool step(int done, int total) override
    {
        if (!dialog)
            return false;
        if (done == 0 || done >= total || sinceUpdate.elapsed() >= updateEveryMs) {
            sinceUpdate.restart();
            dialog->setMaximum(total);
            dialog->setValue(done);
        }
        return dialog && !dialog->wasCanceled();
    }

private:
    QPointer<QProgressDialog> dialog;
    QElapsedTimer sinceUpdate;
};

// The static QFileDialog functions take no default suffix.
QString askFileName(QWidget *parent, const QString &caption, const QString &dir,
    const QString &filter, const QString &defaultSuffix, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(
        mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}
} // namespace

void QtDialogHost::information(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::information(parent, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void QtDialogHost::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void QtDialogHost::critical(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::critical(parent, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void QtDialogHost::about(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::about(parent, title, text);
}

bool QtDialogHost::question(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::question(
               parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

QString QtDialogHost::getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
    const QString &filter, const QString &defaultSuffix)
{
    return askFileName(parent, caption, dir, filter, defaultSuffix, QFileDialog::AcceptSave);
}

QString QtDialogHost::getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
    const QString &filter, const QString &defaultSuffix)
{
    return askFileName(parent, caption, dir, filter, defaultSuffix, QFileDialog::AcceptOpen);
}

QString QtDialogHost::getText(
    QWidget *parent, const QString &title, const QString &label, const QString &text)
{
    bool ok = false;
    const QString typed = QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &ok);
    return ok ? (typed.isNull() ? QStringLiteral("") : typed) : QString();
}

QString QtDialogHost::getItem(QWidget *parent, const QString &title, const QString &label,
    const QStringList &items, const QString &current)
{
    bool ok = false;
    const QString chosen = QInputDialog::getItem(
        parent, title, label, items, qMax(0, items.indexOf(current)), false, &ok);
    return ok ? chosen : QString();
}

bool QtDialogHost::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

std::unique_ptr<ProgressIndicator> QtDialogHost::progress(QWidget *parent, const QString &label)
{
    return std::make_unique<DialogProgress>(parent, label);
}

DialogHost &defaultDialogHost()
{
    static QtDialogHost host;
    return host;
}
