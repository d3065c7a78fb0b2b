#include "printing/TPdfJobDevice.h"

#include "platform/EQuandrelError.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

EQuandrelError WriteError(const QString &fileName)
{
    return EQuandrelError(QStringLiteral("Unable to write to ") + fileName);
}

} // namespace

TPdfJobDevice::TPdfJobDevice(QString fileName, int papersize)
    : FFileName(std::move(fileName)), FPageSize(PageSizeOf(papersize))
{
}

TPdfJobDevice::~TPdfJobDevice()
{
    AbortDocument();
}

QPainter &TPdfJobDevice::BeginDocument(const QString &title)
{
    FFile = std::make_unique<QSaveFile>(FFileName);
    if (!FFile->open(QIODevice::WriteOnly))
        throw WriteError(FFileName);
    FWriter = std::make_unique<QPdfWriter>(FFile.get());
    FWriter->setTitle(title);
    FWriter->setCreator(QStringLiteral("Quandrel"));
    FWriter->setResolution(DotsPerInch);
    // The writer keeps a margin of its own unless told otherwise; positions
    // are measured from the paper's corner.
    FWriter->setPageLayout(QPageLayout(FPageSize, QPageLayout::Portrait, QMarginsF()));
    if (!FPainter.begin(FWriter.get()))
        throw WriteError(FFileName);
    return FPainter;
}

void TPdfJobDevice::NewPage()
{
    if (!FWriter || !FWriter->newPage())
        throw WriteError(FFileName);
}

void TPdfJobDevice::EndDocument()
{
    const bool ended = FPainter.isActive() && FPainter.end();
    FWriter.reset();
    if (!ended || !FFile || !FFile->commit()) {
        FFile.reset();
        throw WriteError(FFileName);
    }
    FFile.reset();
}

void TPdfJobDevice::AbortDocument()
{
    if (FPainter.isActive())
        FPainter.end();
    FWriter.reset();
    if (FFile)
        FFile->cancelWriting();
    FFile.reset();
}
