#include "lists/EcranListe.h"

#include "card/Fiche.h"
#include "data/Conditions.h"
#include "data/Recordset.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "platform/Messages.h"
#include "platform/Sablier.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"
#include "shell/VueResultat.h"

#include <QCheckBox>
#include <QDate>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

QHash<int, std::function<void(EcranListe&)>>& impressions()
{
    static QHash<int, std::function<void(EcranListe&)>> tout;
    return tout;
}

QGroupBox* cadre(QWidget* parent, const QString& nom, const QString& titre, int g, int h, int l, int ht)
{
    auto* c = CreerControle<QGroupBox>(parent, nom, g, h, l, ht);
    c->setTitle(titre);
    return c;
}

QWidget* trait(QWidget* parent, const QString& nom, int g, int h, int l)
{
    auto* t = CreerControle<QFrame>(parent, nom, g, h, l, 30);
    t->setFrameShape(QFrame::HLine);
    t->setFrameShadow(QFrame::Sunken);
    return t;
}

}  // namespace

void DefinirImpressionListe(int onglet, std::function<void(EcranListe&)> ouvrir)
{
    impressions().insert(onglet, std::move(ouvrir));
}

void RemplirResultat(VueResultat& liste, Recordset&& r)
{
    const int colonnes = std::min(7, r.NombreColonnes());
    std::vector<CelluleResultat> cellules;
    for (int k = 0; k < colonnes; ++k)
        cellules.emplace_back(k);
    liste.afficherResultat(std::move(r), std::move(cellules));
}

QString AnneePrecedente()
{
    return QString::number(QDate::currentDate().year() - 1);
}

