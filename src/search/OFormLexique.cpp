#include "search/OFormLexique.h"

#include "data/Recordset.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"
#include "shell/Images.h"

#include <QEvent>
#include <QLabel>

namespace {

constexpr int ColonneCode = 1;
constexpr int ColonneTexte = 2;

}  // namespace

OFormLexique::OFormLexique(QWidget* parent) : EcranPrincipal(8, QStringLiteral("OFormLexique"), 11895, 7755, parent)
{
    QWidget* p = page();
    auto* titre = CreerControle<QLabel>(p, QStringLiteral("Label1"), 60, 480, 555, 195);
    titre->setText(QStringLiteral("Lexique"));
    m_liste = CreerControle<VueListe>(p, QStringLiteral("ListeLexique"), 60, 720, 4875, 6795);
    m_nom = CreerControle<QLabel>(p, QStringLiteral("LabelLexiqueChoisi"), 4980, 780, 6795, 675);
    QFont gros = m_nom->font();
    gros.setBold(true);
    gros.setPointSizeF(13.5);
    m_nom->setFont(gros);
    m_nom->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_texte = CreerControle<QLabel>(p, QStringLiteral("LabelTexteLexique"), 5040, 1620, 6675, 2175);
    m_texte->setWordWrap(true);
    m_texte->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picture1 = CreerControle<BoiteImage>(p, QStringLiteral("Picture1"), 5040, 3900, 6615, 3615);
    m_picture2 = CreerControle<BoiteImage>(p, QStringLiteral("Picture2"), 4980, 3600, 255, 255);
    m_picture2->hide();

    // A term reached by the keyboard or by a click on another term becomes current; a click on the
    // current term chooses it again.
    connect(m_liste, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item)
            ListeLexique_ItemClick(item);
    });
    connect(m_liste, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (item && item == m_courantAvantClic)
            ListeLexique_ItemClick(item);
    });
    m_liste->viewport()->installEventFilter(this);
}

bool OFormLexique::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == m_liste->viewport() && evenement->type() == QEvent::MouseButtonPress)
        m_courantAvantClic = m_liste->currentItem();
    return EcranPrincipal::eventFilter(objet, evenement);
}

void OFormLexique::Form_Load()
{
    RemplirLexique();
}

void OFormLexique::RemplirLexique()
{
    m_liste->viderColonnes();
    m_liste->ajouterColonne(QStringLiteral("NomLexique"), 4500);
    m_liste->ajouterColonne(QStringLiteral("CodeLexique"), 1);
    m_liste->ajouterColonne(QStringLiteral("TexteLexique"), 1);
    m_liste->viderLignes();
    // Read through the catalogue connection the earlier screens opened: nothing to open here.
    try {
        Recordset rstLexique = Recordset::Ouvrir(
            CnxCatalogue, QStringLiteral("SELECT * FROM Lexique ORDER BY NomLexique COLLATE FRANCAIS"));
        const int nom = rstLexique.Colonne(QStringLiteral("NomLexique"));
        const int code = rstLexique.Colonne(QStringLiteral("CodeLexique"));
        const int texte = rstLexique.Colonne(QStringLiteral("TexteLexique"));
        // The fill makes no choice: the areas stay empty until the user picks a term.
        const QSignalBlocker blocage(m_liste);
        for (rstLexique.MoveFirst(); !rstLexique.Eof(); rstLexique.MoveNext()) {
            m_liste->ajouterLigne({Texte(rstLexique.Champ(nom)), Texte(rstLexique.Champ(code)),
                texte < 0 ? QString() : Texte(rstLexique.Champ(texte))});
        }
        m_liste->setCurrentItem(nullptr);
    } catch (const ErreurBase&) {
        // Without the catalogue's glossary the list stays empty under its heading.
    }
}

void OFormLexique::ListeLexique_ItemClick(QTreeWidgetItem* item)
{
    m_nom->setText(item->text(0));
    m_texte->setText(item->text(ColonneTexte));
    AfficherPhotoLexique();
}

void OFormLexique::AfficherPhotoLexique()
{
    m_picture1->effacer();
    m_picture2->effacer();
    // The disc as the last opening left it: without one, or without a photograph for the term, the
    // area stays empty.
    QImage photo;
    if (QTreeWidgetItem* choisi = m_liste->currentItem()) {
        try {
            Recordset rstPhotoLexique = Recordset::Ouvrir(CnxCD,
                QStringLiteral("SELECT PhotoLexique FROM LexiquePCT WHERE CodeLexique = ?"),
                {choisi->text(ColonneCode)});
            if (!rstPhotoLexique.Eof())
                photo = ImageDepuisOctets(rstPhotoLexique.Champ(0).toByteArray(), m_picture1->size());
        } catch (const ErreurBase&) {
        }
    }
    AjusterImage(photo, m_picture1);
    m_liste->setFocus();
}
