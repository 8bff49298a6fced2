// SPDX-License-Identifier: MIT
#ifndef LUMETRA_RECORDLISTDELEGATE_H
#define LUMETRA_RECORDLISTDELEGATE_H

#include <QStyledItemDelegate>

// A record list entry drawn as it always was, its text with its verdict
// mark, and beside it the record's cable ID (CableIdRole), or "ID pending"
// (IdPendingRole) until the store gives it, cut to the room there is. The entry's text stays the
// record number: the report and the PDF file names are made of it.
class RecordListDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    enum Role {
        CableIdRole = Qt::UserRole + 1,
        IdPendingRole,
    };

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;

    // What is drawn beside the entry's text; empty for a record without an ID.
    static QString cableIdText(const QModelIndex &index);
};

#endif
