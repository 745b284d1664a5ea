// tessaro-inspect's core: files of all seven types saved by the core, refused
// and truncated files, the summary line, --show and --json and the exit
// status of the command.
#include "workbench/inspect.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "demo/bayertreedemo.h"
#include "elements/base.h"
#include "linear/displaystrings.h"
#include "linear/fifo.h"
#include "linear/lifo.h"
#include "linear/liste.h"
#include "trees/avltree.h"
#include "trees/ntree.h"
#include "trees/searchtree.h"
#include "trees/treeinteger.h"
#include "workbench/inspectcommand.h"

namespace fs = std::filesystem;

namespace {

template <typename Tree>
void saveIntegers(Tree& tree, std::initializer_list<int> keys, const std::string& file) {
    for (int k : keys) tree.insert(std::make_unique<TTreeInteger>(k));
    tree.save(file);
}

// Writes one small structure of the kind named by the file's extension, saved
// by the core's own save.
void saveSample(const std::string& file) {
    std::string ext = fs::path(file).extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".ldt") {
        TListe list;
        list.append(std::make_unique<TString>("Anna"));
        list.append(std::make_unique<TInteger>(42));
        list.append(std::make_unique<TString>("Zo\xEB"));  // Windows-1252 ë
        list.saveToFile(file);
    } else if (ext == ".kdt") {
        TLifo stack;
        for (const char* s : {"A", "B", "C"}) stack.push(std::make_unique<TLifoString>(s));
        stack.save(file);
    } else if (ext == ".sdt") {
        TFifo queue;
        for (const char* s : {"A", "B"}) queue.insert(std::make_unique<TFifoString>(s));
        queue.save(file);
    } else if (ext == ".tdt") {
        TSearchTree tree;
        saveIntegers(tree, {5, 3, 8, 1}, file);
    } else if (ext == ".adt") {
        TAvlTree tree;
        saveIntegers(tree, {1, 2, 3}, file);
    } else if (ext == ".bdt") {
        TBayerTreeDemo tree;
        for (const char* k : {"1", "2", "3", "4", "5"}) ASSERT_EQ(tree.insertQuietly(k), "");
        tree.save(file);
    } else if (ext == ".ndt") {
        TNtree tree;
        tree.createRoot(std::make_unique<TString>("A"), std::make_unique<TListe>());
        auto child = [](const char* s) {
            return std::make_unique<TNtreeNode>(std::make_unique<TString>(s),
                                                std::make_unique<TListe>());
        };
        tree.root->insertChildN(0, child("B"));
        tree.root->insertChildN(1, child("C"));
        tree.root->getChildN(0)->insertChildN(0, child("D"));
        tree.save(file);
    }
}

std::string bytesOf(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const std::string& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

class Inspect : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tessaro-inspect-test-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    // Runs the command; out and err as printed.
    int run(std::vector<std::string> args) {
        std::ostringstream out, err;
        const int status = inspect::run(args, out, err);
        out_ = out.str();
        err_ = err.str();
        return status;
    }

    fs::path dir_;
    std::string out_, err_;
};

struct FileCase {
    const char* name;
    // Makes the file at the path (the sample of its extension when null).
    std::function<void(const std::string&)> make;
    const char* summary;  // after "<path>: "
    bool valid;
};

