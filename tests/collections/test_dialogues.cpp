// The four collection dialogs: opening with a password, creating, renaming and changing the password,
// on a started program over a temporary folder.

#include "collections/OFormCollections.h"
#include "collections/dlgCollectionCreer.h"
#include "collections/dlgCollectionModifierPass.h"
#include "collections/dlgCollectionOuvrir.h"
#include "collections/dlgCollectionRenommer.h"
#include "data/Recordset.h"
#include "data/Source.h"
#include "shell/Controles.h"
#include "shell/Demarrage.h"
#include "support/DossierTest.h"
#include "support/EcransDuProgramme.h"
#include "support/PlateformeScriptee.h"
#include "support/Suite.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

// Besides the reserved collection 1: one without a password, one with.
const QString Collections =
    QStringLiteral("INSERT INTO Utilisateurs VALUES (2, 'Église', '2002-09-01', '2002-09-01', NULL);"
                   "INSERT INTO Utilisateurs VALUES (3, 'Margot', '2002-09-01', '2002-09-01', 'Secret');");

QString aujourdhui()
{
    return QDate::currentDate().toString(Qt::ISODate);
}

// Every row of Utilisateurs, every column: what a dialog that must write nothing is compared against.
QList<QVariantList> lignesUtilisateurs()
{
    QList<QVariantList> lignes;
    Recordset r = Recordset::Ouvrir(CnxPerso, QStringLiteral("SELECT * FROM Utilisateurs ORDER BY CodeCollection"));
    for (r.MoveFirst(); !r.Eof(); r.MoveNext()) {
        QVariantList ligne;
        for (int i = 0; i < r.NombreColonnes(); ++i)
            ligne << r.Champ(i);
        lignes << ligne;
    }
    return lignes;
}

QVariant champ(const QString& colonne, const QString& code)
{
    return CnxPerso->valeur(
        QStringLiteral("SELECT %1 FROM Utilisateurs WHERE CodeCollection = ?").arg(colonne), {code.toLongLong()});
}

QStringList nomsDeLaListe()
{
    QStringList noms;
    ListeDonnees* liste = FormCollections()->ListeCollections();
    for (int i = 0; i < liste->count(); ++i)
        noms << liste->item(i)->text();
    return noms;
}

// The collection opened as the user does: chosen in the list, then the open sequence.
void ouvrirCollection(const QString& code)
{
    FormCollections()->ListeCollections()->selectionnerCle(code);
    OuvrirCollectionChoisie();
}

QString codeOuvert()
{
    return FormCollections()->CollectionOuverte()->text();
}

QString nomOuvert()
{
    return FormCollections()->TexteCollectionOuverte()->text();
}

std::unique_ptr<QDialog> creerDialogue(const QString& classe)
{
    std::unique_ptr<QDialog> d;
    if (classe == QLatin1String("dlgCollectionOuvrir"))
        d = std::make_unique<dlgCollectionOuvrir>();
    else if (classe == QLatin1String("dlgCollectionCreer"))
        d = std::make_unique<dlgCollectionCreer>();
    else if (classe == QLatin1String("dlgCollectionRenommer"))
        d = std::make_unique<dlgCollectionRenommer>(codeOuvert());
    else
        d = std::make_unique<dlgCollectionModifierPass>();
    d->show();
    return d;
}

QLineEdit* boite(QDialog* d, const QString& nom)
{
    return d->findChild<QLineEdit*>(nom);
}

void saisir(QDialog* d, const QString& nom, const QString& texte)
{
    QLineEdit* b = boite(d, nom);
    QVERIFY2(b, qPrintable(nom));
    b->setText(texte);
}

void cliquer(QDialog* d, const QString& bouton)
{
    d->findChild<QPushButton*>(bouton)->click();
}

QString nomFocus(QDialog* d)
{
    return d->focusWidget() ? d->focusWidget()->objectName() : QString();
}

// The controls Tab goes through, from the one holding the focus.
QStringList ordreTabulation(QDialog* d)
{
    QStringList noms;
    QWidget* debut = d->focusWidget();
    QWidget* w = debut;
    do {
        noms << w->objectName();
        do
            w = w->nextInFocusChain();
        while (w != debut && (w == d || !(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled()));
    } while (w != debut && noms.size() < 10);
    return noms;
}

}  // namespace

