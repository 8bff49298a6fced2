// SPDX-License-Identifier: MIT
#include "qtdialoghost.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>

namespace {
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

bool QtDialogHost::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

DialogHost &defaultDialogHost()
{
    static QtDialogHost host;
    return host;
}
