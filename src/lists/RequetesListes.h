#pragma once
// The statements behind the want list and the duplicates list, built from the screen's options by plain
// functions a test calls without a window: the list statement that fills the screen and the report
// statements the print dialogs run again, each with its bound values. The options the screens offer
// (period, non-issued stamps, sections, conditions, keyword) become SQL fragments with placeholders;
// the open collection, the years, the sections and the keyword only ever travel as bound values.

#include "data/Instruction.h"
#include "data/Recordset.h"

#include <QList>
#include <QString>
#include <QStringList>

// Which build left a statement: the print dialogs bind other columns after a keyword build.
enum class GenreListe { Aucune, Manques, Doubles, ManquesMotCle, DoublesMotCle };

// The period panel: `mode` 1 "Toutes", 2 "Période", 3 "Années".
struct OptionsPeriode {
    int mode = 1;
    bool classique = false;
    bool semiModerne = false;
    bool moderne0 = false;
    bool moderne = false;
    QString anneeDebut;
    QString anneeFin;
};

// The condition options of the want list.
struct OptionsEtats {
    bool neuf = false;          // ChoixNeuf
    bool oblitere = false;      // ChoixOblitéré
    bool lettre = false;        // ChoixLettre
    bool ncVersNeuf = false;    // ChoixNCversNeuf
    bool obliVersNeuf = false;  // ChoixOblitéréversNeuf
    bool accepterNC = false;    // ChoixAccepterNC
    QString anneeNC;            // ChoixNCAnnée
    bool accepterNSG = false;   // ChoixAccepterNSG
};

struct OptionsListe {
    QString collection;  // the open collection's code, empty when none is open
    OptionsPeriode periode;
    bool emis = false;       // want lists: the non-issued stamps are listed too
    QStringList rubriques;   // main lists: the ticked section codes, in list order
    OptionsEtats etats;      // want lists
    QString motCle;          // keyword lists, as typed
};

// Why a build was refused, in the order the builds check: A no collection, E no keyword, B an empty year
// box, C no section, D no condition.
enum class Refus { Aucun, SansCollection, SansMotCle, AnneesVides, SansRubrique, SansEtat };

struct MessageRefus {
    QString texte;
    QString titre;
};
MessageRefus TexteRefus(Refus refus);

struct ListeConstruite {
    Refus refus = Refus::Aucun;
    GenreListe genre = GenreListe::Aucune;
    // Columns: the number the row opens, the designation, then one cell per condition N, NC, NSG, O, L.
    Instruction liste;
    // What the print dialogs run: TexteSQL, and for the duplicates TexteSQL2 (marks instead of counts).
    Instruction rapport;
    Instruction rapport2;
};

ListeConstruite ConstruireManques(const OptionsListe& options);
ListeConstruite ConstruireDoubles(const OptionsListe& options);
ListeConstruite ConstruireManquesMotCle(const OptionsListe& options);
ListeConstruite ConstruireDoublesMotCle(const OptionsListe& options);

// A catalogue table a statement reads under a link's name.
struct LienCatalogue {
    QString nom;
    QString table;
};
// The links the statements of a kind of list read.
QList<LienCatalogue> LiensListe(GenreListe genre);

// Runs a list's statement on the personal database: links the catalogue tables it reads, opens the
// result and drops the links again, whatever happened. Throws ErreurBase when the statement or a link fails.
Recordset OuvrirListe(GenreListe genre, const Instruction& instruction);

// The leaving of ChoixNCAnnée: the text the box keeps, and the warning to show (empty when none).
struct AnneeNCValidee {
    QString texte;
    QString message;
};
AnneeNCValidee ValiderAnneeNC(const QString& texte, bool ncVersNeuf, bool accepterNC);
