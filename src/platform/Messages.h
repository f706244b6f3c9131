#pragma once

#include <QString>

inline const QString TitreApplication = QStringLiteral("Orvalen Zorizad ud Udavoz");

enum class Icone { Aucune, Critique, Question, Exclamation, Information };
enum class Boutons { OK, OKAnnuler, AbandonReessayerIgnorer, OuiNonAnnuler, OuiNon, ReessayerAnnuler };
enum class Reponse { OK, Annuler, Abandonner, Reessayer, Ignorer, Oui, Non };

struct Message {
    QString texte;
    Boutons boutons = Boutons::OK;
    Icone icone = Icone::Aucune;
    QString titre;
    int boutonParDefaut = 1;  // 1, 2 or 3, counted left to right
};

class BoiteMessages {
public:
    virtual ~BoiteMessages();
    virtual Reponse afficher(const Message& message) = 0;
};

class BoiteMessagesQt : public BoiteMessages {
public:
    Reponse afficher(const Message& message) override;
};

// The answers each set of buttons offers, left to right.
QList<Reponse> ReponsesPossibles(Boutons boutons);

// What closing the box without choosing means: Annuler, else Non, else the
// first button (OK, or Abandonner for the only set without either).
Reponse ReponseEchappement(Boutons boutons);

// An empty title is replaced by TitreApplication.
Reponse AfficherMessage(const QString& texte, Boutons boutons = Boutons::OK, Icone icone = Icone::Aucune,
    const QString& titre = {}, int boutonParDefaut = 1);
