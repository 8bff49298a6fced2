// SPDX-License-Identifier: MIT
#ifndef LUMETRA_UITESTHELPERS_H
#define LUMETRA_UITESTHELPERS_H

#include <QStringList>

class QWidget;

// The same font on every machine, so that anything that depends on text size
// (menu bar height, stretched header sections) is the same everywhere.
void useFixedTestFont();

// Object names of root's descendants in keyboard focus order, restricted to
// the names in wanted.
QStringList focusChainNames(QWidget *root, const QStringList &wanted);

#endif
