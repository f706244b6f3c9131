#include "cardparts/GrilleDetention.h"

#include "cardparts/Nombres.h"
#include "data/Conditions.h"
#include "data/Connexion.h"
#include "data/Recordset.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "platform/Messages.h"
#include "shell/Echelle.h"
#include "shell/ValidationSortie.h"

#include <algorithm>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace {

QLabel* etiquette(QWidget* parent, const QString& texte, int g, int h, int l, int ht)
{
    auto* e = new QLabel(texte, parent);
    Placer(e, g, h, l, ht);
    return e;
}

void ecrire(QLineEdit* boite, const QString& texte)
{
    boite->setText(texte);
}

// A title alone on the head's two lines: wrapped, standing on its column, a word wider than the column
// growing leftwards to end at its right edge, and the whole growing upwards when it needs more lines.
void EnTeteAuBas(QLabel* l)
{
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    int plusLongMot = 0;
    for (const QString& mot : l->text().split(QLatin1Char(' ')))
        plusLongMot = std::max(plusLongMot, l->fontMetrics().horizontalAdvance(mot) + 4);
    if (plusLongMot > l->width()) {
        l->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        l->setGeometry(l->x() + l->width() - plusLongMot - 4, l->y(), plusLongMot, l->height());
    }
    const int hauteur = l->heightForWidth(l->width());
    if (hauteur > l->height())
        l->setGeometry(l->x(), l->y() + l->height() - hauteur, l->width(), hauteur);
}

// Column offsets from the grid's left edge, in twips.
enum : int {
    ColEtiquette = 0,
    ColQte = 960,
    ColEtat = 1290,
    ColQtes = 1980,
    ColQteDoubles = 2700,
    ColQteDouble = 3030,
    ColFin = 3630,
    ColDroite = 3780,
    PasLigne = 300,
    HauteurLigne = 270,
};

}  // namespace

