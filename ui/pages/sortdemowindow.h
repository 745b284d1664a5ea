// SortDemoWindow: what the main window needs of the sort demonstration window
// (TFormDemo): the button reset of lockControls and the opening for the list
// page's "Sort-Demo" button. SortWindowHost: what the sort window needs of the
// main window, lent to it for its whole life.
#pragma once

class DialogService;
class StepTimers;
class TListDemo;

class SortDemoWindow {
public:
    virtual ~SortDemoWindow() = default;
    // Every button of the window gets `enable`, then "Weiter" and "Ende" get
    // the opposite; the info field is emptied.
    virtual void enableSortButtons(bool enable) = 0;
    // Shows the window (not modal) on the list: element class name taken from
    // the first element (which moves the list's cursor to the start), step
    // level 0, the list shown in the source memo. The list must not be empty;
    // it is lent and outlives the window.
    virtual void openFor(TListDemo& list) = 0;
};

class SortWindowHost {
public:
    virtual ~SortWindowHost() = default;
    // Message boxes, for the guard of the sort buttons.
    virtual DialogService& dialogs() = 0;
    // The timers of the window's step player.
    virtual StepTimers& stepTimers() = 0;
    // A sort has ended: the list page shows the list as it is now.
    virtual void showSortedList() = 0;
    // The window was left: the main window is unlocked (lockControls(true, 0)).
    virtual void sortWindowLeft() = 0;
    // The keyboard focus goes to the list page's entry field.
    virtual void focusListEntry() = 0;
};
