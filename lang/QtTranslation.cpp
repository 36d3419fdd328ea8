#include "lang/QtTranslation.h"

#include <memory>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include "lang/BaseFolder.h"
#include "lang/LanguageName.h"
#include "lang/PosixLocale.h"

namespace {

// Replaces the translator kept in slot by one loaded from file in the first of folders that has
// it; none when no folder has it.
void Replace(QTranslator*& slot, const QString& file, const QStringList& folders)
{
    if (slot) {
        QCoreApplication::removeTranslator(slot);
        delete slot;
        slot = nullptr;
    }
    if (file.isEmpty())
        return;
    for (const QString& folder : folders) {
        auto loaded = std::make_unique<QTranslator>();
        // "qtbase_de_DE", else "qtbase_de": the language's own file where there is no country's.
        if (loaded->load(file, folder)) {
            slot = loaded.release();
            QCoreApplication::installTranslator(slot);
            return;
        }
    }
}

}  // namespace

void LoadQtTranslation(const QString& language, const QStringList& ownFolders)
{
    static QTranslator* qt = nullptr;
    static QTranslator* own = nullptr;
    const auto resolved = ResolveLanguageName(language, GetFileEncoding(language));
    const QString locale = resolved ? PosixLocaleFor(resolved->tableName) : QString();
    Replace(qt, locale.isEmpty() ? QString() : QStringLiteral("qtbase_") + locale,
            {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    Replace(own, locale.isEmpty() ? QString() : QStringLiteral("pictorelle_") + locale, ownFolders);
}

QStringList OwnTranslationFolders()
{
    const QString program = ExecutablePath();
    const QString beside = QFileInfo(program).absolutePath() + QStringLiteral("/language");
    const QString base = BaseFolderFor(program) + QStringLiteral("/language");
    return base == beside ? QStringList{base} : QStringList{base, beside};
}
