#include "elements/smallobjects.h"

#include <array>
#include <memory>
#include <new>
#include <vector>

namespace smallobjects {
namespace {

// Under AddressSanitizer every object comes from the general heap, so that
// each one stays checked; the pool is then compiled but never used.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPoolOn = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kPoolOn = false;
#else
constexpr bool kPoolOn = true;
#endif
#else
constexpr bool kPoolOn = true;
#endif

constexpr std::size_t kGrain = alignof(std::max_align_t);
constexpr std::size_t kClasses = 6;  // up to 96 bytes
constexpr std::size_t kLargest = kGrain * kClasses;
constexpr std::size_t kChunkBytes = 64 * 1024;

struct FreeSlot {
    FreeSlot* next;
};

// One free list per size class; chunks are kept for the whole run, and freed
// slots are reused by the next object of their class. The program has one
// thread.
struct Pool {
    std::array<FreeSlot*, kClasses> free{};
    std::vector<std::unique_ptr<std::byte[]>> chunks;
    std::byte* fresh = nullptr;
    std::size_t freshLeft = 0;

    void* take(std::size_t sizeClass) {
        if (FreeSlot* slot = free[sizeClass]) {
            free[sizeClass] = slot->next;
            // Freed slots lie scattered: fetching the next one now lets its
            // cache miss overlap with the work before the next allocation
            // (loading a structure allocates one object after the other).
            __builtin_prefetch(slot->next, 1);
            return slot;
        }
        const std::size_t bytes = (sizeClass + 1) * kGrain;
        if (freshLeft < bytes) {
            // Left uninitialised: every object initialises its own slot.
            chunks.push_back(std::make_unique_for_overwrite<std::byte[]>(kChunkBytes));
            fresh = chunks.back().get();
            freshLeft = kChunkBytes;
        }
        void* memory = fresh;
        fresh += bytes;
        freshLeft -= bytes;
        return memory;
    }

    void give(void* memory, std::size_t sizeClass) noexcept {
        auto* slot = static_cast<FreeSlot*>(memory);
        slot->next = free[sizeClass];
        free[sizeClass] = slot;
    }
};

Pool& pool() {
    // Never destroyed: objects may be freed during static destruction.
    static Pool* instance = new Pool;
    return *instance;
}

std::size_t sizeClassOf(std::size_t size) { return (size + kGrain - 1) / kGrain - 1; }

// Objects of at most kLargest bytes live in the pool.
bool pooled(std::size_t size) { return kPoolOn && size != 0 && size <= kLargest; }

}  // namespace

long allocationsBeforeFailure = 0;

void* allocate(std::size_t size) {
    if (allocationsBeforeFailure > 0 && --allocationsBeforeFailure == 0) [[unlikely]] {
        throw std::bad_alloc();
    }
    if (pooled(size)) return pool().take(sizeClassOf(size));
    return ::operator new(size);
}

void release(void* memory, std::size_t size) noexcept {
    if (memory == nullptr) return;
    if (pooled(size)) {
        pool().give(memory, sizeClassOf(size));
        return;
    }
    ::operator delete(memory);
}

}  // namespace smallobjects