EcranListe::EcranListe(int onglet, const QString& nom, const QString& nomListe, bool manques, QWidget* parent)
    : EcranPrincipal(onglet, nom, 11895, 7755, parent)
{
    QWidget* p = page();
    const int hautAnnees = manques ? 3480 : 480;
    const int hautMotCle = manques ? 5640 : 2700;

    // The period panel.
    auto* annees = cadre(p, QStringLiteral("grpChoixAnnée"), manques ? QStringLiteral("2 - Années") : QStringLiteral("1 - Années"),
        120, hautAnnees, 4920, 2040);
    const char* const textesModes[] = {"Toutes", "Période", "Années"};
    for (int i = 0; i < 3; ++i) {
        m_choixAnnee[i] = CreerControle<QRadioButton>(
            annees, QStringLiteral("ChoixAnnée_%1").arg(i + 1), 120 + i * 1320, 300, 1260, 255);
        m_choixAnnee[i]->setText(QString::fromUtf8(textesModes[i]));
        connect(m_choixAnnee[i], &QRadioButton::toggled, this, [this](bool choisi) {
            if (choisi)
                ChoixAnnée_Click();
        });
    }
    const char* const periodes[][3] = {{"Classique", "lblClassique", "Classique (1849 à 1899)"},
        {"SemiModerne", "lblSemiModerne", "Semi-moderne (1900 à 1939)"},
        {"Moderne0", "lblModerne0", "Guerre et reconstruction (1940 à 1959)"},
        {"Moderne", "lblModerne", "Moderne (1960 à nos jours)"}};
    for (int i = 0; i < 4; ++i) {
        const int h = 660 + i * 330;
        m_periodes << CreerControle<QCheckBox>(annees, QString::fromUtf8(periodes[i][0]), 240, h, 255, 255);
        m_decorPeriodes << CreerControle<QLabel>(
            annees, QString::fromUtf8(periodes[i][1]), QString::fromUtf8(periodes[i][2]), 540, h, 4200, 255);
        m_decorPeriodes << trait(annees, QStringLiteral("Trait%1").arg(i + 1), 240, h + 285, 4500);
    }
    m_decorAnnees << CreerControle<QLabel>(
        annees, QStringLiteral("lblAnnee1"), QStringLiteral("de:"), 240, 700, 360, 255);
    m_anneeDebut = CreerControle<QLineEdit>(annees, QStringLiteral("MAnnéeDébut"), 600, 660, 800, 285);
    m_anneeDebut->setText(QStringLiteral("1849"));
    m_decorAnnees << CreerControle<QLabel>(
        annees, QStringLiteral("lblAnnee2"), QStringLiteral("à:"), 1560, 700, 360, 255);
    m_anneeFin = CreerControle<QLineEdit>(annees, QStringLiteral("MAnnéeFin"), 1920, 660, 800, 285);

    // The sections.
    CreerControle<QLabel>(p, QStringLiteral("LabelRubriques"),
        manques ? QStringLiteral("3 - Rubriques") : QStringLiteral("2 - Rubriques"), 5160, 480, 2160, 255);
    m_rubriques = CreerControle<VueListe>(p, QStringLiteral("ListeRubriques"), 5160, 780, 2160, 4620);
    CreerControle<QPushButton>(p, QStringLiteral("BoutonCreerListe"),
        manques ? QStringLiteral("4 - Reconstituer la liste") : QStringLiteral("3 - Reconstituer la liste"), 5160, 5460,
        2160, 375);

    // The keyword lists of varieties.
    auto* motCle = cadre(p, QStringLiteral("grpChoixRubSpec"),
        manques ? QStringLiteral("3 - Variétés, et autres rub.") : QStringLiteral("2 - Variétés, et autres rub."), 120,
        hautMotCle, 4920, 1200);
    CreerControle<QLabel>(motCle, QStringLiteral("Label6"), QStringLiteral("Mot-clé :"), 120, 340, 900, 255);
    m_motCle = CreerControle<QLineEdit>(motCle, QStringLiteral("TexteMotCle"), 1020, 300, 3720, 285);
    CreerControle<QPushButton>(motCle, QStringLiteral("BoutonCrerListeSpec"),
        manques ? QStringLiteral("4 -Reconstituer la liste") : QStringLiteral("3 -Reconstituer la liste"), 120, 700,
        4620, 375);

    // The result.
    m_resultat = CreerControle<VueResultat>(p, nomListe, 7440, 480, 4335, 5820);
    m_resultat->viewport()->installEventFilter(this);
    m_nbTimbres = CreerControle<QLabel>(p, QStringLiteral("NBTimbres"), QStringLiteral("0"), 7440, 6360, 700, 255);
    m_nbTimbres->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    CreerControle<QLabel>(p, manques ? QStringLiteral("Label5") : QStringLiteral("Étiquette172"),
        QStringLiteral("timbres trouvés"), 8220, 6360, 1500, 255);
    m_labelProgress = CreerControle<QLabel>(p, QStringLiteral("LabelProgress"),
        QStringLiteral("Préparation de la liste, veuillez patientez..."), 7440, 6660, 4335, 255);
    m_labelProgress->hide();
    m_progression = CreerControle<QProgressBar>(p, QStringLiteral("ProgressBar1"), 7440, 6660, 4335, 255);
    m_progression->setTextVisible(false);
    m_progression->hide();
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(500);
    auto* exporter = CreerControle<QPushButton>(
        p, QStringLiteral("BoutonExport"), QStringLiteral("Exporter"), 9180, 6960, 1200, 315);
    auto* imprimer = CreerControle<QPushButton>(
        p, QStringLiteral("BoutonImprimer"), QStringLiteral("Imprimer"), 10500, 6960, 1200, 315);

    connect(findChild<QPushButton*>(QStringLiteral("BoutonCreerListe")), &QPushButton::clicked, this,
        &EcranListe::BoutonCreerListe_Click);
    connect(findChild<QPushButton*>(QStringLiteral("BoutonCrerListeSpec")), &QPushButton::clicked, this,
        &EcranListe::BoutonCrerListeSpec_Click);
    connect(exporter, &QPushButton::clicked, this, &EcranListe::BoutonExport_Click);
    connect(imprimer, &QPushButton::clicked, this, &EcranListe::BoutonImprimer_Click);
    connect(&LaCollectionOuverte(), &EtatCollectionOuverte::changee, this, &EcranListe::ActualiserCollection);
}

