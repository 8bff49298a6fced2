// SPDX-License-Identifier: MIT
#include "crispframestyle.h"

#include <QCoreApplication>
#include <QFrame>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

QStyle *CrispFrameStyle::shared()
{
    static QPointer<CrispFrameStyle> style;
    if (!style) {
        style = new CrispFrameStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

void CrispFrameStyle::drawControl(ControlElement element, const QStyleOption *option,
    QPainter *painter, const QWidget *widget) const
{
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    const bool shaded = option->state & (State_Sunken | State_Raised);
    if (element != CE_ShapedFrame || !frame || painter->device()->devicePixelRatioF() == 1.0
        || !(frame->frameShape == QFrame::Panel || (frame->frameShape == QFrame::Box && !shaded))) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QPalette &palette = frame->palette;
    QColor upper = palette.color(widget ? widget->foregroundRole() : QPalette::WindowText);
    QColor lower = upper;
    if (shaded) {
        upper = option->state & State_Sunken ? palette.dark().color() : palette.light().color();
        lower = option->state & State_Sunken ? palette.light().color() : palette.dark().color();
    }
    const QRect r = frame->rect;
    const int line = frame->lineWidth;
    painter->fillRect(QRect(r.left(), r.top(), r.width(), line), upper);
    painter->fillRect(QRect(r.left(), r.top(), line, r.height()), upper);
    painter->fillRect(QRect(r.left(), r.bottom() + 1 - line, r.width(), line), lower);
    painter->fillRect(QRect(r.right() + 1 - line, r.top(), line, r.height()), lower);
}
