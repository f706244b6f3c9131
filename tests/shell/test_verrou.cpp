// The lock that keeps one running copy per user and program folder.

#include "shell/VerrouInstance.h"
#include "support/DroitsOrdinaires.h"
#include "support/Suite.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>

namespace {

// Another copy of the program, in a child process: it takes the lock, then either ends at once without
// releasing it (a copy that crashed) or holds it until told to end.
class AutreCopie {
public:
    AutreCopie(const QString& fichier, bool termineeSansLiberer)
    {
        int versParent[2];
        int versEnfant[2];
        if (::pipe(versParent) != 0 || ::pipe(versEnfant) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(versParent[0]);
            ::close(versEnfant[1]);
            auto* verrou = new QLockFile(fichier);  // never destroyed: a crash leaves the file behind
            const char pris = verrou->tryLock(0) ? 'o' : 'n';
            (void)!::write(versParent[1], &pris, 1);
            if (!termineeSansLiberer) {
                char fin;
                (void)!::read(versEnfant[0], &fin, 1);
                verrou->unlock();
            }
            ::_exit(0);
        }
        ::close(versParent[1]);
        ::close(versEnfant[0]);
        m_versEnfant = versEnfant[1];
        char pris = 'n';
        m_pris = ::read(versParent[0], &pris, 1) == 1 && pris == 'o';
        ::close(versParent[0]);
        if (termineeSansLiberer)
            attendre();
    }
    ~AutreCopie() { attendre(); }
    bool pris() const { return m_pris; }

private:
    void attendre()
    {
        if (m_versEnfant >= 0) {
            ::close(m_versEnfant);
            m_versEnfant = -1;
        }
        if (m_pid > 0) {
            int etat = 0;
            ::waitpid(m_pid, &etat, 0);
            m_pid = -1;
        }
    }
    pid_t m_pid = -1;
    int m_versEnfant = -1;
    bool m_pris = false;
};

}  // namespace

class TestVerrou : public QObject {
    Q_OBJECT

private slots:
    void prendre_data();
    void prendre();
    void unVerrouParUtilisateur();
};

Q_DECLARE_METATYPE(EtatVerrou)

void TestVerrou::prendre_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<EtatVerrou>("attendu");
    QTest::addColumn<QString>("dansLeMessage");

    QTest::newRow("libre") << "libre" << EtatVerrou::Pris << "";
    QTest::newRow("autre copie ouverte") << "ouverte" << EtatVerrou::DejaOuvert << "";
    QTest::newRow("copie arrêtée sans libérer") << "arretee" << EtatVerrou::Pris << "";
    QTest::newRow("dossier introuvable") << "sansDossier" << EtatVerrou::Impossible << "est introuvable";
    QTest::newRow("un dossier à la place du fichier")
        << "dossierAuLieuDuFichier" << EtatVerrou::Impossible << "ne peut pas être lu";
    QTest::newRow("dossier protégé en écriture") << "dossierProtege" << EtatVerrou::Impossible << "est refusée";
    QTest::newRow("fichier illisible") << "illisible" << EtatVerrou::Impossible << "ne peut pas être lu";
    // In the shared temporary folder, another user's leftover cannot be deleted by us.
    QTest::newRow("copie arrêtée, fichier qu'on ne peut supprimer")
        << "arreteeNonSupprimable" << EtatVerrou::Impossible << "ne peut pas être supprimé";
}

void TestVerrou::prendre()
{
    QFETCH(QString, situation);
    QFETCH(EtatVerrou, attendu);
    QFETCH(QString, dansLeMessage);

    QTemporaryDir racine;
    QString dossier = racine.filePath(QStringLiteral("verrous"));
    QDir().mkdir(dossier);
    const QString fichier = QDir(dossier).filePath(QStringLiteral("orvalen.lock"));
    std::unique_ptr<AutreCopie> autre;
    if (situation == QStringLiteral("ouverte")) {
        autre = std::make_unique<AutreCopie>(fichier, false);
        QVERIFY(autre->pris());
    } else if (situation == QStringLiteral("arretee") || situation == QStringLiteral("arreteeNonSupprimable")) {
        autre = std::make_unique<AutreCopie>(fichier, true);
        QVERIFY(autre->pris());
        QVERIFY(QFile::exists(fichier));
        if (situation == QStringLiteral("arreteeNonSupprimable"))
            QFile::setPermissions(dossier, QFile::ReadOwner | QFile::ExeOwner);
    } else if (situation == QStringLiteral("sansDossier")) {
        QDir(dossier).removeRecursively();
    } else if (situation == QStringLiteral("dossierAuLieuDuFichier")) {
        QDir().mkdir(fichier);
    } else if (situation == QStringLiteral("dossierProtege")) {
        QFile::setPermissions(dossier, QFile::ReadOwner | QFile::ExeOwner);
    } else if (situation == QStringLiteral("illisible")) {
        QFile f(fichier);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("1\norvalen\n\n");
        f.close();
        QFile::setPermissions(fichier, QFile::Permissions());
    }

    // The modes set above stop this account too, root included.
    const DroitsOrdinaires droits;
    QVERIFY(droits.tenus());
    VerrouInstance v = PrendreVerrouInstance(fichier);
    QFile::setPermissions(dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(v.etat, attendu);
    QCOMPARE(bool(v.verrou), attendu == EtatVerrou::Pris);
    switch (attendu) {
    case EtatVerrou::Pris:
        QVERIFY(v.message.isEmpty());
        // Held: a second attempt is another copy.
        QCOMPARE(PrendreVerrouInstance(fichier).etat, EtatVerrou::DejaOuvert);
        break;
    case EtatVerrou::DejaOuvert:
        QCOMPARE(v.message, QStringLiteral("Ce programme est déja ouvert"));
        break;
    case EtatVerrou::Impossible:
        QVERIFY2(v.message.contains(QDir::toNativeSeparators(fichier)), qPrintable(v.message));
        QVERIFY2(v.message.contains(dansLeMessage), qPrintable(v.message));
        break;
    }
}

// Each user has a lock of their own for a program folder, also in the temporary folder they share.
void TestVerrou::unVerrouParUtilisateur()
{
    const QByteArray ancien = qgetenv("XDG_RUNTIME_DIR");
    const bool avait = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
    qunsetenv("XDG_RUNTIME_DIR");
    QTemporaryDir programme;
    QTemporaryDir autreProgramme;
    const QString a = FichierVerrouInstance(programme.path(), 1000);
    const QString b = FichierVerrouInstance(programme.path(), 1001);
    const QString c = FichierVerrouInstance(autreProgramme.path(), 1000);
    const QString d = FichierVerrouInstance(programme.path() + QStringLiteral("/."), 1000);
    QTemporaryDir session;
    qputenv("XDG_RUNTIME_DIR", session.path().toLocal8Bit());
    const QString e = FichierVerrouInstance(programme.path(), 1000);
    if (avait)
        qputenv("XDG_RUNTIME_DIR", ancien);
    else
        qunsetenv("XDG_RUNTIME_DIR");

    QCOMPARE(QFileInfo(a).absolutePath(), QDir::tempPath());
    QVERIFY(a != b);  // two users, one program folder
    QVERIFY(a != c);  // one user, two program folders
    QCOMPARE(a, d);   // one folder however it is spelt
    QCOMPARE(QFileInfo(e).absolutePath(), session.path());  // the session's private folder when there is one
}

ENREGISTRER_TEST(TestVerrou)
#include "test_verrou.moc"
