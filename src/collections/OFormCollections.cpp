#include "collections/OFormCollections.h"

#include "collections/ActualiserEcransCollection.h"
#include "collections/Adresses.h"
#include "collections/Correspondances.h"
#include "collections/Importation.h"
#include "collections/Sauvegarde.h"
#include "collections/dlgCollectionCreer.h"
#include "collections/dlgCollectionModifierPass.h"
#include "collections/dlgCollectionOuvrir.h"
#include "collections/dlgCollectionRenommer.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "platform/Adresses.h"
#include "platform/DialogueFichier.h"
#include "platform/Dialogues.h"
#include "platform/Messages.h"
#include "platform/Sablier.h"
#include "shell/Artwork.h"
#include "shell/CollectionOuverte.h"
#include "shell/Controles.h"
#include "shell/Demarrage.h"
#include "shell/Echelle.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QToolButton>
#include <QUrl>

namespace {

struct DefinitionBouton {
    const char* nom;
    int gauche;
    const char* bulle;
    const char* symbole;
    QColor couleur;
};

const QColor Bleu(30, 70, 150), Vert(40, 120, 60), Rouge(160, 40, 40), Brun(120, 80, 30), Gris(90, 90, 90);

const DefinitionBouton Boutons16[] = {
    {"BoutonCréer", 540, "Créer une collection", "+", Vert},
    {"BoutonOuvrir", 1110, "Ouvrir la collection sélectionnée", "\u25B6", Bleu},
    {"BoutonFermer", 1680, "Ferme la collection actuellement ouverte", "\u25A0", Bleu},
    {"BoutonSupprimer", 2250, "Supprimer la collection sélectionnée", "\u2715", Rouge},
    {"BoutonRenommer", 2820, "Modifier le nom de la collection ouverte", "Aa", Bleu},
    {"BoutonModifierPass", 3390, "Changer le mot de passe de la collection ouverte", "*", Bleu},
    {"BoutonImporter", 4200, "Importer des collections", "\u2193", Brun},
    {"BoutonEnregistrer", 4785, "Enregistrer les collections (sauvegarde)", "\u2191", Brun},
    {"BoutonImportNum", 5595, "Importer les correspondances Dallay/Perso", "#\u2193", Vert},
    {"BoutonExportNum", 6180, "Exporter les correspondances Dallay/Perso", "#\u2191", Vert},
    {"BoutonSupprNum", 6760, "Vider les correspondances Dallay/Perso", "#\u2715", Rouge},
    {"BoutonListeCollection", 7560, "Imprimer la liste de tous les timbres de la collection ouverte", "\u2261", Gris},
    {"BoutonWeb", 8355, nullptr, "@", Gris},
    {"BoutonMail", 8940, "Envoyer un e-mail à l'auteur", "\u2709", Gris},
    {"BoutonAide", 9780, "Aide sur Orvalen", "?", Gris},
    {"BoutonQuitter", 10620, "Quitter Orvalen", "\u2190", Rouge},
};

void enGras(QLabel* e, double taille = 0)
{
    QFont f = e->font();
    f.setBold(true);
    if (taille > 0)
        f.setPointSizeF(taille);
    e->setFont(f);
}

QLabel* image(QWidget* parent, const QString& nom, const QImage& contenu, int g, int h, int l, int ht)
{
    auto* e = CreerControle<QLabel>(parent, nom, QString(), g, h, l, ht);
    e->setPixmap(QPixmap::fromImage(contenu));
    e->setScaledContents(true);
    return e;
}

void refuser(const QString& titre, const QString& texte)
{
    AfficherMessage(texte, Boutons::OK, Icone::Exclamation, titre);
}

QPointer<dlgCollectionRenommer> g_renommer;

const QString FiltreTexte = QStringLiteral("*.txt (fichier texte)|*.txt");
const QString TitreImportNumeros = QStringLiteral("Import des numéros persos");
const QString QuestionNumeros = QStringLiteral(
    "Cette opération va supprimer et remplacer tous vos numéros personnels, êtes vous sûr(e) de vouloir continuer");

// The common dialog as every use of it sets it: the program folder to start in, no name, no extension added.
ReponseFichier choisirFichier(bool enregistrer, const QString& filtre, int indexFiltre, const QString& titre)
{
    DemandeFichier demande;
    demande.enregistrer = enregistrer;
    demande.filtre = filtre;
    demande.indexFiltre = indexFiltre;
    demande.titre = titre;
    demande.dossierInitial = DossierProgramme();
    demande.nomFichier.clear();
    ReponseFichier reponse = ChoisirFichier(demande);
    if (reponse.fichier.isEmpty())
        reponse.annule = true;
    return reponse;
}

// The program's own overwrite question; true when the file may be written.
bool remplacementAccepte(const QString& fichier)
{
    if (!QFileInfo::exists(fichier))
        return true;
    return AfficherMessage(QStringLiteral("Le fichier existe déjà, voulez-vous le remplacer"), Boutons::OuiNon,
               Icone::Question, QString(), 1) == Reponse::Oui;
}

void erreur(const ErreurBase& e)
{
    AfficherMessage(e.message(), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
}

}  // namespace

OFormCollections::OFormCollections(QWidget* parent)
    : EcranPrincipal(0, QStringLiteral("OFormCollections"), 11895, 7665, parent)
{
    QWidget* p = page();
    auto* titre = CreerControle<QLabel>(
        p, QStringLiteral("Titre"), QStringLiteral("Orvalen — Les timbres de France"), 600, 600, 7000, 420);
    enGras(titre, 16);
    CreerControle<QLabel>(p, QStringLiteral("Edition"), QStringLiteral("Edition 2002-2003 — catalogue et collections"),
        600, 1080, 7000, 300);

    auto* collectionsCreees = CreerControle<QLabel>(
        p, QStringLiteral("Étiquette18"), QStringLiteral("Collections créées"), 2940, 1980, 1875, 240);
    enGras(collectionsCreees);
    collectionsCreees->setStyleSheet(QStringLiteral("color: navy"));

    m_listeCollections = new ListeDonnees(QStringLiteral("DescriptionCollection"), QStringLiteral("CodeCollection"), p);
    m_listeCollections->setObjectName(QStringLiteral("ListeCollections"));
    Placer(m_listeCollections, 2940, 2280, 4875, 3180);
    connect(m_listeCollections, &ListeDonnees::DblClick, this, &OFormCollections::ListeCollections_DblClick);

    image(p, QStringLiteral("Image1"), IconeProduit(240), 660, 2760, 1800, 2205);

    auto* ouverteTitre = CreerControle<QLabel>(
        p, QStringLiteral("Étiquette52"), QStringLiteral("Collection ouverte :"), 2940, 5580, 2055, 225);
    enGras(ouverteTitre, 9.75);
    ouverteTitre->setAlignment(Qt::AlignCenter);
    m_texteCollectionOuverte =
        CreerControle<QLabel>(p, QStringLiteral("TexteCollectionOuverte"), QString(), 5040, 5580, 2775, 195);
    enGras(m_texteCollectionOuverte, 9.75);
    m_collectionOuverte =
        CreerControle<QLabel>(p, QStringLiteral("CollectionOuverte"), QString(), 10620, 5760, 915, 195);
    m_collectionOuverte->hide();
    // The two labels show the open collection, whoever opened or closed it.
    connect(&LaCollectionOuverte(), &EtatCollectionOuverte::changee, this, [this] {
        m_collectionOuverte->setText(CodeCollectionOuverte());
        m_texteCollectionOuverte->setText(NomCollectionOuverte());
    });
    connect(&LaCollectionOuverte(), &EtatCollectionOuverte::renommee, this,
        [this] { m_texteCollectionOuverte->setText(NomCollectionOuverte()); });
    auto* codeTitre = CreerControle<QLabel>(
        p, QStringLiteral("Étiquette50"), QStringLiteral("Collection ouverte:"), 10200, 5520, 1320, 195);
    codeTitre->setStyleSheet(QStringLiteral("color: red"));
    codeTitre->hide();

    creerTextes();
    creerBoutons();

    m_texteBouton = CreerControle<QLabel>(p, QStringLiteral("TexteBouton"), QString(), 120, 6780, 11595, 375);
    enGras(m_texteBouton, 12);
    m_texteBouton->setStyleSheet(QStringLiteral("color: rgb(0, 0, 192)"));
    m_texteBouton->setAlignment(Qt::AlignCenter);

    // The hint line follows the pointer: over a button its hint, over the bare screen nothing, and over
    // a list, a label or a picture whatever was there.
    p->setMouseTracking(true);
    p->installEventFilter(this);
    for (QWidget* w : p->findChildren<QWidget*>())
        w->setAttribute(Qt::WA_NoMousePropagation);
}

void OFormCollections::creerTextes()
{
    QWidget* p = page();
    enGras(CreerControle<QLabel>(
        p, QStringLiteral("Label2"), QStringLiteral("Découvrez aussi ..."), 10080, 480, 1695, 255));
    CreerControle<QLabel>(p, QStringLiteral("Label3"), QStringLiteral("le CD-Rom"), 10080, 780, 915, 255);
    auto* catalogues =
        CreerControle<QLabel>(p, QStringLiteral("Label4"), QStringLiteral("les catalogues"), 8880, 3240, 1695, 195);
    catalogues->setAlignment(Qt::AlignCenter);
    auto* site = CreerControle<QLabel>(p, QStringLiteral("Label5"),
        QStringLiteral("Sur %1 ou chez votre détaillant habituel").arg(HoteSiteWeb), 7860, 5760, 3915, 315);
    site->setWordWrap(true);
    const struct {
        const char* nom;
        const char* titre;
        QColor couleur;
        int g, h, l, ht;
    } produits[] = {
        {"Image2", "France", QColor(30, 60, 140), 7980, 1080, 1590, 2190},
        {"Image3", "CD-Rom", QColor(90, 90, 110), 10080, 1080, 1500, 2145},
        {"Image6", "Monaco", QColor(150, 30, 40), 7980, 3480, 1500, 2205},
        {"Image7", "Andorre", QColor(30, 110, 70), 10080, 3480, 1500, 2205},
    };
    for (const auto& d : produits) {
        const QString nom = QString::fromUtf8(d.nom);
        QLabel* e = image(
            p, nom, CouvertureProduit(QString::fromUtf8(d.titre), d.couleur, d.l / 15, d.ht / 15), d.g, d.h, d.l, d.ht);
        e->setCursor(Qt::PointingHandCursor);
        e->installEventFilter(this);
    }
    auto* mentions = CreerControle<QLabel>(p, QStringLiteral("Mentions"),
        QStringLiteral("Vos collections sont enregistrées sur cet ordinateur ; pensez à les "
                       "sauvegarder régulièrement."),
        120, 7200, 11595, 255);
    mentions->setAlignment(Qt::AlignCenter);
}

void OFormCollections::creerBoutons()
{
    const QMap<QString, void (OFormCollections::*)()> actions = {
        {QStringLiteral("BoutonCréer"), &OFormCollections::BoutonCreer_Click},
        {QStringLiteral("BoutonOuvrir"), &OFormCollections::BoutonOuvrir_Click},
        {QStringLiteral("BoutonFermer"), &OFormCollections::BoutonFermer_Click},
        {QStringLiteral("BoutonSupprimer"), &OFormCollections::BoutonSupprimer_Click},
        {QStringLiteral("BoutonRenommer"), &OFormCollections::BoutonRenommer_Click},
        {QStringLiteral("BoutonModifierPass"), &OFormCollections::BoutonModifierPass_Click},
        {QStringLiteral("BoutonListeCollection"), &OFormCollections::BoutonListeCollection_Click},
        {QStringLiteral("BoutonEnregistrer"), &OFormCollections::BoutonEnregistrer_Click},
        {QStringLiteral("BoutonImporter"), &OFormCollections::BoutonImporter_Click},
        {QStringLiteral("BoutonExportNum"), &OFormCollections::BoutonExportNum_Click},
        {QStringLiteral("BoutonImportNum"), &OFormCollections::BoutonImportNum_Click},
        {QStringLiteral("BoutonSupprNum"), &OFormCollections::BoutonSupprNum_Click},
        {QStringLiteral("BoutonWeb"), &OFormCollections::BoutonWeb_Click},
        {QStringLiteral("BoutonMail"), &OFormCollections::BoutonMail_Click},
        {QStringLiteral("BoutonAide"), &OFormCollections::BoutonAide_Click},
        {QStringLiteral("BoutonQuitter"), &OFormCollections::BoutonQuitter_Click},
    };
    for (const DefinitionBouton& d : Boutons16) {
        const QString nom = QString::fromUtf8(d.nom);
        auto* b = new QToolButton(page());
        b->setObjectName(nom);
        b->setIcon(QIcon(QPixmap::fromImage(IconeBouton(QString::fromUtf8(d.symbole), d.couleur, 64))));
        b->setIconSize(QSize(30, 30));
        b->setAutoRaise(false);
        b->setMouseTracking(true);
        b->installEventFilter(this);
        Placer(b, d.gauche, 6120, 576, 576);
        m_bulles.insert(
            nom, d.bulle ? QString::fromUtf8(d.bulle) : QStringLiteral("Visiter le site Internet ") + HoteSiteWeb);
        m_boutons.insert(nom, b);
        if (auto action = actions.value(nom))
            connect(b, &QToolButton::clicked, this, [this, action] { (this->*action)(); });
    }
}

bool OFormCollections::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::MouseMove || evenement->type() == QEvent::Enter) {
        if (objet == page())
            SSTab1_MouseMove();
        else if (auto* b = qobject_cast<QToolButton*>(objet); b && m_boutons.contains(b->objectName()))
            Bouton_MouseMove(b->objectName());
    } else if (evenement->type() == QEvent::MouseButtonRelease) {
        if (auto* e = qobject_cast<QLabel*>(objet); e && e->objectName().startsWith(QStringLiteral("Image")))
            Image_Click(e->objectName());
    }
    return EcranPrincipal::eventFilter(objet, evenement);
}

