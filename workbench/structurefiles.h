// The seven structure file types of the workbench: for each the page that
// saves and loads it (its tab caption), the file extension without the dot
// and the file dialogs' filter. The pages and tessaro-inspect both read them
// here, so a file type is named in one place only. Qt-free.
#pragma once

#include <cstddef>
#include <string_view>

namespace structurefiles {

enum class Kind { list, stack, queue, searchTree, avlTree, bayerTree, ntree };

struct FileType {
    Kind kind;
    const char* page;       // the tab caption, UTF-8
    const char* extension;  // without the dot
    const char* filter;     // description|pattern, UTF-8
};

// In the order of the main window's tabs.
inline constexpr FileType kTypes[] = {
    {Kind::list, "Liste", "ldt", "Listen (*.ldt)|*.ldt"},
    {Kind::stack, "Keller", "kdt", "Keller (*.kdt)|*.kdt"},
    {Kind::queue, "Schlange", "sdt", "Schlangen (*.sdt)|*.sdt"},
    {Kind::searchTree, "Suchbaum", "tdt", "Binäre Suchbäume (*.tdt)|*.tdt"},
    {Kind::avlTree, "AVL-Baum", "adt", "AVL-Bäume (*.adt)|*.adt"},
    {Kind::bayerTree, "BayerBaum", "bdt", "Bayer-Bäume (*.bdt)|*.bdt"},
    {Kind::ntree, "NBaum", "ndt", "N-Bäume (*.ndt)|*.ndt"},
};

constexpr const FileType& type(Kind kind) { return kTypes[static_cast<std::size_t>(kind)]; }

// The type whose extension fileName has, letter case ignored, or null. The
// extension follows the last dot of the name's last path component.
constexpr const FileType* typeOf(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || fileName.find('/', dot) != std::string_view::npos) {
        return nullptr;
    }
    const std::string_view extension = fileName.substr(dot + 1);
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    for (const FileType& type : kTypes) {
        const std::string_view wanted(type.extension);
        bool same = extension.size() == wanted.size();
        for (std::size_t i = 0; same && i < wanted.size(); ++i)
            same = lower(extension[i]) == wanted[i];
        if (same) return &type;
    }
    return nullptr;
}

}  // namespace structurefiles
