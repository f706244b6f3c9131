// Screen scaling and picture fitting.

#include "shell/Echelle.h"
#include "shell/EcranPrincipal.h"
#include "shell/Images.h"
#include "support/PlateformeScriptee.h"
#include "support/Suite.h"

#include <QBuffer>
#include <QLabel>
#include <QPainter>
#include <QtTest>

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
};

ENREGISTRER_TEST(TestEchelle)
#include "test_echelle.moc"