void EcranListe::Form_Load()
{
    m_rubriques->viderColonnes();
    m_rubriques->ajouterColonne(QStringLiteral("Rubriques"), 2000);
    m_rubriques->ajouterColonne(QStringLiteral("Code"), 1);
    m_rubriques->viderLignes();
    // Without the catalogue the list stays empty: a build then asks for a section, and says so.
    SansEchec([this] {
        Recordset r = Recordset::Ouvrir(CnxCatalogue,
            QStringLiteral("SELECT * FROM Rubriques WHERE Code_Rubrique <> 'CD' AND Code_Rubrique <> 'MI' ORDER BY Ordre"));
        const int nomRubrique = r.Colonne(QStringLiteral("Nom_Rubrique"));
        const int code = r.Colonne(QStringLiteral("Code_Rubrique"));
        for (; !r.Eof(); r.MoveNext()) {
            QTreeWidgetItem* item = m_rubriques->ajouterLigne({Texte(r.Champ(nomRubrique)), Texte(r.Champ(code))});
            item->setCheckState(0, Qt::Unchecked);
        }
    });
    if (m_choixAnnee[0]->isChecked())
        ChoixAnnée_Click();
    else
        m_choixAnnee[0]->setChecked(true);
    m_anneeFin->setText(AnneePrecedente());
    RazListe();
    ActualiserCollection();
}

void EcranListe::ActualiserCollection()
{
    m_resultat->viderLignes();
    m_nbTimbres->setText(QStringLiteral("0"));
}

void EcranListe::RazListe()
{
    m_resultat->viderColonnes();
    m_resultat->ajouterColonne(QStringLiteral("Dallay"), 800);
    m_resultat->ajouterColonne(QStringLiteral("Désignation"), 3350);
    for (const Condition& c : Conditions)
        m_resultat->ajouterColonne(c.enteteListe, c.largeurListe);
    m_resultat->viderLignes();
}

void EcranListe::ChoixAnnée_Click()
{
    const bool periode = m_choixAnnee[1]->isChecked();
    const bool annees = m_choixAnnee[2]->isChecked();
    for (QCheckBox* c : m_periodes) {
        if (!periode)
            c->setChecked(false);
        c->setVisible(periode);
    }
    for (QWidget* w : m_decorPeriodes)
        w->setVisible(periode);
    for (QWidget* w : m_decorAnnees)
        w->setVisible(annees);
    m_anneeDebut->setVisible(annees);
    m_anneeFin->setVisible(annees);
    if (annees) {
        m_anneeDebut->setFocus();
    } else {
        m_anneeDebut->setText(QStringLiteral("1849"));
        m_anneeFin->setText(AnneePrecedente());
    }
}

OptionsPeriode EcranListe::optionsPeriode() const
{
    OptionsPeriode p;
    p.mode = m_choixAnnee[2]->isChecked() ? 3 : m_choixAnnee[1]->isChecked() ? 2 : 1;
    p.classique = m_periodes.at(0)->isChecked();
    p.semiModerne = m_periodes.at(1)->isChecked();
    p.moderne0 = m_periodes.at(2)->isChecked();
    p.moderne = m_periodes.at(3)->isChecked();
    p.anneeDebut = m_anneeDebut->text();
    p.anneeFin = m_anneeFin->text();
    return p;
}

QStringList EcranListe::rubriquesCochees() const
{
    QStringList codes;
    for (int i = 0; i < m_rubriques->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_rubriques->topLevelItem(i);
        if (item->checkState(0) == Qt::Checked)
            codes << item->text(1);
    }
    return codes;
}

OptionsListe EcranListe::options() const
{
    OptionsListe o;
    o.collection = CodeCollectionOuverte();
    o.periode = optionsPeriode();
    o.rubriques = rubriquesCochees();
    o.motCle = m_motCle->text();
    return o;
}

void EcranListe::afficherRefus(Refus refus)
{
    const MessageRefus m = TexteRefus(refus);
    AfficherMessage(m.texte, Boutons::OK, Icone::Exclamation, m.titre);
}

