#include "workbench/inspect.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <memory>
#include <mutex>
#include <new>
#include <string_view>
#include <utility>

#include "demo/avltreedemo.h"
#include "demo/bayertreedemo.h"
#include "demo/searchtreedemo.h"
#include "demo/treepage.h"
#include "elements/base.h"
#include "elements/drawingrecord.h"
#include "elements/elementtext.h"
#include "elements/errors.h"
#include "elements/platform.h"
#include "linear/displaystrings.h"
#include "linear/fifo.h"
#include "linear/lifo.h"
#include "linear/listdemo.h"
#include "linear/listdisplay.h"
#include "linear/liste.h"
#include "trees/avltree.h"
#include "trees/bayertree.h"
#include "trees/bintree.h"
#include "trees/ntree.h"
#include "workbench/allclasses.h"
#include "workbench/linecollector.h"
#include "workbench/ntreedemo.h"
#include "workbench/ntreedisplay.h"

namespace inspect {

namespace {

// ---------------------------------------------------------------------------
// The screens a page lends its structure, reduced to what the summary needs.

// Thrown where the program would show a fatal message and end.
struct StopSeen {
    std::string text;
};

// Keeps each message box text once; a fatal stop ends the load instead of
// the process.
class CollectingMessages final : public UserMessages {
public:
    void information(std::string_view utf8) override { note(utf8); }
    void error(std::string_view utf8) override { note(utf8); }
    void fatalStop(std::string_view utf8) override { throw StopSeen{std::string(utf8)}; }

    std::vector<std::string> notes;

private:
    void note(std::string_view utf8) {
        if (std::find(notes.begin(), notes.end(), utf8) == notes.end()) notes.emplace_back(utf8);
    }
};

// An image nobody looks at: the page image's size, every drawing call
// ignored.
class NullSurface final : public Surface {
public:
    int width() const override { return 497; }
    int height() const override { return 293; }
    void setFontName(std::string_view) override {}
    void setFontSize(int) override {}
    void setFontBold(bool) override {}
    void setFontColor(Color) override {}
    void setPenColor(Color) override {}
    void setBrushColor(Color) override {}
    void textOut(int, int, std::string_view) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void rectangle(int, int, int, int) override {}
    void fillRect(int, int, int, int) override {}
};

// The "Suchbaum" or "AVL-Baum" page: fields kept, the image ignored or lent
// (a picture's recorder).
class FieldTreePage final : public TreePage {
public:
    explicit FieldTreePage(bool hasBalancedField, Surface* image = nullptr)
        : hasBalancedField_(hasBalancedField), lentImage_(image) {}
    Surface& image() override { return lentImage_ ? *lentImage_ : image_; }
    TextOutput& infoField() override { return info_; }
    TextOutput& entryField() override { return entry_; }
    TextOutput& depthField() override { return depth_; }
    TextOutput& countField() override { return count_; }
    TextOutput* balancedField() override { return hasBalancedField_ ? &balanced_ : nullptr; }
    DrawingRecord shownPicture() const override { return {}; }

private:
    bool hasBalancedField_;
    Surface* lentImage_;
    NullSurface image_;
    LineCollector info_, entry_, depth_, count_, balanced_;
};

// The "NBaum" page's tree view as items with their levels, in the order the
// page adds them.
class ItemDisplay final : public NtreeDisplay {
public:
    struct Entry {
        int level;
        std::string text;
        std::vector<Item> children;
    };

    void clearView() override { items.clear(); }
    Item addTopItem(std::string_view utf8) override { return add(1, utf8); }
    Item addChildItem(Item parent, std::string_view utf8) override {
        const Item item = add(items[parent].level + 1, utf8);
        items[parent].children.push_back(item);
        return item;
    }
    void expandAll() override {}
    void markCurrent(Item) override {}
    TextOutput& countField() override { return count; }
    TextOutput& depthField() override { return depth; }

