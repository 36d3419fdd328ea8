#include "app/window/OutputNamePreview.h"

#include <QCoreApplication>

#include "batch/OutputNames.h"
#include "convert/RotateFlipChoice.h"

QString OutputNamePreview(const SeveralPhotosChoices& choices, const ListedPhoto& listed)
{
    if (const std::optional<QString> problem = NamingPatternProblem(choices.namingPattern))
        return *problem;
    if (listed.photo.path.isEmpty())
        return QString();
    NamingFacts facts;
    facts.index = listed.place;
    const QDate d = listed.modified.date();
    const QTime t = listed.modified.time();
    facts.taken = platform::TakenTime{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), std::nullopt};
    if (!listed.size.isEmpty()) {
        // Turned before it is sized, as the run does.
        const bool quarter = TurnsAQuarter(ChooseRotateFlip(choices.rotate, choices.flip).type);
        const QSize turned = quarter ? listed.size.transposed() : listed.size;
        const QSize size = OutputSizeOf(choices.size, turned.width(), turned.height());
        facts.width = size.width();
        facts.height = size.height();
    }
    // No folder: the name below the output folder, which has a field of its own, or beside the
    // photo the name alone.
    const QString below = choices.besidePhotos ? QString() : listed.photo.addedFolder;
    const OutputName name = OutputNames(QString(), QString(), choices.namingPattern).For(listed.photo.path, below, facts);
    if (name.path.isEmpty())
        return QCoreApplication::translate("ConvertSeveralWindow", "The naming pattern gives this photo no name.");
    return name.path;
}
