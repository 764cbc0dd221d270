#include "allocator/ProgramAllocator.h"

#ifdef DUVAZADI_MIMALLOC
#include <mimalloc.h>
#include <sys/mman.h>

#include <cstdint>
#endif

void ConfigureProgramAllocator()
{
#ifdef DUVAZADI_MIMALLOC
    // Memory the allocator maps from now on comes in large pages, and what
    // is freed stays mapped for the next allocations.
    mi_option_enable(mi_option_large_os_pages);
    mi_option_disable(mi_option_allow_decommit);
    // The C++ runtime allocated before main, so the thread's first segment
    // (32 MB, aligned to its size) is mapped already, in small pages, and a
    // network fills it first. The advice asks the kernel to back it with
    // large pages as it is touched; should the allocator lay out its
    // segments otherwise, the advice falls on other memory of the process
    // and changes nothing but its page size.
    constexpr std::uintptr_t kSegmentBytes = std::uintptr_t{32} << 20;
    void* probe = mi_malloc(1);
    const std::uintptr_t segment = reinterpret_cast<std::uintptr_t>(probe) & ~(kSegmentBytes - 1);
    madvise(reinterpret_cast<void*>(segment), kSegmentBytes, MADV_HUGEPAGE);
    mi_free(probe);
#endif
}
