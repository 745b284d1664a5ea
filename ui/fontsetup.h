// installFontSubstitutions: the process-wide font set-up of the workbench,
// called once at start-up after the application object exists (the program,
// the widget tests, the page pictures and the benchmarks), never by a window.
#pragma once

// The designed fonts are Windows fonts ("MS Sans Serif", "System"); their
// nearest metric relatives keep the designed captions inside their designed
// widths.
void installFontSubstitutions();
