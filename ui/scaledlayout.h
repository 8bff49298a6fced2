// SPDX-License-Identifier: MIT
#ifndef LUMETRA_SCALEDLAYOUT_H
#define LUMETRA_SCALEDLAYOUT_H

#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QWidget;

// Design geometry in base units, scaled by the screen factors. Every product is
// truncated toward zero and positions and sizes are scaled separately, so that
// adjacent windows still meet after scaling.
struct ScaledLayout
{
    double sx = 1.0;
    double sy = 1.0;

    int x(int base) const { return static_cast<int>(base * sx); }
    int y(int base) const { return static_cast<int>(base * sy); }
    QRect rect(int left, int top, int width, int height) const
    {
        return QRect(x(left), y(top), x(width), y(height));
    }
};

QFrame *addSunkenPanel(QWidget *parent, const char *name, const QRect &geometry);
QLabel *addLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry);
// A boxed, centred caption whose size comes from its style sheet.
QLabel *addBoxedTitle(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
    const QString &styleSheet);
QLineEdit *addLineEdit(QWidget *parent, const char *name, const QRect &geometry, bool readOnly);

#endif
