// guard: the one boundary between Qt's event loop and the handlers. Every slot
// runs its body through it, so that no exception ever unwinds through Qt: a
// FileError or any other error ends the handler and is shown in the general
// error box (stop icon), and the program goes on.
#pragma once

#include <exception>
#include <new>

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
