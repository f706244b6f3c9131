#include "platform/Saisie.h"

#include "platform/Messages.h"
#include "platform/Plateforme.h"

#include <QApplication>
#include <QInputDialog>

BoiteSaisie::~BoiteSaisie() = default;

std::optional<QString> BoiteSaisieQt::demander(const QString& invite, const QString& titre, const QString& defaut)
{
    QInputDialog dialogue(QApplication::activeWindow());
    dialogue.setInputMode(QInputDialog::TextInput);
    dialogue.setWindowTitle(titre);
    dialogue.setLabelText(invite);
    dialogue.setTextValue(defaut);
    dialogue.setOkButtonText(QStringLiteral("OK"));
    dialogue.setCancelButtonText(QStringLiteral("Annuler"));
    if (dialogue.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialogue.textValue();
}

std::optional<QString> DemanderTexte(const QString& invite, const QString& titre, const QString& defaut)
{
    return Plateforme().saisie->demander(invite, titre.isEmpty() ? TitreApplication : titre, defaut);
}
