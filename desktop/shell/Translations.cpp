#include "desktop/shell/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Translations {

QStringList searchFolders()
{
    return {QDir::cleanPath(QCoreApplication::applicationDirPath() +
                            QStringLiteral("/../share/quirewell/translations")),
            QStringLiteral(QUIREWELL_BUILD_TRANSLATIONS)};
}

QString install(QCoreApplication &application)
{
    // Once per process: the translators stay installed for the application's life.
    static bool installed = false;
    static QString loadedFile;
    if (installed)
        return loadedFile;
    installed = true;
    // The desktop's languages in its order of preference; English, the source language, ends
    // the search, so that "en_US:de" stays English.
    auto *own = new QTranslator(&application);
    QString language;
    for (QString code : QLocale::system().uiLanguages()) {
        code.replace(u'-', u'_');
        for (const QString &folder : searchFolders()) {
            if (own->load(QStringLiteral("quirewell_") + code, folder)) {
                language = code;
                break;
            }
        }
        if (!language.isEmpty() || QLocale(code).language() == QLocale::English)
            break;
    }
    if (language.isEmpty()) {
        delete own;
        return {};
    }
    // Qt's own texts only with ours, so that an English window has no translated buttons.
    auto *qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    QCoreApplication::installTranslator(own);
    loadedFile = QFileInfo(own->filePath()).fileName();
    return loadedFile;
}

} // namespace Translations