class TestDialogues : public QObject {
    Q_OBJECT

private:
    // A started program on a temporary folder holding the collections above.
    struct Programme {
        DossierTest dossier;
        PlateformeScriptee plateforme;
        Programme()
        {
            dossier.creerPerso([](const Connexion& cnx) { cnx.executerScript(Collections); });
            plateforme.definirLecteurs(
                {Lecteur {QStringLiteral("/home"), QStringLiteral("/dev/sda1"), QStringLiteral("ext4")}});
            plateforme.definirLargeurBureau(1024);
        }
        ~Programme() { OublierDemarrage(); }
    };

private slots:
    void initTestCase() { EnregistrerEcransDuProgramme(); }

    void ordreDesBoites_data()
    {
        QTest::addColumn<QString>("classe");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QStringList>("ordre");
        QTest::addColumn<bool>("modal");
        QTest::newRow("ouvrir") << "dlgCollectionOuvrir"
                                << "Ouvrir une collection" << QStringList {"Pass1", "BoutonOK", "BoutonAnnuler"}
                                << true;
        QTest::newRow("créer") << "dlgCollectionCreer"
                               << "Créer une collection"
                               << QStringList {"TexteDescription", "Pass1", "Pass2", "BoutonOK", "BoutonAnnuler"}
                               << true;
        QTest::newRow("renommer") << "dlgCollectionRenommer"
                                  << "Renommer une collection" << QStringList {"NewNom", "BoutonOK", "BoutonAnnuler"}
                                  << false;
        // The name shown is never a stop.
        QTest::newRow("mot de passe") << "dlgCollectionModifierPass"
                                      << "Modifier le mot de passe"
                                      << QStringList {"ancienpasse", "Pass1", "Pass2", "BoutonOK", "BoutonAnnuler"}
                                      << true;
    }

    void ordreDesBoites()
    {
        QFETCH(QString, classe);
        QFETCH(QString, titre);
        QFETCH(QStringList, ordre);
        QFETCH(bool, modal);
        Programme p;
        QVERIFY(Main());
        ouvrirCollection(QStringLiteral("3"));
        std::unique_ptr<QDialog> d = creerDialogue(classe);
        QCOMPARE(d->objectName(), classe);
        QCOMPARE(d->windowTitle(), titre);
        QCOMPARE(d->isModal(), modal);
        QCOMPARE(ordreTabulation(d.get()), ordre);
        QVERIFY(d->findChild<QPushButton*>(QStringLiteral("BoutonOK"))->isDefault());
        // A password box shows one "*" per character typed, whatever mask the desktop's theme prefers.
        for (QLineEdit* b : d->findChildren<QLineEdit*>()) {
            if (b->objectName() != QLatin1String("TexteDescription") && b->objectName() != QLatin1String("NewNom")) {
                QCOMPARE(b->echoMode(), QLineEdit::Password);
                b->setText(QStringLiteral("Mot de 1"));
                QCOMPARE(b->displayText(), QStringLiteral("********"));
                QCOMPARE(b->text(), QStringLiteral("Mot de 1"));
            }
        }
        if (classe == QLatin1String("dlgCollectionModifierPass"))
            QCOMPARE(boite(d.get(), QStringLiteral("TexteDescription"))->text(), QStringLiteral("Margot"));
    }

