#pragma once

class QString;
class QWidget;
class TSettingsFile;

// Where windows open: centred over the main window, and the main window and
// the preview window where the user left them, per screen resolution.
class TFormPlacement
{
public:
    // The suffix of the placement sections: the logical pixels per inch of
    // the screen the window is on.
    static int ScreenPixelsPerInch(const QWidget &form);

    // Stores the window's normal rectangle (without the frame) and whether it
    // is maximised, under its class name.
    static void SaveFormPlacement(const QWidget &form, const QString &className, const TSettingsFile &settings);
    // Maximises the window when it was left maximised; otherwise puts it at
    // its stored rectangle (centred when none is stored), pulled back onto
    // the screen.
    static void RestoreFormPlacement(QWidget &form, const QString &className, const TSettingsFile &settings);

    // Centres a dialog over the main window, or on the screen when the main
    // window is maximised, missing, or the form itself.
    static void CenterForm(QWidget &form, const QWidget *mainWindow);
};
