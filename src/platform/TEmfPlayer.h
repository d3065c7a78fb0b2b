#pragma once

#include "platform/TGdiObjectTable.h"

#include <QByteArrayView>
#include <QImage>
#include <QString>

class TByteReader;
class TMetafileCanvas;

// Plays the records of an enhanced metafile onto a metafile canvas. Unknown
// records are skipped; a record that is malformed or claims more bytes than
// are left ends playback, keeping what was drawn before it.
class TEmfPlayer
{
public:
    explicit TEmfPlayer(TMetafileCanvas &canvas);

    // bytes starts with the header record.
    void Play(QByteArrayView bytes);

private:
    // record is the whole record, for fields given as offsets into it;
    // parameters reads what follows its type and size.
    void PlayRecord(quint32 type, QByteArrayView record, TByteReader &parameters);
    bool PlayStateRecord(quint32 type, TByteReader &parameters);
    bool PlayMappingRecord(quint32 type, TByteReader &parameters);
    bool PlayFigureRecord(quint32 type, TByteReader &parameters);
    bool PlayPolyRecord(quint32 type, TByteReader &parameters);
    bool PlayTextRecord(quint32 type, QByteArrayView record, TByteReader &parameters);
    bool PlayObjectRecord(quint32 type, QByteArrayView record, TByteReader &parameters);
    bool PlayPathRecord(quint32 type, TByteReader &parameters);
    bool PlayClipRecord(quint32 type, TByteReader &parameters);
    bool PlayRegionRecord(quint32 type, TByteReader &parameters);
    bool PlayBitmapRecord(quint32 type, QByteArrayView record, TByteReader &parameters);

    void SelectObject(quint32 index);
    const TGdiBrush *BrushAt(quint32 index) const;
    void ModifyWorldTransform(TByteReader &parameters);
    void CreatePen(TByteReader &parameters);
    void ExtCreatePen(TByteReader &parameters);
    void CreateFont(TByteReader &parameters);
    void CreatePatternBrush(QByteArrayView record, TByteReader &parameters);
    void TextOut(QByteArrayView record, TByteReader &parameters, bool wide);
    void SmallTextOut(TByteReader &parameters);
    void BitBlt(QByteArrayView record, TByteReader &parameters, quint32 type);
    void StretchDibBits(QByteArrayView record, TByteReader &parameters);
    void SetDibBitsToDevice(QByteArrayView record, TByteReader &parameters);

    TMetafileCanvas &FCanvas;
    TGdiObjectTable FObjects;
};