const std::vector<FileCase>& fileCases() {
    static const std::vector<FileCase> cases = {
        {"a.ldt", nullptr, "Liste, Anzahl Elemente 3, gültig", true},
        {"a.kdt", nullptr, "Keller, Anzahl Elemente 3, gültig", true},
        {"a.sdt", nullptr, "Schlange, Anzahl Elemente 2, gültig", true},
        {"a.tdt", nullptr, "Suchbaum, Anzahl Elemente 4, Tiefe 3, Ausgeglichen JA, gültig", true},
        {"a.adt", nullptr, "AVL-Baum, Anzahl Elemente 3, Tiefe 2, Ausgeglichen JA, gültig", true},
        {"a.bdt", nullptr, "BayerBaum, Anzahl Elemente 5, Tiefe 2, gültig", true},
        {"a.ndt", nullptr, "NBaum, Anzahl Elemente 4, Tiefe 3, gültig", true},
        {"GROSS.TDT", nullptr, "Suchbaum, Anzahl Elemente 4, Tiefe 3, Ausgeglichen JA, gültig",
         true},
        {"kette.tdt",
         [](const std::string& f) {
             TSearchTree tree;
             saveIntegers(tree, {1, 2, 3}, f);
         },
         "Suchbaum, Anzahl Elemente 3, Tiefe 3, Ausgeglichen Nein, gültig", true},
        // The list page keeps the elements read before the end of the file.
        {"kurz.ldt",
         [](const std::string& f) {
             saveSample(f);
             const std::string bytes = bytesOf(f);
             writeBytes(f, bytes.substr(0, bytes.size() - 1));
         },
         "Liste, Anzahl Elemente 2, Stream-Lesefehler", false},
        {"zahlen.tdt",
         [](const std::string& f) {
             TSearchTree tree;
             tree.insert(std::make_unique<TInteger>(7));
             tree.save(f);
         },
         "Suchbaum, Anzahl Elemente 0, Die Datei enthält keinen Baum dieser Seite - die "
         "Elemente sind keine ganzen Zahlen (TTreeInteger)",
         false},
        {"texte.kdt",
         [](const std::string& f) {
             TLifo stack;
             stack.push(std::make_unique<TString>("x"));
             stack.save(f);
         },
         "Keller, Anzahl Elemente 0, Die Datei enthält keinen gültigen Keller: die Elemente "
         "sind von der Klasse TString statt TLifoString",
         false},
        // A name with a line break stays on its summary line.
        {"umbruch.ldt",
         [](const std::string& f) { writeBytes(f, std::string("\x02\x01\x06\x03T\nX", 7)); },
         "Liste, Anzahl Elemente 0, Klasse T?X nicht gefunden", false},
        {"fehlt.ndt", [](const std::string&) {},
         "NBaum, Anzahl Elemente 0, Datei $ kann nicht geöffnet werden. Das System kann den "
         "angegebenen Pfad nicht finden.",
         false},
        {"notiz.txt", [](const std::string& f) { writeBytes(f, "x"); }, inspect::kUnknownType,
         false},
    };
    return cases;
}

TEST_F(Inspect, SummaryLineAndExitStatusForEachFile) {
    for (const FileCase& c : fileCases()) {
        SCOPED_TRACE(c.name);
        const std::string file = path(c.name);
        c.make ? c.make(file) : saveSample(file);
        std::string summary = c.summary;
        if (const auto at = summary.find('$'); at != std::string::npos) {
            summary.replace(at, 1, file);
        }
        EXPECT_EQ(run({file}), c.valid ? inspect::kAllValid : inspect::kSomeRefused);
        EXPECT_EQ(out_, file + ": " + summary + "\n");
        EXPECT_EQ(err_, "");
    }
}

TEST_F(Inspect, ShowPrintsEachStructureAsItsPageShowsIt) {
    for (const char* name : {"a.ldt", "a.kdt", "a.sdt", "a.tdt", "a.adt", "a.bdt", "a.ndt"}) {
        saveSample(path(name));
    }
    const auto shown = [&](const char* name) {
        EXPECT_EQ(run({"--show", path(name)}), inspect::kAllValid);
        return out_.substr(out_.find('\n') + 1);
    };
    EXPECT_EQ(shown("a.ldt"), "       <--\n  Anna\n  [42]\n  Zoë\n");
    EXPECT_EQ(shown("a.kdt"), "  C\n  B\n  A\n");
    EXPECT_EQ(shown("a.sdt"), "  A\n  B\n");
    EXPECT_EQ(shown("a.tdt"), "  5\n  3  8\n  1\n");
    EXPECT_EQ(shown("a.adt"), "  2\n  1  3\n");
    EXPECT_EQ(shown("a.bdt"), "  [3]\n  [1 2]  [4 5]\n");
    EXPECT_EQ(shown("a.ndt"), "  A\n    B\n      D\n    C\n");
}