void OFormCollections::Form_Load()
{
    OuvrirBasePerso();
    ChargerListeCollections();
    LaCollectionOuverte().demarrer();
    ActualiserEcransCollection();
}

void OFormCollections::ChargerListeCollections()
{
    try {
        rstCollections =
            Recordset::Ouvrir(CnxPerso, QStringLiteral("SELECT * FROM Utilisateurs WHERE CodeCollection <> 1"));
    } catch (const ErreurBase&) {
        // No personal database: the list stays empty and Open refuses with its own message.
        rstCollections.Close();
    }
    m_listeCollections->definirSource(rstCollections);
}

void OFormCollections::BoutonCreer_Click()
{
    dlgCollectionCreer dialogue(this);
    MontrerModal(dialogue);
}

void OFormCollections::BoutonOuvrir_Click()
{
    if (m_listeCollections->BoundText().isEmpty()) {
        refuser(QStringLiteral("Ouverture impossible"),
            QStringLiteral(
                "Choisissez une collection dans la liste ou cliquez le bouton 'Créer' si la liste est vide"));
        return;
    }
    // A password that cannot be read is never taken for no password.
    const std::optional<QString> motDePasse = LireMotDePasse(m_listeCollections->BoundText());
    if (!motDePasse)
        return;
    if (!motDePasse->isEmpty()) {
        dlgCollectionOuvrir dialogue(this);
        MontrerModal(dialogue);
        return;
    }
    OuvrirCollectionChoisie();
}

