#include "core/TSettingsFile.h"

#include "platform/TIniFile.h"

namespace {

const QString PrinterSection = QStringLiteral("Printer");
const QString PersonalSection = QStringLiteral("Personal");
const QString LayoutSection = QStringLiteral("Layout");
const QString FontSection = QStringLiteral("Default Font");
const QString RecentSection = QStringLiteral("MRU");

void loadPrinter(const TIniFile &ini, TPreferences &preferences)
{
    TPrinterNudges &nudges = preferences.Nudges;
    nudges.TopMarginNudge = ini.ReadInteger(PrinterSection, u"TopMarginNudge", 0);
    nudges.LeftMarginNudge = ini.ReadInteger(PrinterSection, u"LeftMarginNudge", 0);
    nudges.VerticalSpacing = ini.ReadInteger(PrinterSection, u"VerticalSpacing", 0);
    nudges.HorizontalSpacing = ini.ReadInteger(PrinterSection, u"HorizontalSpacing", 0);
    preferences.ShowBottomMarginWarning = ini.ReadBool(PrinterSection, u"ShowBottomMarginWarning", true);
}

void savePrinter(TIniFile &ini, const TPreferences &preferences)
{
    const TPrinterNudges &nudges = preferences.Nudges;
    ini.WriteInteger(PrinterSection, u"TopMarginNudge", nudges.TopMarginNudge);
    ini.WriteInteger(PrinterSection, u"LeftMarginNudge", nudges.LeftMarginNudge);
    ini.WriteInteger(PrinterSection, u"VerticalSpacing", nudges.VerticalSpacing);
    ini.WriteInteger(PrinterSection, u"HorizontalSpacing", nudges.HorizontalSpacing);
    ini.WriteBool(PrinterSection, u"ShowBottomMarginWarning", preferences.ShowBottomMarginWarning);
}

void loadPersonal(const TIniFile &ini, TPersonalInfo &info)
{
    for (int i = 0; i < TPersonalInfo::FieldCount; ++i)
        info.Fields[size_t(i)] = ini.ReadString(PersonalSection, QString::fromLatin1(TPersonalInfo::Key(i)), QString());
}

void savePersonal(TIniFile &ini, const TPersonalInfo &info)
{
    for (int i = 0; i < TPersonalInfo::FieldCount; ++i)
        ini.WriteString(PersonalSection, QString::fromLatin1(TPersonalInfo::Key(i)), info.Fields[size_t(i)]);
}

float readLength(const TIniFile &ini, QStringView key, float defaultInches)
{
    return TCardLayout::FromThousandths(ini.ReadInteger(LayoutSection, key, TCardLayout::ToThousandths(defaultInches)));
}

void writeLength(TIniFile &ini, QStringView key, float inches)
{
    ini.WriteInteger(LayoutSection, key, TCardLayout::ToThousandths(inches));
}

// Values are taken as stored, even out of the dialog's ranges: the layout
// is the user's to fix in the layout dialog.
void loadLayout(const TIniFile &ini, TCardLayout &layout)
{
    const TCardLayout defaults;
    layout.Height = readLength(ini, u"Height", defaults.Height);
    layout.Width = readLength(ini, u"Width", defaults.Width);
    layout.Across = ini.ReadInteger(LayoutSection, u"Across", defaults.Across);
    layout.Down = ini.ReadInteger(LayoutSection, u"Down", defaults.Down);
    layout.TopMargin = readLength(ini, u"TopMargin", defaults.TopMargin);
    layout.LeftMargin = readLength(ini, u"LeftMargin", defaults.LeftMargin);
    layout.HPitch = readLength(ini, u"HPitch", defaults.HPitch);
    layout.VPitch = readLength(ini, u"VPitch", defaults.VPitch);
    layout.PredefLayout = ini.ReadInteger(LayoutSection, u"PredefLayout", defaults.PredefLayout);
    layout.Papersize = ini.ReadInteger(LayoutSection, u"Papersize", defaults.Papersize);
    layout.UseMM = ini.ReadBool(LayoutSection, u"UseMM", defaults.UseMM);
}

void saveLayout(TIniFile &ini, const TCardLayout &layout)
{
    writeLength(ini, u"Height", layout.Height);
    writeLength(ini, u"Width", layout.Width);
    writeLength(ini, u"TopMargin", layout.TopMargin);
    writeLength(ini, u"LeftMargin", layout.LeftMargin);
    writeLength(ini, u"HPitch", layout.HPitch);
    writeLength(ini, u"VPitch", layout.VPitch);
    ini.WriteInteger(LayoutSection, u"PredefLayout", layout.PredefLayout);
    ini.WriteInteger(LayoutSection, u"Papersize", layout.Papersize);
    ini.WriteInteger(LayoutSection, u"Across", layout.Across);
    ini.WriteInteger(LayoutSection, u"Down", layout.Down);
    ini.WriteBool(LayoutSection, u"UseMM", layout.UseMM);
}

void loadFont(const TIniFile &ini, TDefaultFont &font)
{
    const TDefaultFont defaults;
    font.Name = ini.ReadString(FontSection, u"Name", defaults.Name);
    font.Size = ini.ReadInteger(FontSection, u"Size", defaults.Size);
    font.Bold = ini.ReadBool(FontSection, u"Bold", defaults.Bold);
    font.Italic = ini.ReadBool(FontSection, u"Italic", defaults.Italic);
    font.Underline = ini.ReadBool(FontSection, u"Underline", defaults.Underline);
}

void saveFont(TIniFile &ini, const TDefaultFont &font)
{
    ini.WriteString(FontSection, u"Name", font.Name);
    ini.WriteInteger(FontSection, u"Size", font.Size);
    ini.WriteBool(FontSection, u"Bold", font.Bold);
    ini.WriteBool(FontSection, u"Italic", font.Italic);
    ini.WriteBool(FontSection, u"Underline", font.Underline);
}

} // namespace

