// SPDX-License-Identifier: MIT
#ifndef LUMETRA_DIALOGHOST_H
#define LUMETRA_DIALOGHOST_H

#include "progressindicator.h"

#include <QString>
#include <QStringList>
#include <memory>

class QUrl;
class QWidget;

// Every message box, file dialog and hand-over to the desktop goes through
// here, so that tests can see what would have been shown and answer it
// without a modal loop or a viewer starting.
class DialogHost
{
public:
    virtual ~DialogHost() = default;

    virtual void information(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void warning(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void critical(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void about(QWidget *parent, const QString &title, const QString &text) = 0;
    // Yes and No, Yes the default; true for Yes.
    virtual bool question(QWidget *parent, const QString &title, const QString &text) = 0;

    // dir may name a file to suggest. A name typed without a suffix gets
    // defaultSuffix (without the dot); empty when cancelled.
    virtual QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
        const QString &filter, const QString &defaultSuffix)
        = 0;
    virtual QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
        const QString &filter, const QString &defaultSuffix)
        = 0;

    // A line the user types, text to begin with; null when cancelled.
    virtual QString getText(QWidget *parent, const QString &title, const QString &label,
        const QString &text = QString())
        = 0;
    // One of items, none chosen to begin with unless current is one; null when cancelled.
    virtual QString getItem(QWidget *parent, const QString &title, const QString &label,
        const QStringList &items, const QString &current = QString())
        = 0;

    // Opens url with the user's default application; false when none could be started.
    virtual bool openUrl(const QUrl &url) = 0;

    // Progress of a long task with a Cancel button, shown once the task has
    // taken half a second; it goes when the indicator is destroyed.
    virtual std::unique_ptr<ProgressIndicator> progress(QWidget *parent, const QString &label) = 0;
};

#endif
