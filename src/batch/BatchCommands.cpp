#include "batch/BatchCommands.h"

#include "batch/DesignJson.h"
#include "core/TCardPainter.h"
#include "core/TDesign.h"
#include "core/TGGraphicControl.h"
#include "core/TGLabelObjectFiler.h"
#include "core/TPreferences.h"
#include "core/TSettingsFile.h"
#include "objects/StandardClasses.h"
#include "platform/EQuandrelError.h"
#include "platform/Screen.h"
#include "printing/TLabelPrintJob.h"
#include "printing/TPdfJobDevice.h"
#include "printing/TReportJob.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>

namespace {

const char *const Usage =
    "Usage: quandrel-batch COMMAND ARGUMENTS\n"
    "\n"
    "Commands:\n"
    "  info DESIGN        print the design's objects and their properties as JSON\n"
    "  convert IN OUT     read a design and write it back with Quandrel's writer\n"
    "  render DESIGN OUT [--zoom Z] [--background FILE] [--border]\n"
    "                     draw the card (3.5 x 2 inches at 96 pixels per inch) as on\n"
    "                     the screen, without grid, to OUT, a .png, .bmp or .jpg\n"
    "                     picture (JPEG at quality 80); Z scales it, from 0.1 to 10\n"
    "                     (default 1); FILE is background art (a bitmap or metafile)\n"
    "                     stretched over the card under the objects; --border draws\n"
    "                     the card's dotted outline\n"
    "  print DESIGN OUT.pdf [--settings QDL.INI] [--background FILE] [--outline]\n"
    "        [--preview] [--sheets N] [--positions BITS]\n"
    "                     print the sheet of cards into a PDF file, with the card\n"
    "                     layout and printer nudges of the settings file (the\n"
    "                     defaults without one); --outline prints only the card\n"
    "                     frames, --preview the first card framed in silver; N\n"
    "                     sheets, from 1 to 99 (default 1); BITS has a 1 for each\n"
    "                     position to print and a 0 for each to leave out, the\n"
    "                     top-left first and row by row (default: every position)\n"
    "  --help             show this text\n"
    "\n"
    "Exit status: 0 success, 1 a design, settings file, picture or PDF that cannot\n"
    "be read or written, 2 wrong arguments.\n";

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

// Arguments that do not fit the command: the usage text is shown.
class EBatchUsageError : public EQuandrelError
{
public:
    EBatchUsageError() : EQuandrelError(QStringLiteral("wrong arguments")) {}
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

struct TRenderArguments
{
    QString Design;
    QString Output;
    const char *Format = nullptr;
    float Zoom = 1.0f;
    QString Background;
    bool Border = false;
};

float ParseZoom(const QString &text)
{
    bool ok = false;
    const float zoom = text.toFloat(&ok);
    if (!ok || !(zoom >= 0.1f && zoom <= 10.0f))
        throw EBatchUsageError();
    return zoom;
}

// The picture format follows the output's extension, in either case.
const char *PictureFormat(const QString &fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toLower();
    if (extension == QLatin1String("png"))
        return "PNG";
    if (extension == QLatin1String("bmp"))
        return "BMP";
    if (extension == QLatin1String("jpg"))
        return "JPEG";
    throw EBatchUsageError();
}

TRenderArguments ParseRenderArguments(const QStringList &args)
{
    TRenderArguments result;
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        const QString &argument = args[i];
        const bool takesValue = argument == QLatin1String("--zoom") || argument == QLatin1String("--background");
        if (takesValue && i + 1 >= args.size())
            throw EBatchUsageError();
        if (argument == QLatin1String("--zoom"))
            result.Zoom = ParseZoom(args[++i]);
        else if (argument == QLatin1String("--background"))
            result.Background = args[++i];
        else if (argument == QLatin1String("--border"))
            result.Border = true;
        else if (argument.startsWith(QLatin1String("--")))
            throw EBatchUsageError();
        else
            files << argument;
    }
    if (files.size() != 2)
        throw EBatchUsageError();
    result.Design = files[0];
    result.Output = files[1];
    result.Format = PictureFormat(result.Output);
    return result;
}

QImage PaintCard(TDesign &design, float zoom, bool border)
{
    // The card the default layout gives, 3.5 x 2 inches on the screen.
    design.SetSize(qRound(3.5 * Screen::PixelsPerInch), qRound(2.0 * Screen::PixelsPerInch));
    design.SetZoom(zoom);
    QImage card(design.Width(), design.Height(), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(Screen::PixelsPerInch / 0.0254);
    card.setDotsPerMeterX(dotsPerMeter);
    card.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&card);
    TCardPaintOptions options;
    options.DrawOutline = border;
    TCardPainter::Paint(painter, design, options);
    return card;
}

void WritePicture(const QImage &picture, const QString &fileName, const char *format)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EBatchFileError(fileName, QStringLiteral("cannot write the picture: ") + file.errorString());
    QImageWriter writer(&file, format);
    if (qstrcmp(format, "JPEG") == 0)
        writer.setQuality(80);
    if (!writer.write(picture))
        throw EBatchFileError(fileName, QStringLiteral("cannot write the picture: ") + writer.errorString());
    if (!file.commit())
        throw EBatchFileError(fileName, QStringLiteral("cannot write the picture: ") + file.errorString());
}

