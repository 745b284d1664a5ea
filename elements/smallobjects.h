// The allocator of elements and list nodes. Structures hold tens of
// thousands of small objects of a few sizes, made and freed in bulk on every
// load and clear; recycling their memory through free lists per size makes
// that several times cheaper than the general heap. Sanitizer builds use the
// general heap so that every object stays checked.
#pragma once

#include <cstddef>

namespace smallobjects {

// Memory for one object of `size` bytes, aligned for any object.
void* allocate(std::size_t size);
// Gives back memory from allocate with the same size.
void release(void* memory, std::size_t size) noexcept;

// For tests of what a failed allocation leaves behind: while positive, every
// allocate() counts it down, and the one that brings it to zero throws
// std::bad_alloc instead. Zero, the program's setting, never fails. Set to a
// large number, it also counts the allocations of an operation.
extern long allocationsBeforeFailure;

}  // namespace smallobjects

// Class-specific new and delete that route through the pool; used by TBase
// and the list nodes.
#define TESSARO_SMALL_OBJECT_ALLOCATION                                                  \
    static void* operator new(std::size_t size) { return smallobjects::allocate(size); } \
    static void operator delete(void* memory, std::size_t size) noexcept {               \
        smallobjects::release(memory, size);                                             \
    }
