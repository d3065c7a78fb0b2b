#pragma once

#include <QPageSize>
#include <QPointF>

class QPainter;
class QString;

// Where a print job's pages go: a printer, a PDF file or a recording for the
// preview. Pages are portrait. Drawing uses the painter the document hands
// out, in device pixels at the device's resolution; DeviceOriginInches says
// where that painter's origin lies on the paper, so that the report can
// measure every position from the physical paper corner whatever margin the
// device cannot print on. Failures are EQuandrelError.
class TJobDevice
{
public:
    virtual ~TJobDevice();

    // The paper a layout's paper code stands for: 1 is Letter, every other
    // code A4, as the layout itself measures it.
    static QPageSize PageSizeOf(int papersize);

    // Device pixels per inch, the same across and down.
    virtual double Resolution() const = 0;
    // The paper's corner unless the device cannot print there.
    virtual QPointF DeviceOriginInches() const { return QPointF(); }

    // How many copies of each page the device makes by itself; 1 when it
    // cannot make copies, so that the job prints every sheet as a page.
    virtual int MaxCopies() const { return 1; }
    virtual int Copies() const { return FCopies; }
    virtual void SetCopies(int copies) { FCopies = copies; }

    // Starts the document on its first page.
    virtual QPainter &BeginDocument(const QString &title) = 0;
    virtual void NewPage() = 0;
    virtual void EndDocument() = 0;
    // Ends the document without delivering it, as far as the device can;
    // never fails.
    virtual void AbortDocument() = 0;

private:
    int FCopies = 1;
};
