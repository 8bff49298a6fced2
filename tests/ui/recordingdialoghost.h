// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDINGDIALOGHOST_H
#define LUMETRA_RECORDINGDIALOGHOST_H

#include "dialoghost.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class QUrl;
class QWidget;

struct DialogCall
{
    QString kind; // information, warning, critical, about, question, save, open, openUrl
    QWidget *parent = nullptr;
    QString title; // the caption of a file dialog
    QString text; // empty for a file dialog; the URL to open
    QString dir;
    QString filter;
    QString suffix; // the default suffix of a file dialog
    QStringList items; // offered to choose from
};

// Records every box instead of showing it, answers file dialogs from a queue
// and starts no application.
class RecordingDialogHost : public DialogHost
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
    // Answered from textAnswers; an item must be one of those offered.
    QString getText(
        QWidget *parent, const QString &title, const QString &label, const QString &text) override;
    QString getItem(QWidget *parent, const QString &title, const QString &label,
        const QStringList &items, const QString &current) override;
    bool openUrl(const QUrl &url) override; // records the URL, opens nothing
    // The task is cancelled after cancelAtStep steps.
    std::unique_ptr<ProgressIndicator> progress(QWidget *parent, const QString &label) override;

    QVector<DialogCall> calls;
    QStringList fileAnswers; // taken front first; an empty queue answers "cancelled"
    QList<bool> questionAnswers; // Yes is true; taken front first; an empty queue answers No
    QStringList textAnswers; // taken front first; an empty queue answers "cancelled"
    std::function<void(const DialogCall &)> onShow; // runs while the "box" is open
    int cancelAtStep = -1; // counted over every progress shown; -1: never
    int progressSteps = 0;
    QStringList progressLabels; // of every progress shown

private:
    void record(const DialogCall &call);
    QString answer();
};

#endif
