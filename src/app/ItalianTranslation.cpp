#include "app/ItalianTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ItalianTranslation {

bool install(QCoreApplication& application, const QString& programFolder)
{
    auto* translator = new QTranslator(&application);
    const QString name = fileName.toString();
    if (translator->load(name, programFolder) ||
        translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

} // namespace ItalianTranslation
