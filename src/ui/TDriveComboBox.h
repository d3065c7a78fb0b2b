#pragma once

#include <QComboBox>
#include <functional>

// The places a folder list can start from: the home folder, the whole file
// system and the volumes mounted for the user (USB sticks, discs, shares).
class TDriveComboBox : public QComboBox
{
public:
    explicit TDriveComboBox(QWidget *parent = nullptr);

    // The chosen place's folder.
    QString Drive() const;
    // Shows the place holding the folder: the one with the longest matching root.
    void ShowPlaceOf(const QString &folder);

    // The user chose another place.
    std::function<void()> OnChange;

private:
    void AddPlace(const QString &caption, const QString &root);
};
