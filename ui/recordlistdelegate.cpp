// SPDX-License-Identifier: MIT
#include "recordlistdelegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

namespace {
// Between the record number and its ID.
constexpr int gap = 8;
} // namespace

QString RecordListDelegate::cableIdText(const QModelIndex &index)
{
    if (index.data(IdPendingRole).toBool())
        return tr("ID pending");
    return index.data(CableIdRole).toString();
}

void RecordListDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const QString id = cableIdText(index);
    if (id.isEmpty())
        return;
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStyle *style = item.widget ? item.widget->style() : QApplication::style();
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
    const int numberWidth = item.fontMetrics.horizontalAdvance(item.text);
    QRect room = textRect;
    room.setLeft(textRect.left() + numberWidth + gap);
    if (room.width() <= 0)
        return;
    const bool pending = index.data(IdPendingRole).toBool();
    QFont font = item.font;
    font.setItalic(pending);
    const QPalette::ColorGroup group
        = item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    const QPalette::ColorRole role
        = item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setFont(font);
    painter->setPen(item.palette.color(pending ? QPalette::Disabled : group, role));
    painter->drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetrics(font).elidedText(id, Qt::ElideRight, room.width()));
    painter->restore();
}