void OuvrirCollectionChoisie()
{
    OFormCollections* f = FormCollections();
    // Each screen brings itself in line, in the order they loaded: the card shows its stamp with this
    // collection's holdings, the search offers its themes, the lists start again.
    LaCollectionOuverte().ouvrir(f->ListeCollections()->BoundText(), f->ListeCollections()->Text());
}

void OFormCollections::BoutonFermer_Click()
{
    LaCollectionOuverte().fermer();
}

void OFormCollections::BoutonSupprimer_Click()
{
    const QString code = CodeCollectionOuverte();
    if (code.isEmpty()) {
        refuser(QStringLiteral("Impossible de supprimer"),
            QStringLiteral("Il faut ouvrir une collection avant d'en demander la suppression"));
        return;
    }
    if (AfficherMessage(
            QStringLiteral("Toutes les saisies de la collection %1 vont être supprimées. En êtes vous sûr(e) ?")
                .arg(NomCollectionOuverte()),
            Boutons::OuiNon, Icone::Question, QStringLiteral("Supprimer collection"), 1) != Reponse::Oui)
        return;
    if (AfficherMessage(QStringLiteral("La suppression est définitive ! Voulez-vous confirmer cette suppression ?"),
            Boutons::OuiNon, Icone::Question, QStringLiteral("Dernier avertissement"), 1) != Reponse::Oui)
        return;
    // The collection and every entry of it go together, or nothing goes.
    try {
        Transaction transaction(*CnxPerso);
        const QVariantList cle = {code};
        for (const char* table :
            {"Collection", "CollectionV", "CollectionO", "CotationsP", "MesVarietes", "ThemesAssocies"})
            CnxPerso->executer(
                QStringLiteral("DELETE FROM %1 WHERE Collection = ?").arg(QString::fromUtf8(table)), cle);
        CnxPerso->executer(
            QStringLiteral("DELETE FROM Themes WHERE Collection = ? AND %1").arg(ConditionThemePersonnel), cle);
        CnxPerso->executer(
            QStringLiteral("DELETE FROM Utilisateurs WHERE CodeCollection = ? AND CodeCollection <> 1"), cle);
        transaction.valider();
    } catch (const ErreurBase& e) {
        AfficherMessage(e.message(), Boutons::OK, Icone::Exclamation, QStringLiteral("Erreur"));
        return;
    }
    ChargerListeCollections();
    // The card must not keep an editable grid whose next save would write into a collection that is gone.
    LaCollectionOuverte().fermer();
}

