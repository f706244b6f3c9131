#pragma once
// The holdings grid that the stamp card and its sub-cards share: one row per condition with the copies
// kept (owned tick, quality, copies) and the duplicates (tick where the card has one, count), the
// "Ne pas acquérir" tick, the comment and the two values. A card names its conditions, its bounds and
// where the grid goes; the controls, their names, the reading of a stored row and the values are here.

#include "cardparts/Detention.h"
#include "data/Conditions.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;
class Recordset;
class ValidationSortie;

struct ParametresGrille {
    QStringList suffixes;      // the conditions, top to bottom: N, NC, NSG, O, L or O, L
    int maximumQuantite = 9999;  // copies and duplicates
    bool tiquesDoubles = true;   // a duplicates tick beside each count (stamp card)
    int gauche = 0;              // top-left corner of the grid on its parent, in twips
    int haut = 0;
    // The grid's words, which each card gives as its own. The group headings stand over the copies kept
    // and over the duplicates; without them the column titles take both lines of the head.
    QString titreConserver = QStringLiteral("A conserver");
    QString titreDoubles = QStringLiteral("Doubles");
    // Owned, quality, copies, duplicates tick (cards that have one), duplicates count.
    QStringList titresColonnes = {QStringLiteral("j'ai"), QStringLiteral("% qualité"), QStringLiteral("Qté"),
        QStringLiteral("j'ai"), QStringLiteral("Qté")};
    QStringList nomsTitresColonnes;  // their object names, where the card has some
    // The rows' labels: the stamp card's (an envelope for the on-cover row) or the sub-cards'.
    QString Condition::*libelleLigne = &Condition::libelle;
    QString libelleValeur = QStringLiteral("Valeur €:");
    QString nomLibelleValeur;
    QString libelleCommentaire = QStringLiteral("Commentaire");
    QString nomLibelleCommentaire;
    int hauteurCommentaire = 0;  // in twips; above one line, the comment box takes several lines
};

// A stored row as the grid of `parametres` would show it and give it back.
inline DetentionSaisie DetentionStockee(const Recordset& ligne, const ParametresGrille& parametres)
{
    return DetentionStockee(ligne, parametres.suffixes, parametres.maximumQuantite);
}

class GrilleDetention : public QObject {
    Q_OBJECT
public:
    GrilleDetention(QWidget* parent, const ParametresGrille& parametres);

    const ParametresGrille& parametres() const { return m_parametres; }
    int nombreLignes() const { return int(m_lignes.size()); }

    QLabel* Etiquette(int ligne) const { return m_lignes.at(ligne).etiquette; }
    QCheckBox* Qte(int ligne) const { return m_lignes.at(ligne).qte; }
    QLineEdit* Etat(int ligne) const { return m_lignes.at(ligne).etat; }
    QLineEdit* Qtes(int ligne) const { return m_lignes.at(ligne).qtes; }
    QLineEdit* QteDouble(int ligne) const { return m_lignes.at(ligne).qteDouble; }
    QCheckBox* QteDoubles(int ligne) const { return m_lignes.at(ligne).qteDoubles; }  // null without ticks
    QCheckBox* NePasAcquerir() const { return m_nePasAcquerir; }
    // A one-line box, or a box of several lines where the card gives it the height.
    QWidget* commentaire() const { return m_commentaire; }
    QString texteCommentaire() const;
    QLabel* ValeurCollection() const { return m_valeurCollection; }
    QLabel* ValeurDoubles() const { return m_valeurDoubles; }

    // The controls the user fills, in grid order: the owned ticks, the quality boxes, the copies boxes,
    // the duplicates counts, the duplicates ticks, then NePasAcquerir and commentaire.
    QList<QWidget*> controlesSaisie() const;

    // Unticks and empties every control the user fills. No handler runs: clearing is no edit.
    void vider();
    // Shows a stored holdings row exactly: a condition not owned shows empty boxes whatever its columns
    // hold, Null duplicates leave the duplicates unticked. No handler runs.
    void charger(const Recordset& ligne);
    // The same from holdings as stored (DetentionStockee, or what a save wrote).
    void montrer(const DetentionSaisie& detention);
    // The six controls of a condition's row: shown only when the condition has a price.
    void montrerLigne(int ligne, bool visible);
    bool ligneVisible(int ligne) const;
    void activer(bool actif);

    // Recomputes both values from the grid's texts and the price of each row, in grid order.
    void calculerValeurs(const QStringList& prix);

    // The card's own value computation, which the handlers call after each accepted change of a row.
    void definirRecalcul(std::function<void()> recalcul) { m_recalcul = std::move(recalcul); }
    // Connects the ticks' handlers and registers the boxes' validations.
    void installerSaisie(ValidationSortie& validation);

    // The handlers of the user's edits. A tick's handler runs on every change of its state, by the user
    // or by a handler; a box's validation when the user leaves it. Each accepted edit signals modifie().
    void Qte_Click(int ligne);
    void QteDoubles_Click(int ligne);
    bool Qtes_Validate(int ligne);
    bool Etat_Validate(int ligne);
    bool QteDouble_Validate(int ligne);
    void NePasAcquerir_Click();
    bool commentaire_Validate();

    // What the grid holds, ready to store; nothing when a box holds a value its validation refuses.
    std::optional<DetentionSaisie> saisie() const;
    // Writes what the grid holds as the row of (`dallay`, `collection`) in `table`. A value that escaped
    // its validation, or a write the database refuses, is reported ("Erreur") and nothing is stored: false.
    // Given `lue`, the row the grid was filled from, the save reads the stored row again in the same
    // transaction and writes over it only what the user changed (FusionnerDetention), so that another
    // screen's write since the reading is kept. Once committed, `lue` becomes the row written, so the next
    // save compares with what is stored and not with what was read before this one (a value put back
    // to what was first shown is a change again); and the grid shows that row when it differs from
    // what the user typed (another screen's part kept), since the card may stay on its stamp.
    bool enregistrer(const QString& table, const QString& collection, const QString& dallay,
        DetentionSaisie* lue = nullptr);

signals:
    void modifie();

private:
    void ecrireCommentaire(const QString& texte);
    void recalculer();
    void refuser(const QString& texte);
    struct Ligne {
        QLabel* etiquette = nullptr;
        QCheckBox* qte = nullptr;
        QLineEdit* etat = nullptr;
        QLineEdit* qtes = nullptr;
        QCheckBox* qteDoubles = nullptr;
        QLineEdit* qteDouble = nullptr;
    };

    ParametresGrille m_parametres;
    QList<Ligne> m_lignes;
    QCheckBox* m_nePasAcquerir = nullptr;
    QWidget* m_commentaire = nullptr;
    QLabel* m_valeurCollection = nullptr;
    QLabel* m_valeurDoubles = nullptr;
    std::function<void()> m_recalcul;
};
