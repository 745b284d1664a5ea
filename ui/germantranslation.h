// installGermanQtTranslation: the toolkit's own texts (file dialog buttons
// and labels, the overwrite question, standard buttons) in German, whatever
// the system language, to match the program's own German texts.
#pragma once

class QCoreApplication;

// Loads Qt's German "qtbase" catalogue from Qt's translations folder and
// installs it on app (which owns it). False when the catalogue is missing;
// the toolkit's texts then stay English.
bool installGermanQtTranslation(QCoreApplication& app);
