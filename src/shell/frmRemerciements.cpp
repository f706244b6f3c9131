#include "shell/frmRemerciements.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmRemerciements::frmRemerciements(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRemerciements"));
    setWindowTitle(QStringLiteral("Remerciements"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);

    const QStringList paragraphes = {
        QStringLiteral("Merci à toutes celles et à tous ceux qui ont saisi, timbre après timbre, les données de ce "
                       "catalogue et qui les ont relues avec patience."),
        QStringLiteral("Merci à ceux qui ont préparé les images des timbres, des variétés et des oblitérations, et "
                       "qui en ont soigné le cadrage et les couleurs."),
        QStringLiteral("Merci aux collectionneurs qui nous ont envoyé les numérisations de leurs pièces, parfois "
                       "rares, pour compléter les illustrations."),
        QStringLiteral("Merci aux utilisateurs des éditions précédentes pour leurs suggestions : beaucoup des "
                       "améliorations de cette édition viennent d'eux."),
        QStringLiteral("Merci enfin à nos proches, qui ont accepté de partager leurs soirées avec quelques milliers "
                       "de timbres.")};
    auto* colonne = new QVBoxLayout(this);
    for (int i = 0; i < paragraphes.size(); ++i) {
        auto* l = new QLabel(paragraphes.at(i), this);
        l->setObjectName(QStringLiteral("Paragraphe%1").arg(i + 1));
        l->setWordWrap(true);
        colonne->addWidget(l);
    }
    auto* signature = new QLabel(QStringLiteral("L'auteur"), this);
    signature->setObjectName(QStringLiteral("Signature"));
    signature->setAlignment(Qt::AlignRight);
    colonne->addWidget(signature);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmRemerciements::OKButton_Click);
    colonne->addWidget(ok, 0, Qt::AlignRight);
    setFixedWidth(440);
    setFixedHeight(sizeHint().height());
}

void frmRemerciements::OKButton_Click()
{
    close();
}
