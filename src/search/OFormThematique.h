#pragma once
// The thematic screen: the predefined themes and the open collection's own, the stamps of the theme
// clicked, the vignette of the stamp clicked and the way to its card; and the keeping of the open
// collection's own themes (create, rename, delete).

#include "shell/EcranPrincipal.h"

#include <QImage>
#include <QString>

#include <optional>

class BoiteImage;
class QLabel;
class QListView;
class VueListe;

class OFormThematique : public EcranPrincipal {
    Q_OBJECT
public:
    explicit OFormThematique(QWidget* parent = nullptr);

    // The handlers read the current item of their list, never the item clicked.
    void ListePredefinis_ItemClick();
    void ListePersos_ItemClick();
    void ListeTimbres_ItemClick();
    void BoutonAtteindre_Click();
    void Picture1_Click();
    void CreerTheme_Click();
    void RenommerTheme_Click();
    void SupprimerTheme_Click();

    // The open collection's personal themes in ListePersos, none selected; a collection without any
    // empties the list and leaves the chosen theme and its stamps as they were.
    void RemplirThemesPersos();
    // The screen in line with the open collection, opened or closed.
    void ActualiserCollection();

    // The picture behind the vignette, as read from the disc: null when the stamp has none.
    QImage vignette() const { return m_vignette; }

protected:
    void Form_Load() override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void RemplirThemesPredefinis();
    // The stamps of a theme in one collection, listed in ListeTimbres under the theme's name.
    void afficherTheme(VueListe* liste, const QString& collection);
    // Fills ListePersos with the open collection's own themes, none selected, and brings the search
    // screen's theme list in line.
    void remplirListePersos();
    // Asks for a name until one is given; nullopt when the user cancels.
    std::optional<QString> demanderNom(const QString& invite, const QString& titreRefus);
    // The code of the personal theme the user selected since the last fill; nullopt, after the refusal
    // under `titre`, when there is none.
    std::optional<QString> themeChoisi(const QString& refus, const QString& titre);

    VueListe* m_predefinis;
    VueListe* m_persos;
    VueListe* m_timbres;
    QListView* m_fluxTimbres;
    QLabel* m_themeChoisi;
    QLabel* m_designation;
    BoiteImage* m_picture1;
    QImage m_vignette;
    // The theme whose stamps ListeTimbres shows: its code and collection.
    QString m_codeAffiche;
    QString m_collectionAffichee;
};
