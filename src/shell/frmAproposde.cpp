#include "shell/frmAproposde.h"

#include "shell/Artwork.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace {

QFrame* regle(QWidget* parent)
{
    auto* r = new QFrame(parent);
    r->setFrameShape(QFrame::HLine);
    r->setFrameShadow(QFrame::Sunken);
    return r;
}

QLabel* texte(const QString& nom, const QString& contenu, QWidget* parent, bool gras = false)
{
    auto* l = new QLabel(contenu, parent);
    l->setObjectName(nom);
    l->setWordWrap(true);
    if (gras) {
        QFont f = l->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.3);
        l->setFont(f);
    }
    return l;
}

}  // namespace

frmAproposde::frmAproposde(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAproposde"));
    setWindowTitle(QStringLiteral("A propos de Orvalen"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);

    auto* icone = new QLabel(this);
    icone->setObjectName(QStringLiteral("picIcon"));
    icone->setPixmap(QPixmap::fromImage(IconeProduit(64)));

    auto* grille = new QGridLayout(this);
    grille->addWidget(icone, 0, 0, 3, 1, Qt::AlignTop);
    grille->addWidget(texte(QStringLiteral("lblTitle"), QStringLiteral("ORVALEN Zorizad ud Udavoz"), this, true), 0, 1);
    grille->addWidget(texte(QStringLiteral("lblEdition"), QStringLiteral("Edition 2002-2003"), this), 1, 1);
    grille->addWidget(texte(QStringLiteral("lblVersion"), QStringLiteral("Version 1.0"), this), 2, 1);
    grille->addWidget(regle(this), 3, 0, 1, 2);
    grille->addWidget(texte(QStringLiteral("lblNumerotation"),
                          QStringLiteral("La numérotation du catalogue et les cotations sont celles du catalogue "
                                         "installé avec le programme, qui en reste le propriétaire."),
                          this),
        4, 0, 1, 2);
    grille->addWidget(
        texte(QStringLiteral("lblSecondNumero"),
            QStringLiteral("Le second numéro des timbres appartient à la numérotation dont il est tiré."), this),
        5, 0, 1, 2);
    grille->addWidget(regle(this), 6, 0, 1, 2);
    // The maker's address block, one line each. The telephone numbers are in the range set aside for
    // fiction; the e-mail address is the one the collections screen writes to.
    const std::pair<const char*, QString> adresse[] = {
        {"lblRue", QStringLiteral("12, rue des Philatélistes")},
        {"lblVille", QStringLiteral("29990 Kervalen")},
        {"lblTelephone", QStringLiteral("Tél. : 02 61 91 12 34")},
        {"lblFax", QStringLiteral("Fax : 02 61 91 12 35")},
        {"lblCourriel", QStringLiteral("contact@orvalen.example")},
    };
    int ligne = 7;
    for (const auto& [nom, contenu] : adresse)
        grille->addWidget(texte(QString::fromLatin1(nom), contenu, this), ligne++, 0, 1, 2);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmAproposde::cmdOK_Click);
    grille->addWidget(ok, ligne, 1, Qt::AlignRight);
    setFixedSize(sizeHint().expandedTo(QSize(420, 0)));
}

void frmAproposde::cmdOK_Click()
{
    close();
}
