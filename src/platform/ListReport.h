#pragma once

#include "platform/ReportTemplate.h"

#include <QDate>
#include <QStringList>

// The one page layout every result list prints with: A4 landscape, a slate-grey title, the list lines in a
// fixed-pitch box that runs over as many pages as it needs, and the date of printing at the foot.
namespace ListReport {

// Element names.
inline constexpr QLatin1StringView titleBox{"txtTitolo"};
inline constexpr QLatin1StringView linesBox{"txtElenco"};
inline constexpr QLatin1StringView footerBox{"txtCalce"};

// Height of one list line in the data box, in report units.
inline constexpr double linePitch = 12.822;

// The report of a list: its title, its lines in list order, then the lines a window adds after them.
ReportTemplate build(const QString& title, const QStringList& lines, const QStringList& extraLines,
                     const QDate& printDate);

} // namespace ListReport
