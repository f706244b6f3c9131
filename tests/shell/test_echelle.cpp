// Screen scaling and picture fitting.

#include "shell/Echelle.h"
#include "shell/EcranPrincipal.h"
#include "shell/Images.h"
#include "support/GardeTube.h"
#include "support/PlateformeScriptee.h"
#include "support/Suite.h"

#include <QBuffer>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <sys/stat.h>

namespace {

class EcranEssai : public EcranPrincipal {
public:
    explicit EcranEssai(bool garder) : EcranPrincipal(4, QStringLiteral("EcranEssai"), 11895, 7755), m_garder(garder)
    {
        controle = new QLabel(page());
        controle->setObjectName(QStringLiteral("Controle"));
        Placer(controle, 1000, 500, 2000, 300);
    }
    QLabel* controle;

protected:
    bool garderPosition() const override { return m_garder; }

private:
    bool m_garder;
};

QImage unie(int largeur, int hauteur, QColor couleur = Qt::red)
{
    QImage i(largeur, hauteur, QImage::Format_RGB32);
    i.fill(couleur);
    return i;
}

QByteArray octetsImage(const QImage& image, const char* format)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, format);
    return octets;
}

QImage a600dpi(QImage image)
{
    image.setDotsPerMeterX(23622);
    image.setDotsPerMeterY(23622);
    return image;
}

// A 6000 × 6000 scan at 600 dots an inch, as JPEG: over Qt's default allocation limit once decoded.
// Made once, it serves every case.
const QByteArray& grandJpeg()
{
    static const QByteArray octets = octetsImage(a600dpi(unie(6000, 6000, Qt::blue)), "JPG");
    return octets;
}

// A BMP header of `largeur` × `hauteur` pixels, 24 bits a pixel, at 600 dots an inch.
QByteArray enteteBmp(quint32 largeur, quint32 hauteur, quint32 taille)
{
    QByteArray o(54, '\0');
    auto ecrire16 = [&](int pos, quint16 v) { qToLittleEndian(v, o.data() + pos); };
    auto ecrire32 = [&](int pos, quint32 v) { qToLittleEndian(v, o.data() + pos); };
    o[0] = 'B';
    o[1] = 'M';
    ecrire32(2, 54 + taille);
    ecrire32(10, 54);
    ecrire32(14, 40);
    ecrire32(18, largeur);
    ecrire32(22, hauteur);
    ecrire16(26, 1);
    ecrire16(28, 24);
    ecrire32(34, taille);
    ecrire32(38, 23622);
    ecrire32(42, 23622);
    return o;
}

// The same scan as a 24-bit BMP, a format Qt decodes whole before scaling it.
QByteArray grandBmp()
{
    const QByteArray ligne = QByteArray("\xFF\x00\x00", 3).repeated(6000);
    return enteteBmp(6000, 6000, quint32(ligne.size()) * 6000) + ligne.repeated(6000);
}

// A BMP header claiming 60000 × 60000 pixels, followed by nothing.
QByteArray enteteBmpDemesure()
{
    return enteteBmp(60000, 60000, 0);
}

// A small JPEG whose frame header is rewritten to claim 60000 × 60000 pixels.
QByteArray enteteJpegDemesure()
{
    QByteArray o = octetsImage(unie(16, 16), "JPG");
    const qsizetype sof = o.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof < 0)
        return {};
    qToBigEndian(quint16(60000), o.data() + sof + 5);
    qToBigEndian(quint16(60000), o.data() + sof + 7);
    return o;
}

}  // namespace

class TestEchelle : public QObject {
    Q_OBJECT

private slots:
    void facteur_data()
    {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<float>("facteur");
        QTest::newRow("640") << 640 << 0.8f;
        QTest::newRow("800") << 800 << 1.0f;
        QTest::newRow("1024") << 1024 << 1.28f;
        QTest::newRow("1152") << 1152 << 1.28f;
        QTest::newRow("1280") << 1280 << 1.28f;
        QTest::newRow("1600") << 1600 << 1.28f;
    }
    void facteur()
    {
        QFETCH(int, largeur);
        QFETCH(float, facteur);
        PlateformeScriptee plateforme;
        plateforme.definirLargeurBureau(largeur);
        CalculerFacteurEchelle();
        QCOMPARE(LargeurEcran, largeur);
        QCOMPARE(FacteurEchelle, facteur);
    }

