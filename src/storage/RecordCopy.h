#pragma once

#include "storage/RecordStore.h"

// Appends every whole record of one store to another, a block at a time; returns how many. Each block is
// all or nothing; a failure throws StorageError with the blocks before it copied.
qint64 copyRecords(const RecordStore& from, RecordStore& to, const RecordLayout& layout);
