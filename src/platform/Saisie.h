#pragma once

#include <QString>

#include <optional>

class BoiteSaisie {
public:
    virtual ~BoiteSaisie();
    // nullopt when the user cancels.
    virtual std::optional<QString> demander(const QString& invite, const QString& titre, const QString& defaut) = 0;
};

class BoiteSaisieQt : public BoiteSaisie {
public:
    std::optional<QString> demander(const QString& invite, const QString& titre, const QString& defaut) override;
};

// An empty title is replaced by TitreApplication.
std::optional<QString> DemanderTexte(const QString& invite, const QString& titre = {}, const QString& defaut = {});
