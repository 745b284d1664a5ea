#include "workbench/inspectcommand.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <string_view>
#include <system_error>

#include "elements/stream.h"
#include "workbench/fileprobe.h"
#include "workbench/inspect.h"
#include "workbench/structurepicture.h"

#ifndef TESSARO_VERSION
#define TESSARO_VERSION "unbekannt"
#endif

namespace inspect {

namespace {

constexpr std::string_view kProgram = "tessaro-inspect";

constexpr std::string_view kUsage = "Aufruf: tessaro-inspect [OPTION]... DATEI|ORDNER...\n";

constexpr std::string_view kHelp =
    "Prüft Strukturdateien von Tessaro: lädt jede Datei so, wie ihre Seite sie lädt,\n"
    "und gibt je Datei eine Zeile aus:\n"
    "  DATEI: Seite, Anzahl Elemente N[, Tiefe T][, Ausgeglichen JA|Nein], gültig\n"
    "oder statt \"gültig\" die Fehlermeldung, die die Seite zeigen würde. Der Typ\n"
    "folgt aus der Endung: .ldt Liste, .kdt Keller, .sdt Schlange, .tdt Suchbaum,\n"
    ".adt AVL-Baum, .bdt BayerBaum, .ndt NBaum. Ein ORDNER steht für seine Dateien\n"
    "mit diesen Endungen, nach Namen geordnet, ohne Unterordner.\n"
    "\n"
    "  -s, --show     zeigt unter jeder Zeile die Struktur: die Liste mit Cursor,\n"
    "                 den Keller von oben, die Schlange von vorn, Such- und\n"
    "                 AVL-Baum Ebene für Ebene, die Seiten des Bayer-Baums Ebene\n"
    "                 für Ebene, den N-Baum eingerückt (tiefer als Ebene 32 mit\n"
    "                 \"Ebene N: \" vor dem Text)\n"
    "  -j, --json     gibt je Datei ein JSON-Objekt auf einer Zeile aus (UTF-8):\n"
    "                 \"datei\", \"typ\", \"gueltig\", \"anzahl\", \"tiefe\",\n"
    "                 \"ausgeglichen\", \"meldung\", \"meldungen\" und unter \"inhalt\"\n"
    "                 die Struktur\n"
    "  -p, --picture BILD\n"
    "                 schreibt das Bild der Seite nach dem Laden der einen DATEI\n"
    "                 in BILD: eine PNG-Datei (Endung .png) oder eine\n"
    "                 SVG-Vektorgrafik (Endung .svg), wie \"Bild speichern…\";\n"
    "                 ein PNG-Bild über 16 Millionen Pixel verkleinert\n"
    "  -h, --help     zeigt diese Hilfe\n"
    "  -V, --version  zeigt die Version\n"
    "  --             beendet die Optionen\n"
    "\n"
    "Rückgabewert: 0, wenn alle Dateien gültig sind; 1, wenn eine Datei abgelehnt\n"
    "wurde; 2 bei falschem Aufruf.\n";

// An option is a flag or takes a value (the next argument, or after "=" or
// directly behind a short option).
struct KnownOption {
    char shortName;
    std::string_view longName;
    bool Options::*flag;
    std::string Options::*value;
};

constexpr KnownOption kOptions[] = {
    {'s', "show", &Options::show, nullptr},       {'j', "json", &Options::json, nullptr},
    {'p', "picture", nullptr, &Options::picture}, {'h', "help", &Options::help, nullptr},
    {'V', "version", &Options::version, nullptr},
};

// The last four characters of the name in lower case.
std::string extensionOf(std::string_view name) {
    std::string extension(name.substr(name.size() - std::min<std::size_t>(4, name.size())));
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

bool isPng(std::string_view name) { return extensionOf(name) == ".png"; }

// True for a name ending in ".png" or ".svg" (letter case ignored).
bool pictureFormat(std::string_view name) { return isPng(name) || extensionOf(name) == ".svg"; }

constexpr const char* kNoStructureFile =
    "Der Ordner enthält keine Strukturdatei (.ldt, .kdt, .sdt, .tdt, .adt, .bdt oder .ndt)";

// After "BILD: ".
constexpr const char* kNoPictureOfRefused = "Kein Bild geschrieben, die Datei wurde abgelehnt";
// After structurepicture::tooLargeText.
constexpr const char* kScaledDown = "Es wurde verkleinert auf ";

std::string inQuotes(std::string_view option) { return "\"" + std::string(option) + "\""; }

// The files a name stands for, or the reason a folder cannot be read.
std::vector<std::string> filesOf(const std::string& name, std::string& refusal) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (!fs::is_directory(name, error)) return {name};
    std::vector<std::string> files;
    fs::directory_iterator entries(name, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        const fs::directory_entry& entry = *entries;
        std::error_code ignored;
        if (entry.is_regular_file(ignored) && typeOf(entry.path().filename().string())) {
            files.push_back(entry.path().string());
        }
    }
    if (error) {
        refusal = "Ordner " + name + " kann nicht gelesen werden. " + systemReason(error.value());
        return {};
    }
    if (files.empty()) refusal = kNoStructureFile;
    std::sort(files.begin(), files.end());
    return files;
}

// Writes the valid file's picture, or says on err why not (the status then
// becomes kSomeRefused); a PNG beyond the limit is written scaled down, which
// err notes.
void writePicture(const Report& report, const std::string& picture, const PictureOutput& output,
                  std::ostream& err, int& status) {
    // On one line: the lines of a file error joined by ": ".
    const auto say = [&](std::string text) {
        for (std::size_t at; (at = text.find('\n')) != std::string::npos;)
            text.replace(at, 1, ": ");
        err << kProgram << ": " << printable(picture + ": " + text) << '\n';
    };
    if (!report.valid || !report.picture) {
        say(kNoPictureOfRefused);
        status = kSomeRefused;
        return;
    }
    std::string why = fileprobe::refusal(picture);
    if (why.empty()) why = output.write(*report.picture, picture);
    if (!why.empty()) {
        say(why);
        status = kSomeRefused;
        return;
    }
    const structurepicture::PixelSize full = structurepicture::pixelSize(*report.picture, 1);
    const structurepicture::PixelSize fitted = structurepicture::withinLimit(full);
    if (isPng(picture) && fitted != full) {
        say(structurepicture::tooLargeText(full) + " " + kScaledDown +
            structurepicture::sizeText(fitted) + ".");
    }
}

}  // namespace

std::string parseOptions(const std::vector<std::string>& args, Options& options) {
    bool optionsEnd = false;
    for (std::size_t at = 0; at < args.size(); ++at) {
        const std::string& arg = args[at];
        // The value of an option that takes one: the next argument.
        const auto nextValue = [&](const KnownOption& o) -> bool {
            if (at + 1 >= args.size()) return false;
            options.*(o.value) = args[++at];
            return true;
        };
        if (optionsEnd || arg == "-" || arg.empty() || arg[0] != '-') {
            options.names.push_back(arg);
        } else if (arg == "--") {
            optionsEnd = true;
        } else if (arg[1] == '-') {
            const std::string_view name = std::string_view(arg).substr(2);
            const std::string_view bare = name.substr(0, name.find('='));
            const auto known =
                std::find_if(std::begin(kOptions), std::end(kOptions),
                             [&](const KnownOption& o) { return o.longName == bare; });
            if (known == std::end(kOptions)) return "Unbekannte Option " + inQuotes(arg);
            const std::string shown = "--" + std::string(bare);
            if (known->value) {
                if (bare.size() != name.size()) {
                    options.*(known->value) = std::string(name.substr(bare.size() + 1));
                } else if (!nextValue(*known)) {
                    return "Die Option " + inQuotes(shown) + " verlangt einen Wert";
                }
                continue;
            }
            if (bare.size() != name.size()) {
                return "Die Option " + inQuotes(shown) + " erlaubt keinen Wert";
            }
            options.*(known->flag) = true;
        } else {
            for (std::size_t i = 1; i < arg.size(); ++i) {
                const auto known =
                    std::find_if(std::begin(kOptions), std::end(kOptions),
                                 [&](const KnownOption& o) { return o.shortName == arg[i]; });
                if (known == std::end(kOptions)) {
                    return "Unbekannte Option " + inQuotes(std::string("-") + arg[i]);
                }
                if (known->value) {
                    // "-pBILD" or "-p BILD"; the rest of the bundle is the value.
                    if (i + 1 < arg.size()) {
                        options.*(known->value) = arg.substr(i + 1);
                    } else if (!nextValue(*known)) {
                        return "Die Option " + inQuotes(std::string("-") + arg[i]) +
                               " verlangt einen Wert";
                    }
                    break;
                }
                options.*(known->flag) = true;
            }
        }
    }
    if (!options.help && !options.version && options.names.empty()) {
        return "Keine Datei angegeben";
    }
    if (!options.picture.empty() && !options.help && !options.version) {
        if (options.names.size() != 1 || std::filesystem::is_directory(options.names[0])) {
            return "Die Option \"--picture\" verlangt genau eine DATEI";
        }
        if (!pictureFormat(options.picture)) {
            return "Das Bild muss auf .png oder .svg enden";
        }
    }
    return "";
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const PictureOutput* pictures) {
    Options options;
    std::string problem = parseOptions(args, options);
    if (problem.empty() && !options.picture.empty() && !pictures && !options.help &&
        !options.version) {
        problem = "Bilder kann dieses Programm nicht schreiben (ohne Qt gebaut)";
    }
    if (!problem.empty()) {
        err << kProgram << ": " << problem << '\n'
            << kUsage << "Mehr mit \"tessaro-inspect --help\".\n";
        return kUsageError;
    }
    if (options.help) {
        out << kUsage << kHelp;
        return kAllValid;
    }
    if (options.version) {
        out << kProgram << " (Tessaro) " << TESSARO_VERSION << '\n';
        return kAllValid;
    }
    int status = kAllValid;
    for (const std::string& name : options.names) {
        std::string refusal;
        for (const std::string& file : filesOf(name, refusal)) {
            const bool withPicture = !options.picture.empty();
            const Parts parts{options.show, options.json, withPicture};
            const Report report =
                inspectFile(file, parts, withPicture ? pictures->measure() : nullptr);
            if (!report.valid) status = kSomeRefused;
            if (options.json) {
                out << jsonLine(report) << '\n';
            } else {
                out << summaryLine(report) << '\n';
                if (options.show) {
                    for (const std::string& line : report.lines) {
                        out << (line.empty() ? "" : "  ") << printable(line) << '\n';
                    }
                }
            }
            if (withPicture) writePicture(report, options.picture, *pictures, err, status);
        }
        if (!refusal.empty()) {
            status = kSomeRefused;
            if (options.json) {
                out << "{\"datei\":" << jsonString(name) << ",\"typ\":null,\"gueltig\":false,"
                    << "\"meldung\":" << jsonString(refusal) << "}\n";
            } else {
                out << printable(name + ": " + refusal) << '\n';
            }
        }
    }
    return status;
}

}  // namespace inspect
