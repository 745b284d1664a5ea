// Element records shared by all container files: the class name as a string,
// then what the element's saveValue writes.
#pragma once

#include <memory>

class TBase;
class TWriter;
class TReader;

void saveElement(TWriter& writer, const TBase& element);
// Reads the class name, finds the class (letter case ignored), makes a default
// instance and loads its value. Throws FileError for an unknown class
// ("Klasse %s nicht gefunden"), for a class that cannot be an element, and for
// the reader's errors.
std::unique_ptr<TBase> loadElement(TReader& reader);