GrilleDetention::GrilleDetention(QWidget* parent, const ParametresGrille& parametres)
    : QObject(parent), m_parametres(parametres)
{
    const int x = parametres.gauche;
    const int y = parametres.haut;
    const QStringList& titres = parametres.titresColonnes;
    const bool groupes = !parametres.titreConserver.isEmpty();
    // A column title: under its group heading on one line, or alone on both lines of the head, wrapped
    // and standing on the column; a word wider than its column grows leftwards, ending at its right edge.
    auto titre = [&](int colonne, int gauche, int largeur) {
        auto* t = etiquette(parent, titres.value(colonne), x + gauche, groupes ? y + 240 : y, largeur, groupes ? 240 : 510);
        if (colonne < parametres.nomsTitresColonnes.size())
            t->setObjectName(parametres.nomsTitresColonnes.at(colonne));
        if (!groupes)
            EnTeteAuBas(t);
    };
    if (groupes) {
        auto* conserver = etiquette(parent, parametres.titreConserver, x + ColQte, y, ColQteDoubles - ColQte - 60, 240);
        conserver->setAlignment(Qt::AlignCenter);
        conserver->setObjectName(QStringLiteral("TitreAConserver"));
        auto* doubles = etiquette(parent, parametres.titreDoubles, x + ColQteDoubles, y, ColFin - ColQteDoubles, 240);
        doubles->setAlignment(Qt::AlignCenter);
        doubles->setObjectName(QStringLiteral("TitreDoubles"));
    }
    titre(0, ColQte - 60, 420);
    titre(1, ColEtat, ColQtes - ColEtat);
    titre(2, ColQtes, ColQteDoubles - ColQtes);
    if (parametres.tiquesDoubles)
        titre(3, ColQteDoubles - 60, 420);
    titre(4, ColQteDouble, ColFin - ColQteDouble);

    const int yLignes = y + 510;
    for (int i = 0; i < parametres.suffixes.size(); ++i) {
        const QString s = parametres.suffixes.at(i);
        const int h = yLignes + i * PasLigne;
        Ligne l;
        const Condition& d = ConditionDe(s);
        l.etiquette = etiquette(parent, d.*parametres.libelleLigne, x + ColEtiquette, h, ColQte - 60, HauteurLigne);
        l.etiquette->setObjectName(QStringLiteral("Etiquette") + s);
        l.etiquette->setToolTip(d.infobulleLigne);
        l.qte = CreerControle<QCheckBox>(parent, QStringLiteral("Qte") + s, x + ColQte, h, 300, HauteurLigne);
        l.etat = CreerControle<QLineEdit>(parent, QStringLiteral("Etat") + s, x + ColEtat, h, ColQtes - ColEtat - 60, HauteurLigne);
        l.qtes = CreerControle<QLineEdit>(parent, QStringLiteral("Qtes") + s, x + ColQtes, h, ColQteDoubles - ColQtes - 120, HauteurLigne);
        if (parametres.tiquesDoubles)
            l.qteDoubles = CreerControle<QCheckBox>(parent, QStringLiteral("QteDoubles") + s, x + ColQteDoubles, h, 300, HauteurLigne);
        l.qteDouble = CreerControle<QLineEdit>(parent, QStringLiteral("QteDouble") + s, x + ColQteDouble, h, ColFin - ColQteDouble, HauteurLigne);
        for (QLineEdit* boite : {l.etat, l.qtes, l.qteDouble})
            boite->setAlignment(Qt::AlignRight);
        m_lignes << l;
    }

    const int yValeurs = yLignes + int(parametres.suffixes.size()) * PasLigne + 30;
    auto* valeur = etiquette(parent, parametres.libelleValeur, x, yValeurs, ColQte - 60, 255);
    if (!parametres.nomLibelleValeur.isEmpty())
        valeur->setObjectName(parametres.nomLibelleValeur);
    if (!groupes)
        EnTeteAuBas(valeur);
    m_valeurCollection = CreerControle<QLabel>(parent, QStringLiteral("ValeurCollection"), x + ColQte, yValeurs, ColQteDoubles - ColQte - 120, 255);
    m_valeurDoubles = CreerControle<QLabel>(parent, QStringLiteral("ValeurDoubles"), x + ColQteDoubles, yValeurs, ColFin - ColQteDoubles, 255);
    for (QLabel* v : {m_valeurCollection, m_valeurDoubles}) {
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        v->setFrameShape(QFrame::Panel);
        v->setFrameShadow(QFrame::Sunken);
    }

    m_nePasAcquerir = CreerControle<QCheckBox>(parent, QStringLiteral("NePasAcquerir"), x + ColDroite, yLignes, 1800, HauteurLigne);
    m_nePasAcquerir->setText(QStringLiteral("Ne pas acquérir"));
    auto* libelle = etiquette(parent, parametres.libelleCommentaire, x + ColDroite, yLignes + 2 * PasLigne, 1800, 240);
    if (!parametres.nomLibelleCommentaire.isEmpty())
        libelle->setObjectName(parametres.nomLibelleCommentaire);
    const int yCommentaire = yLignes + 3 * PasLigne;
    if (parametres.hauteurCommentaire > HauteurLigne) {
        auto* zone = CreerControle<QPlainTextEdit>(parent, QStringLiteral("commentaire"), x + ColDroite, yCommentaire, 1800,
            parametres.hauteurCommentaire);
        zone->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        // Tab goes on to the next control, as from every other box of the grid.
        zone->setTabChangesFocus(true);
        m_commentaire = zone;
    } else {
        m_commentaire = CreerControle<QLineEdit>(parent, QStringLiteral("commentaire"), x + ColDroite, yCommentaire, 1800, HauteurLigne);
    }
}

QString GrilleDetention::texteCommentaire() const
{
    if (auto* zone = qobject_cast<QPlainTextEdit*>(m_commentaire))
        return zone->toPlainText();
    return static_cast<QLineEdit*>(m_commentaire)->text();
}

void GrilleDetention::ecrireCommentaire(const QString& texte)
{
    const QSignalBlocker bloque(m_commentaire);
    if (auto* zone = qobject_cast<QPlainTextEdit*>(m_commentaire)) {
        zone->setPlainText(texte);
        zone->document()->setModified(false);
    } else {
        static_cast<QLineEdit*>(m_commentaire)->setText(texte);
    }
}

QList<QWidget*> GrilleDetention::controlesSaisie() const
{
    QList<QWidget*> c;
    for (const Ligne& l : m_lignes)
        c << l.qte;
    for (const Ligne& l : m_lignes)
        c << l.etat;
    for (const Ligne& l : m_lignes)
        c << l.qtes;
    for (const Ligne& l : m_lignes)
        c << l.qteDouble;
    for (const Ligne& l : m_lignes) {
        if (l.qteDoubles)
            c << l.qteDoubles;
    }
    c << m_nePasAcquerir << m_commentaire;
    return c;
}

void GrilleDetention::vider()
{
    const QList<QWidget*> controles = controlesSaisie();
    for (QWidget* w : controles) {
        const QSignalBlocker bloque(w);
        if (auto* tique = qobject_cast<QCheckBox*>(w))
            tique->setChecked(false);
        else if (auto* boite = qobject_cast<QLineEdit*>(w))
            boite->clear();
    }
    ecrireCommentaire(QString());
}

void GrilleDetention::charger(const Recordset& ligne)
{
    montrer(DetentionStockee(ligne, m_parametres));
}

