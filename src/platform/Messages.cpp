#include "platform/Messages.h"

#include "platform/Plateforme.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

BoiteMessages::~BoiteMessages() = default;

QList<Reponse> ReponsesPossibles(Boutons boutons)
{
    switch (boutons) {
    case Boutons::OK:
        return {Reponse::OK};
    case Boutons::OKAnnuler:
        return {Reponse::OK, Reponse::Annuler};
    case Boutons::AbandonReessayerIgnorer:
        return {Reponse::Abandonner, Reponse::Reessayer, Reponse::Ignorer};
    case Boutons::OuiNonAnnuler:
        return {Reponse::Oui, Reponse::Non, Reponse::Annuler};
    case Boutons::OuiNon:
        return {Reponse::Oui, Reponse::Non};
    case Boutons::ReessayerAnnuler:
        return {Reponse::Reessayer, Reponse::Annuler};
    }
    return {Reponse::OK};
}

Reponse ReponseEchappement(Boutons boutons)
{
    const QList<Reponse> reponses = ReponsesPossibles(boutons);
    if (reponses.contains(Reponse::Annuler))
        return Reponse::Annuler;
    if (reponses.contains(Reponse::Non))
        return Reponse::Non;
    return reponses.first();
}

namespace {

struct BoutonQt {
    QMessageBox::StandardButton standard;
    const char* libelle;
};

BoutonQt boutonQt(Reponse reponse)
{
    switch (reponse) {
    case Reponse::OK:
        return {QMessageBox::Ok, "OK"};
    case Reponse::Annuler:
        return {QMessageBox::Cancel, "Annuler"};
    case Reponse::Abandonner:
        return {QMessageBox::Abort, "Abandonner"};
    case Reponse::Reessayer:
        return {QMessageBox::Retry, "Réessayer"};
    case Reponse::Ignorer:
        return {QMessageBox::Ignore, "Ignorer"};
    case Reponse::Oui:
        return {QMessageBox::Yes, "Oui"};
    case Reponse::Non:
        return {QMessageBox::No, "Non"};
    }
    return {QMessageBox::Ok, "OK"};
}

QMessageBox::Icon iconeQt(Icone icone)
{
    switch (icone) {
    case Icone::Aucune:
        return QMessageBox::NoIcon;
    case Icone::Critique:
        return QMessageBox::Critical;
    case Icone::Question:
        return QMessageBox::Question;
    case Icone::Exclamation:
        return QMessageBox::Warning;
    case Icone::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Reponse BoiteMessagesQt::afficher(const Message& message)
{
    QMessageBox boite(QApplication::activeWindow());
    boite.setIcon(iconeQt(message.icone));
    boite.setWindowTitle(message.titre);
    boite.setText(message.texte);

    const QList<Reponse> reponses = ReponsesPossibles(message.boutons);
    QList<QPushButton*> boutons;
    for (Reponse reponse : reponses) {
        const BoutonQt b = boutonQt(reponse);
        QPushButton* bouton = boite.addButton(b.standard);
        bouton->setText(QString::fromUtf8(b.libelle));
        boutons.append(bouton);
    }

    const int parDefaut =
        message.boutonParDefaut >= 1 && message.boutonParDefaut <= boutons.size() ? message.boutonParDefaut - 1 : 0;
    boite.setDefaultButton(boutons.at(parDefaut));
    const Reponse echappement = ReponseEchappement(message.boutons);
    boite.setEscapeButton(boutons.at(reponses.indexOf(echappement)));

    boite.exec();
    const int choisi = boutons.indexOf(static_cast<QPushButton*>(boite.clickedButton()));
    return choisi >= 0 ? reponses.at(choisi) : echappement;
}

Reponse AfficherMessage(const QString& texte, Boutons boutons, Icone icone, const QString& titre, int boutonParDefaut)
{
    Message message;
    message.texte = texte;
    message.boutons = boutons;
    message.icone = icone;
    message.titre = titre.isEmpty() ? TitreApplication : titre;
    message.boutonParDefaut = boutonParDefaut;
    return Plateforme().messages->afficher(message);
}
