// SortDemoWindow: what the main window and the list page need of the sort
// demonstration window (TFormDemo): the button reset of lockControls and the
// opening by the list page's "Sort-Demo" button.
#pragma once

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
