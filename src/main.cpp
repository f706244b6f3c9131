// The program's entry point.

#include "data/Recordset.h"
#include "data/Source.h"
#include "shell/ChercherLecteurCD.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTextStream sortie(stdout);
    ChercherLecteurCD();
    const bool perso = OuvrirBasePerso();
    const bool catalogue = OuvrirBaseCatalogue();
    const bool disque = OuvrirBaseCD();
    sortie << "Dossier du programme : " << DossierProgramme() << "\n"
           << "Base personnelle : " << (perso ? "ouverte" : "absente") << "\n"
           << "Catalogue : " << (catalogue ? "ouvert" : "absent") << "\n"
           << "Disque du catalogue : " << (disque ? LecteurCD : QStringLiteral("absent")) << "\n";
    if (catalogue) {
        sortie << "Timbres au catalogue : "
               << CnxCatalogue->valeur(QStringLiteral("SELECT count(*) FROM France")).toInt() << "\n";
    }
    return 0;
}
