#pragma once

#include <functional>
#include <QString>

class Record;
class RecordLayout;

// What a pick delivers to the window that opened the picker. The picker knows only the caller tag in
// its hidden lblMemory; each caller registers, for the records it takes and its tag, the one function
// that copies a chosen record into its own controls. A tag nobody registered fills nothing.
namespace CallerTargets {

// The record and its record number (1-based); callers that copy only fields leave the number alone.
using Fill = std::function<void(const Record& record, qint64 number)>;

// Registers (or replaces) what a pick of a record of that layout fills for tag.
void registerTarget(const RecordLayout& layout, const QString& tag, Fill fill);
void unregisterTarget(const RecordLayout& layout, const QString& tag);

// Fills the caller named by tag; false when no caller took that tag for such records.
bool deliver(const QString& tag, const Record& record, qint64 number);

} // namespace CallerTargets
