#include "ui/TCursorImages.h"

#include <QCursor>
#include <QPixmap>

// The resources live in a static library: make sure they are registered
// before the first picture is looked up.
static void EnsureUiResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(quandrel_ui);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

// QPixmap keeps pictures loaded from a file name in its cache, so building a
// cursor on every change of the screen cursor stays cheap.
QCursor PictureCursor(const char *path, int hotX, int hotY)
{
    EnsureUiResources();
    return QCursor(QPixmap(QString::fromLatin1(path)), hotX, hotY);
}

} // namespace

QCursor TCursorImages::Cursor(TCursor cursor)
{
    using namespace TCursors;
    switch (cursor) {
    case crHandGrab:
        return PictureCursor(":/cursors/handgrab.png", 8, 7);
    case crHandPoint:
        return PictureCursor(":/cursors/handpoint.png", 7, 0);
    case crCross:
        return QCursor(Qt::CrossCursor);
    case crIBeam:
        return QCursor(Qt::IBeamCursor);
    case crSize:
        return QCursor(Qt::SizeAllCursor);
    case crSizeNESW:
        return QCursor(Qt::SizeBDiagCursor);
    case crSizeNS:
        return QCursor(Qt::SizeVerCursor);
    case crSizeNWSE:
        return QCursor(Qt::SizeFDiagCursor);
    case crSizeWE:
        return QCursor(Qt::SizeHorCursor);
    case crHourGlass:
    case crSQLWait:
        return QCursor(Qt::WaitCursor);
    case crDrag:
        return QCursor(Qt::DragCopyCursor);
    case crMultiDrag:
        return QCursor(Qt::DragMoveCursor);
    case crNoDrop:
    case crNo:
        return QCursor(Qt::ForbiddenCursor);
    case crHSplit:
        return QCursor(Qt::SplitHCursor);
    case crVSplit:
        return QCursor(Qt::SplitVCursor);
    case crAppStart:
        return QCursor(Qt::BusyCursor);
    case crHelp:
        return QCursor(Qt::WhatsThisCursor);
    default:
        return QCursor(Qt::ArrowCursor);
    }
}