    void bureauNonMesurable()
    {
        // Nothing measured: the factor computed last stays.
        PlateformeScriptee plateforme;
        plateforme.definirLargeurBureau(640);
        CalculerFacteurEchelle();
        plateforme.definirLargeurBureau(0);
        CalculerFacteurEchelle();
        QCOMPARE(FacteurEchelle, 0.8f);
        QCOMPARE(FacteurPourLargeur(0), 0.0f);
    }

    void controleMisAEchelle()
    {
        PlateformeScriptee plateforme;
        plateforme.definirLargeurBureau(1024);
        EcranEssai ecran(false);
        ecran.move(40, 30);
        ecran.Charger();
        // Designed at Left 1000, Top 500, Width 2000, Height 300 twips: each times 1.28, then 15 twips a pixel.
        QCOMPARE(RectangleTwips(ecran.controle), QRect(1280, 640, 2560, 384));
        QCOMPARE(ecran.controle->geometry(), QRect(85, 43, 171, 26));
        QCOMPARE(RectangleTwips(&ecran).size(), QSize(15226, 9926));
        QCOMPARE(ecran.pos(), QPoint(0, 0));  // to the top-left corner
        // The bar fills the screen; its tabs keep their height.
        QCOMPARE(ecran.barre()->size(), ecran.size());
        QCOMPARE(ecran.barre()->onglets()->height(), 35);
        // Loaded once: a second load does not compound the factor.
        ecran.Charger();
        QCOMPARE(RectangleTwips(ecran.controle), QRect(1280, 640, 2560, 384));
    }

    void ecranDesCollectionsGardeSaPlace()
    {
        PlateformeScriptee plateforme;
        plateforme.definirLargeurBureau(800);
        EcranEssai ecran(true);
        ecran.move(40, 30);
        ecran.Charger();
        QCOMPARE(ecran.pos(), QPoint(40, 30));
        QCOMPARE(ecran.controle->geometry(), QRect(67, 33, 133, 20));
    }

    void ajustement_data()
    {
        QTest::addColumn<QSizeF>("image");
        QTest::addColumn<QSizeF>("boite");
        QTest::addColumn<QRectF>("attendu");
        QTest::newRow("2:1 dans 4:3, bandes haut et bas")
            << QSizeF(200, 100) << QSizeF(400, 300) << QRectF(0, 50, 400, 200);
        QTest::newRow("1:2 dans 4:3, bandes gauche et droite")
            << QSizeF(100, 200) << QSizeF(400, 300) << QRectF(125, 0, 150, 300);
        QTest::newRow("mêmes proportions") << QSizeF(40, 30) << QSizeF(400, 300) << QRectF(0, 0, 400, 300);
        QTest::newRow("petite image agrandie") << QSizeF(20, 10) << QSizeF(400, 300) << QRectF(0, 50, 400, 200);
        QTest::newRow("image sans hauteur") << QSizeF(20, 0) << QSizeF(400, 300) << QRectF();
        QTest::newRow("boîte sans hauteur") << QSizeF(20, 10) << QSizeF(400, 0) << QRectF();
    }
    void ajustement()
    {
        QFETCH(QSizeF, image);
        QFETCH(QSizeF, boite);
        QFETCH(QRectF, attendu);
        QCOMPARE(RectangleAjuste(image, boite), attendu);
    }

    void ajusterImageDessineEtEfface()
    {
        BoiteImage boite;
        boite.resize(40, 30);
        boite.definirCouleurFond(Qt::white);
        AjusterImage(unie(20, 10, Qt::red), &boite);
        QImage vue = boite.contenu();
        QCOMPARE(QColor(vue.pixel(20, 15)), QColor(Qt::red));
        QCOMPARE(QColor(vue.pixel(20, 2)), QColor(Qt::white));   // band above
        QCOMPARE(QColor(vue.pixel(20, 28)), QColor(Qt::white));  // band below
        // A second call clears what the first drew.
        AjusterImage(unie(10, 30, Qt::blue), &boite);
        vue = boite.contenu();
        QCOMPARE(QColor(vue.pixel(20, 15)), QColor(Qt::blue));
        QCOMPARE(QColor(vue.pixel(5, 15)), QColor(Qt::white));
        // An empty picture leaves the box blank.
        AjusterImage(QImage(), &boite);
        QVERIFY(boite.estVide());
        QCOMPARE(QColor(boite.contenu().pixel(20, 15)), QColor(Qt::white));
    }

