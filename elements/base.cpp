#include "elements/base.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <unordered_map>

#include "elements/cp1252.h"
#include "elements/errors.h"
#include "elements/platform.h"
#include "elements/reader.h"
#include "elements/values.h"
#include "elements/writer.h"

namespace {
// The toolkit's persistent-object base above TBase: registering stops there.
const ClassInfo persistentInfo{"TPersistent", nullptr, nullptr};

// Class names are ASCII; letter case is folded without locale rules.
char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return upperAscii(x) == upperAscii(y);
           });
}

std::string upper(std::string_view name) {
    std::string result(name);
    for (char& c : result) c = upperAscii(c);
    return result;
}

std::unordered_map<std::string, const ClassInfo*>& table() {
    static std::unordered_map<std::string, const ClassInfo*> classes;
    return classes;
}

// A file names the same few classes over and over: the classes found last
// are tried first, by their exact spelling, before the name is folded and
// hashed.
std::array<const ClassInfo*, 4> recentlyFound{};

const ClassInfo* lookupInTable(std::string_view name);

// Equal bytes, compared a word at a time (the last word overlapping the one
// before) without a call: class names are short, and a file names one per
// element.
inline bool sameName(std::string_view a, std::string_view b) {
    const std::size_t size = a.size();
    if (size != b.size()) return false;
    const char* x = a.data();
    const char* y = b.data();
    if (size >= 8) {
        std::uint64_t differ = 0;
        std::uint64_t u;
        std::uint64_t v;
        for (std::size_t i = 0; i + 8 < size; i += 8) {
            std::memcpy(&u, x + i, 8);
            std::memcpy(&v, y + i, 8);
            differ |= u ^ v;
        }
        std::memcpy(&u, x + size - 8, 8);
        std::memcpy(&v, y + size - 8, 8);
        return (differ | (u ^ v)) == 0;
    }
    if (size >= 4) {
        std::uint32_t u0, u1, v0, v1;
        std::memcpy(&u0, x, 4);
        std::memcpy(&u1, x + size - 4, 4);
        std::memcpy(&v0, y, 4);
        std::memcpy(&v1, y + size - 4, 4);
        return ((u0 ^ v0) | (u1 ^ v1)) == 0;
    }
    for (std::size_t i = 0; i < size; ++i) {
        if (x[i] != y[i]) return false;
    }
    return true;
}

inline const ClassInfo* lookupRecent(std::string_view name) {
    for (const ClassInfo* cls : recentlyFound) {
        if (cls && sameName(cls->name, name)) return cls;
    }
    return nullptr;
}

inline const ClassInfo* lookup(std::string_view name) {
    if (const ClassInfo* cls = lookupRecent(name)) return cls;
    return lookupInTable(name);
}

const ClassInfo* lookupInTable(std::string_view name) {
    const auto it = table().find(upper(name));
    if (it == table().end()) return nullptr;
    std::rotate(recentlyFound.rbegin(), recentlyFound.rbegin() + 1, recentlyFound.rend());
    recentlyFound[0] = it->second;
    return it->second;
}
}  // namespace

const ClassInfo TBase::info{"TBase", &persistentInfo, nullptr};

bool TBase::sameClass(const TBase& other) const {
    return &classInfo() == &other.classInfo() || equalIgnoringCase(className(), other.className());
}

void abstractCalled(std::string_view className, std::string_view operation) {
    (void)className;  // the message names the declaring class, as the program always did
    fatalStop("TBase." + std::string(operation) +
              " wurde nicht überschrieben - das Programm wird daher abgebrochen");
}

void TBase::writeValue(TextOutput&) const { abstractCalled(className(), "writeValue"); }
void TBase::saveValue(TWriter&) const { abstractCalled(className(), "saveValue"); }
void TBase::loadValue(TReader&) { abstractCalled(className(), "loadValue"); }
std::int32_t TBase::compare(const TBase&) const { abstractCalled(className(), "compare"); }
std::unique_ptr<TBase> TBase::copy() const { abstractCalled(className(), "copy"); }
void TBase::paintValue(Surface&, int, int) const { abstractCalled(className(), "paintValue"); }

namespace registry {

void registerClass(const ClassInfo& info) {
    for (const ClassInfo* cls = &info; cls != nullptr; cls = cls->parent) {
        if (const ClassInfo* present = lookup(cls->name)) {
            if (present != cls) {
                throw FileError("Klasse mit der Bezeichnung " + std::string(cls->name) +
                                " existiert bereits");
            }
            return;
        }
        table().emplace(upper(cls->name), cls);
    }
}

namespace {
// Kept out of find, which runs once for every element of a file and then
// mostly finds a recent class without a call.
[[gnu::noinline]] const ClassInfo& findInTable(std::string_view name) {
    if (const ClassInfo* cls = lookupInTable(name)) return *cls;
    throw FileError("Klasse " + cp1252::excerptUtf8(name) + " nicht gefunden");
}
}  // namespace

const ClassInfo& find(std::string_view name) {
    if (const ClassInfo* cls = lookupRecent(name)) return *cls;
    return findInTable(name);
}

bool contains(std::string_view name) { return lookup(name) != nullptr; }

void clear() {
    table().clear();
    recentlyFound.fill(nullptr);
}

}  // namespace registry

void registerElementClasses() {
    for (const ClassInfo* cls :
         {&TBase::info, &TChar::info, &TString::info, &TInteger::info, &TInt64::info, &TByte::info,
          &TWord::info, &TLongint::info, &TReal::info, &TExtended::info, &TBoolean::info,
          &TTColor::info, &TTBruch::info}) {
        registry::registerClass(*cls);
    }
}

// TString

const ClassInfo TString::info{"TString", &TBase::info, []() -> std::unique_ptr<TBase> {
                                  return std::make_unique<TString>();
                              }};

void TString::saveValue(TWriter& writer) const { writer.writeString(value_); }

void TString::loadValue(TReader& reader) { reader.readString(value_); }

std::int32_t TString::compare(const TBase& other) const {
    if (!sameClass(other)) return kOtherClass;
    // std::string compares char_traits<char>, which orders bytes unsigned.
    const int order = value_.compare(static_cast<const TString&>(other).value_);
    return order < 0 ? kLess : (order > 0 ? kGreater : kEqual);
}

std::unique_ptr<TBase> TString::copy() const { return std::make_unique<TString>(value_); }

// TInteger

const ClassInfo TInteger::info{"TInteger", &TBase::info, []() -> std::unique_ptr<TBase> {
                                   return std::make_unique<TInteger>();
                               }};

void TInteger::saveValue(TWriter& writer) const { writer.writeInteger(value_); }

void TInteger::loadValue(TReader& reader) { value_ = reader.readInteger(); }

std::int32_t TInteger::compare(const TBase& other) const {
    if (!sameClass(other)) return kOtherClass;
    return threeWay(value_, static_cast<const TInteger&>(other).value_);
}

std::unique_ptr<TBase> TInteger::copy() const { return std::make_unique<TInteger>(value_); }
