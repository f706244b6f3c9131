// The card's three picture windows: each reads its own picture column of the disc for the card's stamp,
// fits it into its picture area, and closes on a click on the picture, on its button or on Escape.

#include "card/OFormFicheIllustration1.h"
#include "card/OFormFicheIllustration2.h"
#include "card/OFormFichezoom.h"
#include "data/Source.h"
#include "platform/Dialogues.h"
#include "shell/Images.h"
#include "support/DossierTest.h"
#include "support/ImagesTest.h"
#include "support/PlateformeScriptee.h"
#include "support/Suite.h"

#include <QBuffer>
#include <QDirIterator>
#include <QKeyEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

enum class Fenetre { Illustration1, Illustration2, Zoom };

std::unique_ptr<FenetreImageFiche> creerFenetre(Fenetre fenetre, const QString& dallay)
{
    switch (fenetre) {
    case Fenetre::Illustration1:
        return std::make_unique<OFormFicheIllustration1>(dallay);
    case Fenetre::Illustration2:
        return std::make_unique<OFormFicheIllustration2>(dallay);
    case Fenetre::Zoom:
        break;
    }
    return std::make_unique<OFormFichezoom>(dallay);
}

// One picture of each proportion, in a colour of its own: wider than either area, taller than either
// area, and square.
const QColor CouleurImage = Qt::blue;
const QColor CouleurImagevrt = Qt::red;
const QColor CouleurImagevrt2 = QColor(0, 160, 0);
const QSize TailleImage(30, 30);
const QSize TailleImagevrt(40, 10);
const QSize TailleImagevrt2(10, 40);

// A disc under `racine`: stamp 1000A with its three pictures, 2000 with its row but no pictures, 3000 with
// bytes that are no picture.
void creerDisque(const QString& racine)
{
    DossierTest::creerDisque(racine, QStringLiteral("DATAS/FR_BINP.DOV"), [](const Connexion& cnx) {
        const QString insertion =
            QStringLiteral("INSERT INTO FrancePCT (Dallay, Image, Imagevrt, Imagevrt2) VALUES (?, ?, ?, ?)");
        cnx.executer(insertion,
            {QStringLiteral("1000A"), OctetsPng(CouleurImage, TailleImage.width(), TailleImage.height()),
                OctetsPng(CouleurImagevrt, TailleImagevrt.width(), TailleImagevrt.height()),
                OctetsPng(CouleurImagevrt2, TailleImagevrt2.width(), TailleImagevrt2.height())});
        cnx.executer(insertion, {QStringLiteral("2000"), QVariant(), QVariant(), QVariant()});
        const QByteArray illisible("pas une image");
        cnx.executer(insertion, {QStringLiteral("3000"), illisible, illisible, illisible});
    });
}

QStringList fichiersSous(const QString& dossier)
{
    QStringList fichiers;
    QDirIterator it(dossier, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        fichiers << it.next();
    fichiers.sort();
    return fichiers;
}

// The smallest rectangle holding every pixel that is not the background.
QRect partieDessinee(const QImage& image, const QColor& fond)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).rgb() != fond.rgb())
                r |= QRect(x, y, 1, 1);
        }
    }
    return r;
}

bool toutFond(const QImage& image, const QColor& fond)
{
    return partieDessinee(image, fond).isNull();
}

}  // namespace

Q_DECLARE_METATYPE(Fenetre)

class TestFenetresImage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void chaqueFenetreMontreSaColonne_data();
    void chaqueFenetreMontreSaColonne();
    void zoneVideSansImage_data();
    void zoneVideSansImage();
    void chaqueActivationRelitLeDisque();
    void fermeture_data();
    void fermeture();

private:
    // One program folder and one disc for every case; each case puts the disc in the drive or not.
    std::unique_ptr<QTemporaryDir> m_disque;
    std::unique_ptr<DossierTest> m_dossier;
};

void TestFenetresImage::initTestCase()
{
    m_disque = std::make_unique<QTemporaryDir>();
    m_dossier = std::make_unique<DossierTest>(false);
    m_dossier->creerGroupeTravail();
    creerDisque(m_disque->path());
}

void TestFenetresImage::cleanupTestCase()
{
    m_dossier.reset();
    m_disque.reset();
}

void TestFenetresImage::init()
{
    LecteurCD.clear();
}

