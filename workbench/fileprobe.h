// Whether a structure file can be written at a path, proved without touching
// the file that is there: saving writes a new file beside the target and
// renames it over the target only when it is complete, so the test is whether
// a file can be created in the same folder and, when the target exists,
// whether it is a writable plain file. Qt-free.
#pragma once

#include <string>

namespace fileprobe {

// True when a new file can be created beside fileName (created and removed
// again at once) and fileName is either absent or a writable regular file.
// The file at fileName is never opened for writing, emptied or changed.
bool canWrite(const std::string& fileName);

}  // namespace fileprobe
