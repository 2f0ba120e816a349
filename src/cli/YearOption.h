#pragma once

#include "cli/CommandOptions.h"

#include <optional>

// The year file named by "--anno YYYY", as the year menus accept it: four digits.
std::optional<QString> yearFile(const CommandOptions& options, const char* extension, QTextStream& err);
