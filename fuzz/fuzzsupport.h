// Shared by the fuzz targets: a message sink that never ends the process, and
// the loader harness that accepts only "loaded" or "refused with a FileError".
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "elements/stream.h"
#include "elements/writer.h"

class TReader;

// Feeds the bytes to load through a TReader. A FileError is a clean refusal;
// anything else escapes and is a finding. Also installs the quiet sink and
// registers the element classes on first use.
void fuzzLoad(const std::uint8_t* data, std::size_t size,
              const std::function<void(TReader&)>& load);

// The bytes that save(writer) writes.
template <typename Save>
std::string savedImage(Save&& save) {
    StringOutputStream out;
    {
        TWriter writer(out);
        save(writer);
        writer.flush();
    }
    return out.bytes();
}

// The image of a structure that saves itself with save(TWriter&).
template <typename Structure>
std::string image(const Structure& structure) {
    return savedImage([&](TWriter& writer) { structure.save(writer); });
}
