#include "platform/DialogueFichier.h"

#include "platform/Plateforme.h"

#include <QApplication>
#include <QFileDialog>

DialogueFichier::~DialogueFichier() = default;

QStringList FiltresQt(const QString& filtreClassique)
{
    QStringList filtres;
    if (filtreClassique.isEmpty())
        return filtres;
    const QStringList morceaux = filtreClassique.split(QLatin1Char('|'));
    // A trailing description without its pattern filters nothing: it is dropped.
    for (qsizetype i = 0; i + 1 < morceaux.size(); i += 2) {
        QStringList globs;
        for (const QString& glob : morceaux.at(i + 1).split(QLatin1Char(';'))) {
            const QString g = glob.trimmed();
            if (!g.isEmpty())
                globs.append(g);
        }
        filtres.append(QStringLiteral("%1 (%2)").arg(morceaux.at(i).trimmed(), globs.join(QLatin1Char(' '))));
    }
    return filtres;
}

namespace {

// With HideNameFilterDetails, Qt 6.4 reports the filter without its
// "(patterns)" part; later versions report it whole. Either maps back.
qsizetype indexFiltreChoisi(const QStringList& filtres, const QString& choisi)
{
    const qsizetype exact = filtres.indexOf(choisi);
    if (exact >= 0)
        return exact;
    for (qsizetype i = 0; i < filtres.size(); ++i) {
        const QString& filtre = filtres.at(i);
        if (filtre.left(filtre.lastIndexOf(QLatin1String(" ("))).simplified() == choisi.simplified())
            return i;
    }
    return -1;
}

}  // namespace

void PreparerDialogueFichier(QFileDialog& dialogue, const DemandeFichier& demande)
{
    // The program asks its own overwrite question; the description already
    // names the pattern, so Qt must not repeat it.
    dialogue.setOptions(
        QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails);
    dialogue.setAcceptMode(demande.enregistrer ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogue.setFileMode(QFileDialog::AnyFile);
    dialogue.setDefaultSuffix(QString());
    if (!demande.titre.isEmpty())
        dialogue.setWindowTitle(demande.titre);

    const QStringList filtres = FiltresQt(demande.filtre);
    if (!filtres.isEmpty()) {
        dialogue.setNameFilters(filtres);
        if (demande.indexFiltre >= 1 && demande.indexFiltre <= filtres.size())
            dialogue.selectNameFilter(filtres.at(demande.indexFiltre - 1));
    }
    if (!demande.dossierInitial.isEmpty())
        dialogue.setDirectory(demande.dossierInitial);
    if (!demande.nomFichier.isEmpty())
        dialogue.selectFile(demande.nomFichier);
}

ReponseFichier ReponseDialogueFichier(const QFileDialog& dialogue, const DemandeFichier& demande)
{
    ReponseFichier reponse;
    reponse.indexFiltre = demande.indexFiltre;
    const QStringList fichiers = dialogue.selectedFiles();
    if (fichiers.isEmpty())
        return reponse;
    reponse.annule = false;
    reponse.fichier = fichiers.constFirst();
    const qsizetype index = indexFiltreChoisi(FiltresQt(demande.filtre), dialogue.selectedNameFilter());
    if (index >= 0)
        reponse.indexFiltre = int(index) + 1;
    return reponse;
}

ReponseFichier DialogueFichierQt::montrer(const DemandeFichier& demande)
{
    QFileDialog dialogue(QApplication::activeWindow());
    PreparerDialogueFichier(dialogue, demande);
    if (dialogue.exec() != QDialog::Accepted) {
        ReponseFichier annule;
        annule.indexFiltre = demande.indexFiltre;
        return annule;
    }
    return ReponseDialogueFichier(dialogue, demande);
}

ReponseFichier ChoisirFichier(const DemandeFichier& demande)
{
    return Plateforme().fichiers->montrer(demande);
}
