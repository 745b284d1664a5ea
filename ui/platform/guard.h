// guard: the one boundary between Qt's event loop and the handlers. Every slot
// runs its body through it, so that no exception ever unwinds through Qt: a
// FileError or any other error ends the handler and is shown in the general
// error box (stop icon), and the program goes on.
#pragma once

#include <exception>
#include <new>

#include "demo/stepclock.h"
#include "elements/errors.h"
#include "ui/platform/dialogservice.h"

// Runs body(); reports what it throws through dialogs.errorBox.
template <typename Body>
void guard(DialogService& dialogs, Body&& body) noexcept {
    try {
        body();
    } catch (const FileError& e) {
        dialogs.errorBox(e.what());
    } catch (const std::bad_alloc&) {
        dialogs.errorBox(guardtext::outOfMemory);
    } catch (const std::exception& e) {
        dialogs.errorBox(e.what());
    } catch (...) {
        dialogs.errorBox(guardtext::unknown);
    }
}

// As guard, for handlers that run a demonstration. A DemoCancelled (the
// window closed while a step waited; the tree operation has completed) ends
// the handler quietly. Returns false then: the page must not be touched any
// more.
template <typename Body>
bool guardDemonstration(DialogService& dialogs, Body&& body) noexcept {
    bool cancelled = false;
    guard(dialogs, [&] {
        try {
            body();
        } catch (const DemoCancelled&) {
            cancelled = true;
        }
    });
    return !cancelled;
}
