// The user messages that more than one page or layer shows, each defined
// once. UTF-8.
#pragma once

namespace message {

inline constexpr const char* noEntry = "Es ist kein Element eingegeben worden";
inline constexpr const char* present = "Element ist vorhanden";
inline constexpr const char* absent = "Element ist nicht vorhanden";
inline constexpr const char* alreadyPresent = "Element ist bereits vorhanden";
// An entry that is no key of the tree pages (whole numbers 1 to 99).
inline constexpr const char* treeNumberRange = "Ganze Zahl von 1 bis 99 eingeben";
inline constexpr const char* treeEmpty = "Der Baum ist leer";
inline constexpr const char* cannotCreate = "Datei konnte nicht angelegt werden";
// A full stack or queue.
inline constexpr const char* overflow = "Überlauf";

}  // namespace message
