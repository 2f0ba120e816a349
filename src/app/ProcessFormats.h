#pragma once

// The formats the whole run works with, whatever the system's regional settings: Italian, with the
// decimal comma and no thousands separators, and short dates "dd/mm/yyyy". Record texts go through
// DateText and NumberText, which hold these formats by themselves; the default locale makes whatever
// Qt formats on its own (spin boxes, date pickers, numbers shown) agree with them.
namespace ProcessFormats {

// Makes Italian with the decimal comma and no group separator the default locale of the process.
void install();

} // namespace ProcessFormats
