#include "elements/elementio.h"

#include <string>

#include "elements/base.h"
#include "elements/errors.h"
#include "elements/reader.h"
#include "elements/writer.h"

void saveElement(TWriter& writer, const TBase& element) {
    writer.writeString(element.className());
    element.saveValue(writer);
}

namespace {
// Longer than any class name can be: a longer name in a file is read only this
// far (and then not found), so a huge length field costs nothing.
constexpr std::size_t kLongestClassName = 255;
}  // namespace

std::unique_ptr<TBase> loadElement(TReader& reader) {
    const std::string_view name = reader.readStringLent(kLongestClassName);
    const ClassInfo& cls = registry::find(name);
    // Base and container classes are registered but hold no value of their
    // own; a file that names one is refused like an unknown class.
    if (cls.makeDefault == nullptr) {
        throw FileError("Klasse " + std::string(cls.name) +
                        " kann nicht als Element geladen werden");
    }
    std::unique_ptr<TBase> element = cls.makeDefault();
    element->loadValue(reader);
    return element;
}
