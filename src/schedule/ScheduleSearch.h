#pragma once

#include "screens/SearchDefinition.h"

// The ten criteria of the appointment search and its line; the confirmation and payment lists share
// the line.
namespace ScheduleSearch {

const SearchDefinition& definition();

// The three confirmation and payment lists: the same line, each its printed title.
enum class Confirmation { ToConfirm, ToPay, Paid };
const SearchDefinition& confirmationList(Confirmation which);
bool (*confirmationFilter(Confirmation which))(const RecordView&);

} // namespace ScheduleSearch
