#pragma once
// What the bytes of a picture declare before Qt decodes them: each format read by its own library, the
// one Qt then decodes it with, never by a second parser of ours; and what Qt's reader will do besides
// decoding pixels (keep text, comments and profiles, walk every scan), so that the decode's budget can
// count it. Used by the picture decoding alone.

#include <QByteArray>
#include <QSize>

struct EnteteImage {
    QByteArray format;       // Qt's name for it; empty for a format the program does not read, or bytes it refuses
    QByteArray octets;       // what Qt is handed: a PNG without the chunks that do not make its picture
    bool copie = false;      // `octets` is a copy of ours, held beside the bytes it was made from
    QSize ecranGif;          // a GIF's logical screen, which Qt allocates whatever size it reports
    QSize resolutionPng;     // a PNG's dots per metre, when it states them
    bool entiere = true;     // Qt decodes the whole picture, then scales it
    qint64 octetsCoefficients = 0;  // a JPEG whose every coefficient libjpeg keeps: how many bytes they take
    // What the reader keeps beside the pixels, text turned into strings and profiles parsed, in bytes;
    // and how many such pieces it keeps (libjpeg appends each saved marker by walking the ones before).
    qint64 octetsAnnexes = 0;
    qint64 annexes = 0;
    // A JPEG whose scans libjpeg gathers one by one: each scan walks its whole store of coefficients. How
    // many 8 × 8 blocks a walk visits, weighted by what its coding costs, times the scans it may hold.
    qint64 scans = 0;
    qint64 parcours = 0;
};

// The header of the picture in `octets`: JPEG, PNG, BMP or GIF, known by their first bytes whatever the
// file is called. A PNG one of whose chunks claims more bytes than there are is refused before any
// library reads it.
EnteteImage LireEnteteImage(const QByteArray& octets);
