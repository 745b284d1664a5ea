// TLifoString and TFifoString: the strings of the stack and queue pages. Each
// shows itself as one line of the memo it is written to; storage, compare and
// copy are TString's (so a copy is a plain TString). Both are file elements.
#pragma once

#include <string>

#include "elements/base.h"

class TextOutput;

class TLifoString : public TString {
public:
    static const ClassInfo info;

    TLifoString() = default;
    explicit TLifoString(std::string value) : TString(std::move(value)) {}

    const ClassInfo& classInfo() const override { return info; }
    // Adds the text (as UTF-8) as a new line to out, the stack page's memo.
    void writeValue(TextOutput& out) const override;
};

class TFifoString : public TString {
public:
    static const ClassInfo info;

    TFifoString() = default;
    explicit TFifoString(std::string value) : TString(std::move(value)) {}

    const ClassInfo& classInfo() const override { return info; }
    // Adds the text (as UTF-8) as a new line to out, the queue page's memo.
    void writeValue(TextOutput& out) const override;
};

// Registers TLifoString and TFifoString.
void registerDisplayStringClasses();
