#pragma once

#include <QUrl>

class Navigateur {
public:
    virtual ~Navigateur();
    virtual bool ouvrir(const QUrl& adresse) = 0;
};

class NavigateurQt : public Navigateur {
public:
    bool ouvrir(const QUrl& adresse) override;
};

// Web pages and mailto: addresses alike.
bool OuvrirAdresse(const QUrl& adresse);
