#pragma once
// What the bytes of a picture declare before Qt decodes them: each format read by its own library, the
// one Qt then decodes it with, never by a second parser of ours; and what Qt's reader will do besides
// decoding pixels (keep text, comments and profiles, walk every scan), so that the decode's budget can
// count it. Used by the picture decoding alone.

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QPair>
#include <QSize>

// Where a run of bytes starts and where it ends, past its last byte.
using PlageOctets = QPair<qint64, qint64>;

struct EnteteImage {
    QByteArray format;       // Qt's name for it; empty for a format the program does not read, or bytes it refuses
    QByteArray octets;       // the bytes it was read from, shared with the caller's, never copied
    // What Qt is handed of them, in their order: a PNG without the chunks that do not make its picture.
    // Empty when it is handed them all.
    QList<PlageOctets> plages;
    QSize ecranGif;          // a GIF's logical screen, which Qt allocates whatever size it reports
    QSize resolutionPng;     // a PNG's dots per metre, when it states them
    bool entiere = true;     // Qt decodes the whole picture, then scales it
    qint64 octetsCoefficients = 0;  // a JPEG whose every coefficient libjpeg keeps: how many bytes they take
    // What the reader keeps beside the pixels, text turned into strings and profiles parsed, in bytes,
    // with what the program holds to hand it the picture; and how many such pieces it keeps (libjpeg
    // appends each saved marker by walking the ones before).
    qint64 octetsAnnexes = 0;
    qint64 annexes = 0;
    // A JPEG whose scans libjpeg gathers one by one: each scan walks its whole store of coefficients. How
    // many 8 × 8 blocks a walk visits, weighted by what its coding costs, times the scans it holds.
    qint64 scans = 0;
    qint64 parcours = 0;
};

// The header of the picture in `octets`: JPEG, PNG, BMP or GIF, known by their first bytes whatever the
// file is called. A PNG one of whose chunks claims more bytes than there are is refused before any
// library reads it.
EnteteImage LireEnteteImage(const QByteArray& octets);

// The bytes Qt is handed, read where they are held: the runs of `plages` one after the other, as one
// read-only file (all of `octets` when there are none). Nothing is copied, so dropping chunks from a
// large picture costs nothing beside it.
class OctetsRetenus : public QIODevice {
public:
    explicit OctetsRetenus(const EnteteImage& entete);
    bool open(OpenMode mode) override;
    bool isSequential() const override { return false; }
    qint64 size() const override { return m_taille; }

protected:
    qint64 readData(char* donnees, qint64 longueur) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_octets;
    QList<PlageOctets> m_plages;
    QList<qint64> m_debuts;  // where each run starts in what is read
    qint64 m_taille = 0;
};
