#pragma once

#include <QString>
#include <QStringList>

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

ReponseFichier ChoisirFichier(const DemandeFichier& demande);
