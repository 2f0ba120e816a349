#pragma once

#include "platform/ReportRow.h"
#include "platform/ReportTemplate.h"

#include <QDateTime>

// `repDocumento`, the operator's printed sheet "SCHEDA INFORMATIVA DIPENDENTE": one A4 portrait page, a
// light steel blue title band, 41 bordered rows of a caption and the value the card shows, a rule between
// captions and values, a gold foot with the time of printing. The print and preview windows fill it from
// the card's controls, saved or not.
namespace OperatorSheet {

inline constexpr QLatin1StringView titleBox{"txtTitolo"};
inline constexpr QLatin1StringView footerBox{"txtCalce"};

struct Row
{
    QString valueBox; // the template's value object, named after the card's control ("txtCodFisc")
    ReportRow row;    // its caption and how the value is put together from the card's controls
};

const QList<Row>& rows();

ReportTemplate build(const ControlTexts& controls, const QDateTime& when);

} // namespace OperatorSheet
