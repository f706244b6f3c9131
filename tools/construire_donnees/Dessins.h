#pragma once
#include <QByteArray>
#include <QColor>
#include <QString>

// What a drawn stamp shows. Everything is plain data read from the catalogue rows.
struct SujetTimbre {
    QString dallay;         // catalogue number, e.g. "15" or "AE3"
    QString designation;    // short designation, e.g. "Cérès 20 c. noir"
    QString valeurFaciale;  // e.g. "0,20 F" (may be empty)
    QString annee;          // e.g. "1849"
    QString couleurs;       // e.g. "noir sur jaune", used to pick the ink and paper colours
    QString rubrique;       // section code, e.g. "AA", "AE", "TT"
};

// Each function returns the bytes of a whole image file (never a temporary file on disk).
// The drawings are deterministic: the same input always gives the same bytes.
QByteArray DessinerTimbre(const SujetTimbre& s);    // main picture, JPEG, 300 x 360 (portrait)
QByteArray DessinerVignette(const SujetTimbre& s);  // thumbnail, JPEG, 75 x 90
QByteArray DessinerIllustration(
    const SujetTimbre& s, int numero);  // first (1) or second (2) illustration, JPEG, 480 x 320: a sheet corner, a
                                        // block of four or a detail view
QByteArray DessinerVariete(const SujetTimbre& s,
    const QString& designationVariete);  // PNG, 300 x 360: the stamp with the variety shown and a caption
QByteArray DessinerObliteration(const SujetTimbre& s,
    const QString& designationObliteration);  // PNG, 300 x 360: the stamp with a cancellation drawn over it
QByteArray DessinerLexique(
    const QString& terme);  // PNG, 320 x 240: a simple illustrative drawing or an emblem with the term written on it
QByteArray DessinerCarteDepartements();  // PNG, 517 x 491: metropolitan France with the département numbers where
                                         // the map's buttons lie, an Île-de-France inset, Corsica and the Dom-Tom
