#pragma once
// How a print operation shows a report: its links, its statement, its title and bindings, then the
// maximised modal preview, and the tidying up once the preview is closed.

#include "data/Instruction.h"
#include "printing/Etat.h"

#include <QList>
#include <QString>

#include <utility>

class QDialog;

// The catalogue tables a statement reads, linked into the personal database for the time of one print:
// made at construction (each replacing a stale one of its name), dropped at destruction.
class LiensTemporaires {
public:
    // (link name, catalogue table); throws ErreurBase when one cannot be made, dropping those made.
    explicit LiensTemporaires(const QList<std::pair<QString, QString>>& liens);
    ~LiensTemporaires();
    LiensTemporaires(const LiensTemporaires&) = delete;
    LiensTemporaires& operator=(const LiensTemporaires&) = delete;

    // Drops the links now, and also the other names given, whether this print made them or not.
    void supprimer(const QStringList& autres = {});

private:
    QStringList m_noms;
};

// "Collection " and the open collection's name in capitals.
QString TitreCollection(const QString& nomCollection);

// A number format given to a report text box.
void AppliquerFormatNombre(ControleEtat& zone, const QString& format);

// The message of a failed print: the layout's own sentence, or ours when it has none.
void SignalerErreurImpression(const Etat& etat);

// The preview of `etat` over `donnees`, maximised and modal, in the layout's orientation: laid out once,
// each page painted when the preview shows it; printing from it reports a failed printer.
void MontrerEtat(const Etat& etat, const DonneesEtat& donnees);

// A text box of the detail bound to a column, with its format (empty: none).
struct LiaisonZone {
    QString zone;
    QString champ;
    QString format;
};

// What a list dialog prints: the layout, the statement and the links it reads, the detail's bindings
// and the heading of the secondary number.
struct ImpressionListe {
    Etat etat;
    Instruction instruction;
    QList<std::pair<QString, QString>> liens;
    QList<LiaisonZone> liaisons;
    QString enteteID2;
};

// The display steps: wait pointer, links, statement, title, bindings and formats; then `dialogue` (when
// given) closes and the preview is shown; then the rows are released and the links dropped. A link or a
// statement that fails shows "Erreur" with the reason and shows no report; false then, and the dialog
// stays open.
bool AfficherEtatListe(ImpressionListe& impression, QDialog* dialogue);
