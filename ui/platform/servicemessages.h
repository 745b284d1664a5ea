// ServiceMessages: the core's UserMessages sink on top of the DialogService,
// installed with a ScopedUserMessages at start-up so that the core's own messages
// ("Überlauf", "Die Liste ist voll - maximal 65535 Elemente", ...) appear as
// the workbench's message boxes.
#pragma once

#include <functional>

#include "elements/platform.h"

class DialogService;

class ServiceMessages final : public UserMessages {
public:
    // dialogs is lent and must outlive this sink.
    explicit ServiceMessages(DialogService& dialogs);

    void information(std::string_view utf8) override;
    void error(std::string_view utf8) override;
    // Shows the box, then ends the process with std::_Exit(EXIT_FAILURE):
    // a fatal stop means an internal contract was broken, so no destructor of
    // the possibly inconsistent structures may run. Files on disk are safe
    // because a save replaces its target only when completely written.
    void fatalStop(std::string_view utf8) override;

    // Replaces the process ending (tests make it throw).
    void setEndProcess(std::function<void()> end) { endProcess_ = std::move(end); }

private:
    DialogService& dialogs_;
    std::function<void()> endProcess_;
};
