// The want-list and duplicates screens: their defaults, the option rules, a build as the collector
// makes it, the refusals that keep the last list, a failing query, and the way to the card.

#include "support/ControleEcran.h"
#include "ListesTest.h"
#include "card/Fiche.h"
#include "card/FicheTest.h"
#include "data/Source.h"
#include "data/Valeurs.h"
#include "lists/OFormDoubles.h"
#include "lists/OFormManques.h"
#include "shell/Controles.h"
#include "shell/VueResultat.h"
#include "support/ProgrammeTest.h"
#include "support/Suite.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

namespace {

// The rows of a list (the sections or the result), each row's cells joined by "|".
template <typename Vue> QStringList lignesVue(const Vue* vue)
{
    QStringList tout;
    for (int i = 0; i < vue->nombreLignes(); ++i)
        tout << vue->ligne(i).join(QLatin1Char('|'));
    return tout;
}

enum Onglet { Manques = 4, Doubles = 5 };

template <typename T> T* m(const char* nom)
{
    return ControleEcran<T>(Manques, QString::fromUtf8(nom));
}

template <typename T> T* d(const char* nom)
{
    return ControleEcran<T>(Doubles, QString::fromUtf8(nom));
}

void cocherRubriques(EcranListe* e, const QStringList& codes)
{
    VueListe* l = e->ListeRubriques();
    for (int i = 0; i < l->topLevelItemCount(); ++i)
        l->topLevelItem(i)->setCheckState(0, codes.contains(l->topLevelItem(i)->text(1)) ? Qt::Checked : Qt::Unchecked);
}

// The state of the four mint sub-options and the year: per box "1" ticked or "0", then "e" enabled or "d".
QString etatSousOptions()
{
    QString s;
    for (const char* nom : {"ChoixAccepterNC", "ChoixAccepterNSG", "ChoixNCversNeuf", "ChoixOblitéréversNeuf"}) {
        auto* c = m<QCheckBox>(nom);
        s += QString(c->isChecked() ? QStringLiteral("1") : QStringLiteral("0")) +
            (c->isEnabled() ? QStringLiteral("e ") : QStringLiteral("d "));
    }
    auto* annee = m<QLineEdit>("ChoixNCAnnée");
    return s + annee->text() + (annee->isEnabled() ? QStringLiteral("e") : QStringLiteral("d"));
}

}  // namespace

class TestEcrans : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgrammeTest> p;
    OFormManques* manques = nullptr;
    OFormDoubles* doubles = nullptr;

    void construire(EcranListe* e) { e->findChild<QPushButton*>(QStringLiteral("BoutonCreerListe"))->click(); }
    void construireMotCle(EcranListe* e, const QString& motCle)
    {
        e->findChild<QLineEdit*>(QStringLiteral("TexteMotCle"))->setText(motCle);
        e->findChild<QPushButton*>(QStringLiteral("BoutonCrerListeSpec"))->click();
    }
    void attendreMessage(const QString& texte, const QString& titre)
    {
        const QList<Message> messages = p->plateforme.messages();
        QVERIFY(!messages.isEmpty());
        QCOMPARE(messages.last().texte, texte);
        QCOMPARE(messages.last().titre, titre);
        QCOMPARE(messages.last().icone, Icone::Exclamation);
    }

