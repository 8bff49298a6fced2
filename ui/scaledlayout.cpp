// SPDX-License-Identifier: MIT
#include "scaledlayout.h"

#include "crispframestyle.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

QFrame *addSunkenPanel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    panel->setStyle(CrispFrameStyle::shared());
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    return panel;
}

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    return label;
}

QLabel *addBoxedTitle(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
    const QString &styleSheet)
{
    QLabel *label = addLabel(parent, name, text, geometry);
    label->setStyle(CrispFrameStyle::shared()); // before the style sheet, which draws through it
    label->setFrameShape(QFrame::Box);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(styleSheet);
    label->setScaledContents(true);
    return label;
}

QLineEdit *addLineEdit(QWidget *parent, const char *name, const QRect &geometry, bool readOnly)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(geometry);
    edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    edit->setReadOnly(readOnly);
    return edit;
}