    // The refusals of the create and change-password dialogs, and the inputs they let through. The change
    // of password is made on collection 2, whose stored password the case sets.
    void refusEtAcceptation_data()
    {
        QTest::addColumn<QString>("classe");
        QTest::addColumn<QVariant>("enregistre");
        QTest::addColumn<QString>("premiere");  // the name, or the old password
        QTest::addColumn<QString>("pass1");
        QTest::addColumn<QString>("pass2");
        QTest::addColumn<QString>("titre");  // empty: accepted
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QStringList>("videes");
        QTest::addColumn<QString>("focus");

        const QString creer = QStringLiteral("dlgCollectionCreer");
        const QString impossible = QStringLiteral("Impossible de créer");
        const QString manquant = QStringLiteral("L'un des mots de passe est manquant");
        const QString differents = QStringLiteral("Les mots de passe ne correspondent pas");
        const QString limite = QStringLiteral("Les mots de passe sont limités à 10 caractères");
        const QString existe = QStringLiteral("Le nom de la collection existe déja, veuillez en saisir un autre");
        const QStringList deuxPass = {QStringLiteral("Pass1"), QStringLiteral("Pass2")};
        const QStringList tout = {QStringLiteral("TexteDescription"), QStringLiteral("Pass1"), QStringLiteral("Pass2")};
        const QVariant sans;

        // The name is checked first: nothing is emptied although the passwords differ too.
        QTest::newRow("créer: sans nom") << creer << sans << ""
                                         << "abc"
                                         << "abd" << impossible << "Donnez un nom à la nouvelle collection (ex: Margot)"
                                         << QStringList {} << "TexteDescription";
        QTest::newRow("créer: confirmation manquante") << creer << sans << "Neuve"
                                                       << "abc"
                                                       << "" << impossible << manquant << deuxPass << "Pass1";
        QTest::newRow("créer: premier manquant") << creer << sans << "Neuve"
                                                 << ""
                                                 << "abc" << impossible << manquant << deuxPass << "Pass1";
        QTest::newRow("créer: différents") << creer << sans << "Neuve"
                                           << "abc"
                                           << "abd" << impossible << differents << deuxPass << "Pass1";
        QTest::newRow("créer: casse différente") << creer << sans << "Neuve"
                                                 << "abc"
                                                 << "ABC" << impossible << differents << deuxPass << "Pass1";
        QTest::newRow("créer: 11 caractères") << creer << sans << "Neuve"
                                              << "abcdefghijk"
                                              << "abcdefghijk" << impossible << limite << deuxPass << "Pass1";
        QTest::newRow("créer: 10 caractères") << creer << sans << "Neuve"
                                              << "abcdefghij"
                                              << "abcdefghij"
                                              << ""
                                              << "" << QStringList {} << "";
        // The limit counts characters, not the two halves a character beyond the first plane is stored as.
        const QString dixHorsPlan = QString(QStringLiteral("\U0001F4EE")).repeated(10);
        const QString onzeHorsPlan = QString(QStringLiteral("\U0001F4EE")).repeated(11);
        QTest::newRow("créer: 10 caractères hors du premier plan")
            << creer << sans << "Neuve" << dixHorsPlan << dixHorsPlan << ""
            << "" << QStringList {} << "";
        QTest::newRow("créer: 11 caractères hors du premier plan")
            << creer << sans << "Neuve" << onzeHorsPlan << onzeHorsPlan << impossible << limite << deuxPass << "Pass1";
        QTest::newRow("créer: sans mot de passe") << creer << sans << "Neuve"
                                                  << ""
                                                  << ""
                                                  << ""
                                                  << "" << QStringList {} << "";
        // A name taken is refused whatever its capitals, accented ones too, the reserved collection's included.
        QTest::newRow("créer: nom pris en minuscules") << creer << sans << "margot"
                                                       << ""
                                                       << "" << impossible << existe << tout << "TexteDescription";
        QTest::newRow("créer: nom pris, capitale accentuée")
            << creer << sans << "église"
            << "abc"
            << "abc" << impossible << existe << tout << "TexteDescription";
        QTest::newRow("créer: nom de la collection 1") << creer << sans << "COLLECTIONPREDEFINIE"
                                                       << ""
                                                       << "" << impossible << existe << tout << "TexteDescription";
        QTest::newRow("créer: apostrophe") << creer << sans << "L'Été d'Anne"
                                           << ""
                                           << ""
                                           << ""
                                           << "" << QStringList {} << "";
        // Characters a pattern would take as wildcards are only themselves.
        QTest::newRow("créer: soulignés et pour-cent") << creer << sans << "Marg_t"
                                                       << ""
                                                       << ""
                                                       << ""
                                                       << "" << QStringList {} << "";
        QTest::newRow("créer: pour-cent seul") << creer << sans << "%"
                                               << ""
                                               << ""
                                               << ""
                                               << "" << QStringList {} << "";

        const QString modifier = QStringLiteral("dlgCollectionModifierPass");
        const QString erreur = QStringLiteral("Erreur");
        const QString incorrect = QStringLiteral("L'ancien mot de passe est incorrect, veuillez en saisir un autre");
        const QStringList ancien = {QStringLiteral("ancienpasse")};
        const QVariant secret = QStringLiteral("Secret");
        const QVariant vide = QStringLiteral("");

        QTest::newRow("modifier: sans mot de passe, ancien vide") << modifier << sans << ""
                                                                  << "neuf"
                                                                  << "neuf"
                                                                  << ""
                                                                  << "" << QStringList {} << "";
        QTest::newRow("modifier: texte vide, ancien vide") << modifier << vide << ""
                                                           << "neuf"
                                                           << "neuf"
                                                           << ""
                                                           << "" << QStringList {} << "";
        // The old password is checked before the new ones: those keep what was typed.
        QTest::newRow("modifier: sans mot de passe, ancien donné")
            << modifier << sans << "Secret"
            << "neuf"
            << "autre" << erreur << "La collection n'avait pas de mot de passe" << ancien << "ancienpasse";
        QTest::newRow("modifier: texte vide, ancien donné")
            << modifier << vide << "x"
            << "neuf"
            << "neuf" << erreur << "La collection n'avait pas de mot de passe" << ancien << "ancienpasse";
        QTest::newRow("modifier: ancien vide")
            << modifier << secret << ""
            << "neuf"
            << "neuf" << erreur << "L'ancien mot de passe est obligatoire, veuillez en saisir un autre" << ancien
            << "ancienpasse";
        QTest::newRow("modifier: ancien faux") << modifier << secret << "Secrte"
                                               << "neuf"
                                               << "autre" << erreur << incorrect << ancien << "ancienpasse";
        QTest::newRow("modifier: ancien en minuscules") << modifier << secret << "secret"
                                                        << "neuf"
                                                        << "neuf" << erreur << incorrect << ancien << "ancienpasse";
        QTest::newRow("modifier: ancien trop long") << modifier << secret << "Secret "
                                                    << "neuf"
                                                    << "neuf" << erreur << incorrect << ancien << "ancienpasse";
        QTest::newRow("modifier: ancien juste") << modifier << secret << "Secret"
                                                << "neuf"
                                                << "neuf"
                                                << ""
                                                << "" << QStringList {} << "";
        QTest::newRow("modifier: confirmation manquante") << modifier << secret << "Secret"
                                                          << "neuf"
                                                          << "" << erreur << manquant << deuxPass << "Pass1";
        QTest::newRow("modifier: premier manquant") << modifier << sans << ""
                                                    << ""
                                                    << "neuf" << erreur << manquant << deuxPass << "Pass1";
        QTest::newRow("modifier: différents") << modifier << secret << "Secret"
                                              << "neuf"
                                              << "Neuf" << erreur << differents << deuxPass << "Pass1";
        QTest::newRow("modifier: 11 caractères") << modifier << secret << "Secret"
                                                 << "abcdefghijk"
                                                 << "abcdefghijk" << erreur << limite << deuxPass << "Pass1";
        QTest::newRow("modifier: 10 caractères") << modifier << secret << "Secret"
                                                 << "abcdefghij"
                                                 << "abcdefghij"
                                                 << ""
                                                 << "" << QStringList {} << "";
        QTest::newRow("modifier: 10 caractères hors du premier plan")
            << modifier << secret << "Secret" << dixHorsPlan << dixHorsPlan << ""
            << "" << QStringList {} << "";
        QTest::newRow("modifier: 11 caractères hors du premier plan")
            << modifier << secret << "Secret" << onzeHorsPlan << onzeHorsPlan << erreur << limite << deuxPass
            << "Pass1";
        QTest::newRow("modifier: mot de passe retiré") << modifier << secret << "Secret"
                                                       << ""
                                                       << ""
                                                       << ""
                                                       << "" << QStringList {} << "";
    }

