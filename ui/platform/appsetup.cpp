#include "ui/platform/appsetup.h"

#include <QCoreApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

void installFontSubstitutions() {
    const QStringList sansSerif{"Nimbus Sans", "Liberation Sans", "Arial", "Helvetica",
                                "DejaVu Sans"};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sansSerif);
    QFont::insertSubstitutions(QStringLiteral("System"), sansSerif);
}

bool installGermanQtTranslation(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_de"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
