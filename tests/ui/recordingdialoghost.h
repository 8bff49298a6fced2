#ifndef LUMETRA_RECORDINGDIALOGHOST_H
#define LUMETRA_RECORDINGDIALOGHOST_H

#include "dialoghost.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class QWidget;

struct DialogCall
{
    QString kind; // information, warning, critical, about, save, open
    QWidget *parent = nullptr;
    QString title; // the caption of a file dialog
    QString text; // empty for a file dialog
    QString dir;
    QString filter;
};

// Records every box instead of showing it and answers file dialogs from a queue.
class RecordingDialogHost : public DialogHost
{
public:
    void information(QWidget *parent, const QString &title, const QString &text) override;
    void warning(QWidget *parent, const QString &title, const QString &text) override;
    void critical(QWidget *parent, const QString &title, const QString &text) override;
    void about(QWidget *parent, const QString &title, const QString &text) override;

    QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
        const QString &filter) override;
    QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
        const QString &filter) override;

    QVector<DialogCall> calls;
    QStringList fileAnswers; // taken front first; an empty queue answers "cancelled"
    std::function<void(const DialogCall &)> onShow; // runs while the "box" is open

private:
    void record(const DialogCall &call);
    QString answer();
};

#endif
