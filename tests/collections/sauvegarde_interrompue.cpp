// Stands for the program killed in the middle of a backup: opens the personal database, says "prêt" on its
// output, and on the next line of its input backs the database up into the target, where the test kills it.
//   sauvegarde_interrompue <base personnelle> <cible>

#include "collections/Sauvegarde.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    try {
        Connexion perso;
        perso.ouvrir(args.at(1), Connexion::Mode::LectureEcriture);
        std::puts("prêt");
        std::fflush(stdout);
        char ligne[16];
        if (!std::fgets(ligne, sizeof ligne, stdin))
            return 2;
        SauvegarderBasePerso(perso, args.at(2));
    } catch (const ErreurBase& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