void EcranListe::attente(bool active)
{
    m_labelProgress->setVisible(active);
    if (active) {
        m_labelProgress->repaint();
        m_timer1->start();
    } else {
        m_timer1->stop();
    }
}

void EcranListe::BoutonCreerListe_Click()
{
    const ListeConstruite c = construire(options());
    if (c.refus != Refus::SansCollection && c.refus != Refus::AnneesVides && c.refus != Refus::SansRubrique)
        conditionsLues();
    // A refused build leaves the list, its count and the statements of the last build together.
    if (c.refus != Refus::Aucun) {
        afficherRefus(c.refus);
        return;
    }
    construireEtRemplir(c, false);
}

void EcranListe::BoutonCrerListeSpec_Click()
{
    const ListeConstruite c = construireMotCle(options());
    if (c.refus == Refus::Aucun || c.refus == Refus::SansEtat)
        conditionsLues();
    if (c.refus != Refus::Aucun) {
        afficherRefus(c.refus);
        if (c.refus == Refus::SansMotCle)
            m_motCle->setFocus();
        return;
    }
    construireEtRemplir(c, true);
}

void EcranListe::construireEtRemplir(const ListeConstruite& c, bool motCle)
{
    Sablier sablier;
    attente(true);
    m_texteSQL = c.rapport;
    // A keyword want list has no counts to leave for printing without them; the last duplicates do.
    if (!c.rapport2.estVide() || !motCle)
        m_texteSQL2 = c.rapport2;
    m_genre = c.genre;

    // The rows of the last build go before the query runs, so that two results are never held at once.
    m_resultat->viderLignes();
    Recordset r;
    try {
        r = OuvrirListe(c.genre, c.liste);
    } catch (const ErreurBase& e) {
        m_nbTimbres->setText(QStringLiteral("0"));
        attente(false);
        sablier.restaurer();
        AfficherMessage(e.message(), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
        return;
    }

    attente(false);
    const int n = r.RecordCount();
    // The list reads its rows as it paints them: the bar has nothing left to follow but the hand-over.
    m_progression->setRange(0, n);
    m_progression->setValue(0);
    m_progression->show();
    RemplirResultat(*m_resultat, std::move(r));
    m_progression->setValue(n);
    m_progression->hide();
    m_nbTimbres->setText(QString::number(n));
}

bool EcranListe::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == m_resultat->viewport() && evenement->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton)
        ListeResultat_Click();
    return EcranPrincipal::eventFilter(objet, evenement);
}

void EcranListe::ListeResultat_Click()
{
    if (m_resultat->nombreLignes() == 0) {
        AfficherMessage(QStringLiteral("La liste est vide"), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
        return;
    }
    const int ligne = m_resultat->ligneCourante();
    if (ligne < 0)
        return;
    AtteindreFiche(m_resultat->texte(ligne, 0), this);
}

namespace {
// A keyword list takes no account of the sections: it leaves its screen whatever is ticked.
bool ListeParMotCle(GenreListe genre)
{
    return genre == GenreListe::ManquesMotCle || genre == GenreListe::DoublesMotCle;
}
}  // namespace

void EcranListe::BoutonExport_Click()
{
    if (m_resultat->nombreLignes() == 0 || (!ListeParMotCle(m_genre) && rubriquesCochees().isEmpty())) {
        AfficherMessage(QStringLiteral("La liste est vide ou aucune rubrique n'est sélectionnée"), Boutons::OK,
            Icone::Exclamation, QStringLiteral("Impossible de continuer"));
        return;
    }
    // The on-screen list replaces the export dialog, which is closed before it opens.
    if (montrerExport())
        montrerListeEcran();
}

void EcranListe::BoutonImprimer_Click()
{
    if (m_resultat->nombreLignes() == 0 || (!ListeParMotCle(m_genre) && rubriquesCochees().isEmpty())) {
        AfficherMessage(QStringLiteral("La liste est vide ou aucune rubrique n'est sélectionnée"), Boutons::OK,
            Icone::Exclamation, QStringLiteral("Impossible de continuer"));
        return;
    }
    const auto ouvrir = impressions().value(onglet());
    if (ouvrir)
        ouvrir(*this);
}
