#pragma once

namespace common {

// A write past the process's file-size limit (RLIMIT_FSIZE, as `prlimit --fsize` sets it) raises
// SIGXFSZ, which by default kills the program on the spot, temporary files left behind. With the
// signal ignored the write fails with EFBIG instead, and the save reports it like a full disk.
// Called by every writer before it writes; a handler the program set itself is left in place.
void makeFileSizeLimitAnError();

}  // namespace common
