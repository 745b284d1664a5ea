// Shared by the fuzz targets: the loader harness that accepts only "loaded" or
// "refused with a FileError", the checks that end a run as a finding, and the
// page doubles through which a loaded structure is shown as its page shows it.
// The process's message sink drops information and errors; a fatal stop
// aborts, so it counts as a finding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "demo/treepage.h"
#include "elements/stream.h"
#include "elements/writer.h"
#include "tests/support/recorders.h"
#include "workbench/linecollector.h"
#include "workbench/ntreedisplay.h"

class TBase;
class TReader;

// Feeds the bytes to load through a TReader. A FileError is a clean refusal;
// anything else escapes and is a finding. Returns true when load returned.
// Registers the classes the program registers on first use.
bool fuzzLoad(const std::uint8_t* data, std::size_t size,
              const std::function<void(TReader&)>& load);

// Reads bytes the program saved itself: a refusal is a finding.
void loadSaved(const std::string& bytes, const std::function<void(TReader&)>& load);

// True when a copy of the element is of the element's own class. The stack's
// and queue's display strings, which a tree file may also name, copy as plain
// TStrings (their copy is TString's), so a copy of a structure holding them
// saves other class names, and copied keys compare with no order.
bool copyKeepsClass(const TBase& element);

// A failed check is a finding.
inline void require(bool holds) {
    if (!holds) __builtin_trap();
}

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

// The text a page shows after writer(out) wrote into its memo.
template <typename Write>
std::string memoText(Write&& write) {
    LineCollector lines;
    write(lines);
    return lines.text();
}

// The search tree or AVL page: its image and fields are recorders.
class RecordingTreePage final : public TreePage {
public:
    RecordingTreePage(int width, bool withBalanced)
        : surface(width, 293), hasBalanced(withBalanced) {}

    Surface& image() override { return surface; }
    TextOutput& infoField() override { return info; }
    TextOutput& entryField() override { return entry; }
    TextOutput& depthField() override { return depth; }
    TextOutput& countField() override { return count; }
    TextOutput* balancedField() override { return hasBalanced ? &balanced : nullptr; }
    // Asked only when a demonstration records its steps, which loading and
    // drawing never do.
    DrawingRecord shownPicture() const override { __builtin_trap(); }

    // Everything the page shows: the drawing and the fields, one per line.
    std::string shown() const;

    RecordingSurface surface;
    RecordingText info, entry, depth, count, balanced;
    bool hasBalanced;
};

// The "NBaum" page's tree view and fields, recorded one call per line
// ("top <text>", "child <parent> <text>", "expand", "mark <item>").
class RecordingNtreeDisplay final : public NtreeDisplay {
public:
    void clearView() override;
    Item addTopItem(std::string_view utf8) override;
    Item addChildItem(Item parent, std::string_view utf8) override;
    void expandAll() override { log += "expand\n"; }
    void markCurrent(Item item) override;
    TextOutput& countField() override { return count; }
    TextOutput& depthField() override { return depth; }

    // The log, then count and depth.
    std::string shown() const { return log + count.text() + "\n" + depth.text(); }

    std::string log;
    RecordingText count, depth;

private:
    Item items_ = 0;
};
