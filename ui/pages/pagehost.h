// PageHost: all that a page of the main window knows of the window. The
// window lends each page this interface at construction; a page owns its own
// structure and reaches nothing else: no other page, no other structure.
#pragma once

#include <string>
#include <string_view>

class DialogService;
class QString;
class RandomSource;
class StepTimers;
class TListDemo;

class PageHost {
public:
    virtual ~PageHost() = default;
    // Which demonstration lockControls is switching for.
    enum LockKind { kSortWindow = 0, kSearchTree = 1, kAvlTree = 2, kBayerTree = 3 };

    // Message boxes and file dialogs.
    virtual DialogService& dialogs() = 0;
    // The timers of the pages' step players: Qt's, or a test's.
    virtual StepTimers& stepTimers() = 0;
    // True when the text is a number 1..99; otherwise shows "Ganze Zahl von 1
    // bis 99 eingeben".
    virtual bool readTreeNumber(const QString& text) = 0;
    // Runs the save dialog; returns the chosen name, or "" when cancelled or
    // when the file cannot be written ("Datei konnte nicht angelegt werden"
    // shown). An existing file is left untouched: the save that follows
    // replaces it only when completely written.
    virtual std::string saveWithDialog(std::string_view extension, std::string_view filter) = 0;
    // Runs the open dialog; the chosen name or "" when cancelled.
    virtual std::string loadWithDialog(std::string_view extension, std::string_view filter) = 0;
    // Switches the window between normal work (enabled) and a demonstration of
    // the given kind: every push button and page gets `enabled`, except that
    // the running tree page stays enabled and its "Weiter" button gets the
    // opposite; kind 0 resets the sort window's buttons.
    virtual void lockControls(bool enabled, int kind) = 0;
    // True while lockControls has locked the window. A click can still reach
    // a handler then: a mnemonic (Alt+letter) clicks its button a moment
    // after the key, and a demonstration or the sort window started in
    // between does not stop that click. Every page handler drops it.
    virtual bool controlsLocked() const = 0;
    // The random numbers of the list page and of the tree pages' sequences;
    // seeded from the clock.
    virtual RandomSource& random() = 0;
    // Locks the window for the sort window and opens that on the list (lent;
    // it outlives the window). False, with nothing done, without a sort window.
    virtual bool openSortWindow(TListDemo& list) = 0;
};
