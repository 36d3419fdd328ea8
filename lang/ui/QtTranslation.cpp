#include "lang/ui/QtTranslation.h"

#include <memory>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "lang/LanguageName.h"
#include "lang/PosixLocale.h"

void LoadQtTranslation(const QString& language)
{
    static QTranslator* translator = nullptr;
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
    const auto resolved = ResolveLanguageName(language, GetFileEncoding(language));
    const QString locale = resolved ? PosixLocaleFor(resolved->tableName) : QString();
    if (locale.isEmpty())
        return;
    auto loaded = std::make_unique<QTranslator>();
    // "qtbase_de_DE", else "qtbase_de": the language's own file where there is no country's.
    if (!loaded->load(QStringLiteral("qtbase_") + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    translator = loaded.release();
    QCoreApplication::installTranslator(translator);
}