    void refusEtAcceptation()
    {
        QFETCH(QString, classe);
        QFETCH(QVariant, enregistre);
        QFETCH(QString, premiere);
        QFETCH(QString, pass1);
        QFETCH(QString, pass2);
        QFETCH(QString, titre);
        QFETCH(QString, texte);
        QFETCH(QStringList, videes);
        QFETCH(QString, focus);

        Programme p;
        QVERIFY(Main());
        const bool creation = classe == QLatin1String("dlgCollectionCreer");
        if (!creation) {
            CnxPerso->executer(
                QStringLiteral("UPDATE Utilisateurs SET MotdePasse = ? WHERE CodeCollection = 2"), {enregistre});
            ouvrirCollection(QStringLiteral("2"));
            QCOMPARE(codeOuvert(), QStringLiteral("2"));
        }
        const QList<QVariantList> avant = lignesUtilisateurs();

        std::unique_ptr<QDialog> d = creerDialogue(classe);
        const QString nomPremiere = creation ? QStringLiteral("TexteDescription") : QStringLiteral("ancienpasse");
        const QMap<QString, QString> saisies = {
            {nomPremiere, premiere}, {QStringLiteral("Pass1"), pass1}, {QStringLiteral("Pass2"), pass2}};
        for (auto it = saisies.cbegin(); it != saisies.cend(); ++it)
            saisir(d.get(), it.key(), it.value());
        if (!titre.isEmpty())
            p.plateforme.repondreMessage(Reponse::OK);
        cliquer(d.get(), QStringLiteral("BoutonOK"));

        if (!titre.isEmpty()) {
            QCOMPARE(p.plateforme.messages().size(), 1);
            const Message m = p.plateforme.messages().first();
            QCOMPARE(m.titre, titre);
            QCOMPARE(m.texte, texte);
            QCOMPARE(m.icone, Icone::Exclamation);
            QCOMPARE(m.boutons, Boutons::OK);
            QVERIFY(d->isVisible());
            for (auto it = saisies.cbegin(); it != saisies.cend(); ++it)
                QCOMPARE(boite(d.get(), it.key())->text(), videes.contains(it.key()) ? QString() : it.value());
            QCOMPARE(nomFocus(d.get()), focus);
            QCOMPARE(lignesUtilisateurs(), avant);
            return;
        }

        QVERIFY(p.plateforme.messages().isEmpty());
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Accepted));
        // An empty password is stored as an empty text, never Null.
        if (creation) {
            Recordset r = Recordset::Ouvrir(
                CnxPerso, QStringLiteral("SELECT * FROM Utilisateurs WHERE DescriptionCollection = ?"), {premiere});
            QCOMPARE(r.RecordCount(), 1);
            QVERIFY(!r.Champ(QStringLiteral("MotdePasse")).isNull());
            QCOMPARE(r.Champ(QStringLiteral("MotdePasse")).toString(), pass1);
            QCOMPARE(r.Champ(QStringLiteral("DateCreation")).toString(), aujourdhui());
            QCOMPARE(r.Champ(QStringLiteral("DateMAJ")).toString(), aujourdhui());
            QCOMPARE(lignesUtilisateurs().size(), avant.size() + 1);
        } else {
            const QVariant stocke = champ(QStringLiteral("MotdePasse"), QStringLiteral("2"));
            QVERIFY(!stocke.isNull());
            QCOMPARE(stocke.toString(), pass1);
            QCOMPARE(champ(QStringLiteral("DateMAJ"), QStringLiteral("2")).toString(), aujourdhui());
            // Only that collection's row changed, and the list and captions stay.
            QList<QVariantList> apres = lignesUtilisateurs();
            apres[1] = avant[1];
            QCOMPARE(apres, avant);
            QCOMPARE(codeOuvert(), QStringLiteral("2"));
            QCOMPARE(nomOuvert(), QStringLiteral("Église"));
        }
    }

    void ouvrir_data()
    {
        QTest::addColumn<QString>("motDePasse");
        QTest::addColumn<bool>("ouvre");
        QTest::newRow("juste") << "Secret" << true;
        QTest::newRow("faux") << "Secrte" << false;
        QTest::newRow("autre casse") << "SECRET" << false;
        QTest::newRow("plus long") << "Secret1" << false;
        QTest::newRow("vide") << "" << false;
    }

    void ouvrir()
    {
        QFETCH(QString, motDePasse);
        QFETCH(bool, ouvre);
        Programme p;
        QVERIFY(Main());
        const QString nomAvant = nomOuvert();
        FormCollections()->ListeCollections()->selectionnerCle(QStringLiteral("3"));
        dlgCollectionOuvrir d;
        d.show();
        QCOMPARE(nomFocus(&d), QStringLiteral("Pass1"));
        saisir(&d, QStringLiteral("Pass1"), motDePasse);
        if (!ouvre)
            p.plateforme.repondreMessage(Reponse::OK);
        d.BoutonOK_Click();
        if (ouvre) {
            QVERIFY(p.plateforme.messages().isEmpty());
            QVERIFY(!d.isVisible());
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QCOMPARE(codeOuvert(), QStringLiteral("3"));
            QCOMPARE(nomOuvert(), QStringLiteral("Margot"));
            return;
        }
        QCOMPARE(p.plateforme.messages().size(), 1);
        QCOMPARE(p.plateforme.messages().first().titre, QStringLiteral("Erreur"));
        QCOMPARE(p.plateforme.messages().first().texte,
            QStringLiteral("Le mot de passe est incorrect, veuillez en saisir un autre"));
        QCOMPARE(p.plateforme.messages().first().icone, Icone::Exclamation);
        QVERIFY(d.isVisible());
        QCOMPARE(boite(&d, QStringLiteral("Pass1"))->text(), QString());
        QCOMPARE(nomFocus(&d), QStringLiteral("Pass1"));
        QCOMPARE(codeOuvert(), QString());
        QCOMPARE(nomOuvert(), nomAvant);
        // Tries are not counted: a second wrong one is refused the same way, the right one still opens.
        p.plateforme.repondreMessage(Reponse::OK);
        d.BoutonOK_Click();
        QCOMPARE(p.plateforme.messages().size(), 2);
        saisir(&d, QStringLiteral("Pass1"), QStringLiteral("Secret"));
        d.BoutonOK_Click();
        QVERIFY(!d.isVisible());
        QCOMPARE(codeOuvert(), QStringLiteral("3"));
    }

    // When OK is pressed the stored password cannot be read: nothing opens, not even on an empty password.
    void ouvrirMotDePasseIllisible_data()
    {
        QTest::addColumn<bool>("verrou");  // otherwise the row is deleted behind the list
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QString>("texte");  // part of the message
        QTest::newRow("base verrouillée") << true << "Erreur"
                                          << "La base de données est verrouillée par un autre programme";
        QTest::newRow("collection disparue") << false << "Ouverture impossible"
                                             << "La collection choisie est inconnue, veuillez en choisir une autre";
    }

    void ouvrirMotDePasseIllisible()
    {
        QFETCH(bool, verrou);
        QFETCH(QString, titre);
        QFETCH(QString, texte);
        Programme p;
        QVERIFY(Main());
        FormCollections()->ListeCollections()->selectionnerCle(QStringLiteral("3"));
        dlgCollectionOuvrir d;
        d.show();
        // Another program holding the database for writing, or the row gone.
        Connexion autre;
        if (verrou) {
            autre.ouvrir(CheminBasePerso(), Connexion::Mode::LectureEcriture);
            autre.executer(QStringLiteral("BEGIN EXCLUSIVE"));
        } else {
            CnxPerso->executer(QStringLiteral("DELETE FROM Utilisateurs WHERE CodeCollection = 3"));
        }
        p.plateforme.repondreMessage(Reponse::OK);
        d.BoutonOK_Click();
        QCOMPARE(p.plateforme.messages().size(), 1);
        QCOMPARE(p.plateforme.messages().first().titre, titre);
        QVERIFY2(
            p.plateforme.messages().first().texte.contains(texte), qPrintable(p.plateforme.messages().first().texte));
        // The dialog stays until Annuler.
        QVERIFY(d.isVisible());
        QCOMPARE(codeOuvert(), QString());
    }

    void creerFermeLaCollectionOuverte()
    {
        Programme p;
        QVERIFY(Main());
        ouvrirCollection(QStringLiteral("3"));
        dlgCollectionCreer d;
        d.show();
        saisir(&d, QStringLiteral("TexteDescription"), QStringLiteral("Neuve"));
        d.BoutonOK_Click();
        QVERIFY(p.plateforme.messages().isEmpty());
        QVERIFY(!d.isVisible());
        QCOMPARE(codeOuvert(), QString());
        QCOMPARE(nomOuvert(), QString());
        QVERIFY(nomsDeLaListe().contains(QStringLiteral("Neuve")));
        // Password boxes never typed into store an empty text too.
        const QVariant motDePasse = CnxPerso->valeur(
            QStringLiteral("SELECT MotdePasse FROM Utilisateurs WHERE DescriptionCollection = 'Neuve'"));
        QVERIFY(!motDePasse.isNull());
        QCOMPARE(motDePasse.toString(), QString());
    }

    // Names no other collection has: its own in other capitals, and characters a pattern would take as
    // wildcards, which stand only for themselves.
    void renommer_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::newRow("nom nouveau") << "L'Été d'Anne";
        QTest::newRow("son propre nom en capitales") << "MARGOT";
        QTest::newRow("souligné") << "_glise";
        QTest::newRow("pour-cent") << "%";
    }

    void renommer()
    {
        QFETCH(QString, nom);
        Programme p;
        QVERIFY(Main());
        ouvrirCollection(QStringLiteral("3"));
        dlgCollectionRenommer d(QStringLiteral("3"));
        d.show();
        QCOMPARE(boite(&d, QStringLiteral("NewNom"))->text(), QString());
        saisir(&d, QStringLiteral("NewNom"), nom);
        d.BoutonOK_Click();
        QVERIFY(p.plateforme.messages().isEmpty());
        QVERIFY(!d.isVisible());
        QCOMPARE(champ(QStringLiteral("DescriptionCollection"), QStringLiteral("3")).toString(), nom);
        QCOMPARE(champ(QStringLiteral("DateMAJ"), QStringLiteral("3")).toString(), aujourdhui());
        QCOMPARE(
            champ(QStringLiteral("DescriptionCollection"), QStringLiteral("2")).toString(), QStringLiteral("Église"));
        QCOMPARE(codeOuvert(), QStringLiteral("3"));
        QCOMPARE(nomOuvert(), nom);
        QCOMPARE(nomsDeLaListe().count(nom), 1);
        QVERIFY(!nomsDeLaListe().contains(QStringLiteral("Margot")));
    }

    // The dialog stays up while the collections screen goes on: by OK, the collection it was opened for
    // may no longer be the open one.
    void renommerRefuse_data()
    {
        QTest::addColumn<QString>("entreTemps");  // what the user did on the screen meanwhile
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("codeApres");
        QTest::addColumn<QString>("nomApres");
        QTest::addColumn<bool>("nomGarde");  // the name typed is still in the box
        const QString plusOuverte =
            QStringLiteral("La collection à renommer n'est plus ouverte, veuillez l'ouvrir à nouveau");
        const QString existe = QStringLiteral("Le nom de la collection existe déja, veuillez en saisir un autre");
        QTest::newRow("nom vide") << "rien"
                                  << ""
                                  << "Le nom de la collection doit comporter au moins un caractère"
                                  << "3"
                                  << "Margot" << false;
        QTest::newRow("collection fermée") << "fermer"
                                           << "Neuve" << plusOuverte << ""
                                           << "" << true;
        QTest::newRow("autre collection ouverte") << "ouvrir 2"
                                                  << "Neuve" << plusOuverte << "2"
                                                  << "Église" << true;
        // Two collections of one name could not be told apart in the list: the rule of the creation.
        QTest::newRow("nom d'une autre collection") << "rien"
                                                    << "Église" << existe << "3"
                                                    << "Margot" << false;
        QTest::newRow("nom d'une autre, capitale accentuée") << "rien"
                                                             << "éGLISE" << existe << "3"
                                                             << "Margot" << false;
        QTest::newRow("nom de la collection 1") << "rien"
                                                << "collectionpredefinie" << existe << "3"
                                                << "Margot" << false;
    }

    void renommerRefuse()
    {
        QFETCH(QString, entreTemps);
        QFETCH(QString, nom);
        QFETCH(QString, texte);
        QFETCH(QString, codeApres);
        QFETCH(QString, nomApres);
        QFETCH(bool, nomGarde);
        Programme p;
        QVERIFY(Main());
        ouvrirCollection(QStringLiteral("3"));
        dlgCollectionRenommer d(codeOuvert());
        d.show();
        if (entreTemps == QLatin1String("fermer"))
            FormCollections()->BoutonFermer_Click();
        else if (entreTemps == QLatin1String("ouvrir 2"))
            ouvrirCollection(QStringLiteral("2"));
        const QList<QVariantList> avant = lignesUtilisateurs();
        saisir(&d, QStringLiteral("NewNom"), nom);
        p.plateforme.repondreMessage(Reponse::OK);
        d.BoutonOK_Click();
        QCOMPARE(p.plateforme.messages().size(), 1);
        QCOMPARE(p.plateforme.messages().first().titre, QStringLiteral("Impossible de renommer"));
        QCOMPARE(p.plateforme.messages().first().texte, texte);
        QCOMPARE(p.plateforme.messages().first().icone, Icone::Exclamation);
        QVERIFY(d.isVisible());
        QCOMPARE(nomFocus(&d), QStringLiteral("NewNom"));
        QCOMPARE(boite(&d, QStringLiteral("NewNom"))->text(), nomGarde ? nom : QString());
        QCOMPARE(lignesUtilisateurs(), avant);
        QCOMPARE(codeOuvert(), codeApres);
        QCOMPARE(nomOuvert(), nomApres);
    }

    // Each dialog filled with what OK would accept, then Annuler.
    void annuler_data()
    {
        QTest::addColumn<QString>("classe");
        QTest::newRow("ouvrir") << "dlgCollectionOuvrir";
        QTest::newRow("créer") << "dlgCollectionCreer";
        QTest::newRow("renommer") << "dlgCollectionRenommer";
        QTest::newRow("mot de passe") << "dlgCollectionModifierPass";
    }

    void annuler()
    {
        QFETCH(QString, classe);
        Programme p;
        QVERIFY(Main());
        ouvrirCollection(QStringLiteral("3"));
        const QList<QVariantList> avant = lignesUtilisateurs();
        const QStringList listeAvant = nomsDeLaListe();
        std::unique_ptr<QDialog> d = creerDialogue(classe);
        const QMap<QString, QString> saisies = {{QStringLiteral("TexteDescription"), QStringLiteral("Neuve")},
            {QStringLiteral("NewNom"), QStringLiteral("Neuve")},
            {QStringLiteral("ancienpasse"), QStringLiteral("Secret")},
            {QStringLiteral("Pass1"), QStringLiteral("Secret")}, {QStringLiteral("Pass2"), QStringLiteral("Secret")}};
        for (QLineEdit* b : d->findChildren<QLineEdit*>()) {
            if (b->isEnabled())
                b->setText(saisies.value(b->objectName()));
        }
        cliquer(d.get(), QStringLiteral("BoutonAnnuler"));
        QVERIFY(p.plateforme.messages().isEmpty());
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QCOMPARE(lignesUtilisateurs(), avant);
        QCOMPARE(nomsDeLaListe(), listeAvant);
        QCOMPARE(codeOuvert(), QStringLiteral("3"));
        QCOMPARE(nomOuvert(), QStringLiteral("Margot"));
    }

    // The database refuses the write: the reason is shown and everything stays as it was, the typing too.
    void refusDeLaBase_data()
    {
        QTest::addColumn<QString>("classe");
        QTest::newRow("créer") << "dlgCollectionCreer";
        QTest::newRow("renommer") << "dlgCollectionRenommer";
        QTest::newRow("mot de passe") << "dlgCollectionModifierPass";
    }

    void refusDeLaBase()
    {
        QFETCH(QString, classe);
        Programme p;
        QVERIFY(Main());
        ouvrirCollection(QStringLiteral("3"));
        CnxPerso->executerScript(
            QStringLiteral("CREATE TRIGGER refusAjout BEFORE INSERT ON Utilisateurs BEGIN SELECT RAISE(ABORT, 'disque "
                           "plein'); END;"
                           "CREATE TRIGGER refusModif BEFORE UPDATE ON Utilisateurs BEGIN SELECT RAISE(ABORT, 'disque "
                           "plein'); END;"));
        const QList<QVariantList> avant = lignesUtilisateurs();
        const QStringList listeAvant = nomsDeLaListe();
        std::unique_ptr<QDialog> d = creerDialogue(classe);
        const QMap<QString, QString> saisies = {{QStringLiteral("TexteDescription"), QStringLiteral("Neuve")},
            {QStringLiteral("NewNom"), QStringLiteral("Neuve")},
            {QStringLiteral("ancienpasse"), QStringLiteral("Secret")},
            {QStringLiteral("Pass1"), QStringLiteral("autre")}, {QStringLiteral("Pass2"), QStringLiteral("autre")}};
        QList<QLineEdit*> boites;
        for (QLineEdit* b : d->findChildren<QLineEdit*>()) {
            if (b->isEnabled()) {
                b->setText(saisies.value(b->objectName()));
                boites << b;
            }
        }
        p.plateforme.repondreMessage(Reponse::OK);
        cliquer(d.get(), QStringLiteral("BoutonOK"));
        QCOMPARE(p.plateforme.messages().size(), 1);
        QCOMPARE(p.plateforme.messages().first().titre, QStringLiteral("Erreur"));
        QVERIFY2(p.plateforme.messages().first().texte.contains(QStringLiteral("disque plein")),
            qPrintable(p.plateforme.messages().first().texte));
        QVERIFY(d->isVisible());
        for (QLineEdit* b : boites)
            QCOMPARE(b->text(), saisies.value(b->objectName()));
        QCOMPARE(lignesUtilisateurs(), avant);
        QCOMPARE(nomsDeLaListe(), listeAvant);
        QCOMPARE(codeOuvert(), QStringLiteral("3"));
        QCOMPARE(nomOuvert(), QStringLiteral("Margot"));
    }
};

ENREGISTRER_TEST(TestDialogues)
#include "test_dialogues.moc"
