#include "core/TGLabelObjectFiler.h"

#include "core/EDesignStreamError.h"
#include "core/TClassRegistry.h"
#include "core/TDesign.h"
#include "core/TDesignStreamReader.h"
#include "core/TDesignStreamWriter.h"
#include "core/TGGraphicControl.h"
#include "platform/EQuandrelError.h"
#include "platform/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Far above any real design; a larger file is refused before it is read.
constexpr qint64 MaxDesignFileSize = qint64(256) * 1024 * 1024;

QByteArray ReadWholeFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EDesignStreamError(QStringLiteral("cannot open the file (%1)").arg(file.errorString()), 0);
    if (file.size() > MaxDesignFileSize)
        throw EDesignStreamError(QStringLiteral("the file is too large for a design (%1 bytes)").arg(file.size()), 0);
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EDesignStreamError(QStringLiteral("cannot read the file (%1)").arg(file.errorString()), data.size());
    return data;
}

std::unique_ptr<TGGraphicControl> ReadRecord(TDesignStreamReader &reader, const TClassRegistry &classes,
                                             const TDesign &design)
{
    const TDesignStreamReader::TRecordHead head = reader.ReadRecordHead();
    std::unique_ptr<TGGraphicControl> object = classes.Create(head.ClassName);
    if (!object)
        reader.Fail(QStringLiteral("unknown class \"%1\"").arg(Windows1252::decode(head.ClassName)),
                    head.ClassNameOffset);
    // The stored name is kept only when every "Component" + N is taken.
    const QString storedName = Windows1252::decode(head.StoredName);
    const QString unique = design.UniqueComponentName();
    object->SetName(unique.isEmpty() ? storedName : unique);
    object->SetStoredName(storedName);
    object->SetLoading(true);
    reader.ReadProperties(*object);
    return object;
}

} // namespace

QByteArray TGLabelObjectFiler::WriteStream(const std::vector<const TGGraphicControl *> &objects)
{
    QByteArray data;
    data.reserve(64 + qsizetype(objects.size()) * 160);
    TDesignStreamWriter writer(data);
    writer.WriteTag(tagList);
    for (const TGGraphicControl *object : objects)
        writer.WriteObject(*object);
    writer.WriteTag(tagEnd);
    return data;
}

std::vector<TGGraphicControl *> TGLabelObjectFiler::ReadStream(QByteArrayView data, TDesign &design) const
{
    TDesignStreamReader reader(data);
    std::vector<TGGraphicControl *> read;
    const auto finishLoading = [&read] {
        for (TGGraphicControl *object : read)
            object->SetLoading(false);
    };
    try {
        reader.ExpectTag(tagList, "the start of the object list");
        while (reader.PeekByte() != tagEnd) {
            std::unique_ptr<TGGraphicControl> object = ReadRecord(reader, FClasses, design);
            if (PasteOffset) {
                object->SetTop(object->Top() + 15);
                object->SetLeft(object->Left() + 15);
            }
            read.push_back(design.Add(std::move(object)));
        }
        reader.ExpectTag(tagEnd, "the end of the object list");
    } catch (...) {
        finishLoading();
        throw;
    }
    finishLoading();
    for (TGGraphicControl *object : read)
        object->Loaded();
    return read;
}

void TGLabelObjectFiler::WriteFile(const QString &fileName, const QByteArray &data)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw EQuandrelError(QStringLiteral("Unable to write %1: %2").arg(fileName, file.errorString()));
}

void TGLabelObjectFiler::SaveToFile(const TDesign &design, const QString &fileName) const
{
    std::vector<const TGGraphicControl *> objects;
    objects.reserve(size_t(design.Count()));
    for (int i = 0; i < design.Count(); ++i)
        objects.push_back(design.At(i));
    WriteFile(fileName, WriteStream(objects));
}

void TGLabelObjectFiler::WriteSelection(const std::vector<const TGGraphicControl *> &objects,
                                        const QString &fileName) const
{
    if (!objects.empty())
        WriteFile(fileName, WriteStream(objects));
}

void TGLabelObjectFiler::WriteObject(const TGGraphicControl &object, const QString &fileName) const
{
    WriteFile(fileName, WriteStream({&object}));
}

std::vector<TGGraphicControl *> TGLabelObjectFiler::LoadFromFile(TDesign &design, const QString &fileName)
{
    if (!QFileInfo::exists(fileName))
        return {};
    return ReadStream(ReadWholeFile(fileName), design);
}

std::vector<TGGraphicControl *> TGLabelObjectFiler::PasteFromFile(TDesign &design, const QString &fileName)
{
    PasteOffset = true;
    try {
        std::vector<TGGraphicControl *> read = LoadFromFile(design, fileName);
        PasteOffset = false;
        return read;
    } catch (...) {
        PasteOffset = false;
        throw;
    }
}

TGGraphicControl *TGLabelObjectFiler::CloneObject(const TGGraphicControl &object, TDesign &design) const
{
    TGLabelObjectFiler reader(FClasses);
    const std::vector<TGGraphicControl *> read = reader.ReadStream(WriteStream({&object}), design);
    return read.empty() ? nullptr : read.front();
}
