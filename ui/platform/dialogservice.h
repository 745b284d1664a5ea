// DialogService: the one door through which the workbench shows message boxes
// and file dialogs. The program uses QtDialogService; page tests install a
// fake that records the messages and answers the dialogs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class QPrinter;

// The answer of the "Folge einfügen" dialog of the tree pages: the typed
// numbers, or that many random numbers.
struct NumberSequenceRequest {
    std::string numbers;  // UTF-8, the entries between blanks or commas
    int randomCount = 0;  // 1..99: random numbers instead of the typed ones
};

// The answer of the pictures' save dialog: the file name (UTF-8) and the
// entry of the filter list that was chosen (0 for the first).
// The choice of "Übung…": the task number and whether the interesting
// case is left to chance.
struct ExerciseChoice {
    std::uint32_t number = 1;
    bool anyCase = false;
};

struct PictureFileChoice {
    std::string fileName;
    int filterIndex = 0;
};

class DialogService {
public:
    virtual ~DialogService() = default;

    // Caption "Informationen", information icon, one OK button; modal.
    virtual void information(std::string_view utf8) = 0;
    // Caption "Fehler", error icon, one OK button; modal.
    virtual void error(std::string_view utf8) = 0;
    // The general error box for errors that end a handler (file errors and
    // the like): the program's title "Tessaro" as caption, stop icon, OK.
    virtual void errorBox(std::string_view utf8) = 0;
    // The box before a fatal stop; returns when the user has confirmed it.
    virtual void fatal(std::string_view utf8) = 0;

    // The save dialog: prompts before overwriting, appends defaultExtension
    // when the name has none. filter is "description|pattern|...". Returns the
    // chosen name (UTF-8) or "" when cancelled.
    virtual std::string getSaveFileName(std::string_view defaultExtension,
                                        std::string_view filter) = 0;
    // The open dialog: the file must exist. Returns "" when cancelled.
    virtual std::string getOpenFileName(std::string_view defaultExtension,
                                        std::string_view filter) = 0;

    // The tree pages' "Folge einfügen" dialog: a line of numbers or a count
    // of random numbers, "OK" / "Abbrechen"; modal. Nothing when cancelled.
    virtual std::optional<NumberSequenceRequest> askNumberSequence() = 0;

    // A question: caption "Bestätigen", question icon, the buttons "Ja" and
    // "Nein" (the default, also for Esc); modal. True for "Ja".
    virtual bool question(std::string_view utf8) = 0;

    // The save dialog of "Bild speichern…": as getSaveFileName, with the
    // filter entry chosen; the default extension follows the chosen entry.
    // Nothing when cancelled (so answers a service without the dialog).
    virtual std::optional<PictureFileChoice> getPictureFileName(std::string_view filter) {
        (void)filter;
        return std::nullopt;
    }
    // "Übung…": the task number (suggested first, "Neue Aufgabe" draws
    // another) and "Zufall"; nothing when cancelled. Without the dialog the
    // suggested task is taken.
    virtual std::optional<ExerciseChoice> askExercise(std::uint32_t suggested) {
        return ExerciseChoice{suggested, false};
    }
    // A line of text (the student's name for a result); nothing when
    // cancelled. Without the dialog: an empty name.
    virtual std::optional<std::string> askText(std::string_view prompt) {
        (void)prompt;
        return std::string();
    }
    // The print dialog for printer (lent): true when the user chose to
    // print; printer then holds the choices. False when cancelled (so answers
    // a service without the dialog).
    virtual bool choosePrinter(QPrinter& printer) {
        (void)printer;
        return false;
    }
};

namespace dialogtext {
inline constexpr const char* informationCaption = "Informationen";
inline constexpr const char* errorCaption = "Fehler";
inline constexpr const char* exerciseCaption = "Übung";
inline constexpr const char* exerciseNumber = "&Aufgabe Nr.";
inline constexpr const char* exerciseNumberHint =
    "Dieselbe Nummer gibt auf jedem Rechner dieselbe Aufgabe";
inline constexpr const char* exerciseNew = "&Neue Aufgabe";
inline constexpr const char* exerciseAny = "&Zufall";
inline constexpr const char* exerciseAnyHint =
    "Auch Aufgaben ohne besonderen Fall (ohne Rotation, ohne zwei Teilbäume)";
inline constexpr const char* generalErrorCaption = "Tessaro";
inline constexpr const char* questionCaption = "Bestätigen";
}  // namespace dialogtext
