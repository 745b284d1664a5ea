// Whether a structure file can be written at a path, proved without touching
// the file that is there: saving writes a new file beside the target and
// renames it over the target only when it is complete, so the test is whether
// a file can be created in the same folder and, when the target exists,
// whether it is a writable plain file. A writable file in a folder where no
// file can be created passes too: the save then writes it in place. Symbolic
// links are followed as the save follows them. Qt-free.
#pragma once

#include <string>

namespace fileprobe {

// Empty when a save to fileName can go ahead; otherwise the German reason
// (as in the file messages) why not. A new file is created beside the file
// the name leads to and removed again at once; the file at fileName is never
// opened for writing, emptied or changed.
std::string refusal(const std::string& fileName);

// refusal(fileName) is empty.
bool canWrite(const std::string& fileName);

}  // namespace fileprobe
