#pragma once

#include "platform/ReportRow.h"
#include "platform/ReportTemplate.h"

#include <QDateTime>

// `repDocumento`, the printed sale "Scheda articolo": one A4 portrait page carrying the sale twice, each
// copy a light steel blue title bar, twelve framed rows of a caption and the value the sale card shows,
// and a signature block; copy A for the client, copy B for the firm, a cutting line between them, and a
// gold foot with the time of printing.
namespace SaleSheet {

inline constexpr QLatin1StringView footerBox{"txtCalce"};

struct Row
{
    QString field; // the value field without its copy's suffix, e.g. "txtData"
    ReportRow row; // its caption and how the value is put together from the card's controls
};

const QList<Row>& rows();

// The value field of a row in copy 'A' or 'B': "txtData_A".
QString valueBox(const Row& row, char copy);

ReportTemplate build(const ControlTexts& controls, const QDateTime& when);

} // namespace SaleSheet