void GrilleDetention::montrer(const DetentionSaisie& detention)
{
    auto cocher = [](QCheckBox* tique, bool etat) {
        const QSignalBlocker bloque(tique);
        tique->setChecked(etat);
    };
    auto ecrire = [](QLineEdit* boite, const QString& texte) {
        const QSignalBlocker bloque(boite);
        boite->setText(texte);
    };
    cocher(m_nePasAcquerir, detention.nePasAcquerir);
    ecrireCommentaire(detention.commentaire);
    for (int i = 0; i < m_lignes.size() && i < detention.lignes.size(); ++i) {
        const Ligne& l = m_lignes.at(i);
        const LigneSaisie& d = detention.lignes.at(i);
        if (l.qteDoubles)
            cocher(l.qteDoubles, !EstNul(d.doubles));
        ecrire(l.qteDouble, TexteNombre(d.doubles));
        cocher(l.qte, d.possede);
        ecrire(l.etat, d.possede ? TexteNombre(d.qualite) : QString());
        ecrire(l.qtes, d.possede ? TexteNombre(d.copies) : QString());
    }
}

void GrilleDetention::montrerLigne(int ligne, bool visible)
{
    const Ligne& l = m_lignes.at(ligne);
    for (QWidget* w : {static_cast<QWidget*>(l.etiquette), static_cast<QWidget*>(l.qte),
             static_cast<QWidget*>(l.etat), static_cast<QWidget*>(l.qtes), static_cast<QWidget*>(l.qteDouble),
             static_cast<QWidget*>(l.qteDoubles)}) {
        if (w)
            w->setVisible(visible);
    }
}

bool GrilleDetention::ligneVisible(int ligne) const
{
    return !m_lignes.at(ligne).qte->isHidden();
}

void GrilleDetention::activer(bool actif)
{
    for (QWidget* w : controlesSaisie())
        w->setEnabled(actif);
}

void GrilleDetention::calculerValeurs(const QStringList& prix)
{
    QList<LigneValeurs> lignes;
    for (int i = 0; i < m_lignes.size(); ++i) {
        const Ligne& l = m_lignes.at(i);
        lignes << LigneValeurs{prix.value(i), l.qtes->text(), l.etat->text(), l.qteDouble->text()};
    }
    const ValeursGrille v = CalculerValeursLignes(lignes);
    m_valeurDoubles->setText(FormaterValeur(v.doubles));
    m_valeurCollection->setText(FormaterValeur(v.collection));
}

// --- The user's edits --------------------------------------------------------------------------------

void GrilleDetention::recalculer()
{
    if (m_recalcul)
        m_recalcul();
}

void GrilleDetention::refuser(const QString& texte)
{
    AfficherMessage(texte, Boutons::OK, Icone::Exclamation, QStringLiteral("Saisie incorrecte"));
}

void GrilleDetention::installerSaisie(ValidationSortie& validation)
{
    for (int i = 0; i < m_lignes.size(); ++i) {
        const Ligne& l = m_lignes.at(i);
        connect(l.qte, &QCheckBox::toggled, this, [this, i] { Qte_Click(i); });
        if (l.qteDoubles)
            connect(l.qteDoubles, &QCheckBox::toggled, this, [this, i] { QteDoubles_Click(i); });
        validation.surveiller(l.qtes, [this, i] { return Qtes_Validate(i); });
        validation.surveiller(l.etat, [this, i] { return Etat_Validate(i); });
        validation.surveiller(l.qteDouble, [this, i] { return QteDouble_Validate(i); });
    }
    connect(m_nePasAcquerir, &QCheckBox::toggled, this, &GrilleDetention::NePasAcquerir_Click);
    validation.surveiller(m_commentaire, [this] { return commentaire_Validate(); });
}

void GrilleDetention::Qte_Click(int ligne)
{
    const Ligne& l = m_lignes.at(ligne);
    emit modifie();
    if (l.qte->isChecked()) {
        if (l.etat->text().isEmpty())
            ecrire(l.etat, QStringLiteral("100"));
        if (l.qtes->text().isEmpty())
            ecrire(l.qtes, QStringLiteral("1"));
    } else {
        l.etat->clear();
        l.qtes->clear();
    }
    recalculer();
}

void GrilleDetention::QteDoubles_Click(int ligne)
{
    const Ligne& l = m_lignes.at(ligne);
    emit modifie();
    if (!l.qteDoubles->isChecked())
        l.qteDouble->clear();
    else if (l.qteDouble->text().isEmpty())
        ecrire(l.qteDouble, QStringLiteral("1"));
    recalculer();
}