void OFormCollections::BoutonRenommer_Click()
{
    if (!CollectionEstOuverte()) {
        refuser(QStringLiteral("Impossible de modifier"),
            QStringLiteral("Il faut ouvrir une collection avant de pouvoir en changer le nom"));
        return;
    }
    // One rename dialog at a time: clicked again, the one already up comes forward with what was typed.
    if (!g_renommer || !g_renommer->isVisible()) {
        delete g_renommer;
        g_renommer = new dlgCollectionRenommer(CodeCollectionOuverte(), this);
        g_renommer->setAttribute(Qt::WA_DeleteOnClose);
        g_renommer->show();
    }
    g_renommer->raise();
    g_renommer->activateWindow();
}

void OFormCollections::BoutonModifierPass_Click()
{
    if (!CollectionEstOuverte()) {
        refuser(QStringLiteral("Impossible de modifier"),
            QStringLiteral("Il faut ouvrir une collection avant de pouvoir changer son mot de passe"));
        return;
    }
    dlgCollectionModifierPass dialogue(this);
    MontrerModal(dialogue);
}

namespace {
std::function<void()>& impressionListeCollection()
{
    static std::function<void()> ouvrir;
    return ouvrir;
}
}  // namespace

void DefinirImpressionListeCollection(std::function<void()> ouvrir)
{
    impressionListeCollection() = std::move(ouvrir);
}