TEST_F(Inspect, JsonGivesOneObjectPerFileAndLine) {
    for (const char* name : {"a.ldt", "a.bdt", "a.ndt"}) saveSample(path(name));
    writeBytes(path("b\"\x01.tdt"), "");
    EXPECT_EQ(run({"-j", path("a.ldt"), path("a.bdt"), path("a.ndt"), path("b\"\x01.tdt")}),
              inspect::kSomeRefused);
    const std::string d = dir_.string();
    EXPECT_EQ(out_,
              "{\"datei\":\"" + d +
                  "/a.ldt\",\"typ\":\"Liste\",\"gueltig\":true,\"anzahl\":3,\"inhalt\":"
                  "{\"position\":0,\"elemente\":[\"Anna\",\"[42]\",\"Zoë\"]}}\n"
                  "{\"datei\":\"" +
                  d +
                  "/a.bdt\",\"typ\":\"BayerBaum\",\"gueltig\":true,\"anzahl\":5,\"tiefe\":2,"
                  "\"inhalt\":{\"ebenen\":[[[3]],[[1,2],[4,5]]]}}\n"
                  "{\"datei\":\"" +
                  d +
                  "/a.ndt\",\"typ\":\"NBaum\",\"gueltig\":true,\"anzahl\":4,\"tiefe\":3,"
                  "\"inhalt\":{\"knoten\":[{\"ebene\":1,\"text\":\"A\"},{\"ebene\":2,\"text\":"
                  "\"B\"},{\"ebene\":3,\"text\":\"D\"},{\"ebene\":2,\"text\":\"C\"}]}}\n"
                  "{\"datei\":\"" +
                  d +
                  "/b\\\"\\u0001.tdt\",\"typ\":\"Suchbaum\",\"gueltig\":false,\"anzahl\":0,"
                  "\"meldung\":\"Stream-Lesefehler\"}\n");
}

