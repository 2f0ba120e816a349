#pragma once

#include "platform/ReportRow.h"
#include "platform/ReportTemplate.h"

#include <QDateTime>

// `repDocumento`, the printed call card "Scheda chiamata": one A4 portrait page, a light steel blue title
// bar, sixteen framed rows of a caption and the value the call card shows, a gold foot with the time of
// printing. The print and preview windows fill it from the card's controls, saved or not.
namespace CallSheet {

inline constexpr QLatin1StringView titleBox{"txtTitolo"};
inline constexpr QLatin1StringView footerBox{"txtCalce"};

struct Row
{
    QString valueBox; // the template's value field, e.g. "txtData"
    ReportRow row;    // its caption and how the value is put together from the card's controls
};

const QList<Row>& rows();

ReportTemplate build(const ControlTexts& controls, const QDateTime& when);

} // namespace CallSheet
