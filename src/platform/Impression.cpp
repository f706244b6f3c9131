#include "platform/Impression.h"

#include "platform/Plateforme.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

Impression::~Impression() = default;

bool ImpressionQt::choisirImprimante(QPrinter& imprimante, const QString& titre)
{
    QPrintDialog dialogue(&imprimante, QApplication::activeWindow());
    if (!titre.isEmpty())
        dialogue.setWindowTitle(titre);
    return dialogue.exec() == QDialog::Accepted;
}

void ImpressionQt::apercu(const QString& titre, const std::function<void(QPrinter*)>& dessiner)
{
    QPrintPreviewDialog dialogue(QApplication::activeWindow());
    if (!titre.isEmpty())
        dialogue.setWindowTitle(titre);
    QObject::connect(&dialogue, &QPrintPreviewDialog::paintRequested, &dialogue,
        [&dessiner](QPrinter* imprimante) { dessiner(imprimante); });
    dialogue.setWindowState(dialogue.windowState() | Qt::WindowMaximized);
    dialogue.exec();
}

bool ChoisirImprimante(QPrinter& imprimante, const QString& titre)
{
    return Plateforme().impression->choisirImprimante(imprimante, titre);
}

void AfficherApercu(const QString& titre, const std::function<void(QPrinter*)>& dessiner)
{
    Plateforme().impression->apercu(titre, dessiner);
}
