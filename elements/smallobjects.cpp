#include "elements/smallobjects.h"

#include <new>

namespace smallobjects {
namespace detail {

constinit FreeSlot* freeSlots[kClasses] = {};

namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;

// Fresh memory is cut from chunks of the general heap, which are kept for
// the whole run (objects may be freed during static destruction), chained
// through their first slot so that they stay reachable. Slots of all
// classes are cut in the order of the allocations, so objects made together
// lie together.
struct Chunk {
    Chunk* previous;
};
constinit Chunk* chunks = nullptr;
constinit std::byte* fresh = nullptr;
constinit std::size_t freshLeft = 0;

void* cutFresh(std::size_t bytes) {
    if (freshLeft < bytes) {
        // Left uninitialised: every object initialises its own slot.
        auto* memory = static_cast<std::byte*>(::operator new(kChunkBytes));
        auto* chunk = ::new (memory) Chunk{chunks};
        chunks = chunk;
        fresh = memory + kGrain;
        freshLeft = kChunkBytes - kGrain;
    }
    void* memory = fresh;
    fresh += bytes;
    freshLeft -= bytes;
    return memory;
}

}  // namespace

void* allocateElsewhere(std::size_t size) {
    if (allocationsBeforeFailure > 0 && --allocationsBeforeFailure == 0) [[unlikely]] {
        throw std::bad_alloc();
    }
    if (!pooled(size)) return ::operator new(size);
    const std::size_t sizeClass = sizeClassOf(size);
    if (FreeSlot* slot = freeSlots[sizeClass]) {
        freeSlots[sizeClass] = slot->next;
        return slot;
    }
    return cutFresh((sizeClass + 1) * kGrain);
}

void releaseElsewhere(void* memory) noexcept { ::operator delete(memory); }

}  // namespace detail

long allocationsBeforeFailure = 0;

}  // namespace smallobjects