int Render(const QStringList &args, QTextStream &)
{
    const TRenderArguments render = ParseRenderArguments(args);
    TDesign design;
    LoadDesign(render.Design, design);
    if (!render.Background.isEmpty()) {
        try {
            design.ColorPicture().LoadFromFile(render.Background);
        } catch (const EQuandrelError &e) {
            throw EBatchFileError(render.Background, e.message());
        }
    }
    WritePicture(PaintCard(design, render.Zoom, render.Border), render.Output, render.Format);
    return 0;
}

struct TPrintArguments
{
    QString Design;
    QString Output;
    QString Settings;
    QString Background;
    bool Outline = false;
    bool Preview = false;
    int Sheets = 1;
    TPrintPositions Positions;
};

int ParseSheets(const QString &text)
{
    bool ok = false;
    const int sheets = text.toInt(&ok);
    if (!ok || sheets < 1 || sheets > 99)
        throw EBatchUsageError();
    return sheets;
}

// Nothing to print is as wrong as a character other than 0 and 1.
TPrintPositions ParsePositions(const QString &text)
{
    const std::optional<TPrintPositions> positions = TPrintPositions::FromText(text);
    if (!positions || !positions->AnySelected(TPrintPositions::Capacity))
        throw EBatchUsageError();
    return *positions;
}

TPrintArguments ParsePrintArguments(const QStringList &args)
{
    TPrintArguments result;
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        const QString &option = args[i];
        const auto value = [&args, &i] {
            if (i + 1 >= args.size())
                throw EBatchUsageError();
            return args[++i];
        };
        if (option == QLatin1String("--settings"))
            result.Settings = value();
        else if (option == QLatin1String("--background"))
            result.Background = value();
        else if (option == QLatin1String("--outline"))
            result.Outline = true;
        else if (option == QLatin1String("--preview"))
            result.Preview = true;
        else if (option == QLatin1String("--sheets"))
            result.Sheets = ParseSheets(value());
        else if (option == QLatin1String("--positions"))
            result.Positions = ParsePositions(value());
        else if (option.startsWith(QLatin1String("--")))
            throw EBatchUsageError();
        else
            files << option;
    }
    if (files.size() != 2 || (result.Outline && result.Preview)
        || QFileInfo(files[1]).suffix().toLower() != QLatin1String("pdf"))
        throw EBatchUsageError();
    result.Design = files[0];
    result.Output = files[1];
    return result;
}

// A settings file named on the command line must be there; without one the
// defaults apply, as on a first start.
TPreferences LoadSettings(const QString &fileName)
{
    if (fileName.isEmpty())
        return TPreferences();
    if (!QFileInfo(fileName).isFile())
        throw EBatchFileError(fileName, QStringLiteral("no such settings file"));
    return TSettingsFile(fileName).LoadPreferences();
}

int Print(const QStringList &args, QTextStream &)
{
    const TPrintArguments print = ParsePrintArguments(args);
    TDesign design;
    LoadDesign(print.Design, design);
    const TPreferences preferences = LoadSettings(print.Settings);
    // The art itself follows the program's rules (a .BMP or .WMF name, left
    // out when unreadable); only a file that is not there at all is refused.
    if (!print.Background.isEmpty() && !QFileInfo(print.Background).isFile())
        throw EBatchFileError(print.Background, QStringLiteral("no such background art file"));
    TLabelJobParameters parameters = TLabelJobParameters::FromLayout(preferences.Layout, preferences.Nudges);
    parameters.SheetCount = print.Sheets;
    parameters.Selection = print.Positions;
    parameters.Outline = print.Outline;
    parameters.BackgroundFile = print.Background;
    parameters.Printing = !print.Preview;
    TPdfJobDevice device(print.Output, preferences.Layout.Papersize);
    TReportJob report(device);
    TLabelPrintJob job(design, parameters);
    try {
        job.Execute(report);
    } catch (const EQuandrelError &) {
        throw EBatchFileError(print.Output, QStringLiteral("cannot write the PDF"));
    }
    return 0;
}

struct TCommand
{
    const char *Name;
    int MinArguments;
    int MaxArguments;
    int (*Run)(const QStringList &, QTextStream &);
};

const TCommand Commands[] = {
    {"info", 1, 1, Info},
    {"convert", 2, 2, Convert},
    {"render", 2, 7, Render},
    {"print", 2, 12, Print},
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
        const qsizetype count = arguments.size() - 1;
        if (count < command.MinArguments || count > command.MaxArguments)
            break;
        try {
            return command.Run(arguments.mid(1), out);
        } catch (const EBatchFileError &e) {
            err << "quandrel-batch: " << e.FileName << ": " << e.message() << '\n';
            return 1;
        } catch (const EBatchUsageError &) {
            break;
        }
    }
    err << Usage;
    return 2;
}