TEST(InspectJson, StringsAreEscapedAndInvalidUtf8IsReplaced) {
    EXPECT_EQ(inspect::jsonString("a\\b\n\t\x7F"), "\"a\\\\b\\n\\u0009\\u007f\"");
    EXPECT_EQ(inspect::jsonString("Bäume €"), "\"Bäume €\"");
    EXPECT_EQ(inspect::jsonString("\xE4x\xC3"), "\"\xEF\xBF\xBDx\xEF\xBF\xBD\"");
    EXPECT_EQ(inspect::jsonString("\xED\xA0\x80"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\"");
}

struct UsageCase {
    std::vector<std::string> args;
    int status;
    const char* err;  // first line of stderr; "" for none
};

TEST_F(Inspect, OptionsFollowTheUsualConventions) {
    saveSample(path("-s.kdt"));
    const std::vector<UsageCase> cases = {
        {{}, inspect::kUsageError, "tessaro-inspect: Keine Datei angegeben"},
        {{"-x", "a.ldt"}, inspect::kUsageError, "tessaro-inspect: Unbekannte Option \"-x\""},
        {{"-sq", "a.ldt"}, inspect::kUsageError, "tessaro-inspect: Unbekannte Option \"-q\""},
        {{"--shows", "a.ldt"},
         inspect::kUsageError,
         "tessaro-inspect: Unbekannte Option \"--shows\""},
        {{"--json=1", "a.ldt"},
         inspect::kUsageError,
         "tessaro-inspect: Die Option \"--json\" erlaubt keinen Wert"},
        {{"--help", "-x"}, inspect::kUsageError, "tessaro-inspect: Unbekannte Option \"-x\""},
        {{"--help"}, inspect::kAllValid, ""},
        {{"-V"}, inspect::kAllValid, ""},
        {{"--", path("-s.kdt")}, inspect::kAllValid, ""},
        {{"-sj", "--", path("-s.kdt")}, inspect::kAllValid, ""},
        {{"a.ldt", "--picture"},
         inspect::kUsageError,
         "tessaro-inspect: Die Option \"--picture\" verlangt einen Wert"},
        {{"-p", "bild.gif", "a.ldt"},
         inspect::kUsageError,
         "tessaro-inspect: Das Bild muss auf .png oder .svg enden"},
        {{"-sjpbild.png", "a.ldt", "b.ldt"},
         inspect::kUsageError,
         "tessaro-inspect: Die Option \"--picture\" verlangt genau eine DATEI"},
        // Built without Qt GUI: no pictures.
        {{"--picture=bild.svg", "a.ldt"},
         inspect::kUsageError,
         "tessaro-inspect: Bilder kann dieses Programm nicht schreiben (ohne Qt gebaut)"},
    };
    for (const UsageCase& c : cases) {
        SCOPED_TRACE(c.args.empty() ? std::string("(none)") : c.args[0]);
        EXPECT_EQ(run(c.args), c.status);
        EXPECT_EQ(err_.substr(0, err_.find('\n')), c.err);
        if (c.status == inspect::kUsageError) {
            EXPECT_EQ(out_, "");
            EXPECT_EQ(err_.substr(err_.find('\n') + 1),
                      "Aufruf: tessaro-inspect [OPTION]... DATEI|ORDNER...\n"
                      "Mehr mit \"tessaro-inspect --help\".\n");
        }
    }
    run({"--help"});
    EXPECT_EQ(out_.rfind("Aufruf: tessaro-inspect [OPTION]... DATEI|ORDNER...\n", 0), 0u);
    run({"--version"});
    EXPECT_EQ(out_.rfind("tessaro-inspect (Tessaro) ", 0), 0u);
    run({"-sj", "--", path("-s.kdt")});
    EXPECT_EQ(out_.rfind("{\"datei\":", 0), 0u);
}

// --picture hands the page's picture after the load to the program's
// writer: the tree pages' image as zeichne draws it, the other pages' values
// as boxes; a writer's refusal makes the status 1.
TEST_F(Inspect, PictureGoesToTheWriterWithTheStructuresTexts) {
    struct Case {
        const char* name;
        int width, height;               // 0: any
        std::vector<std::string> texts;  // every text drawn, in drawing order
    };
    const std::vector<Case> cases = {
        {"a.ldt", 0, 0, {"Anna", "[42]", "Zo\xC3\xAB", "Cursor"}},
        {"a.kdt", 0, 0, {"C", "B", "A", "oben"}},
        {"a.sdt", 0, 0, {"A", "B", "vorn", "hinten"}},
        {"a.tdt", 497, 293, {"1", "3", "5", "8"}},  // drawn in order
        {"a.adt", 505, 293, {"1", "2", "3"}},
        {"a.ndt", 0, 0, {"A", "B", "D", "C"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = path(c.name);
        saveSample(file);
        std::vector<std::string> written;
        std::vector<std::string> texts;
        PagePicture seen;
        inspect::PictureOutput pictures;
        pictures.measure = [] { return nullptr; };
        pictures.write = [&](const PagePicture& picture, const std::string& name) {
            written.push_back(name);
            seen = picture;
            return std::string();
        };
        std::ostringstream out, err;
        EXPECT_EQ(inspect::run({"--picture", path("bild.png"), file}, out, err, &pictures),
                  inspect::kAllValid);
        EXPECT_EQ(written, std::vector<std::string>{path("bild.png")});
        for (const DrawingOp& op : seen.drawing.ops())
            if (op.kind == DrawingOp::Kind::text) texts.push_back(op.text);
        EXPECT_EQ(texts, c.texts);
        if (c.width != 0) {
            EXPECT_EQ(seen.width, c.width);
            EXPECT_EQ(seen.height, c.height);
        }
        EXPECT_EQ(out.str().rfind(file + ": ", 0), 0u);
    }
    inspect::PictureOutput refusing;
    refusing.measure = [] { return nullptr; };
    refusing.write = [](const PagePicture&, const std::string&) { return std::string("voll"); };
    std::ostringstream out, err;
    EXPECT_EQ(inspect::run({"-p", path("b.svg"), path("a.kdt")}, out, err, &refusing),
              inspect::kSomeRefused);
    EXPECT_EQ(err.str(), "tessaro-inspect: " + path("b.svg") + ": voll\n");
}

// A folder stands for its structure files; one without any is refused with
// a line of its own, in JSON too.
TEST_F(Inspect, FolderWithoutStructureFileIsRefused) {
    const std::string empty = path("leer");
    const std::string texts = path("texte");
    fs::create_directories(empty);
    fs::create_directories(texts + "/unter");
    writeBytes(texts + "/liesmich.txt", "x");
    saveSample(texts + "/unter/a.ldt");  // subfolders are not searched
    const std::string why =
        "Der Ordner enthält keine Strukturdatei (.ldt, .kdt, .sdt, .tdt, .adt, .bdt oder .ndt)";
    for (const std::string& folder : {empty, texts}) {
        SCOPED_TRACE(folder);
        EXPECT_EQ(run({folder}), inspect::kSomeRefused);
        EXPECT_EQ(out_, folder + ": " + why + "\n");
        EXPECT_EQ(err_, "");
        EXPECT_EQ(run({"--json", folder}), inspect::kSomeRefused);
        EXPECT_EQ(out_, "{\"datei\":\"" + folder +
                            "\",\"typ\":null,\"gueltig\":false,\"meldung\":\"" + why + "\"}\n");
    }
}

TEST(InspectOutline, LinesAreIndentedToABoundedWidth) {
    struct Case {
        int level;
        std::string line;
    };
    const std::string deepest(2 * inspect::kDeepestIndentedLevel, ' ');
    const std::vector<Case> cases = {
        {1, "A"},
        {2, "  A"},
        {inspect::kDeepestIndentedLevel, deepest.substr(2) + "A"},
        {inspect::kDeepestIndentedLevel + 1, deepest + "Ebene 33: A"},
        {1200, deepest + "Ebene 1200: A"},
        {32767, deepest + "Ebene 32767: A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        EXPECT_EQ(inspect::outlineLine(c.level, "A"), c.line);
    }
}

// The deepest n-ary tree a file may hold: a chain of 32767 nodes. --show
// and --json grow with the node count, not with its square.
TEST_F(Inspect, DeepestNtreeShowsAndPrintsInProportionToItsNodes) {
    const int nodes = static_cast<int>(TNtree::kMaxFileNodes);
    const std::string file = path("kette.ndt");
    {
        TNtree chain;
        std::unique_ptr<TNtreeNode> below;
        for (int i = nodes - 1; i >= 0; --i) {
            auto node =
                std::make_unique<TNtreeNode>(std::make_unique<TString>(std::to_string(i)), nullptr);
            if (below) node->insertChild(std::move(below));
            below = std::move(node);
        }
        chain.root = std::move(below);
        chain.save(file);
    }
    const std::string summary = file + ": NBaum, Anzahl Elemente 32767, Tiefe 32767, gültig\n";
    ASSERT_EQ(run({"--show", file}), inspect::kAllValid);
    ASSERT_EQ(out_.rfind(summary, 0), 0u);
    std::istringstream lines(out_.substr(summary.size()));
    std::string line;
    int level = 0;
    std::size_t widest = 0;
    while (std::getline(lines, line)) {
        ++level;
        // Each node's text is its level - 1.
        EXPECT_EQ(line, "  " + inspect::outlineLine(level, std::to_string(level - 1)));
        widest = std::max(widest, line.size());
    }
    EXPECT_EQ(level, nodes);
    EXPECT_EQ(widest,
              2 + 2 * inspect::kDeepestIndentedLevel + std::string("Ebene 32767: 32766").size());
    ASSERT_EQ(run({"--json", file}), inspect::kAllValid);
    EXPECT_LT(out_.size(), static_cast<std::size_t>(nodes) * 40);
    EXPECT_NE(out_.find("{\"ebene\":32767,\"text\":\"32766\"}]}}\n"), std::string::npos);
}

// A refused file gets no picture: the writer is not asked, and err says why.
// A PNG beyond the pixel limit is written scaled down, which err notes; an
// SVG has no limit.
TEST_F(Inspect, PictureOnlyOfValidFilesAndLargePngsNoted) {
    const std::string refused = path("kurz.ldt");
    saveSample(refused);
    const std::string bytes = bytesOf(refused);
    writeBytes(refused, bytes.substr(0, bytes.size() - 1));
    TListe list;
    for (int i = 0; i < 3000; ++i)
        list.append(
            std::make_unique<TString>("Element " + std::to_string(i) + std::string(990, 'x')));
    const std::string large = path("gross.ldt");
    list.saveToFile(large);

    std::vector<std::string> written;
    PagePicture seen;
    inspect::PictureOutput pictures;
    pictures.measure = [] { return nullptr; };
    pictures.write = [&](const PagePicture& picture, const std::string& name) {
        written.push_back(name);
        seen = picture;
        return std::string();
    };
    const auto inspectWith = [&](const std::string& picture, const std::string& file) {
        std::ostringstream out, err;
        const int status = inspect::run({"--picture", picture, file}, out, err, &pictures);
        err_ = err.str();
        return status;
    };
    EXPECT_EQ(inspectWith(path("bild.png"), refused), inspect::kSomeRefused);
    EXPECT_EQ(written, std::vector<std::string>{});
    EXPECT_EQ(err_, "tessaro-inspect: " + path("bild.png") +
                        ": Kein Bild geschrieben, die Datei wurde abgelehnt\n");

    EXPECT_EQ(inspectWith(path("bild.svg"), large), inspect::kAllValid);
    EXPECT_EQ(err_, "");
    EXPECT_EQ(inspectWith(path("bild.png"), large), inspect::kAllValid);
    EXPECT_EQ(written, (std::vector<std::string>{path("bild.svg"), path("bild.png")}));
    const structurepicture::PixelSize full = structurepicture::pixelSize(seen, 1);
    const structurepicture::PixelSize within = structurepicture::withinLimit(full);
    ASSERT_GT(full.pixels(), structurepicture::kMostPixels);
    EXPECT_EQ(err_, "tessaro-inspect: " + path("bild.png") + ": Das Bild wäre " +
                        std::to_string(full.width) + " × " + std::to_string(full.height) +
                        " Pixel groß. Es wurde verkleinert auf " + std::to_string(within.width) +
                        " × " + std::to_string(within.height) + ".\n");
}

// The report carries only the parts asked for: the summary alone does not
// copy a list's texts.
TEST_F(Inspect, ReportCarriesThePartsAskedFor) {
    for (const char* name : {"a.ldt", "a.kdt", "a.ndt"}) {
        SCOPED_TRACE(name);
        const std::string file = path(name);
        saveSample(file);
        const inspect::Report full = inspect::inspectFile(file, {true, true, true});
        EXPECT_FALSE(full.lines.empty());
        EXPECT_FALSE(full.content.empty());
        EXPECT_TRUE(full.picture);
        const inspect::Report none = inspect::inspectFile(file, {false, false, false});
        EXPECT_TRUE(none.lines.empty());
        EXPECT_TRUE(none.content.empty());
        EXPECT_FALSE(none.picture);
        EXPECT_EQ(inspect::summaryLine(none), inspect::summaryLine(full));
        const inspect::Report picture = inspect::inspectFile(file, {false, false, true});
        EXPECT_EQ(picture.picture->drawing.ops(), full.picture->drawing.ops());
    }
}

}  // namespace
