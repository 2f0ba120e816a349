#pragma once

// A write past the file-size limit (RLIMIT_FSIZE) raises SIGXFSZ, whose default ends the process in the
// middle of the write. Ignored, the write fails with EFBIG and takes the usual failure path, as a full
// disk does: message, cut-back, nothing half-done. Each program calls this first.
namespace FileSizeSignal {
void ignore();
}
