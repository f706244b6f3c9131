#include "platform/Impression.h"

#include "platform/Plateforme.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

Impression::~Impression() = default;

void Impression::apercuOriente(
    const QString& titre, QPageLayout::Orientation orientation, const std::function<void(QPrinter*)>& dessiner)
{
    apercu(titre, [&](QPrinter* imprimante) {
        imprimante->setPageOrientation(orientation);
        dessiner(imprimante);
    });
}

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

void ImpressionQt::apercuOriente(
    const QString& titre, QPageLayout::Orientation orientation, const std::function<void(QPrinter*)>& dessiner)
{
    // The orientation is the printer's before the preview lays out its first page.
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setPageOrientation(orientation);
    QPrintPreviewDialog dialogue(&imprimante, QApplication::activeWindow());
    if (!titre.isEmpty())
        dialogue.setWindowTitle(titre);
    QObject::connect(&dialogue, &QPrintPreviewDialog::paintRequested, &dialogue,
        [&dessiner](QPrinter* cible) { dessiner(cible); });
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

void AfficherApercuOriente(
    const QString& titre, QPageLayout::Orientation orientation, const std::function<void(QPrinter*)>& dessiner)
{
    Plateforme().impression->apercuOriente(titre, orientation, dessiner);
}
