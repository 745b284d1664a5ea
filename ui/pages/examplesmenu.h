// The "Beispiele" button of the tree pages and the list page: a push button
// whose menu has one entry per example of the page (workbench/examples.h),
// each with its note as tooltip; choosing one hands the example to the page.
#pragma once

#include <QRect>
#include <functional>

#include "workbench/examples.h"

class QPushButton;
class QWidget;

namespace examplestext {
inline constexpr const char* caption = "Beis&piele";
inline constexpr const char* hint =
    "Baut ein Beispiel auf, das einen Fall der Operation zeigt (Alt+P)";
}  // namespace examplestext

// The button named name at geometry on page; its menu, a child of the button
// named name + "Menue", pops up below it when it is pressed.
QPushButton* makeExamplesButton(QWidget* page, const char* name, const QRect& geometry,
                                examples::Page kind,
                                std::function<void(const examples::Example&)> show);
