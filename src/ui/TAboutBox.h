#pragma once

#include <QDialog>

// "About Quandrel": the program's name, edition and version.
class TAboutBox : public QDialog
{
public:
    static constexpr const char *VersionText = "3.2f";

    explicit TAboutBox(QWidget *parent = nullptr);
};
