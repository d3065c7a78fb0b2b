#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

class TClassRegistry;
class TDesign;
class TGGraphicControl;

// Writes and reads design streams: design files, the clipboard scratch file
// and clones. A stream is a list of object records; objects read are added
// to the design on top, each under a fresh "Component" + N name.
class TGLabelObjectFiler
{
public:
    explicit TGLabelObjectFiler(const TClassRegistry &classes) : FClasses(classes) {}

    // Set only while pasting: every object read moves 15 pixels down and right.
    bool PasteOffset = false;

    // Every object of the design in z-order. The file is replaced atomically.
    void SaveToFile(const TDesign &design, const QString &fileName) const;
    // The given objects in the given order; nothing when there are none.
    void WriteSelection(const std::vector<const TGGraphicControl *> &objects, const QString &fileName) const;
    void WriteObject(const TGGraphicControl &object, const QString &fileName) const;

    // A missing file reads nothing. On a read error the objects read before
    // the faulty record stay in the design and the error propagates.
    std::vector<TGGraphicControl *> LoadFromFile(TDesign &design, const QString &fileName);
    std::vector<TGGraphicControl *> PasteFromFile(TDesign &design, const QString &fileName);
    // Copies an object through a stream in memory; the copy lands on top of the design.
    TGGraphicControl *CloneObject(const TGGraphicControl &object, TDesign &design) const;

    // The stream itself, for callers that keep it in memory.
    static QByteArray WriteStream(const std::vector<const TGGraphicControl *> &objects);
    std::vector<TGGraphicControl *> ReadStream(QByteArrayView data, TDesign &design) const;

private:
    static void WriteFile(const QString &fileName, const QByteArray &data);

    const TClassRegistry &FClasses;
};
