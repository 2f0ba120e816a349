#pragma once

#include "storage/RecordStore.h"

#include <functional>

// Told after each block of a copy: how many records are copied so far, and how many there are.
using CopyProgress = std::function<void(qint64 copied, qint64 total)>;

// Appends every whole record of one store to another, a block at a time; returns how many. Each block is
// all or nothing; a failure throws StorageError with the blocks before it copied.
qint64 copyRecords(const RecordStore& from, RecordStore& to, const RecordLayout& layout,
                   const CopyProgress& progress = {});
