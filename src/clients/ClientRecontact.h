#pragma once

#include "screens/SearchDefinition.h"

// The list of the clients to recontact: every card whose flag is "Sì", with its pending issues.
namespace ClientRecontact {

// The list's line, printed title and pick; it has no criteria and no count line. The cards listed are
// those ClientLines::wantsRecontact accepts.
const SearchDefinition& definition();

} // namespace ClientRecontact
