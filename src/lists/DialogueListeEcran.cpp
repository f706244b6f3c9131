#include "lists/DialogueListeEcran.h"

#include "lists/ExportListes.h"
#include "lists/LignesListe.h"
#include "platform/Sablier.h"
#include "shell/Controles.h"
#include "shell/Echelle.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>

DialogueListeEcran::DialogueListeEcran(const QString& nom, const QString& titre, const VueResultat* liste, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(nom);
    setWindowTitle(titre);
    DimensionnerEcran(this, 6000, 4200);
    m_texte = CreerControle<QPlainTextEdit>(this, QStringLiteral("TexteListe"), 120, 120, 5760, 3360);
    auto* copier = CreerControle<QPushButton>(this, QStringLiteral("OKButton"), 1560, 3660, 1215, 375);
    copier->setText(QStringLiteral("Copier"));
    auto* fermer = CreerControle<QPushButton>(this, QStringLiteral("CancelButton"), 3000, 3660, 1215, 375);
    fermer->setText(QStringLiteral("Fermer"));
    connect(copier, &QPushButton::clicked, this, &DialogueListeEcran::OKButton_Click);
    connect(fermer, &QPushButton::clicked, this, &DialogueListeEcran::CancelButton_Click);

    Sablier sablier;
    const QString numeros = NumerosListe(LignesListe(*liste));
    sablier.restaurer();
    m_texte->setPlainText(numeros);
}

void DialogueListeEcran::OKButton_Click()
{
    m_texte->setFocus();
    m_texte->selectAll();
    QGuiApplication::clipboard()->setText(m_texte->toPlainText());
}

void DialogueListeEcran::CancelButton_Click()
{
    reject();
}
