#pragma once
// The addresses the collections screen's links open. The program's own, kept in this one place.

#include <QString>

inline const QString HoteSiteWeb = QStringLiteral("www.orvalen.example");
inline const QString AdresseSiteWeb = QStringLiteral("https://www.orvalen.example/");
inline const QString AdresseCourriel = QStringLiteral("mailto:contact@orvalen.example");
inline const QString PageCatalogueFrance = QStringLiteral("https://www.orvalen.example/catalogues/france");
inline const QString PageCdRom = QStringLiteral("https://www.orvalen.example/cd-rom");
inline const QString PageCatalogueMonaco = QStringLiteral("https://www.orvalen.example/catalogues/monaco");
inline const QString PageCatalogueAndorre = QStringLiteral("https://www.orvalen.example/catalogues/andorre");
