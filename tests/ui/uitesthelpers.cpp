// SPDX-License-Identifier: MIT
#include "uitesthelpers.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

void useFixedTestFont()
{
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
}

QStringList focusChainNames(QWidget *root, const QStringList &wanted)
{
    QStringList names;
    QWidget *widget = root->nextInFocusChain();
    while (widget && widget != root) {
        if (wanted.contains(widget->objectName()) && root->isAncestorOf(widget))
            names << widget->objectName();
        widget = widget->nextInFocusChain();
    }
    return names;
}
