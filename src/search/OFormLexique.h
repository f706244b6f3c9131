#pragma once
// The glossary screen: the catalogue's terms in French order, read once at the load; choosing a term
// shows it, its explanation (kept in the list, out of sight) and its photograph from the disc.

#include "shell/EcranPrincipal.h"

class BoiteImage;
class QLabel;
class QTreeWidgetItem;
class VueListe;

class OFormLexique : public EcranPrincipal {
    Q_OBJECT
public:
    explicit OFormLexique(QWidget* parent = nullptr);

    // A term clicked, or reached with the keyboard.
    void ListeLexique_ItemClick(QTreeWidgetItem* item);

protected:
    void Form_Load() override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void RemplirLexique();
    void AfficherPhotoLexique();

    VueListe* m_liste;
    QLabel* m_nom;
    QLabel* m_texte;
    BoiteImage* m_picture1;
    BoiteImage* m_picture2;
    // The term that was current when the mouse went down: a click on it chooses it again, while a click
    // on another one has already chosen it by making it current.
    QTreeWidgetItem* m_courantAvantClic = nullptr;
};