void OFormCollections::BoutonListeCollection_Click()
{
    if (!CollectionEstOuverte()) {
        refuser(QStringLiteral("Edition liste impossible"),
            QStringLiteral("Il faut ouvrir une collection avant de pouvoir en éditer la liste des timbres"));
        return;
    }
    if (impressionListeCollection())
        impressionListeCollection()();
}

void OFormCollections::BoutonWeb_Click()
{
    OuvrirAdresse(QUrl(AdresseSiteWeb));
}

void OFormCollections::BoutonMail_Click()
{
    OuvrirAdresse(QUrl(AdresseCourriel));
}

void OFormCollections::Image_Click(const QString& nomImage)
{
    static const QMap<QString, QString> pages = {{QStringLiteral("Image2"), PageCatalogueFrance},
        {QStringLiteral("Image3"), PageCdRom}, {QStringLiteral("Image6"), PageCatalogueMonaco},
        {QStringLiteral("Image7"), PageCatalogueAndorre}};
    if (pages.contains(nomImage))
        OuvrirAdresse(QUrl(pages.value(nomImage)));
}

void OFormCollections::BoutonEnregistrer_Click()
{
    const ReponseFichier choix = choisirFichier(true, QStringLiteral("*.f02 (Orvalen France 2002)|*.f02"), 1,
        QStringLiteral("Enregistrer les données personnelles"));
    if (choix.annule || !remplacementAccepte(choix.fichier))
        return;
    try {
        Sablier sablier;
        SauvegarderBasePerso(*CnxPerso, choix.fichier);
    } catch (const ErreurBase& e) {
        erreur(e);
    }
}

