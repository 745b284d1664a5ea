#include "fuzz/fuzzsupport.h"

#include <cstdlib>
#include <string_view>

#include "elements/base.h"
#include "elements/errors.h"
#include "elements/platform.h"
#include "elements/reader.h"
#include "elements/stream.h"

namespace {
// Messages are dropped; a fatal stop is a finding.
class QuietMessages final : public UserMessages {
public:
    void information(std::string_view) override {}
    void error(std::string_view) override {}
    void fatalStop(std::string_view) override { std::abort(); }
};
}  // namespace

void fuzzLoad(const std::uint8_t* data, std::size_t size,
              const std::function<void(TReader&)>& load) {
    static QuietMessages messages;
    static const ScopedUserMessages installed(messages);
    static const bool ready = [] {
        registerElementClasses();
        return true;
    }();
    (void)ready;
    MemoryInputStream in(std::string_view(reinterpret_cast<const char*>(data), size));
    TReader reader(in);
    try {
        load(reader);
    } catch (const FileError&) {
        // A refused file is a correct answer.
    }
}
