#pragma once

#include <QString>

class QCoreApplication;

// Qt's own Italian texts (the buttons "Sì", "No", "Annulla" of message boxes and dialogs).
namespace ItalianTranslation {

inline constexpr QStringView fileName = u"qtbase_it.qm";

// Loads qtbase_it.qm from the program folder, or else from Qt's translations folder, and installs it
// on the application, which owns it. Returns false when neither holds it.
bool install(QCoreApplication& application, const QString& programFolder);

} // namespace ItalianTranslation
