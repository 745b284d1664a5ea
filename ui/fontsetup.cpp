#include "ui/fontsetup.h"

#include <QFont>
#include <QStringList>

void installFontSubstitutions() {
    const QStringList sansSerif{"Nimbus Sans", "Liberation Sans", "Arial", "Helvetica",
                                "DejaVu Sans"};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sansSerif);
    QFont::insertSubstitutions(QStringLiteral("System"), sansSerif);
}
