#pragma once

#include "platform/Plateforme.h"

#include <QList>
#include <QPageLayout>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

// A PDF the doubles rendered instead of showing a preview or printing.
struct DocumentRendu {
    QString titre;
    QString fichierPdf;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

// While it lives, every platform service is a double: dialogs take their
// answers from queues the test fills, and everything shown is recorded. A
// dialog with no queued answer fails the current test and gets the cancelling
// answer; answers left over at destruction fail it too. No window ever opens.
class PlateformeScriptee {
public:
    PlateformeScriptee();
    ~PlateformeScriptee();
    PlateformeScriptee(const PlateformeScriptee&) = delete;
    PlateformeScriptee& operator=(const PlateformeScriptee&) = delete;

    // `pendant`, if given, runs while the message is up, before its answer: a modal box runs the event
    // loop (timers fire, queued calls run) and takes the activation from the program's window.
    void repondreMessage(Reponse reponse, std::function<void()> pendant = {});
    void repondreSaisie(std::optional<QString> reponse);
    void repondreFichier(ReponseFichier reponse);
    // true: the printer is set to write a PDF in our folder, see impressions().
    void repondreImprimante(bool accepte);
    // The user prints from the next preview: true to a PDF in our folder (see impressions()),
    // false to a printer that fails.
    void imprimerDepuisApercu(bool reussie);
    // Whether the machine has a default printer (yes until set); it writes a PDF in our folder, see impressions().
    void definirImprimanteParDefaut(bool presente);
    // A modal dialog of the program is answered by `script`, which works its controls as the user would
    // (fills boxes, clicks OK) and returns the dialog's result; nothing waits.
    void repondreDialogue(std::function<int(QDialog&)> script);

    void definirLecteurs(QList<Lecteur> lecteurs);
    void definirLargeurBureau(int largeur);  // 1024 until set

    QList<Message> messages() const;
    QStringList saisies() const;  // the prompts
    QList<DemandeFichier> demandesFichier() const;
    QStringList aidesOuvertes() const;
    QList<QUrl> adressesOuvertes() const;
    QList<DocumentRendu> apercus() const;
    QList<DocumentRendu> impressions() const;  // printers chosen, with the PDF they write to
    QStringList dialoguesMontres() const;      // object names of the modal dialogs shown

    struct Etat;

private:
    std::unique_ptr<Etat> m_etat;
    std::unique_ptr<RemplacementServices> m_remplacement;
};
