// The allocator of elements and list nodes. Structures hold tens of
// thousands of small objects of a few sizes, made and freed in bulk on every
// load and clear; recycling their memory through free lists per size makes
// that several times cheaper than the general heap. Sanitizer builds use the
// general heap so that every object stays checked.
#pragma once

#include <cstddef>

namespace smallobjects {

// For tests of what a failed allocation leaves behind: while positive, every
// allocate() counts it down, and the one that brings it to zero throws
// std::bad_alloc instead. Zero, the program's setting, never fails. Set to a
// large number, it also counts the allocations of an operation.
extern long allocationsBeforeFailure;

namespace detail {

// Under AddressSanitizer every object comes from the general heap, so that
// each one stays checked; the pool is then compiled but never used.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kPoolOn = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kPoolOn = false;
#else
inline constexpr bool kPoolOn = true;
#endif
#else
inline constexpr bool kPoolOn = true;
#endif

inline constexpr std::size_t kGrain = alignof(std::max_align_t);
inline constexpr std::size_t kClasses = 6;  // up to 96 bytes
inline constexpr std::size_t kLargest = kGrain * kClasses;

struct FreeSlot {
    FreeSlot* next;
};

// The freed slots of each size class, most recently freed first. The
// program has one thread.
extern FreeSlot* freeSlots[kClasses];

constexpr std::size_t sizeClassOf(std::size_t size) { return (size + kGrain - 1) / kGrain - 1; }

// Objects of at most kLargest bytes live in the pool.
constexpr bool pooled(std::size_t size) { return kPoolOn && size != 0 && size <= kLargest; }

// Everything but taking a freed slot: the failure count, fresh memory for a
// class without freed slots, and the general heap.
void* allocateElsewhere(std::size_t size);
void releaseElsewhere(void* memory) noexcept;

}  // namespace detail

// Memory for one object of `size` bytes, aligned for any object. The usual
// case, a freed slot of the object's size, is taken here; the size is
// usually known where this is inlined, and so is its class.
inline void* allocate(std::size_t size) {
    if (detail::pooled(size) && allocationsBeforeFailure == 0) [[likely]] {
        detail::FreeSlot*& top = detail::freeSlots[detail::sizeClassOf(size)];
        if (detail::FreeSlot* slot = top) [[likely]] {
            top = slot->next;
            // The next allocation of this size reads the new top's link:
            // fetched now, it no longer waits for memory then.
            __builtin_prefetch(top, 1);
            return slot;
        }
    }
    return detail::allocateElsewhere(size);
}

// Gives back memory from allocate with the same size.
inline void release(void* memory, std::size_t size) noexcept {
    if (memory == nullptr) return;
    if (detail::pooled(size)) {
        auto* slot = static_cast<detail::FreeSlot*>(memory);
        detail::FreeSlot*& top = detail::freeSlots[detail::sizeClassOf(size)];
        slot->next = top;
        top = slot;
        return;
    }
    detail::releaseElsewhere(memory);
}

}  // namespace smallobjects

// Class-specific new and delete that route through the pool; used by TBase
// and the list nodes.
#define TESSARO_SMALL_OBJECT_ALLOCATION                                                  \
    static void* operator new(std::size_t size) { return smallobjects::allocate(size); } \
    static void operator delete(void* memory, std::size_t size) noexcept {               \
        smallobjects::release(memory, size);                                             \
    }
