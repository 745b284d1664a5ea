#include "workbench/inspectcommand.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string_view>
#include <system_error>

#include "elements/stream.h"
#include "workbench/inspect.h"

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
    "                 für Ebene, den N-Baum eingerückt\n"
    "  -j, --json     gibt je Datei ein JSON-Objekt auf einer Zeile aus (UTF-8):\n"
    "                 \"datei\", \"typ\", \"gueltig\", \"anzahl\", \"tiefe\",\n"
    "                 \"ausgeglichen\", \"meldung\", \"meldungen\" und unter \"inhalt\"\n"
    "                 die Struktur\n"
    "  -h, --help     zeigt diese Hilfe\n"
    "  -V, --version  zeigt die Version\n"
    "  --             beendet die Optionen\n"
    "\n"
    "Rückgabewert: 0, wenn alle Dateien gültig sind; 1, wenn eine Datei abgelehnt\n"
    "wurde; 2 bei falschem Aufruf.\n";

struct KnownOption {
    char shortName;
    std::string_view longName;
    bool Options::*flag;
};

constexpr KnownOption kOptions[] = {
    {'s', "show", &Options::show},
    {'j', "json", &Options::json},
    {'h', "help", &Options::help},
    {'V', "version", &Options::version},
};

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
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

std::string parseOptions(const std::vector<std::string>& args, Options& options) {
    bool optionsEnd = false;
    for (const std::string& arg : args) {
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
            if (bare.size() != name.size()) {
                return "Die Option " + inQuotes("--" + std::string(bare)) + " erlaubt keinen Wert";
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
                options.*(known->flag) = true;
            }
        }
    }
    if (!options.help && !options.version && options.names.empty()) {
        return "Keine Datei angegeben";
    }
    return "";
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options options;
    if (const std::string problem = parseOptions(args, options); !problem.empty()) {
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
            const Report report = inspectFile(file);
            if (!report.valid) status = kSomeRefused;
            if (options.json) {
                out << jsonLine(report) << '\n';
                continue;
            }
            out << summaryLine(report) << '\n';
            if (options.show) {
                for (const std::string& line : report.lines) {
                    out << (line.empty() ? "" : "  ") << printable(line) << '\n';
                }
            }
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
