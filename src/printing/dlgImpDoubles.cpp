#include "printing/dlgImpDoubles.h"

#include "printing/ImpressionListes.h"

#include <QComboBox>

dlgImpDoubles::dlgImpDoubles(const Instruction& texteSQL, const Instruction& texteSQL2, GenreListe genre, QWidget* parent)
    : DialogueImpressionListe(QStringLiteral("dlgImpDoubles"), QStringLiteral("Imprimer la dispoliste"),
          {{60, 300}, {2400, 300}, {60, 720}, {2400, 720, 2175}, {60, 1140}, {2400, 1080, 2175}, {960, 1740},
              {2340, 1740}},
          4800, 2640, {ChoixMichel, ChoixIDPerso}, {ChoixSansQuantites, ChoixAvecQuantites, ChoixAvecCotes}, parent),
      m_texteSQL(texteSQL), m_texteSQL2(texteSQL2), m_genre(genre)
{
}

void dlgImpDoubles::OKButton_Click()
{
    const QString affichage = ChoixAffichage()->currentText();
    AffichageDoubles choix;
    if (affichage == ChoixSansQuantites)
        choix = AffichageDoubles::SansQuantites;
    else if (affichage == ChoixAvecQuantites)
        choix = AffichageDoubles::AvecQuantites;
    else if (affichage == ChoixAvecCotes)
        choix = AffichageDoubles::AvecCotes;
    else {
        refuser(QStringLiteral("Vous devez choisir un élement de chacune des listes"));
        return;
    }
    // Any secondary numbering but "Michel", typed or chosen, is the personal number.
    ImpressionListe impression =
        ImpressionDoubles(m_texteSQL, m_texteSQL2, m_genre, ChoixCote()->currentText() == ChoixMichel, choix);
    AfficherEtatListe(impression, this);
}
