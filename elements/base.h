// TBase, the element protocol every value, node and container obeys, and the
// class registry through which structure files name the class of each element.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "elements/smallobjects.h"

class TBase;
class TWriter;
class TReader;
class Surface;
class TextOutput;

// Static description of a class: its name, its parent and, for classes that
// can be stored as elements, how to make a default instance for loading.
struct ClassInfo {
    std::string_view name;
    const ClassInfo* parent;
    // Null for classes that cannot be an element of a file (TBase and the
    // containers): loading one is refused.
    std::unique_ptr<TBase> (*makeDefault)();
};

// compare results.
inline constexpr std::int32_t kLess = -1;
inline constexpr std::int32_t kEqual = 0;
inline constexpr std::int32_t kGreater = 1;
inline constexpr std::int32_t kOtherClass = 2;

class TBase {
public:
    static const ClassInfo info;

    TESSARO_SMALL_OBJECT_ALLOCATION

    virtual ~TBase() = default;

    virtual const ClassInfo& classInfo() const { return info; }
    std::string_view className() const { return classInfo().name; }
    // Same class by the names compared in upper case; a subclass is another
    // class than its parent.
    bool sameClass(const TBase& other) const;

    // The six operations of the protocol. A class that does not implement one
    // ends the program with "TBase.<name> wurde nicht überschrieben - das
    // Programm wird daher abgebrochen".
    // Shows the value on out, the output its writer was given.
    virtual void writeValue(TextOutput& out) const;
    // Writes the value and nothing else.
    virtual void saveValue(TWriter& writer) const;
    // Reads exactly what saveValue wrote.
    virtual void loadValue(TReader& reader);
    // -1, 0, 1 by the class's order; 2 for another class.
    virtual std::int32_t compare(const TBase& other) const;
    // A new independent object with an equal value, owned by the caller.
    virtual std::unique_ptr<TBase> copy() const;
    // Draws the value as text with its top-left corner at (x, y).
    virtual void paintValue(Surface& surface, int x, int y) const;

    // Containers (lists, stack, queue, trees) add `bool verify() const`: true
    // when every invariant of the structure holds, false as soon as one is
    // broken; it never changes the structure (cursors end where they were)
    // and costs a few walks over it, cheap enough for tests after every step
    // and for loaders. Each container's declaration lists its invariants.

protected:
    TBase() = default;
    TBase(const TBase&) = default;
    TBase& operator=(const TBase&) = default;
};

// Ends the program: the abstract operation `operation` of class `className`
// was reached.
[[noreturn]] void abstractCalled(std::string_view className, std::string_view operation);

// The class registry: one per process, filled at start-up.
namespace registry {
// Registers the class and its ancestors up to the first one already
// registered. A different class under a taken name (letter case ignored)
// throws FileError "Klasse mit der Bezeichnung %s existiert bereits".
void registerClass(const ClassInfo& info);
// Case-insensitive, the name in Windows-1252 as a file holds it; throws
// FileError "Klasse %s nicht gefunden".
const ClassInfo& find(std::string_view name);
// True when a class of that name (case-insensitive) is registered.
bool contains(std::string_view name);
// Empties the registry (tests only).
void clear();
}  // namespace registry

// Registers the element classes of this unit (TBase and all value classes).
void registerElementClasses();

class TString : public TBase {
public:
    static const ClassInfo info;

    TString() = default;
    explicit TString(std::string value) : value_(std::move(value)) {}

    const ClassInfo& classInfo() const override { return info; }
    // The text, Windows-1252 bytes.
    const std::string& getValue() const { return value_; }

    void saveValue(TWriter& writer) const override;
    void loadValue(TReader& reader) override;
    std::int32_t compare(const TBase& other) const override;
    std::unique_ptr<TBase> copy() const override;

private:
    std::string value_;
};

class TInteger : public TBase {
public:
    static const ClassInfo info;

    TInteger() = default;
    explicit TInteger(std::int32_t value) : value_(value) {}

    const ClassInfo& classInfo() const override { return info; }
    std::int32_t getValue() const { return value_; }

    void saveValue(TWriter& writer) const override;
    void loadValue(TReader& reader) override;
    std::int32_t compare(const TBase& other) const override;
    std::unique_ptr<TBase> copy() const override;

private:
    std::int32_t value_ = 0;
};

// Three-way comparison of two ordered values as -1, 0, 1.
template <typename T>
constexpr std::int32_t threeWay(const T& a, const T& b) {
    return a < b ? kLess : (b < a ? kGreater : kEqual);
}
