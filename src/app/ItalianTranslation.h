#pragma once

#include <QString>

class QCoreApplication;

// Qt's own Italian texts (the buttons "Sì", "No", "Annulla" of message boxes and dialogs), completed by the
// program's catalogue where Qt's leaves a text of its dialogs in English.
namespace ItalianTranslation {

inline constexpr QStringView fileName = u"qtbase_it.qm";
// Built from assets/translations/telvara_it.ts into the program.
inline constexpr QStringView programCatalogue = u":/i18n/telvara_it.qm";

// Loads qtbase_it.qm from the program folder, or else from Qt's translations folder, and installs it
// on the application, which owns it, then the program's catalogue. Returns false when neither folder holds
// Qt's.
bool install(QCoreApplication& application, const QString& programFolder);

} // namespace ItalianTranslation
