#include "qtdialoghost.h"

#include <QFileDialog>
#include <QMessageBox>

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

QString QtDialogHost::getSaveFileName(
    QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QString QtDialogHost::getOpenFileName(
    QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

DialogHost &defaultDialogHost()
{
    static QtDialogHost host;
    return host;
}
