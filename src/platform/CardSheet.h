#pragma once

#include "platform/ReportRow.h"
#include "platform/ReportTemplate.h"

#include <QDateTime>

// The one-page card sheet of the clients, products and schedule: A4 portrait, the logo, a dark orange
// title, rows of teal captions and plain values, and a dark orange foot with the time of printing.
namespace CardSheet {

inline constexpr QLatin1StringView logoBox{"imgLogo"};
inline constexpr QLatin1StringView titleBox{"txtTitolo"};
inline constexpr QLatin1StringView footerBox{"txtCalce"};
// The program's logo, drawn by the painter.
inline constexpr QLatin1StringView logoSource{":/artwork/logo.svg"};

// What the sheet shows besides its rows.
struct Heading
{
    QString reportName; // the template's name, e.g. "repScheda"
    QString title;      // the text of the title box
    QString document;   // the PDF's title and subject
    // Row k's boxes are captionPrefix + k and valuePrefix + k, k padded with zeros to numberWidth digits.
    QString captionPrefix = QStringLiteral("titCampo");
    QString valuePrefix = QStringLiteral("txtCampo");
    int numberWidth = 1;
};

// How a sheet's foot writes the time of printing: "hh:mm:ss" or "hh:mm".
enum class TimeFormat { Long, Short };

// "Stampa eseguita in data dd/mm/yyyy alle ore " and the time in the given format.
QString printedAt(const QDateTime& when, TimeFormat format);

// The sheet with one row per entry of rows (24 fit the page), filled from the controls' texts.
ReportTemplate build(const Heading& heading, const QList<ReportRow>& rows, const ControlTexts& controls,
                     const QDateTime& when);

} // namespace CardSheet
