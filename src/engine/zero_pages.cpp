#include "engine/zero_pages.h"

#include <sys/mman.h>

#include <new>

namespace zephra {

void* allocateZeroPages(std::size_t bytes) {
    void* pages = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    madvise(pages, bytes, MADV_HUGEPAGE);  // only advice: small pages serve as well, more slowly
#endif
    return pages;
}

void releaseZeroPages(void* pages, std::size_t bytes) {
    munmap(pages, bytes);
}

}  // namespace zephra
