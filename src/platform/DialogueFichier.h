#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;

struct DemandeFichier {
    bool enregistrer = false;
    // "description|pattern|description|pattern"; a pattern may hold several
    // globs separated by ";".
    QString filtre;
    int indexFiltre = 1;  // 1-based
    QString titre;
    QString dossierInitial;
    QString nomFichier;
};

struct ReponseFichier {
    bool annule = true;
    QString fichier;
    int indexFiltre = 1;  // 1-based index of the filter selected when the user confirmed
};

class DialogueFichier {
public:
    virtual ~DialogueFichier();
    virtual ReponseFichier montrer(const DemandeFichier& demande) = 0;
};

class DialogueFichierQt : public DialogueFichier {
public:
    ReponseFichier montrer(const DemandeFichier& demande) override;
};

// "desc|*.a;*.b|desc2|x?.c" -> {"desc (*.a *.b)", "desc2 (x?.c)"}: one Qt name
// filter per entry, in order, so a filter's position is its index minus one.
QStringList FiltresQt(const QString& filtreClassique);

// The two halves of the desktop's dialog around the user's choice, apart so that the reading of the
// chosen file type can be checked without showing a window: `dialogue` set up as `demande` asks, and
// the answer read back from it once accepted (the file type as its 1-based index in `demande.filtre`).
void PreparerDialogueFichier(QFileDialog& dialogue, const DemandeFichier& demande);
ReponseFichier ReponseDialogueFichier(const QFileDialog& dialogue, const DemandeFichier& demande);

ReponseFichier ChoisirFichier(const DemandeFichier& demande);
