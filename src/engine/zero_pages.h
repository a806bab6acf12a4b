#pragma once

// Large zero-filled memory that costs nothing until it is touched.

#include <cstddef>

namespace zephra {

// bytes of zeros, each page provided by the system when it is first touched; asked for in large pages where
// the system has them, since a run that writes a fresh small page every few hundred ticks spends more on the
// page faults than on its arithmetic. Throws std::bad_alloc when there is no room.
void* allocateZeroPages(std::size_t bytes);
void releaseZeroPages(void* pages, std::size_t bytes);

}  // namespace zephra