    std::vector<Entry> items;
    LineCollector count, depth;

private:
    Item add(int level, std::string_view utf8) {
        items.push_back({level, std::string(utf8), {}});
        return items.size() - 1;
    }
};

// ---------------------------------------------------------------------------
// Texts.

// The text of the general error box for the exception being handled.
std::string errorText() {
    try {
        throw;
    } catch (const StopSeen& stop) {
        return stop.text;
    } catch (const FileError& e) {
        return e.what();
    } catch (const std::bad_alloc&) {
        return guardtext::outOfMemory;
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return guardtext::unknown;
    }
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

// A whole number as it stands (the keys of the tree pages are integers), or
// else a JSON string.
std::string jsonNumber(const std::string& text) {
    const std::ptrdiff_t sign = !text.empty() && text[0] == '-' ? 1 : 0;
    const bool number = static_cast<std::ptrdiff_t>(text.size()) > sign &&
                        std::all_of(text.begin() + sign, text.end(),
                                    [](unsigned char c) { return std::isdigit(c) != 0; });
    return number ? text : jsonString(text);
}

template <typename Items, typename Format>
std::string jsonArray(const Items& items, Format&& format) {
    std::string out = "[";
    for (const auto& item : items) {
        if (out.size() > 1) out += ',';
        out += format(item);
    }
    return out + ']';
}

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string out;
    for (const std::string& part : parts) {
        if (!out.empty()) out += separator;
        out += part;
    }
    return out;
}

// ---------------------------------------------------------------------------
// The seven pages' Load and refresh.

// What the loaders are asked for: the parts of the report, and the text
// widths of the picture's layout.
struct Request {
    Parts parts;
    Surface* measure;
};

// The page images' sizes: "Suchbaum", "AVL-Baum", "BayerBaum".
constexpr int kSearchImage[] = {497, 293};
constexpr int kAvlImage[] = {505, 293};
constexpr int kBayerImage[] = {497, 305};

// The first `most` elements (memo texts) from the list's start, the cursor
// put back.
std::vector<std::string> listElements(TListe& list, std::size_t most) {
    const std::uint16_t position = list.position();
    std::vector<std::string> texts;
    texts.reserve(std::min<std::size_t>(list.count(), most));
    for (list.reset(); !list.isAtEnd() && texts.size() < most; list.advance()) {
        texts.push_back(elementtext::memoText(*list.elem()));
    }
    list.moveTo(position);
    return texts;
}

// "Liste": clear, loadFromFile; the memo shows what was read, also after an
// error.
void loadList(Report& report, const Request& request) {
    TListDemo list;
    try {
        list.clear();
        list.loadFromFile(report.file);
        report.valid = true;
    } catch (...) {
        report.message = errorText();
    }
    // The memo's count and position are the list's.
    report.count = list.count();
    const std::uint16_t position = list.position();
    if (request.parts.lines) report.lines = splitLines(renderList(list).text);
    const std::size_t wanted = request.parts.content   ? list.count()
                               : request.parts.picture ? structurepicture::kMostShown
                                                       : 0;
    const std::vector<std::string> elements = listElements(list, wanted);
    if (request.parts.content) {
        const auto string = [](const std::string& s) { return jsonString(s); };
        report.content = "{\"position\":" + std::to_string(position) +
                         ",\"elemente\":" + jsonArray(elements, string) + '}';
    }
    if (request.parts.picture) {
        report.picture = structurepicture::linearPicture(structurepicture::Row::list, elements,
                                                         list.count(), position, request.measure);
    }
}

// "Keller" and "Schlange": a new (emptied) structure, load, then the memo.
template <typename Structure, structurepicture::Row row>
void loadLinear(Report& report, const Request& request) {
    Structure structure;
    try {
        structure.load(report.file);
        report.valid = true;
    } catch (...) {
        report.message = errorText();
    }
    report.count = structure.count();
    if (request.parts.lines || request.parts.content) {
        LineCollector memo;
        structure.write(memo);
        std::vector<std::string> lines;
        if (memo.lineCount() > 0) lines = splitLines(memo.text());
        if (request.parts.content) {
            const auto string = [](const std::string& s) { return jsonString(s); };
            report.content = "{\"elemente\":" + jsonArray(lines, string) + '}';
        }
        if (request.parts.lines) report.lines = std::move(lines);
    }
    if (request.parts.picture) {
        structurepicture::ShownLines shown;
        structure.write(shown);
        report.picture =
            structurepicture::linearPicture(row, shown.lines(), shown.count(), -1, request.measure);
    }
}

// The keys of a binary tree level by level, left to right (as the "Ebenen"
// listing walks it).
std::vector<std::vector<std::string>> binaryLevels(const TBinTree& tree) {
    std::vector<std::vector<std::string>> levels;
    std::vector<const TBinTreeNode*> level;
    if (tree.root) level.push_back(tree.root.get());
    std::vector<const TBinTreeNode*> next;
    while (!level.empty()) {
        auto& texts = levels.emplace_back();
        next.clear();
        for (const TBinTreeNode* node : level) {
            if (node->getValue()) texts.push_back(elementtext::valueText(*node->getValue()));
            if (node->getLeft()) next.push_back(node->getLeft());
            if (node->getRight()) next.push_back(node->getRight());
        }
        level.swap(next);
    }
    return levels;
}

// "Suchbaum" and "AVL-Baum": a new tree reads the file; a refused file
// leaves a new empty tree. zeichne fills depth, count and "JA" / "Nein".
template <typename Tree>
void loadBinaryTree(Report& report, bool hasBalancedField, const int (&size)[2],
                    const Request& request) {
    const bool picture = request.parts.picture;
    DrawingRecorder image(size[0], size[1], request.measure);
    FieldTreePage page(hasBalancedField, picture ? &image : nullptr);
    auto tree = std::make_unique<Tree>(page);
    try {
        tree->load(report.file);
        report.valid = true;
    } catch (...) {
        report.message = errorText();
        tree = std::make_unique<Tree>(page);
    }
    tree->zeichne();
    if (picture) report.picture = structurepicture::imagePicture(size[0], size[1], image.record());
    report.count = std::stoi(page.countField().text());
    if (!report.valid) return;
    report.depth = std::stoi(page.depthField().text());
    // The AVL page has no balanced field; its tree answers the same check.
    report.balanced = hasBalancedField ? page.balancedField()->text() == "JA" : tree->balanced();
    const auto levels = binaryLevels(*tree);
    for (const auto& level : levels) report.lines.push_back(joined(level, "  "));
    report.content =
        "{\"ebenen\":" +
        jsonArray(levels, [](const auto& level) { return jsonArray(level, jsonNumber); }) + '}';
}

// "BayerBaum": as the search tree; the page shows the count only, the depth
// is the number of levels.
void loadBayerTree(Report& report, const Request& request) {
    auto tree = std::make_unique<TBayerTreeDemo>();
    try {
        tree->load(report.file);
        report.valid = true;
    } catch (...) {
        report.message = errorText();
        tree = std::make_unique<TBayerTreeDemo>();
    }
    NullSurface nullImage;
    DrawingRecorder image(kBayerImage[0], kBayerImage[1], request.measure);
    LineCollector count;
    if (request.parts.picture) {
        tree->zeichne(image, count);
        report.picture =
            structurepicture::imagePicture(kBayerImage[0], kBayerImage[1], image.record());
    } else {
        tree->zeichne(nullImage, count);
    }
    report.count = std::stoi(count.text());
    if (!report.valid) return;
    report.depth = tree->depth();

    // Pages level by level; each page as its keys.
    std::vector<std::vector<std::vector<std::string>>> levels;
    std::vector<const TBayerTreeNode*> level;
    if (tree->root()) level.push_back(tree->root());
    std::vector<const TBayerTreeNode*> next;
    while (!level.empty()) {
        auto& pages = levels.emplace_back();
        next.clear();
        for (const TBayerTreeNode* page : level) {
            auto& keys = pages.emplace_back();
            for (int i = 1; i <= page->count(); ++i)
                keys.push_back(TBayerTree::keyText(page->key(i)));
            for (int i = 0; i <= page->count(); ++i) {
                if (page->child(i)) next.push_back(page->child(i));
            }
        }
        level.swap(next);
    }
    for (const auto& pages : levels) {
        std::vector<std::string> shown;
        for (const auto& keys : pages) shown.push_back('[' + joined(keys, " ") + ']');
        report.lines.push_back(joined(shown, "  "));
    }
    report.content = "{\"ebenen\":" +
                     jsonArray(levels,
                               [](const auto& pages) {
                                   return jsonArray(pages, [](const auto& keys) {
                                       return jsonArray(keys, jsonNumber);
                                   });
                               }) +
                     '}';
}

// "NBaum": a new tree reads the file; showTree fills the view and the count
// and depth fields (a refused or empty file shows 0 and 0).
void loadNtree(Report& report, const Request& request) {
    ItemDisplay display;
    auto tree = std::make_unique<TNtreeDemo>(display);
    try {
        tree->load(report.file);
        report.valid = true;
    } catch (...) {
        report.message = errorText();
        tree = std::make_unique<TNtreeDemo>(display);
    }
    display.clearView();
    tree->showTree();
    report.count = tree->empty() ? 0 : std::stoi(display.count.text());
    const bool picture = request.parts.picture;
    if (picture && !report.valid)
        report.picture = structurepicture::ntreePicture({}, request.measure);
    if (!report.valid) return;
    report.depth = tree->empty() ? 0 : std::stoi(display.depth.text());

    // Pre-order from the top item, children in the order of the view.
    std::string nodes;
    std::vector<structurepicture::OutlineNode> outline;
    std::vector<ItemDisplay::Item> pending;
    if (!display.items.empty()) pending.push_back(0);
    while (!pending.empty()) {
        const ItemDisplay::Entry& entry = display.items[pending.back()];
        pending.pop_back();
        if (request.parts.lines) report.lines.push_back(outlineLine(entry.level, entry.text));
        if (picture) outline.push_back({entry.level, entry.text});
        if (request.parts.content) {
            if (!nodes.empty()) nodes += ',';
            nodes += "{\"ebene\":" + std::to_string(entry.level) +
                     ",\"text\":" + jsonString(entry.text) + '}';
        }
        pending.insert(pending.end(), entry.children.rbegin(), entry.children.rend());
    }
    if (request.parts.content) report.content = "{\"knoten\":[" + nodes + "]}";
    if (picture) report.picture = structurepicture::ntreePicture(outline, request.measure);
}

// The Load of each page, in the order of structurefiles::Kind.
using Loader = void (*)(Report&, const Request&);
constexpr Loader kLoaders[] = {
    loadList,
    loadLinear<TLifo, structurepicture::Row::stack>,
    loadLinear<TFifo, structurepicture::Row::queue>,
    [](Report& report, const Request& request) {
        loadBinaryTree<TSearchTreeDemo>(report, true, kSearchImage, request);
    },
    [](Report& report, const Request& request) {
        loadBinaryTree<TAvlTreeDemo>(report, false, kAvlImage, request);
    },
    loadBayerTree,
    loadNtree,
};

}  // namespace

const structurefiles::FileType* typeOf(std::string_view fileName) {
    return structurefiles::typeOf(fileName);
}

Report inspectFile(const std::string& fileName, const Parts& parts, Surface* measure) {
    registerAllClasses();
    Report report;
    report.file = fileName;
    report.type = typeOf(fileName);
    if (!report.type) {
        report.message = kUnknownType;
        return report;
    }
    CollectingMessages messages;
    const ScopedUserMessages scope(messages);
    try {
        kLoaders[static_cast<std::size_t>(report.type->kind)](report, Request{parts, measure});
    } catch (...) {
        // The refresh after the load failed (the program would show this
        // text and keep an empty page).
        Report refused;
        refused.file = fileName;
        refused.type = report.type;
        refused.message = errorText();
        report = std::move(refused);
    }
    report.notes = std::move(messages.notes);
    return report;
}

std::string outlineLine(int level, std::string_view text) {
    if (level <= kDeepestIndentedLevel) {
        return std::string(2 * static_cast<std::size_t>(std::max(0, level - 1)), ' ') +
               std::string(text);
    }
    return std::string(2 * kDeepestIndentedLevel, ' ') + "Ebene " + std::to_string(level) + ": " +
           std::string(text);
}

std::string printable(std::string text) {
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) c = '?';
    }
    return text;
}