private slots:
    void init()
    {
        p = std::make_unique<ProgrammeTest>(remplirPersoListes);
        p->dossier.creerCatalogue(remplirCatalogueListes);
        QVERIFY(p->demarrer());
        manques = qobject_cast<OFormManques*>(ChargerEcran(Manques));
        doubles = qobject_cast<OFormDoubles*>(ChargerEcran(Doubles));
        QVERIFY(manques && doubles);
    }

    void cleanup() { p.reset(); }

    void chargement()
    {
        QCOMPARE(etatSousOptions(), QStringLiteral("1e 1e 0e 0e 1900e"));
        QVERIFY(m<QCheckBox>("ChoixNeuf")->isChecked());
        for (const char* nom : {"ChoixOblitéré", "ChoixLettre", "ChoixEmis"})
            QVERIFY2(!m<QCheckBox>(nom)->isChecked(), nom);
        for (EcranListe* e : {static_cast<EcranListe*>(manques), static_cast<EcranListe*>(doubles)}) {
            QVERIFY(e->findChild<QRadioButton*>(QStringLiteral("ChoixAnnée_1"))->isChecked());
            QVERIFY(e->findChild<QCheckBox*>(QStringLiteral("Classique"))->isHidden());
            QVERIFY(e->findChild<QLineEdit*>(QStringLiteral("MAnnéeDébut"))->isHidden());
            // Every section but CD and MI, in catalogue order, none ticked, the code out of sight.
            QCOMPARE(lignesVue(e->ListeRubriques()), QStringList({"Timbres-Poste|AA", "Tête-bêche|TP"}));
            QVERIFY(e->rubriquesCochees().isEmpty());
            QVERIFY(e->ListeRubriques()->isColumnHidden(1));
            VueResultat* l = e->ListeResultat();
            QCOMPARE(l->nombreLignes(), 0);
            QStringList titres;
            for (int i = 0; i < l->nombreColonnes(); ++i)
                titres << l->titreColonne(i);
            QCOMPARE(titres, QStringList({"Dallay", "Désignation", "N**", "N*", "NSG", "O", "L"}));
            QCOMPARE(l->columnWidth(1), 3350 / 15);
            QCOMPARE(e->findChild<QLabel*>(QStringLiteral("NBTimbres"))->text(), QStringLiteral("0"));
            QVERIFY(e->findChild<QLabel*>(QStringLiteral("LabelProgress"))->isHidden());
        }
        QCOMPARE(manques->ListeResultat()->objectName(), QStringLiteral("ListeManques"));
        QCOMPARE(doubles->ListeResultat()->objectName(), QStringLiteral("ListeDoubles"));
    }

    void cascadeOptions_data()
    {
        QTest::addColumn<QStringList>("clics");
        QTest::addColumn<QString>("etat");
        QTest::newRow("neuf décoché") << QStringList({"ChoixNeuf"}) << "0d 0d 0d 0d d";
        QTest::newRow("neuf décoché puis recoché") << QStringList({"ChoixNCversNeuf", "ChoixOblitéréversNeuf", "ChoixNeuf", "ChoixNeuf"})
                                                   << "1e 1e 0e 0e 1900e";
        QTest::newRow("oblitéré") << QStringList({"ChoixOblitéréversNeuf", "ChoixOblitéré"}) << "1e 1e 0e 0d 1900e";
        QTest::newRow("neuf recoché, oblitéré coché")
            << QStringList({"ChoixOblitéré", "ChoixNeuf", "ChoixNeuf"}) << "1e 1e 0e 0d 1900e";
        QTest::newRow("oblitéré décoché") << QStringList({"ChoixOblitéré", "ChoixOblitéré"}) << "1e 1e 0e 0e 1900e";
        QTest::newRow("oblitéré décoché sans neuf")
            << QStringList({"ChoixNeuf", "ChoixOblitéré", "ChoixOblitéré"}) << "0d 0d 0d 0d d";
        QTest::newRow("NC refusés") << QStringList({"ChoixAccepterNC"}) << "0e 1e 0e 0e 1900d";
        QTest::newRow("NC acceptés à nouveau") << QStringList({"ChoixAccepterNC", "ChoixAccepterNC"}) << "1e 1e 0e 0e 1900e";
    }

    void cascadeOptions()
    {
        QFETCH(QStringList, clics);
        QFETCH(QString, etat);
        for (const QString& nom : clics)
            m<QCheckBox>(nom.toUtf8().constData())->click();
        QCOMPARE(etatSousOptions(), etat);
    }

    void anneeNC_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<bool>("remplacer");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("texte");
        const QString remplacement = QStringLiteral(
            "Vous avez choisi de remplacer vos timbres neufs avec charnière par des timbres sans charnière. Vous ne "
            "pouvez donc pas accepter les neufs avec charnière avant 1960");
        const QString choix = QStringLiteral("Vous devez saisir 1900 ou 1960");
        QTest::newRow("1960 en remplaçant") << "1960" << true << remplacement << "1900";
        QTest::newRow("1960") << "1960" << false << QString() << "1960";
        QTest::newRow("1950 en remplaçant") << "1950" << true << remplacement << "1900";
        QTest::newRow("1950") << "1950" << false << choix << "1900";
        QTest::newRow("1900 en remplaçant") << "1900" << true << QString() << "1900";
        QTest::newRow("abc") << "abc" << true << choix << "1900";
    }

    void anneeNC()
    {
        QFETCH(QString, saisie);
        QFETCH(bool, remplacer);
        QFETCH(QString, message);
        QFETCH(QString, texte);
        m<QCheckBox>("ChoixNCversNeuf")->setChecked(remplacer);
        m<QLineEdit>("ChoixNCAnnée")->setText(saisie);
        if (!message.isEmpty())
            p->plateforme.repondreMessage(Reponse::OK);
        QVERIFY(manques->ChoixNCAnnée_Validate());
        if (!message.isEmpty())
            attendreMessage(message, QStringLiteral("Saisie incorrecte"));
        QCOMPARE(m<QLineEdit>("ChoixNCAnnée")->text(), texte);
    }

    void modesPeriode()
    {
        auto* classique = m<QCheckBox>("Classique");
        m<QRadioButton>("ChoixAnnée_2")->click();
        QVERIFY(!classique->isHidden() && !classique->isChecked());
        QVERIFY(!m<QLabel>("lblClassique")->isHidden());
        classique->setChecked(true);
        m<QRadioButton>("ChoixAnnée_3")->click();
        QVERIFY(classique->isHidden());
        QVERIFY(!m<QLineEdit>("MAnnéeDébut")->isHidden());
        QCOMPARE(m<QLineEdit>("MAnnéeDébut")->text(), QStringLiteral("1849"));
        QCOMPARE(m<QLineEdit>("MAnnéeFin")->text(), AnneePrecedente());
        m<QLineEdit>("MAnnéeDébut")->setText(QStringLiteral("1900"));
        m<QRadioButton>("ChoixAnnée_2")->click();
        QVERIFY(!classique->isChecked());
        QVERIFY(m<QLineEdit>("MAnnéeDébut")->isHidden());
        QCOMPARE(m<QLineEdit>("MAnnéeDébut")->text(), QStringLiteral("1849"));
    }

    void construction()
    {
        ouvrirCollection(QStringLiteral("2"));
        cocherRubriques(manques, {QStringLiteral("AA")});
        construire(manques);
        QCOMPARE(lignesVue(manques->ListeResultat()),
            QStringList({"sL|Timbre L|x||||", "s0|Timbre rien|x||||", "autre|Ailleurs|x||||", "npa3|Pas là-bas|x||||",
                "d1899|Fin 1899|x|x|x||", "d1900|Début 1900|x||||", "sd||x||||", "m1960|Moderne|x||||"}));
        QCOMPARE(m<QLabel>("NBTimbres")->text(), QStringLiteral("8"));
        QVERIFY(m<QLabel>("LabelProgress")->isHidden());
        QVERIFY(m<QProgressBar>("ProgressBar1")->isHidden());
        QCOMPARE(manques->genreListe(), GenreListe::Manques);
        QCOMPARE(manques->AnneeNC(), QStringLiteral("1900"));
        QCOMPARE(OuvrirListe(manques->genreListe(), manques->TexteSQL()).RecordCount(), 8);

        // A click on a listed stamp opens its card; the list screen hides.
        VueResultat* l = manques->ListeResultat();
        l->definirLigneCourante(4);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->rectLigne(4).center());
        QVERIFY(manques->isHidden());
        QCOMPARE(Texte(rstFrance.Champ(QStringLiteral("Dallay"))), QStringLiteral("d1899"));

        // Opening another collection empties the list.
        ouvrirCollection(QStringLiteral("3"));
        QCOMPARE(l->nombreLignes(), 0);
        QCOMPARE(m<QLabel>("NBTimbres")->text(), QStringLiteral("0"));
    }

    void listeVideCliquee()
    {
        p->plateforme.repondreMessage(Reponse::OK);
        manques->ListeResultat_Click();
        attendreMessage(QStringLiteral("La liste est vide"), QStringLiteral("Erreur"));
    }

    void refusGardentLaListe_data()
    {
        QTest::addColumn<QString>("refus");
        QTest::newRow("sans collection") << "A";
        QTest::newRow("années vides") << "B";
        QTest::newRow("sans rubrique") << "C";
        QTest::newRow("sans état") << "D";
        QTest::newRow("sans mot-clé") << "E";
    }

    void refusGardentLaListe()
    {
        QFETCH(QString, refus);
        ouvrirCollection(QStringLiteral("2"));
        cocherRubriques(manques, {QStringLiteral("AA")});
        construire(manques);
        const QStringList avant = lignesVue(manques->ListeResultat());
        const Instruction texteSQL = manques->TexteSQL();
        m<QLineEdit>("ChoixNCAnnée")->setText(QStringLiteral("1960"));
        p->plateforme.repondreMessage(Reponse::OK);
        if (refus == QLatin1String("A")) {
            ouvrirCollection(QString());
            construire(manques);
            attendreMessage(QStringLiteral("Vous devez d'abord ouvrir une collection"), QStringLiteral("Erreur"));
            QCOMPARE(manques->ListeResultat()->nombreLignes(), 0);  // emptied by the closing, not by the refusal
        } else if (refus == QLatin1String("B")) {
            m<QRadioButton>("ChoixAnnée_3")->click();
            m<QLineEdit>("MAnnéeFin")->clear();
            cocherRubriques(manques, {});
            construire(manques);
            attendreMessage(QStringLiteral("Les années de début et de fin doivent être renseignées (ex:1950)"),
                QStringLiteral("Erreur"));
        } else if (refus == QLatin1String("C")) {
            cocherRubriques(manques, {});
            construire(manques);
            attendreMessage(QStringLiteral("Vous devez cocher au moins UNE rubrique"),
                QStringLiteral("Création de la liste impossible"));
        } else if (refus == QLatin1String("D")) {
            m<QCheckBox>("ChoixNeuf")->click();
            m<QLineEdit>("ChoixNCAnnée")->setText(QStringLiteral("1960"));
            construire(manques);
            attendreMessage(QStringLiteral("Vous devez cocher au moins UN état de timbre"),
                QStringLiteral("Création de la liste impossible"));
        } else {
            construireMotCle(manques, QString());
            attendreMessage(QStringLiteral("Le mot-clé doit être saisi"), QStringLiteral("Impossible de continuer"));
        }
        if (refus != QLatin1String("A")) {
            QCOMPARE(lignesVue(manques->ListeResultat()), avant);
            QCOMPARE(m<QLabel>("NBTimbres")->text(), QString::number(avant.size()));
        }
        QCOMPARE(manques->TexteSQL().sql, texteSQL.sql);
        QCOMPARE(manques->TexteSQL().valeurs, texteSQL.valeurs);
        QVERIFY(m<QLabel>("LabelProgress")->isHidden());
        // A build refused for want of a condition had read the NC year already.
        QCOMPARE(manques->AnneeNC(), refus == QLatin1String("D") ? QStringLiteral("1960") : QStringLiteral("1900"));
    }

    void requeteEnEchec()
    {
        ouvrirCollection(QStringLiteral("2"));
        cocherRubriques(manques, {QStringLiteral("AA")});
        construire(manques);
        CnxPerso->executer(QStringLiteral("DROP TABLE CollectionV"));
        p->plateforme.repondreMessage(Reponse::OK);
        construireMotCle(manques, QStringLiteral("bleu"));
        const QList<Message> messages = p->plateforme.messages();
        QCOMPARE(messages.last().titre, QStringLiteral("Erreur"));
        QVERIFY2(messages.last().texte.contains(QLatin1String("CollectionV")), qPrintable(messages.last().texte));
        QCOMPARE(manques->ListeResultat()->nombreLignes(), 0);
        QCOMPARE(m<QLabel>("NBTimbres")->text(), QStringLiteral("0"));
        QVERIFY(m<QLabel>("LabelProgress")->isHidden());
        QVERIFY(m<QProgressBar>("ProgressBar1")->isHidden());
        QVERIFY(!manques->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        // No link outlives the build.
        QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("LinkFrance")));
        QVERIFY(!TableExiste(*CnxPerso, QStringLiteral("LinkVarietes")));
    }

    void motCle()
    {
        ouvrirCollection(QStringLiteral("2"));
        // No section ticked: a keyword list does not use them.
        m<QCheckBox>("ChoixOblitéré")->click();
        construireMotCle(manques, QStringLiteral("bleu"));
        QCOMPARE(lignesVue(manques->ListeResultat()),
            QStringList({"sN|Bleu pâle|1|||1|", "sN|Bleu clair||||1|", "sN|bleu foncé|1||||"}));
        QCOMPARE(manques->genreListe(), GenreListe::ManquesMotCle);
        QCOMPARE(m<QLabel>("NBTimbres")->text(), QStringLiteral("3"));

        cocherRubriques(doubles, {QStringLiteral("AA")});
        construire(doubles);
        QCOMPARE(lignesVue(doubles->ListeResultat()),
            QStringList({"sNC|Timbre NC|||2||", "sO|Timbre O|0|||3|", "sL|Timbre L|2||||1"}));
        QCOMPARE(d<QLabel>("NBTimbres")->text(), QStringLiteral("3"));
        construireMotCle(doubles, QStringLiteral("BLEU"));
        QCOMPARE(lignesVue(doubles->ListeResultat()), QStringList({"sN|bleu foncé||||2|"}));
        QCOMPARE(doubles->genreListe(), GenreListe::DoublesMotCle);

        // Printed with or without the counts, the keyword list is the one printed, with its own prices.
        for (const Instruction& i : {doubles->TexteSQL(), doubles->TexteSQL2()}) {
            Recordset r = OuvrirListe(doubles->genreListe(), i);
            QCOMPARE(r.RecordCount(), 1);
            QCOMPARE(Texte(r.Champ(QStringLiteral("Dallay"))), QStringLiteral("sN"));
            QCOMPARE(Texte(r.Champ(QStringLiteral("DesignationCourt"))), QStringLiteral("bleu foncé"));
            QCOMPARE(Texte(r.Champ(QStringLiteral("IDPerso"))), QStringLiteral("PV2"));
            QCOMPARE(Texte(r.Champ(QStringLiteral("AnneeEmission"))), QStringLiteral("1950"));
        }
        Recordset avecCotes = OuvrirListe(doubles->genreListe(), doubles->TexteSQL());
        QCOMPARE(avecCotes.Champ(QStringLiteral("CoteO")).toDouble(), 7.5);
        QCOMPARE(Texte(OuvrirListe(doubles->genreListe(), doubles->TexteSQL2()).Champ(QStringLiteral("QteDoubleO"))),
            QStringLiteral("x"));

        // The keyword want list prints with its marks.
        Recordset r = OuvrirListe(manques->genreListe(), manques->TexteSQL());
        QCOMPARE(r.RecordCount(), 3);
        QCOMPARE(Texte(r.Champ(QStringLiteral("Neuf"))), QStringLiteral("1"));
        QCOMPARE(Texte(r.Champ(QStringLiteral("DesignationCourt"))), QStringLiteral("Bleu pâle"));
    }
};

ENREGISTRER_TEST(TestEcrans)

#include "test_ecrans.moc"
