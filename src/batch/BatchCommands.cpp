#include "batch/BatchCommands.h"

#include "batch/DesignJson.h"
#include "core/TDesign.h"
#include "core/TGGraphicControl.h"
#include "core/TGLabelObjectFiler.h"
#include "objects/StandardClasses.h"
#include "platform/EQuandrelError.h"

#include <QFileInfo>
#include <QSet>
#include <QTextStream>

namespace {

const char *const Usage =
    "Usage: quandrel-batch COMMAND ARGUMENTS\n"
    "\n"
    "Commands:\n"
    "  info DESIGN        print the design's objects and their properties as JSON\n"
    "  convert IN OUT     read a design and write it back with Quandrel's writer\n"
    "  --help             show this text\n"
    "\n"
    "Exit status: 0 success, 1 a design that cannot be read or written, 2 wrong arguments.\n";

// A design file that cannot be used, with the file it concerns.
class EBatchFileError : public EQuandrelError
{
public:
    EBatchFileError(const QString &fileName, const QString &message)
        : EQuandrelError(message), FileName(fileName)
    {
    }
    QString FileName;
};

void LoadDesign(const QString &fileName, TDesign &design)
{
    if (!QFileInfo(fileName).isFile())
        throw EBatchFileError(fileName, QStringLiteral("no such design file at byte offset 0"));
    try {
        TGLabelObjectFiler(StandardClasses()).LoadFromFile(design, fileName);
    } catch (const EQuandrelError &e) {
        throw EBatchFileError(fileName, e.message());
    }
}

int Info(const QStringList &args, QTextStream &out)
{
    TDesign design;
    LoadDesign(args.at(0), design);
    out << QString::fromUtf8(DesignToJson(design));
    return 0;
}

// Reading gives every object a fresh name; a conversion keeps the names the
// file stored, so that a design comes back as it was written. Names that are
// missing or not unique stay fresh, as they would in the editor.
void RestoreStoredNames(TDesign &design)
{
    QSet<QString> seen;
    for (int i = 0; i < design.Count(); ++i) {
        const QString stored = design.At(i)->StoredName();
        if (stored.isEmpty() || seen.contains(stored.toLower()))
            return;
        seen.insert(stored.toLower());
    }
    for (int i = 0; i < design.Count(); ++i)
        design.At(i)->SetName(design.At(i)->StoredName());
}

int Convert(const QStringList &args, QTextStream &)
{
    TDesign design;
    LoadDesign(args.at(0), design);
    RestoreStoredNames(design);
    try {
        TGLabelObjectFiler(StandardClasses()).SaveToFile(design, args.at(1));
    } catch (const EQuandrelError &e) {
        throw EBatchFileError(args.at(1), e.message());
    }
    return 0;
}

struct TCommand
{
    const char *Name;
    int ArgumentCount;
    int (*Run)(const QStringList &, QTextStream &);
};

const TCommand Commands[] = {
    {"info", 1, Info},
    {"convert", 2, Convert},
};

} // namespace

int RunBatchCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.size() == 1 && (arguments[0] == QLatin1String("--help") || arguments[0] == QLatin1String("-h"))) {
        out << Usage;
        return 0;
    }
    for (const TCommand &command : Commands) {
        if (arguments.isEmpty() || arguments[0] != QLatin1String(command.Name))
            continue;
        if (arguments.size() != command.ArgumentCount + 1)
            break;
        try {
            return command.Run(arguments.mid(1), out);
        } catch (const EBatchFileError &e) {
            err << "quandrel-batch: " << e.FileName << ": " << e.message() << '\n';
            return 1;
        }
    }
    err << Usage;
    return 2;
}