std::string summaryLine(const Report& report) {
    std::string line = report.file + ": ";
    if (report.type) {
        line += std::string(report.type->page) + ", Anzahl Elemente " +
                std::to_string(report.count) + ", ";
    }
    if (report.depth) line += "Tiefe " + std::to_string(*report.depth) + ", ";
    if (report.balanced)
        line += std::string("Ausgeglichen ") + (*report.balanced ? "JA" : "Nein") + ", ";
    line += report.valid ? "gültig" : report.message;
    for (const std::string& note : report.notes) line += "; Meldung: " + note;
    return printable(std::move(line));
}

std::string jsonLine(const Report& report) {
    std::string out = "{\"datei\":" + jsonString(report.file) +
                      ",\"typ\":" + (report.type ? jsonString(report.type->page) : "null") +
                      ",\"gueltig\":" + (report.valid ? "true" : "false");
    if (report.type) out += ",\"anzahl\":" + std::to_string(report.count);
    if (report.depth) out += ",\"tiefe\":" + std::to_string(*report.depth);
    if (report.balanced)
        out += std::string(",\"ausgeglichen\":") + (*report.balanced ? "true" : "false");
    if (!report.valid) out += ",\"meldung\":" + jsonString(report.message);
    if (!report.notes.empty()) {
        out += ",\"meldungen\":" +
               jsonArray(report.notes, [](const std::string& s) { return jsonString(s); });
    }
    if (!report.content.empty()) out += ",\"inhalt\":" + report.content;
    return out + '}';
}

std::string jsonString(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if (c == '"' || c == '\\') {
                out += '\\';
                out += static_cast<char>(c);
            } else if (c == '\n') {
                out += "\\n";
            } else if (c < 0x20 || c == 0x7F) {
                out += "\\u00";
                out += kHex[c >> 4];
                out += kHex[c & 0xF];
            } else {
                out += static_cast<char>(c);
            }
            ++i;
            continue;
        }
        // A well-formed UTF-8 sequence passes as it is (no overlong forms,
        // no surrogates, nothing above U+10FFFF); anything else is one
        // U+FFFD per byte.
        const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
        bool ok = length != 0 && c <= 0xF4 && i + length <= text.size();
        for (std::size_t k = 1; ok && k < length; ++k) {
            ok = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        }
        if (ok && length >= 3) {
            const auto second = static_cast<unsigned char>(text[i + 1]);
            ok = !(c == 0xE0 && second < 0xA0) && !(c == 0xED && second >= 0xA0) &&
                 !(c == 0xF0 && second < 0x90) && !(c == 0xF4 && second >= 0x90);
        }
        if (ok) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out + '"';
}

}  // namespace inspect