TSettingsFile::TSettingsFile(QString fileName) : FFileName(std::move(fileName))
{
}

TPreferences TSettingsFile::LoadPreferences() const
{
    const TIniFile ini(FFileName);
    TPreferences preferences;
    loadPrinter(ini, preferences);
    loadPersonal(ini, preferences.Personal);
    loadLayout(ini, preferences.Layout);
    loadFont(ini, preferences.DefaultFont);
    return preferences;
}

void TSettingsFile::SavePreferences(const TPreferences &preferences) const
{
    TIniFile ini(FFileName);
    ini.BeginUpdate();
    savePrinter(ini, preferences);
    savePersonal(ini, preferences.Personal);
    saveLayout(ini, preferences.Layout);
    saveFont(ini, preferences.DefaultFont);
    ini.EndUpdate();
}

QStringList TSettingsFile::LoadRecentFiles() const
{
    QStringList files;
    for (const TIniFile::TEntry &entry : TIniFile(FFileName).ReadSectionValues(RecentSection))
        files.append(entry.Value);
    return files;
}

void TSettingsFile::SaveRecentFiles(const QStringList &files) const
{
    TIniFile ini(FFileName);
    ini.BeginUpdate();
    ini.EraseSection(RecentSection);
    for (qsizetype i = 0; i < files.size(); ++i)
        ini.WriteString(RecentSection, u'F' + QString::number(i), files[i]);
    ini.EndUpdate();
}

TWindowPlacement TSettingsFile::LoadPlacement(const QString &className, int pixelsPerInch, bool maximizedNow) const
{
    const TIniFile ini(FFileName);
    const QString section = TWindowPlacement::SectionName(className, pixelsPerInch);
    TWindowPlacement placement;
    placement.Left = ini.ReadInteger(section, u"Left", 0);
    placement.Top = ini.ReadInteger(section, u"Top", 0);
    placement.Right = ini.ReadInteger(section, u"Right", 0);
    placement.Bottom = ini.ReadInteger(section, u"Bottom", 0);
    placement.Maximized = ini.ReadBool(section, u"Maximized", maximizedNow);
    return placement;
}

void TSettingsFile::SavePlacement(const QString &className, int pixelsPerInch, const TWindowPlacement &placement) const
{
    TIniFile ini(FFileName);
    const QString section = TWindowPlacement::SectionName(className, pixelsPerInch);
    ini.BeginUpdate();
    ini.WriteInteger(section, u"Left", placement.Left);
    ini.WriteInteger(section, u"Top", placement.Top);
    ini.WriteInteger(section, u"Right", placement.Right);
    ini.WriteInteger(section, u"Bottom", placement.Bottom);
    ini.WriteBool(section, u"Maximized", placement.Maximized);
    ini.EndUpdate();
}
