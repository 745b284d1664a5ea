#include "fuzz/fuzzsupport.h"

#include <cstdlib>
#include <string_view>

#include "elements/base.h"
#include "elements/errors.h"
#include "elements/platform.h"
#include "elements/reader.h"
#include "elements/stream.h"
#include "linear/displaystrings.h"
#include "linear/fifo.h"
#include "linear/listdemo.h"
#include "linear/liste.h"
#include "trees/avltree.h"
#include "trees/bayertree.h"
#include "trees/ntree.h"
#include "workbench/allclasses.h"

namespace {
// Messages are dropped; a fatal stop is a finding.
class QuietMessages final : public UserMessages {
public:
    void information(std::string_view) override {}
    void error(std::string_view) override {}
    void fatalStop(std::string_view) override { std::abort(); }
};

// Installed before the first input, so that nothing (not even class
// registration) reaches the default sink, which would end the process
// without a report.
QuietMessages messages;
const ScopedUserMessages installed(messages);

std::string lines(const RecordingText& field) {
    std::string text;
    for (const std::string& line : field.lines) text += line + "\n";
    return text;
}
}  // namespace

bool fuzzLoad(const std::uint8_t* data, std::size_t size,
              const std::function<void(TReader&)>& load) {
    // The classes the program registers at its start: a file may name any
    // of them.
    registerAllClasses();
    MemoryInputStream in(std::string_view(reinterpret_cast<const char*>(data), size));
    TReader reader(in);
    try {
        load(reader);
    } catch (const FileError&) {
        // A refused file is a correct answer.
        return false;
    }
    return true;
}

bool copyKeepsClass(const TBase& element) {
    return &element.copy()->classInfo() == &element.classInfo();
}

void loadSaved(const std::string& bytes, const std::function<void(TReader&)>& load) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    require(fuzzLoad(data, bytes.size(), load));
}

std::string RecordingTreePage::shown() const {
    std::string text;
    for (const std::string& line : surface.log) text += line + "\n";
    return text + lines(info) + "|" + lines(depth) + "|" + lines(count) + "|" + lines(balanced);
}

void RecordingNtreeDisplay::clearView() {
    log += "clear\n";
    items_ = 0;
}

NtreeDisplay::Item RecordingNtreeDisplay::addTopItem(std::string_view utf8) {
    log += "top ";
    log += utf8;
    log += "\n";
    return items_++;
}

NtreeDisplay::Item RecordingNtreeDisplay::addChildItem(Item parent, std::string_view utf8) {
    require(parent < items_);
    log += "child " + std::to_string(parent) + " ";
    log += utf8;
    log += "\n";
    return items_++;
}

void RecordingNtreeDisplay::markCurrent(Item item) {
    require(item < items_);
    log += "mark " + std::to_string(item) + "\n";
}
