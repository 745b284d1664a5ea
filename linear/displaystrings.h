// TLifoString and TFifoString: the strings of the stack and queue pages. Each
// shows itself as one line of its page's memo; storage, compare and copy are
// TString's (so a copy is a plain TString). Both are file elements.
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
    // Adds the text (as UTF-8) as a new line to the stack page's memo; nothing
    // when no memo is set.
    void writeValue() const override;

    // Lends the stack page's memo; nullptr detaches it.
    static void setOutput(TextOutput* output);

private:
    static TextOutput* output_;
};

class TFifoString : public TString {
public:
    static const ClassInfo info;

    TFifoString() = default;
    explicit TFifoString(std::string value) : TString(std::move(value)) {}

    const ClassInfo& classInfo() const override { return info; }
    // Adds the text (as UTF-8) as a new line to the queue page's memo; nothing
    // when no memo is set.
    void writeValue() const override;

    // Lends the queue page's memo; nullptr detaches it.
    static void setOutput(TextOutput* output);

private:
    static TextOutput* output_;
};

// Registers TLifoString and TFifoString.
void registerDisplayStringClasses();