void TestFenetresImage::chaqueFenetreMontreSaColonne_data()
{
    QTest::addColumn<Fenetre>("fenetre");
    QTest::addColumn<QString>("dallay");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QSize>("zoneTwips");
    QTest::addColumn<QColor>("fond");
    QTest::addColumn<QColor>("couleur");
    QTest::addColumn<QSize>("tailleImage");

    QTest::newRow("illustration 1, plus large")
        << Fenetre::Illustration1 << QStringLiteral("1000A") << QStringLiteral("Illustration principale")
        << QSize(9855, 7275) << QColor(Qt::white) << CouleurImagevrt << TailleImagevrt;
    // The number compares ignoring case, as the card's label may spell it otherwise.
    QTest::newRow("illustration 2, plus haute")
        << Fenetre::Illustration2 << QStringLiteral("1000a") << QStringLiteral("Seconde illustration")
        << QSize(9855, 7275) << QColor(Qt::white) << CouleurImagevrt2 << TailleImagevrt2;
    QTest::newRow("zoom, carrée") << Fenetre::Zoom << QStringLiteral("1000A") << QStringLiteral("Zoom")
                                  << QSize(8535, 6495) << QColor(Qt::black) << CouleurImage << TailleImage;
}

void TestFenetresImage::chaqueFenetreMontreSaColonne()
{
    QFETCH(Fenetre, fenetre);
    QFETCH(QString, dallay);
    QFETCH(QString, titre);
    QFETCH(QSize, zoneTwips);
    QFETCH(QColor, fond);
    QFETCH(QColor, couleur);
    QFETCH(QSize, tailleImage);

    PlateformeScriptee plateforme;
    LecteurCD = m_disque->path();
    const QStringList avant = fichiersSous(m_dossier->chemin()) + fichiersSous(m_disque->path());

    auto f = creerFenetre(fenetre, dallay);
    f->show();

    QCOMPARE(f->windowTitle(), titre);
    auto* picture1 = f->findChild<BoiteImage*>(QStringLiteral("Picture1"));
    auto* bouton = f->findChild<QPushButton*>(QStringLiteral("BoutonFermer"));
    QVERIFY(picture1);
    QVERIFY(bouton);
    const QSize zone(zoneTwips.width() / 15, zoneTwips.height() / 15);
    QCOMPARE(picture1->geometry(), QRect(QPoint(0, 0), zone));
    // The close button sits over the picture's lower right corner, bearing a picture and no caption.
    QCOMPARE(bouton->size(), QSize(465 / 15, 405 / 15));
    QCOMPARE(bouton->geometry().bottomRight(), picture1->geometry().bottomRight());
    QVERIFY(bouton->text().isEmpty());
    QVERIFY(!bouton->icon().isNull());
    QVERIFY(bouton->isVisible());

    const QImage contenu = picture1->contenu();
    QCOMPARE(contenu.size(), zone);
    QCOMPARE(contenu.pixelColor(zone.width() / 2, zone.height() / 2).rgb(), couleur.rgb());

    // As large as fits with the picture's proportions, centred, the background in the margins.
    const double r = double(tailleImage.width()) / tailleImage.height();
    const double w = qMin<double>(zone.width(), zone.height() * r);
    const double h = w / r;
    const QRect dessinee = partieDessinee(contenu, fond);
    QVERIFY2(qAbs(dessinee.width() - w) <= 1.5 && qAbs(dessinee.height() - h) <= 1.5,
        qPrintable(
            QStringLiteral("%1 x %2 au lieu de %3 x %4").arg(dessinee.width()).arg(dessinee.height()).arg(w).arg(h)));
    QVERIFY(qAbs(dessinee.left() - (zone.width() - 1 - dessinee.right())) <= 1);
    QVERIFY(qAbs(dessinee.top() - (zone.height() - 1 - dessinee.bottom())) <= 1);
    QVERIFY(dessinee.width() == zone.width() || dessinee.height() == zone.height());
    QCOMPARE(contenu.pixelColor(0, 0).rgb(),
        zone.width() > dessinee.width() || zone.height() > dessinee.height() ? fond.rgb() : couleur.rgb());

    QVERIFY(plateforme.messages().isEmpty());
    // The picture travels in memory: nothing is written beside the program or on the disc.
    QCOMPARE(fichiersSous(m_dossier->chemin()) + fichiersSous(m_disque->path()), avant);
}

