#pragma once

#include <QtGlobal>

// The byte before every value of a design stream.
enum TValueTag : quint8 {
    tagEnd = 0,
    tagList = 1,
    tagInt8 = 2,
    tagInt16 = 3,
    tagInt32 = 4,
    tagExtended = 5,
    tagString = 6,
    tagIdent = 7,
    tagFalse = 8,
    tagTrue = 9,
    tagBinary = 10,
    tagSet = 11,
    tagLongString = 12,
    tagNil = 13,
    tagCollection = 14,
    // Text that Windows-1252 cannot hold: UTF-16 is read, UTF-8 is read and written.
    tagWideString = 18,
    tagUtf8String = 20,
};
