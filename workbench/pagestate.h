// PageState: what a page of the main window needs to show itself again after
// "Rückgängig" or "Wiederholen": its structure as the structure's own file
// record stores it, where its cursor or current node stood, and the texts of
// its fields. The bytes are made and read back by the structure's own save
// and load, so a state costs a few bytes per element and no copies of them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "elements/reader.h"
#include "elements/stream.h"
#include "elements/writer.h"

class TBase;

struct PageState {
    // The structure's record; empty for an empty structure.
    std::string structure;
    // A deep copy instead of the record, for a structure too large for its
    // record (an n-ary tree of more than 32767 nodes); null otherwise.
    std::shared_ptr<const TBase> copy;
    // The list's cursor position, or the child numbers from the root down
    // to the n-ary tree's current node; empty where a page has none.
    std::vector<std::uint16_t> position;
    // The texts of the page's fields, in the page's order (UTF-8).
    std::vector<std::string> fields;

    // True when both hold the same structure with the cursor at the same
    // place; a copy is never taken as the same (a change is then kept even
    // when it changed nothing).
    bool sameStructure(const PageState& other) const {
        return !copy && !other.copy && structure == other.structure && position == other.position;
    }
};

namespace pagestate {

// The bytes that save(writer) writes.
template <typename Save>
std::string record(Save&& save) {
    StringOutputStream out;
    {
        TWriter writer(out);
        save(writer);
        writer.flush();
    }
    return out.bytes();
}

// Lets load(reader) read the bytes of record back.
template <typename Load>
void readBack(std::string_view bytes, Load&& load) {
    MemoryInputStream in(bytes);
    TReader reader(in);
    load(reader);
}

}  // namespace pagestate
