// inspect: one structure file as its page of the main window sees it. The
// file's type follows from its extension; the file is loaded by the page's own
// structure class (the demonstration trees with their element checks, the
// list, stack and queue with theirs), the page's refresh runs against do-
// nothing screens that keep only the fields, and what the page would then show
// is collected: count, depth, "JA" / "Nein", the structure, and the German
// text of the general error box when the file is refused. Qt-free: the core
// behind tessaro-inspect.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "workbench/structurefiles.h"
#include "workbench/structurepicture.h"

namespace inspect {

// The message for a name without one of the seven extensions.
inline constexpr const char* kUnknownType =
    "Unbekannter Dateityp - erwartet wird .ldt, .kdt, .sdt, .tdt, .adt, .bdt oder .ndt";

// The n-ary tree's lines are indented two blanks per level down to this
// level; a deeper node's line is indented as one level deeper and starts
// with "Ebene N: ", so that no line of a tree of any depth grows wider.
inline constexpr int kDeepestIndentedLevel = 32;

// What the page shows after loading one file. Texts are UTF-8.
struct Report {
    std::string file;  // the name as given
    // The type by the extension; null when it is none of the seven.
    const structurefiles::FileType* type = nullptr;
    bool valid = false;
    // When refused: the text of the error box (or kUnknownType).
    std::string message;
    // Message boxes the page showed while loading, in order, each text once.
    std::vector<std::string> notes;
    // The count the page shows afterwards: elements kept from a refused
    // list, stack or queue; 0 for a refused tree.
    int count = 0;
    // Trees, valid files only: the depth (levels of the B-tree) and, for the
    // search tree and the AVL tree, the page's balanced check.
    std::optional<int> depth;
    std::optional<bool> balanced;
    // The structure as text: the list memo with its cursor, the stack from
    // the top, the queue from the front, a binary tree level by level (the
    // "Ebenen" listing), the B-tree's pages level by level, the n-ary tree
    // in pre-order as outlineLine puts each node.
    std::vector<std::string> lines;
    // The same structure as one JSON value (see jsonLine).
    std::string content;
    // When asked for: the page's picture after the load (PagePicture), as
    // the page's "Bild speichern…" writes it.
    std::optional<PagePicture> picture;
};

// The type whose extension fileName has (letter case ignored), or null.
const structurefiles::FileType* typeOf(std::string_view fileName);

// The parts of a report beyond the summary that are made: each costs
// memory in proportion to the structure (the list's texts several times).
struct Parts {
    bool lines = true;     // Report::lines
    bool content = true;   // Report::content
    bool picture = false;  // Report::picture
};

// Loads the file as its page would. Never throws for anything the file
// holds; a file that would stop the program is refused with the stop text.
// The report carries the parts asked for (the trees' small listings always);
// measure (lent, may be null) gives the text widths of the picture's layout.
Report inspectFile(const std::string& fileName, const Parts& parts = {},
                   Surface* measure = nullptr);

// A node of the n-ary tree at the level (the root's is 1) as a line of the
// listing: indented two blanks per level, beyond kDeepestIndentedLevel
// "Ebene N: " in front of the text instead.
std::string outlineLine(int level, std::string_view text);

// The text with every control character (line breaks too) as "?", so that it
// stays on one line of a terminal.
std::string printable(std::string text);

// "<file>: <page>, Anzahl Elemente <n>[, Tiefe <d>][, Ausgeglichen JA|Nein],
// gültig" or "<file>: <page>, Anzahl Elemente <n>, <error text>"; messages
// shown while loading follow as "; Meldung: <text>". Made printable.
std::string summaryLine(const Report& report);

// One JSON object on one line: "datei", "typ" (page name or null),
// "gueltig", "anzahl", "tiefe" and "ausgeglichen" where they apply,
// "meldung" when refused, "meldungen" when messages were shown, "inhalt":
//   Liste      {"position": p, "elemente": [memo texts]}
//   Keller     {"elemente": [top first]}
//   Schlange   {"elemente": [front first]}
//   Suchbaum, AVL-Baum  {"ebenen": [[numbers of level 1], ...]}
//   BayerBaum  {"ebenen": [[[keys of a page], ...] per level]}
//   NBaum      {"knoten": [{"ebene": l, "text": t}, ...] in pre-order}
std::string jsonLine(const Report& report);

// A JSON string literal for the text; bytes that are no valid UTF-8 become
// U+FFFD.
std::string jsonString(std::string_view text);

}  // namespace inspect
