#include "printing/dlgImpManques.h"

#include "printing/ImpressionListes.h"

#include <QComboBox>

dlgImpManques::dlgImpManques(const Instruction& texteSQL, GenreListe genre, QWidget* parent)
    : DialogueImpressionListe(QStringLiteral("dlgImpManques"), QStringLiteral("Imprimer la mancoliste"),
          {{180, 180}, {2520, 180}, {180, 600}, {2520, 600, 2235}, {180, 1020}, {2520, 960, 2235}, {1200, 1500},
              {2460, 1500}},
          4980, 2400, {ChoixMichel, ChoixNumerotationPerso}, {ChoixSansCotes, ChoixAvecCotes}, parent),
      m_texteSQL(texteSQL), m_genre(genre)
{
}

void dlgImpManques::OKButton_Click()
{
    const QString cote = ChoixCote()->currentText();
    if (cote != ChoixMichel && cote != ChoixNumerotationPerso) {
        refuser(QStringLiteral("Vous devez choisir une numérotation secondaire"));
        return;
    }
    const QString affichage = ChoixAffichage()->currentText();
    if (affichage != ChoixSansCotes && affichage != ChoixAvecCotes) {
        refuser(QStringLiteral("Vous devez choisir un élement de chacune des listes"));
        return;
    }
    ImpressionListe impression = ImpressionManques(m_texteSQL, m_genre, cote == ChoixMichel, affichage == ChoixAvecCotes);
    AfficherEtatListe(impression, this);
}
