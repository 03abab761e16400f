#pragma once

#include "widgets/field_layout.h"

#include <QString>
#include <QVector>

// The bytes each page owns, for the round-trip harness: decode-all followed
// by encode-all may change only these (and the shell's fixed blocks).
struct Owned_Range
{
    int Addr;
    int Len;
};

struct Owned_Page
{
    QString Page;
    QVector<Owned_Range> Ranges;
};

// A page registers its ranges with a static object in its owned_*.cpp, from
// its field map:
//   static const Owned_Registrar registrar("DTMF_FORM", Ranges_Of(DTMF_FORM::Layout().Owned()));
struct Owned_Registrar
{
    Owned_Registrar(const QString& page, const QVector<Owned_Range>& ranges);
};

// The image ranges of `spans`.
QVector<Owned_Range> Ranges_Of(const QVector<Block_Span>& spans);

const QVector<Owned_Page>& All_Owned_Pages();

// Owned bytes whose conversion is lossy on purpose: they may change on a
// second decode/encode cycle but must settle within three.
struct Lossy_Registrar
{
    Lossy_Registrar(const QString& page, const QVector<Owned_Range>& ranges);
};

const QVector<Owned_Page>& All_Lossy_Pages();

// The bytes the shell writes on every encode.
QVector<Owned_Range> Shell_Owned_Ranges();