    void imageDepuisOctets()
    {
        QByteArray octets;
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        unie(8, 6).save(&tampon, "PNG");
        QCOMPARE(ImageDepuisOctets(octets).size(), QSize(8, 6));
        QVERIFY(ImageDepuisOctets(QByteArray()).isNull());
        QVERIFY(ImageDepuisOctets(QByteArray("pas une image")).isNull());
    }

    // Pictures over Qt's allocation limit decode at the size they are shown; headers beyond any scan are
    // refused; a scaled picture keeps its natural size in millimetres, which the thumbnail sheets print.
    void imageDecodee_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QSize>("cadre");
        QTest::addColumn<QSize>("attendue");
        QTest::addColumn<double>("largeurMm");
        const QSize nulle;
        // JPEG keeps the resolution in dots per centimetre: 600 dots an inch come back as 236.
        QTest::newRow("grand jpeg, boîte") << grandJpeg() << QSize(300, 200) << QSize(200, 200) << 6000 / 23.6;
        QTest::newRow("grand jpeg, sans boîte") << grandJpeg() << QSize() << QSize(CoteMaxSansCadre, CoteMaxSansCadre)
                                                << 6000 / 23.6;
        QTest::newRow("grand bmp, boîte") << grandBmp() << QSize(150, 300) << QSize(150, 150) << 6000 / 23.622;
        QTest::newRow("petite image, grande boîte") << octetsImage(a600dpi(unie(8, 6, Qt::blue)), "PNG") << QSize(300, 200)
                                                    << QSize(8, 6) << 8 / 23.622;
        QTest::newRow("en-tête bmp démesuré") << enteteBmpDemesure() << QSize(300, 200) << nulle << 0.0;
        QTest::newRow("en-tête jpeg démesuré") << enteteJpegDemesure() << QSize(300, 200) << nulle << 0.0;
    }

    void imageDecodee()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QSize, cadre);
        QFETCH(QSize, attendue);
        QFETCH(double, largeurMm);
        QVERIFY(!octets.isEmpty());
        const QImage image = ImageDepuisOctets(octets, cadre);
        if (!attendue.isValid()) {
            QVERIFY(image.isNull());
            return;
        }
        QCOMPARE(image.size(), attendue);
        const QColor milieu = image.pixelColor(attendue.width() / 2, attendue.height() / 2);
        QVERIFY(milieu.blue() > 200 && milieu.red() < 50);
        QVERIFY(qAbs(image.width() * 1000.0 / image.dotsPerMeterX() - largeurMm) < 0.5);
        QCOMPARE(image.dotsPerMeterY(), image.dotsPerMeterX());
    }

    // From a file: only a regular file is read; anything else is no picture, as a missing file is.
    void imageDepuisFichier()
    {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        const QString grand = dossier.filePath(QStringLiteral("scan.jpg"));
        QFile f(grand);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(grandJpeg()), grandJpeg().size());
        f.close();
        QCOMPARE(ImageDepuisFichier(grand, QSize(300, 200)).size(), QSize(200, 200));
        const QString tube = dossier.filePath(QStringLiteral("tube.jpg"));
        QCOMPARE(::mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
        const QString lienZero = dossier.filePath(QStringLiteral("zero.jpg"));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), lienZero));
        const GardeTube garde(tube);
        for (const QString& chemin : {QStringLiteral("/dev/zero"), tube, lienZero, dossier.path(),
                 dossier.filePath(QStringLiteral("absent.jpg")), QString()})
            QVERIFY2(ImageDepuisFichier(chemin, QSize(300, 200)).isNull(), qPrintable(chemin));
        QVERIFY2(!garde.aDuDebloquer(), "the pipe was opened, and waited on");
    }
};

ENREGISTRER_TEST(TestEchelle)
#include "test_echelle.moc"
