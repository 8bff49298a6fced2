// SPDX-License-Identifier: MIT
#ifndef LUMETRA_CRISPFRAMESTYLE_H
#define LUMETRA_CRISPFRAMESTYLE_H

#include <QProxyStyle>

// Boxes and panels drawn whole at every display scaling. Qt draws their lines
// in device pixels from a rounded origin, which at 125 % or 140 % can fall
// outside the widget, so that a box loses its top or left line; these are
// filled in device-independent pixels instead. At 100 % Qt draws them.
class CrispFrameStyle : public QProxyStyle
{
public:
    // The one the application owns, for QWidget::setStyle.
    static QStyle *shared();

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;
};

#endif
