#pragma once

#include "storage/Record.h"

#include <QString>

namespace SaleLines {

// The line of a sale in the sale search.
QString line(const RecordView& sale);

} // namespace SaleLines
