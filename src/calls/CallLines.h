#pragma once

#include "storage/Record.h"

#include <QString>

namespace CallLines {

// The line of a call in the call search and in the client's call history.
QString line(const RecordView& call);

} // namespace CallLines
