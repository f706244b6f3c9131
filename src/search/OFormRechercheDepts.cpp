#include "search/OFormRechercheDepts.h"

#include "data/Source.h"
#include "search/CarteDepartements.h"
#include "shell/Artwork.h"
#include "shell/Echelle.h"
#include "shell/Images.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int px(int twips)
{
    return twips / TwipsParPixel;
}

}  // namespace

OFormRechercheDepts::OFormRechercheDepts(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OFormRechercheDepts"));
    setWindowTitle(QStringLiteral("Carte des sites et monuments de France"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(px(7875), px(7455));
    move(px(255), px(495));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(palette);
    setAutoFillBackground(true);

    // The layout is fixed: the buttons must stay over their numbers, so nothing here is scaled.
    auto* carte = new BoiteImage(this);
    carte->setObjectName(QStringLiteral("Picture1"));
    carte->setGeometry(0, 0, px(7815), px(7335));
    carte->definirCouleurFond(QColor(192, 192, 192));
    const QImage image = ImageDepuisFichier(TrouverFichier(DossierProgramme(), FichierCarteDepartements));
    if (!image.isNull())
        carte->dessiner(image, QRectF(0, 0, image.width(), image.height()));

    m_choix = new QLineEdit(this);
    m_choix->setObjectName(QStringLiteral("ChoixDepartement"));
    m_choix->hide();

    QFont police(QStringLiteral("Small Fonts"));
    police.setPointSizeF(6.75);
    for (const BoutonDepartement& d : BoutonsDepartements) {
        const QString code = QString::fromLatin1(d.code);
        auto* b = new QPushButton(code, this);
        b->setObjectName(QStringLiteral("Dép") + code);
        b->setFont(police);
        b->setAutoDefault(false);
        b->setGeometry(px(d.gauche), px(d.haut), px(LargeurBoutonDepartement), px(HauteurBoutonDepartement));
        connect(b, &QPushButton::clicked, this, [this, code] {
            m_choix->setText(code);
            SelectionDpt();
        });
    }

    auto* sortie = new QPushButton(this);
    sortie->setObjectName(QStringLiteral("Bouton6"));
    sortie->setIcon(QPixmap::fromImage(IconeBouton(QStringLiteral("⏏"), QColor(128, 64, 64), 30)));
    sortie->setGeometry(px(7875 - 495), px(7455 - 450), px(495), px(450));
    sortie->setDefault(true);
    sortie->hide();
    connect(sortie, &QPushButton::clicked, this, &OFormRechercheDepts::Bouton6_Click);
}

void OFormRechercheDepts::SelectionDpt()
{
    accept();
}

QString OFormRechercheDepts::choix() const
{
    return m_choix->text();
}

void OFormRechercheDepts::Bouton6_Click()
{
    reject();
}
