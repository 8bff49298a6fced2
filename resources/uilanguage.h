// SPDX-License-Identifier: MIT
#ifndef LUMETRA_UILANGUAGE_H
#define LUMETRA_UILANGUAGE_H

#include <QString>
#include <QStringList>

class QCoreApplication;

// The language of Lumetra's texts and of Qt's own (dialog buttons, Yes/No):
// the first of the system's languages (LANGUAGE, then LANG) that Lumetra
// speaks. English, the texts of the source, takes only its plural forms.
class UiLanguage
{
public:
    // Installs the translations for languages on app, which keeps them.
    // Returns the language installed ("de", "zh_CN"), or "" for English.
    static QString install(QCoreApplication &app,
        const QStringList &languages = QStringList());

    // The translation for the first of languages (as uiLanguages() names
    // them) that is English or one of Lumetra's: "" for English and for none.
    static QString choose(const QStringList &languages);
};

// Where Qt's own qtbase_*.qm are: a file per operating system.
QString qtTranslationsFolder();

#endif