bool GrilleDetention::Qtes_Validate(int ligne)
{
    const Ligne& l = m_lignes.at(ligne);
    const QString texte = l.qtes->text();
    if (texte.isEmpty()) {
        emit modifie();
        l.etat->clear();
        l.qte->setChecked(false);
        recalculer();
        return true;
    }
    if (LireCompte(texte, m_parametres.maximumQuantite)) {
        emit modifie();
        l.qte->setChecked(true);
        recalculer();
        return true;
    }
    refuser(QStringLiteral("Vous devez entrer une valeur entre 0 et %1").arg(m_parametres.maximumQuantite));
    l.qtes->clear();
    l.qte->setChecked(false);
    l.etat->clear();
    return false;
}

bool GrilleDetention::Etat_Validate(int ligne)
{
    const Ligne& l = m_lignes.at(ligne);
    const QString texte = l.etat->text();
    if (texte.isEmpty() || LireQualite(texte)) {
        emit modifie();
        recalculer();
        return true;
    }
    refuser(QStringLiteral("Vous devez entrer une valeur entre 0 et 300"));
    ecrire(l.etat, QStringLiteral("100"));
    return false;
}

bool GrilleDetention::QteDouble_Validate(int ligne)
{
    const Ligne& l = m_lignes.at(ligne);
    const QString texte = l.qteDouble->text();
    const std::optional<int> n = texte.isEmpty() ? std::optional<int>(0) : LireCompte(texte, m_parametres.maximumQuantite);
    if (!n) {
        refuser(QStringLiteral("Vous devez entrer une valeur entre 0 et %1").arg(m_parametres.maximumQuantite));
        l.qteDouble->clear();
        return false;
    }
    emit modifie();
    if (l.qteDoubles) {
        // No duplicates, or none left: the count is emptied and the tick cleared.
        if (*n == 0) {
            l.qteDouble->clear();
            l.qteDoubles->setChecked(false);
        } else {
            l.qteDoubles->setChecked(true);
        }
    }
    recalculer();
    return true;
}

void GrilleDetention::NePasAcquerir_Click()
{
    emit modifie();
}

bool GrilleDetention::commentaire_Validate()
{
    emit modifie();
    return true;
}

std::optional<DetentionSaisie> GrilleDetention::saisie() const
{
    DetentionSaisie s;
    for (const Ligne& l : m_lignes) {
        LigneSaisie ls;
        ls.possede = l.qte->isChecked();
        if (ls.possede) {
            if (!l.qtes->text().isEmpty()) {
                const std::optional<int> copies = LireCompte(l.qtes->text(), m_parametres.maximumQuantite);
                if (!copies)
                    return std::nullopt;
                ls.copies = *copies;
            }
            if (!l.etat->text().isEmpty()) {
                const std::optional<double> qualite = LireQualite(l.etat->text());
                if (!qualite)
                    return std::nullopt;
                ls.qualite = *qualite;
            }
        }
        const bool doubles = l.qteDoubles ? l.qteDoubles->isChecked() : true;
        if (doubles && !l.qteDouble->text().isEmpty()) {
            const std::optional<int> n = LireCompte(l.qteDouble->text(), m_parametres.maximumQuantite);
            if (!n)
                return std::nullopt;
            ls.doubles = *n;
        }
        s.lignes << ls;
    }
    s.nePasAcquerir = m_nePasAcquerir->isChecked();
    s.commentaire = texteCommentaire();
    return s;
}

bool GrilleDetention::enregistrer(
    const QString& table, const QString& collection, const QString& dallay, DetentionSaisie* lue)
{
    const std::optional<DetentionSaisie> s = saisie();
    if (!s) {
        // Only a value that escaped its validation gets here; it is never stored.
        AfficherMessage(QStringLiteral("Une valeur de la grille est hors limites : la fiche n'a pas été enregistrée"),
            Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
        return false;
    }
    try {
        if (!lue) {
            EcrireDetention(*CnxPerso, table, collection, dallay, m_parametres.suffixes, *s);
            return true;
        }
        Transaction transaction(*CnxPerso);
        const Recordset stockee = Recordset::Ouvrir(CnxPerso,
            QStringLiteral("SELECT * FROM %1 WHERE Dallay = ? AND Collection = ?").arg(table),
            {dallay, collection.toLongLong()});
        const DetentionSaisie ecrite = FusionnerDetention(DetentionStockee(stockee, m_parametres), *lue, *s);
        EcrireDetention(*CnxPerso, table, collection, dallay, m_parametres.suffixes, ecrite);
        transaction.valider();
        // Only a committed row is the next save's reference: a write refused above leaves `lue` as it was
        // read, so the next save still finds the user's edit and writes it.
        *lue = ecrite;
        if (ecrite != *s) {
            montrer(ecrite);
            recalculer();
        }
    } catch (const ErreurBase& e) {
        AfficherMessage(e.message(), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
        return false;
    }
    return true;
}
