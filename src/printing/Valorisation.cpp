#include "printing/Valorisation.h"

#include "data/Source.h"
#include "platform/Messages.h"
#include "platform/Sablier.h"
#include "printing/AffichageEtat.h"
#include "printing/Dispositions.h"
#include "printing/Etat.h"
#include "shell/CollectionOuverte.h"

namespace {
const QString& Total = TotalValorisation;
}  // namespace

void RemplirImpCollection1(Etat& etat, const ValeursCollection& valeurs, const QString& titre)
{
    auto ecrire = [&](const QString& nom) {
        ControleEtat* etiquette = ControleParNom(etat, QStringLiteral("SectionDetail"), nom);
        if (!etiquette)
            return;
        const std::optional<double> v = valeurs.valeur(nom);
        etiquette->legende = v ? TexteValeurCollection(*v) : QString();
    };
    for (const QString& groupe : GroupesValorisation) {
        for (const QString& section : SectionsValorisation())
            if (SectionDansGroupe(section, groupe))
                ecrire(section + Total + groupe);
        ecrire(Total + groupe);
    }
    ecrire(Total);
    if (ControleEtat* etiquette = ControleParNom(etat, QStringLiteral("SectionEnteteEtat"), QStringLiteral("LabelCollection")))
        etiquette->legende = titre;
}

void BoutonValeurCollection_Click()
{
    if (!CollectionEstOuverte()) {
        AfficherMessage(QStringLiteral("Vous devez d'abord ouvrir une collection avant d'utiliser ce bouton"),
            Boutons::OK, Icone::Exclamation, QStringLiteral("Impossible de continuer"));
        return;
    }
    Sablier sablier;
    const ValeursCollection valeurs =
        CalculerValeurCollection(CnxPerso, CheminBaseCatalogue(), CodeCollectionOuverte());
    Etat etat = ImpCollection1();
    RemplirImpCollection1(etat, valeurs, TitreCollection(NomCollectionOuverte()));
    // The grid is printed once whatever the catalogue holds: its one row is ours, not a quotation's.
    TableEtat donnees(QStringList {QStringLiteral("Dallay")});
    donnees.ajouter({QStringLiteral("1")});
    sablier.restaurer();
    MontrerEtat(etat, donnees);
}
