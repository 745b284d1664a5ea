// FakeDialogs: a DialogService for page tests. Records every message as
// "information: <text>", "error: <text>", "errorBox: <text>", "fatal: <text>",
// every file dialog as "save <ext> <filter>" / "open <ext> <filter>", and
// answers the file dialogs from a queue of names ("" = cancelled); the number
// sequence dialog is logged as "sequence" and answered from its own queue
// (empty queue = cancelled); questions are logged as "question: <text>" and
// answered from `replies` (empty queue = "Nein"). The pictures' save dialog
// is logged as "picture <filter>" and answered from `pictures` (empty queue =
// cancelled); the print dialog is logged as "print" and, when printFile is
// set, prints into that PDF file. With a file or sequence queue
// empty, an answering function that is set answers instead (file dialogs: with
// the default extension asked for).
#pragma once

#include <QPrinter>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/platform/dialogservice.h"

class FakeDialogs final : public DialogService {
public:
    void information(std::string_view utf8) override { log.push_back("information: " + s(utf8)); }
    void error(std::string_view utf8) override { log.push_back("error: " + s(utf8)); }
    void errorBox(std::string_view utf8) override { log.push_back("errorBox: " + s(utf8)); }
    void fatal(std::string_view utf8) override { log.push_back("fatal: " + s(utf8)); }

    std::string getSaveFileName(std::string_view ext, std::string_view filter) override {
        log.push_back("save " + s(ext) + " " + s(filter));
        return next(ext);
    }
    std::string getOpenFileName(std::string_view ext, std::string_view filter) override {
        log.push_back("open " + s(ext) + " " + s(filter));
        return next(ext);
    }

    std::optional<NumberSequenceRequest> askNumberSequence() override {
        log.push_back("sequence");
        if (sequences.empty()) return chooseSequence ? chooseSequence() : std::nullopt;
        NumberSequenceRequest request = sequences.front();
        sequences.pop_front();
        return request;
    }

    bool question(std::string_view utf8) override {
        log.push_back("question: " + s(utf8));
        if (replies.empty()) return false;
        const bool reply = replies.front();
        replies.pop_front();
        return reply;
    }

    std::optional<PictureFileChoice> getPictureFileName(std::string_view filter) override {
        log.push_back("picture " + s(filter));
        if (pictures.empty()) return std::nullopt;
        PictureFileChoice choice = pictures.front();
        pictures.pop_front();
        return choice;
    }

    bool choosePrinter(QPrinter& printer) override {
        log.push_back("print");
        if (printFile.empty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(printFile));
        return true;
    }

    // "Übung…": logged as "exercise", answered with `exerciseChoice` when set,
    // else cancelled; the name asked for a result from `names` (empty queue =
    // cancelled).
    std::optional<ExerciseChoice> askExercise(std::uint32_t) override {
        log.push_back("exercise");
        return exerciseChoice;
    }
    std::optional<std::string> askText(std::string_view prompt) override {
        log.push_back("text: " + s(prompt));
        if (names.empty()) return std::nullopt;
        std::string name = names.front();
        names.pop_front();
        return name;
    }
    std::optional<ExerciseChoice> exerciseChoice;
    std::deque<std::string> names;

    // Returns and forgets what was logged.
    std::vector<std::string> take() {
        std::vector<std::string> taken;
        taken.swap(log);
        return taken;
    }

    std::vector<std::string> log;
    std::deque<std::string> answers;
    std::deque<NumberSequenceRequest> sequences;
    std::deque<bool> replies;
    std::deque<PictureFileChoice> pictures;
    std::string printFile;
    std::function<std::string(std::string_view ext)> chooseFile;
    std::function<std::optional<NumberSequenceRequest>()> chooseSequence;

private:
    static std::string s(std::string_view v) { return std::string(v); }
    std::string next(std::string_view ext) {
        if (answers.empty()) return chooseFile ? chooseFile(ext) : std::string();
        std::string name = answers.front();
        answers.pop_front();
        return name;
    }
};
