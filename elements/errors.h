// File errors: every failure to create, open, read or write a structure file,
// and every refused file content, is a FileError carrying the German text the
// user sees (UTF-8). The GUI shows them in its general error box.
#pragma once

#include <stdexcept>
#include <string>

class FileError : public std::runtime_error {
public:
    explicit FileError(const std::string& utf8) : std::runtime_error(utf8) {}
};

namespace errtext {
inline constexpr const char* invalidValue = "Ungültiger Eigenschaftswert";
inline constexpr const char* readError = "Stream-Lesefehler";
inline constexpr const char* writeError = "Stream-Schreibfehler";
// The reason given for a name that is neither a regular file nor a folder.
inline constexpr const char* notRegularFile = "Der Name bezeichnet keine gewöhnliche Datei.";
}  // namespace errtext

// What the general error box says for errors that carry no German text of
// their own (the program's guard and tessaro-inspect both show these).
namespace guardtext {
inline constexpr const char* outOfMemory = "Zu wenig Arbeitsspeicher";
inline constexpr const char* unknown = "Unbekannter Fehler";
}  // namespace guardtext
