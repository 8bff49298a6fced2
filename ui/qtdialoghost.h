// SPDX-License-Identifier: MIT
#ifndef LUMETRA_QTDIALOGHOST_H
#define LUMETRA_QTDIALOGHOST_H

#include "dialoghost.h"

// The real boxes: modal, OK button only, no default button; the platform's
// file dialogs; the desktop's default applications.
class QtDialogHost : public DialogHost
{
public:
    void information(QWidget *parent, const QString &title, const QString &text) override;
    void warning(QWidget *parent, const QString &title, const QString &text) override;
    void critical(QWidget *parent, const QString &title, const QString &text) override;
    void about(QWidget *parent, const QString &title, const QString &text) override;
    bool question(QWidget *parent, const QString &title, const QString &text) override;

    QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
        const QString &filter, const QString &defaultSuffix) override;
    QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
        const QString &filter, const QString &defaultSuffix) override;
    QString getText(
        QWidget *parent, const QString &title, const QString &label, const QString &text) override;
    QString getItem(QWidget *parent, const QString &title, const QString &label,
        const QStringList &items, const QString &current) override;

    bool openUrl(const QUrl &url) override;

    std::unique_ptr<ProgressIndicator> progress(QWidget *parent, const QString &label) override;
};

// The host the windows use unless they are given another.
DialogHost &defaultDialogHost();

#endif
