#ifndef LUMETRA_DIALOGHOST_H
#define LUMETRA_DIALOGHOST_H

#include <QString>

class QWidget;

// Every message box and file dialog of the windows goes through here, so that
// tests can see what would have been shown and answer it without a modal loop.
class DialogHost
{
public:
    virtual ~DialogHost() = default;

    virtual void information(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void warning(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void critical(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void about(QWidget *parent, const QString &title, const QString &text) = 0;

    virtual QString getSaveFileName(
        QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
        = 0;
    virtual QString getOpenFileName(
        QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
        = 0;
};

#endif
