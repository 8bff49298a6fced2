// SPDX-License-Identifier: MIT
#include "uilanguage.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

QString UiLanguage::choose(const QStringList &languages)
{
    for (const QString &name : languages) {
        const QLocale locale(name);
        switch (locale.language()) {
        case QLocale::English:
            return QString();
        case QLocale::German:
            return QStringLiteral("de");
        case QLocale::French:
            return QStringLiteral("fr");
        case QLocale::Spanish:
            return QStringLiteral("es");
        case QLocale::Chinese:
            // A reader of traditional characters is better served by the next language.
            if (locale.script() == QLocale::SimplifiedHanScript)
                return QStringLiteral("zh_CN");
            break;
        default:
            break;
        }
    }
    return QString();
}

QString UiLanguage::install(QCoreApplication &app, const QStringList &languages)
{
    Q_INIT_RESOURCE(lumetra_translations);
    const QString chosen
        = choose(languages.isEmpty() ? QLocale::system().uiLanguages() : languages);
    if (!chosen.isEmpty()) {
        auto *qt = new QTranslator(&app);
        if (qt->load(QStringLiteral("qtbase_") + chosen, qtTranslationsFolder()))
            app.installTranslator(qt);
    }
    // English takes only its plural forms from its file: "1 record".
    auto *own = new QTranslator(&app);
    if (own->load(
            QStringLiteral(":/i18n/lumetra_") + (chosen.isEmpty() ? QStringLiteral("en") : chosen)))
        app.installTranslator(own);
    return chosen;
}
