#include "printing/TJobDevice.h"

#include "printing/TCardLayout.h"

TJobDevice::~TJobDevice() = default;

QPageSize TJobDevice::PageSizeOf(int papersize)
{
    return QPageSize(papersize == TCardLayout::PapersizeLetter ? QPageSize::Letter : QPageSize::A4);
}
