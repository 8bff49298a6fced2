// SPDX-License-Identifier: MIT
#include "archivedrop.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

ArchiveDrop::ArchiveDrop(QWidget *window, std::function<void(const QStringList &)> open)
    : QObject(window)
    , window(window)
    , open(std::move(open))
{
    window->setAcceptDrops(true);
    // Drag events go to the widget under the pointer: catch them before it does.
    qApp->installEventFilter(this);
}

QStringList ArchiveDrop::archivesIn(const QMimeData *data)
{
    QStringList archives;
    if (!data || !data->hasUrls())
        return archives;
    for (const QUrl &url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty()
            && QFileInfo(path).suffix().compare(QLatin1String("mrf"), Qt::CaseInsensitive) == 0)
            archives << path;
    }
    return archives;
}

bool ArchiveDrop::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    if (!watched->isWidgetType() || static_cast<QWidget *>(watched)->window() != window)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    const QStringList archives = archivesIn(drop->mimeData());
    if (archives.isEmpty())
        return false;
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        QTimer::singleShot(0, this, [this, archives] { open(archives); });
    return true;
}
