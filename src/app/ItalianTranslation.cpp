#include "app/ItalianTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ItalianTranslation {

bool install(QCoreApplication& application, const QString& programFolder)
{
    auto* translator = new QTranslator(&application);
    const QString name = fileName.toString();
    const bool qtTexts = translator->load(name, programFolder) ||
                         translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (qtTexts)
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
    // Installed last, the program's catalogue is asked first and fills what Qt's leaves in English.
    auto* own = new QTranslator(&application);
    if (own->load(programCatalogue.toString()))
        QCoreApplication::installTranslator(own);
    else
        delete own;
    return qtTexts;
}

} // namespace ItalianTranslation
