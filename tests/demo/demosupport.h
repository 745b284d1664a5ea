// Test doubles of the tree demonstrations: a page made of recorders, a clock
// that presses "Weiter" after a scripted number of blink phases, and a
// condensed reading of the drawing log as one line per step.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "demo/stepclock.h"
#include "demo/treepage.h"
#include "tests/support/recorders.h"

namespace demotest {

// Presses "Weiter" after every `pressAfter` phases (0: never) and writes
// "pause <info text>" into the surface log at each phase end. Throws
// DemoCancelled at the phase numbered cancelAt (1-based; 0: never).
class FakeClock final : public StepClock {
public:
    void pause(int milliseconds) override {
        pauses.push_back(milliseconds);
        ++phases;
        if (surface) surface->log.push_back("pause " + (info ? info->text() : std::string()));
        if (onPause) onPause();
        if (cancelAt != 0 && phases == cancelAt) throw DemoCancelled{};
        if (pressAfter != 0 && phases % pressAfter == 0) weiterPressed = true;
    }

    RecordingSurface* surface = nullptr;
    const TextOutput* info = nullptr;
    // Called at every phase end, e.g. to look at the tree while a step waits.
    std::function<void()> onPause;
    int pressAfter = 1;
    int cancelAt = 0;
    int phases = 0;
    std::vector<int> pauses;
};

class FakePage final : public TreePage {
public:
    explicit FakePage(int width, bool withBalanced)
        : surface(width, 293), hasBalanced(withBalanced) {
        clockImpl.surface = &surface;
        clockImpl.info = &info;
    }

    Surface& image() override { return surface; }
    TextOutput& infoField() override { return info; }
    TextOutput& entryField() override { return entry; }
    TextOutput& depthField() override { return depth; }
    TextOutput& countField() override { return count; }
    TextOutput* balancedField() override { return hasBalanced ? &balanced : nullptr; }
    StepClock& clock() override { return clockImpl; }
    void lockControls(bool enabled, int kind) override {
        locks.push_back(std::string(enabled ? "unlock " : "lock ") + std::to_string(kind));
    }
    AlgorithmTrace& trace() override { return traceSink ? *traceSink : AlgorithmTrace::none(); }

    RecordingSurface surface;
    RecordingText info, entry, depth, count, balanced;
    FakeClock clockImpl;
    bool hasBalanced;
    std::vector<std::string> locks;
    // Where the demonstration's pseudo-code lines go; null: nowhere.
    AlgorithmTrace* traceSink = nullptr;
};

inline bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// One line per blink cycle: "<info> | line x1 y1 x2 y2 | text x y v |
// visible/erased" (the figure as drawn in the cycle's second phase); "erase x1
// y1 x2 y2" for a line erased at once; "redraw" for a blanking of the image.
// Everything else (the painted tree, font settings) is left out.
inline std::vector<std::string> condensed(const std::vector<std::string>& log) {
    std::vector<std::string> out;
    const std::string btnFace = "pen " + std::to_string(clBtnFace);
    std::size_t i = 0;
    auto figureUntilPause = [&](std::size_t& j, std::string& figure) {
        while (j < log.size() && !startsWith(log[j], "pause")) {
            if (startsWith(log[j], "moveTo") && j + 1 < log.size() &&
                startsWith(log[j + 1], "lineTo")) {
                figure += " | line" + log[j].substr(6) + log[j + 1].substr(6);
                ++j;
            } else if (startsWith(log[j], "text")) {
                figure += " | " + log[j];
            }
            ++j;
        }
    };
    while (i < log.size()) {
        const std::string& line = log[i];
        if (startsWith(line, "pen") && i + 1 < log.size() && startsWith(log[i + 1], "fontColor")) {
            std::size_t j = i + 2;
            std::string ignored;
            figureUntilPause(j, ignored);  // phase A
            const std::string info = j < log.size() ? log[j].substr(6) : "?";
            std::size_t k = j + 1;  // phase B: pen, fontColor, figure
            if (k >= log.size()) break;
            const bool visible = log[k] == "pen 0";
            std::size_t m = k + 2;
            std::string figure;
            figureUntilPause(m, figure);
            out.push_back(info + figure + (visible ? " | visible" : " | erased"));
            i = m + 1;
        } else if (line == btnFace && i + 2 < log.size() && startsWith(log[i + 1], "moveTo")) {
            out.push_back("erase" + log[i + 1].substr(6) + log[i + 2].substr(6));
            i += 3;
        } else {
            if (startsWith(line, "fill")) out.push_back("redraw");
            ++i;
        }
    }
    return out;
}

}  // namespace demotest
