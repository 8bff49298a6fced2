// SPDX-License-Identifier: MIT
#ifndef LUMETRA_ARCHIVEDROP_H
#define LUMETRA_ARCHIVEDROP_H

#include <QObject>
#include <QStringList>
#include <functional>

class QMimeData;
class QWidget;

// Takes archives dropped anywhere on a window, also on its text fields, which
// would otherwise take the file names as text.
class ArchiveDrop : public QObject
{
    Q_OBJECT
public:
    // open gets the dropped archives' paths, in the order dropped, after the
    // drop has ended (the file manager waits while a drop is handled).
    ArchiveDrop(QWidget *window, std::function<void(const QStringList &)> open);

    // The local .mrf files among what is dragged.
    static QStringList archivesIn(const QMimeData *data);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window;
    std::function<void(const QStringList &)> open;
};

#endif
