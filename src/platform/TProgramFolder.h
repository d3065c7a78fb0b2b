#pragma once

#include <QString>

// The folder the program keeps its settings, picture folders, default design
// folder and scratch files in. Every path it gives ends with "/".
class TProgramFolder
{
public:
    // The folder of the executable when it may be written to (a build or
    // portable folder); otherwise the per-user application data folder,
    // ~/.local/share/Quandrel/, made when missing. Needs the application
    // object, whose name the fallback folder carries.
    static QString Path();
    // Puts the program folder elsewhere (tests); an empty folder goes back to
    // the normal choice.
    static void SetOverride(const QString &folder);

    static QString SettingsFileName();
    static QString HelpFileName();
    // Default folder of the design file dialogs.
    static QString SavedFolder();
    // Background art.
    static QString BackgroundArtFolder();
    // Texture bitmaps of the shape and effect-text fills.
    static QString BrushFolder();
    // Clip art.
    static QString ClipArtFolder();
    // The sample art that comes with the program,
    // <executable folder>/../share/quandrel/, as installed and as built.
    static QString ShippedArtFolder();

    // Makes "saved", "bg", "bmbrush" and "clipart" when missing, and fills
    // each picture folder it makes with the files of the same subfolder of
    // shippedArtFolder. A folder that is already there is left as it is, so
    // art the user deleted stays deleted. Failures are ignored, as the folders
    // only serve as starting points of file dialogs.
    static void CreateFolders(const QString &shippedArtFolder = ShippedArtFolder());
};
