#include "lists/DialogueExportListe.h"

#include "data/Source.h"
#include "lists/ExportListes.h"
#include "lists/LignesListe.h"
#include "platform/DialogueFichier.h"
#include "platform/Messages.h"
#include "platform/Sablier.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {

const QString ChoixFichier = QStringLiteral("Liste au format texte (forum d'échanges)");
const QString ChoixEcran = QStringLiteral("Liste délimitée à l'écran");

}  // namespace

DialogueExportListe::DialogueExportListe(
    const QString& nom, const QString& titre, const VueResultat* liste, bool manques, QWidget* parent)
    : QDialog(parent), m_liste(liste), m_manques(manques)
{
    setObjectName(nom);
    setWindowTitle(titre);
    DimensionnerEcran(this, 5400, 2700);
    CreerControle<QLabel>(this, QStringLiteral("Label1"), QStringLiteral("Type d'export :"), 120, 180, 1400, 255);
    m_choix = CreerControle<QComboBox>(this, QStringLiteral("ChoixExport"), 1560, 120, 3660, 315);
    SaisieLibre(m_choix);
    m_choix->addItems({ChoixFichier, ChoixEcran});
    m_choix->setCurrentText(ChoixFichier);
    CreerControle<QLabel>(this, QStringLiteral("Label3"), QStringLiteral("Nota :"), 120, 600, 1400, 255);
    auto* nota = CreerControle<QLabel>(this, QStringLiteral("Label2"),
        QStringLiteral(
            "Pour exporter au format HTML, utilisez le bouton \"Imprimer\" plutôt que \"Exporter\" et lorsque le "
            "rapport est visible à l'écran, cliquez le bouton \"Export\"."),
        1560, 600, 3660, 1200);
    nota->setWordWrap(true);
    nota->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* ok = CreerControle<QPushButton>(this, QStringLiteral("OKButton"), 1440, 2040, 1215, 375);
    ok->setText(QStringLiteral("OK"));
    ok->setDefault(true);
    auto* annuler = CreerControle<QPushButton>(this, QStringLiteral("CancelButton"), 2760, 2040, 1215, 375);
    annuler->setText(QStringLiteral("Annuler"));
    connect(ok, &QPushButton::clicked, this, &DialogueExportListe::OKButton_Click);
    connect(annuler, &QPushButton::clicked, this, &DialogueExportListe::CancelButton_Click);
}

void DialogueExportListe::OKButton_Click()
{
    Sablier sablier;
    const QString choix = m_choix->currentText();
    if (choix == ChoixEcran) {
        m_listeEcran = true;
        accept();
        return;
    }
    if (choix != ChoixFichier) {
        sablier.restaurer();
        AfficherMessage(QStringLiteral("Vous devez choisir un élément dans la liste"), Boutons::OK, Icone::Exclamation,
            QStringLiteral("Impossible de continuer"));
        return;
    }
    DemandeFichier demande;
    demande.enregistrer = true;
    demande.filtre = QStringLiteral("*.txt (fichier texte)|*.txt");
    demande.indexFiltre = 1;
    demande.titre = QStringLiteral("Export de la mancoliste");
    demande.dossierInitial = DossierProgramme();
    const ReponseFichier reponse = ChoisirFichier(demande);
    if (reponse.annule || reponse.fichier.isEmpty()) {
        reject();
        return;
    }
    if (QFileInfo::exists(reponse.fichier)) {
        sablier.restaurer();
        if (AfficherMessage(QStringLiteral("Le fichier existe déjà, voulez-vous le remplacer"), Boutons::OuiNon,
                Icone::Question) != Reponse::Oui) {
            reject();
            return;
        }
    }
    const QString erreur = EcrireFichierEchange(reponse.fichier, TexteEchange(LignesListe(*m_liste), m_manques));
    sablier.restaurer();
    if (!erreur.isEmpty()) {
        // Nothing was written: the dialog stays, and the user may choose another place.
        AfficherMessage(erreur, Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
        return;
    }
    accept();
}

void DialogueExportListe::CancelButton_Click()
{
    reject();
}
