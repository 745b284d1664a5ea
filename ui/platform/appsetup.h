// The process-wide set-up of the workbench, done once at start-up after the
// application object exists (the program, the widget tests, the page pictures
// and the benchmarks), never by a window.
#pragma once

class QCoreApplication;

// The designed fonts are Windows fonts ("MS Sans Serif", "System"); their
// nearest metric relatives keep the designed captions inside their designed
// widths.
void installFontSubstitutions();

// The toolkit's own texts (file dialog buttons and labels, the overwrite
// question, standard buttons) in German whatever the system language, to
// match the program's texts: loads Qt's German "qtbase" catalogue from Qt's
// translations folder and installs it on app (which owns it). False when the
// catalogue is missing; the toolkit's texts then stay English.
bool installGermanQtTranslation(QCoreApplication& app);
