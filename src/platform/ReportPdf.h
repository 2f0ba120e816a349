#pragma once

#include "platform/ReportTemplate.h"

#include <QByteArray>
#include <QDateTime>

// PDF files of a report, with the document's title, subject, author and creator. Qt's writer sets only
// the title and the creator, so the complete information dictionary is appended as an incremental
// update, which every PDF reader honours; the XMP metadata carries the same four fields.
namespace ReportPdf {

// The PDF document of the report.
QByteArray document(const ReportTemplate& report, const QDateTime& created = QDateTime::currentDateTime());

// Writes the report to path, replacing any file there only once the new one is complete; false when the
// file cannot be written.
bool write(const ReportTemplate& report, const QString& path);

} // namespace ReportPdf