void TestFenetresImage::zoneVideSansImage_data()
{
    QTest::addColumn<Fenetre>("fenetre");
    QTest::addColumn<bool>("avecDisque");
    QTest::addColumn<QString>("dallay");

    const QList<QPair<const char*, Fenetre>> fenetres = {{"illustration 1", Fenetre::Illustration1},
        {"illustration 2", Fenetre::Illustration2}, {"zoom", Fenetre::Zoom}};
    for (const auto& [nom, fenetre] : fenetres) {
        QTest::addRow("%s, sans disque", nom) << fenetre << false << QStringLiteral("1000A");
        QTest::addRow("%s, timbre absent du disque", nom) << fenetre << true << QStringLiteral("9999");
        QTest::addRow("%s, colonne Null", nom) << fenetre << true << QStringLiteral("2000");
        QTest::addRow("%s, octets illisibles", nom) << fenetre << true << QStringLiteral("3000");
    }
}

void TestFenetresImage::zoneVideSansImage()
{
    QFETCH(Fenetre, fenetre);
    QFETCH(bool, avecDisque);
    QFETCH(QString, dallay);

    PlateformeScriptee plateforme;
    if (avecDisque)
        LecteurCD = m_disque->path();

    auto f = creerFenetre(fenetre, dallay);
    f->show();
    auto* picture1 = f->findChild<BoiteImage*>(QStringLiteral("Picture1"));
    QVERIFY(picture1->estVide());
    QVERIFY(toutFond(picture1->contenu(), picture1->couleurFond()));
    QVERIFY(plateforme.messages().isEmpty());

    f->findChild<QPushButton*>(QStringLiteral("BoutonFermer"))->click();
    QVERIFY(!f->isVisible());
    QCOMPARE(f->result(), int(QDialog::Rejected));
}

void TestFenetresImage::chaqueActivationRelitLeDisque()
{
    // Opened before the disc was in the drive, the window shows the picture once it comes back to the front.
    PlateformeScriptee plateforme;

    OFormFicheIllustration1 f(QStringLiteral("1000A"));
    f.show();
    auto* picture1 = f.findChild<BoiteImage*>(QStringLiteral("Picture1"));
    QVERIFY(picture1->estVide());

    LecteurCD = m_disque->path();
    QEvent desactivation(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&f, &desactivation);
    QEvent activation(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&f, &activation);
    QVERIFY(!picture1->estVide());
    const QImage contenu = picture1->contenu();
    QCOMPARE(contenu.pixelColor(contenu.width() / 2, contenu.height() / 2).rgb(), CouleurImagevrt.rgb());

    // And the next activation without the disc leaves the area blank again.
    LecteurCD.clear();
    QCoreApplication::sendEvent(&f, &desactivation);
    QCoreApplication::sendEvent(&f, &activation);
    QVERIFY(picture1->estVide());
}

void TestFenetresImage::fermeture_data()
{
    QTest::addColumn<Fenetre>("fenetre");
    QTest::addColumn<QString>("moyen");

    const QList<QPair<const char*, Fenetre>> fenetres = {{"illustration 1", Fenetre::Illustration1},
        {"illustration 2", Fenetre::Illustration2}, {"zoom", Fenetre::Zoom}};
    for (const auto& [nom, fenetre] : fenetres) {
        for (const QString& moyen : {QStringLiteral("image"), QStringLiteral("bouton"), QStringLiteral("Échap")})
            QTest::addRow("%s, %s", nom, qPrintable(moyen)) << fenetre << moyen;
    }
}

void TestFenetresImage::fermeture()
{
    QFETCH(Fenetre, fenetre);
    QFETCH(QString, moyen);

    PlateformeScriptee plateforme;
    LecteurCD = m_disque->path();

    auto f = creerFenetre(fenetre, QStringLiteral("1000A"));
    bool ouverteAvecImage = false;
    plateforme.repondreDialogue([&](QDialog& d) {
        d.show();
        auto* picture1 = d.findChild<BoiteImage*>(QStringLiteral("Picture1"));
        ouverteAvecImage = d.isVisible() && !picture1->estVide();
        if (moyen == QStringLiteral("image"))
            QTest::mouseClick(picture1, Qt::LeftButton, Qt::NoModifier, picture1->rect().center());
        else if (moyen == QStringLiteral("bouton"))
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("BoutonFermer")), Qt::LeftButton);
        else
            QTest::keyClick(&d, Qt::Key_Escape);
        return d.isVisible() ? -1 : d.result();
    });
    QCOMPARE(MontrerModal(*f), int(QDialog::Rejected));
    QVERIFY(ouverteAvecImage);
    QVERIFY(!f->isVisible());
    QCOMPARE(plateforme.dialoguesMontres(), QStringList {f->objectName()});
    QVERIFY(plateforme.messages().isEmpty());
}

ENREGISTRER_TEST(TestFenetresImage)
#include "test_fenetres_image.moc"
