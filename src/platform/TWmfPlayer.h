#pragma once

#include "platform/TGdiObjectTable.h"

#include <QByteArrayView>

class TByteReader;
class TMetafileCanvas;

// Plays the records of a Windows metafile (without its placeable header)
// onto a metafile canvas. Unknown records are skipped; a record that is
// malformed or claims more bytes than are left ends playback, keeping what
// was drawn before it.
class TWmfPlayer
{
public:
    explicit TWmfPlayer(TMetafileCanvas &canvas);

    // records starts with the 18-byte metafile header.
    void Play(QByteArrayView records);

private:
    void PlayRecord(quint16 function, TByteReader &parameters);
    bool PlayStateRecord(quint16 function, TByteReader &parameters);
    bool PlayMappingRecord(quint16 function, TByteReader &parameters);
    bool PlayDrawingRecord(quint16 function, TByteReader &parameters);
    bool PlayObjectRecord(quint16 function, TByteReader &parameters);
    bool PlayBitmapRecord(quint16 function, TByteReader &parameters);
    bool PlayClipRecord(quint16 function, TByteReader &parameters);

    void SelectObject(quint16 index);
    void CreateRegion(TByteReader &parameters);
    void TextOut(TByteReader &parameters);
    void ExtTextOut(TByteReader &parameters);
    void DibStretchBlt(TByteReader &parameters, quint16 function);
    void StretchDib(TByteReader &parameters);
    void SetDibToDevice(TByteReader &parameters);

    TMetafileCanvas &FCanvas;
    TGdiObjectTable FObjects;
};
