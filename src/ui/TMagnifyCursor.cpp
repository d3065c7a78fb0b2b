#include "ui/TMagnifyCursor.h"

#include <QCursor>
#include <QImage>
#include <QPixmap>

namespace {

// '#' black, '.' white, anything else transparent; 32 × 32 with the hot
// spot at the centre of the lens.
const char *const Pattern[] = {
    "     ######                     ",
    "   ##......##                   ",
    "  #..........#                  ",
    " #............#                 ",
    " #............#                 ",
    "#..............#                ",
    "#..............#                ",
    "#..............#                ",
    "#..............#                ",
    "#..............#                ",
    " #............#                 ",
    " #............#                 ",
    "  #..........###                ",
    "   ##......######               ",
    "     ######  #####              ",
    "              #####             ",
    "               #####            ",
    "                #####           ",
    "                 #####          ",
    "                  ####          ",
    "                   ##           ",
};
constexpr int Size = 32;
constexpr int HotX = 7;
constexpr int HotY = 7;

} // namespace

QImage TMagnifyCursor::Image()
{
    QImage image(Size, Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    int y = 0;
    for (const char *row : Pattern) {
        for (int x = 0; row[x] != '\0' && x < Size; ++x) {
            if (row[x] == '#')
                image.setPixel(x, y, qRgba(0, 0, 0, 255));
            else if (row[x] == '.')
                image.setPixel(x, y, qRgba(255, 255, 255, 255));
        }
        ++y;
    }
    return image;
}

QCursor TMagnifyCursor::Cursor()
{
    return QCursor(QPixmap::fromImage(Image()), HotX, HotY);
}