void OFormCollections::BoutonImporter_Click()
{
    const ReponseFichier choix = choisirFichier(false,
        QStringLiteral("*.f02 (Orvalen France 2002)|*.f02|ovlcfr01.md? (Orvalen France 2001)|ovlcfr01.md?"), 2,
        QStringLiteral("Importer des données personnelles"));
    if (choix.annule)
        return;
    // The mode follows the file type chosen, never the file's name; the file is checked before anything changes.
    const ModeImport mode = ModePourFiltre(choix.indexFiltre);
    const QString refus = VerifierSourceImport(choix.fichier, mode, CheminBasePerso());
    if (!refus.isEmpty()) {
        AfficherMessage(refus, Boutons::OK, Icone::Exclamation, QStringLiteral("Importation"));
        return;
    }
    if (AfficherMessage(QStringLiteral("L'importation remplacera les collections actuelles. Voulez-vous continuer ?"),
            Boutons::OuiNon, Icone::Question, QStringLiteral("Importation"), 2) != Reponse::Oui)
        return;
    ResultatImport resultat;
    {
        Sablier sablier;
        try {
            resultat = ImporterDonnees(*CnxPerso, choix.fichier, mode);
        } catch (const ErreurBase& e) {
            sablier.restaurer();
            erreur(e);
            return;
        }
        ChargerListeCollections();
        // The collection open before may be gone or hold other entries now.
        LaCollectionOuverte().fermer();
    }
    AfficherMessage(
        MessageImportationTerminee(resultat), Boutons::OK, Icone::Information, QStringLiteral("Importation"));
}

void OFormCollections::BoutonExportNum_Click()
{
    const ReponseFichier choix =
        choisirFichier(true, FiltreTexte, 1, QStringLiteral("Exporter les correspondances Dallay/Perso"));
    if (choix.annule || !remplacementAccepte(choix.fichier))
        return;
    try {
        Sablier sablier;
        ExporterCorrespondances(*CnxPerso, choix.fichier);
    } catch (const ErreurBase& e) {
        erreur(e);
    }
}

void OFormCollections::BoutonImportNum_Click()
{
    const ReponseFichier choix =
        choisirFichier(true, FiltreTexte, 1, QStringLiteral("Importer les correspondances Dallay/Perso"));
    if (choix.annule)
        return;
    if (AfficherMessage(QuestionNumeros, Boutons::OuiNon, Icone::Question, TitreImportNumeros, 2) != Reponse::Oui)
        return;
    // The whole file is read and checked before the numbers in place are touched.
    const LectureCorrespondances lecture = LireCorrespondances(choix.fichier);
    if (!lecture.erreur.isEmpty()) {
        AfficherMessage(lecture.erreur, Boutons::OK, Icone::Exclamation, TitreImportNumeros);
        return;
    }
    try {
        Sablier sablier;
        RemplacerCorrespondances(*CnxPerso, lecture.paires);
    } catch (const ErreurBase& e) {
        erreur(e);
    }
}

void OFormCollections::BoutonSupprNum_Click()
{
    if (AfficherMessage(QuestionNumeros, Boutons::OuiNon, Icone::Question,
            QStringLiteral("Suppression des numéros persos"), 2) != Reponse::Oui)
        return;
    try {
        Sablier sablier;
        ViderCorrespondances(*CnxPerso);
    } catch (const ErreurBase& e) {
        erreur(e);
    }
}

void OFormCollections::BoutonAide_Click()
{
    AfficherAide();
}

void OFormCollections::BoutonQuitter_Click()
{
    // Ends the program without asking anything; the stamp card still writes what the user typed.
    if (QWidget* principale = window(); principale && principale != this)
        principale->close();
    else
        ArreterProgramme();
}

void OFormCollections::Bouton_MouseMove(const QString& nomBouton)
{
    m_texteBouton->setText(m_bulles.value(nomBouton));
}

void OFormCollections::SSTab1_MouseMove()
{
    m_texteBouton->clear();
}

OFormCollections* FormCollections()
{
    return qobject_cast<OFormCollections*>(ChargerEcran(0));
}

void EnregistrerEcransCollections()
{
    EnregistrerEcran(0, [] { return new OFormCollections; });
}
