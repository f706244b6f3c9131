#pragma once
// The collections screen: the home screen, and the owner of the open collection that every other
// screen reads from its two labels.

#include "shell/EcranPrincipal.h"

class QLabel;

class OFormCollections : public EcranPrincipal {
    Q_OBJECT
public:
    explicit OFormCollections(QWidget* parent = nullptr);

    QLabel* CollectionOuverte() const { return m_collectionOuverte; }
    QLabel* TexteCollectionOuverte() const { return m_texteCollectionOuverte; }

protected:
    void Form_Load() override;
    bool garderPosition() const override { return true; }

private:
    QLabel* m_collectionOuverte;
    QLabel* m_texteCollectionOuverte;
};

// The collections screen, loaded on first use.
OFormCollections* FormCollections();
// The code of the open collection as its hidden label holds it; empty when none is open.
QString CodeCollectionOuverte();

// Registers the collections screen with the screen registry.
void EnregistrerEcransCollections();
