// The program's entry point: registers the nine main screens, then starts up.

#include "card/OFormFiche.h"
#include "collections/OFormCollections.h"
#include "lists/EcransListes.h"
#include "printing/EnregistrementImpressions.h"
#include "search/EcransRecherche.h"
#include "shell/Demarrage.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyle>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // One look whatever the desktop's theme: the screens were laid out for a light, classic style.
    app.setStyle(QStringLiteral("Fusion"));
    app.setPalette(app.style()->standardPalette());
    // The metric twin of the font the screens were laid out with, at its size: the texts fit their boxes.
    QFont police(QStringLiteral("Liberation Sans"));
    police.setPointSizeF(8.25);
    app.setFont(police);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    // Qt's own dialogs (files, printing) speak French like the rest of the program.
    QTranslator traduction;
    if (traduction.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&traduction);

    EnregistrerEcransCollections();
    EnregistrerEcransFiche();
    EnregistrerEcransRecherche();
    EnregistrerEcransListes();
    EnregistrerImpressions();
    if (!Main())
        return 0;
    return app.exec();
}
