#pragma once

#include <QIcon>

// The program's own picture: window icon and about box.
class TAppIcon
{
public:
    static QIcon Icon();
};
