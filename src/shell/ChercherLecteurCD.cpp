#include "shell/ChercherLecteurCD.h"

#include "data/Source.h"
#include "platform/Messages.h"

#include <QFileInfo>

QList<Lecteur> ListeLecteurs()
{
    return ListeLecteursSysteme();
}

void ChercherLecteurCD()
{
    const QList<Lecteur> lecteurs = ListeLecteurs();
    if (lecteurs.isEmpty()) {
        AfficherMessage(QStringLiteral("Aucun lecteur trouvé !"), Boutons::OK, Icone::Critique, TitreApplication);
        return;
    }
    for (const Lecteur& lecteur : lecteurs) {
        // A disc at the root of the file system would make every path of the program ambiguous: never taken.
        if (lecteur.pointMontage.isEmpty() || lecteur.pointMontage == QStringLiteral("/"))
            continue;
        if (!EstLecteurCDROM(lecteur))
            continue;
        if (QFileInfo(TrouverFichier(lecteur.pointMontage, CheminRelatifBaseCD)).isFile()) {
            LecteurCD = lecteur.pointMontage;
            return;
        }
    }
    LecteurCD.clear();
}
