#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

// An INI file read and written the way the Windows private-profile functions
// do it: section and key names compare without regard to case, the first
// section or key of a name wins, and a write changes only the line of its key,
// so every other section, key, comment, blank line and line ending stays
// byte for byte as it was. New keys go after the last key of their section,
// new sections at the end of the file.
//
// The file is read once, when the object is made; every write reaches the
// disk before it returns (atomically, through a temporary file), unless the
// writes are bracketed by BeginUpdate and EndUpdate, which then saves once.
class TIniFile
{
public:
    struct TEntry
    {
        QString Key;
        QString Value;
    };

    // A value longer than this is cut when read, as the private-profile
    // buffers did.
    static constexpr int MaxValueLength = 1023;

    // A missing file reads as empty. A file that cannot be read (no
    // permission, a folder, absurdly large) reads as empty too, and every
    // write to it fails rather than replace what could not be read.
    explicit TIniFile(QString fileName);

    const QString &FileName() const { return FFileName; }

    QString ReadString(QStringView section, QStringView key, const QString &defaultValue) const;
    // Decimal, or hexadecimal after "0x"; anything else gives the default.
    int ReadInteger(QStringView section, QStringView key, int defaultValue) const;
    // Any integer other than 0 is true.
    bool ReadBool(QStringView section, QStringView key, bool defaultValue) const;
    bool SectionExists(QStringView section) const;
    // The key lines of the section in file order (comments left out).
    QList<TEntry> ReadSectionValues(QStringView section) const;
    QStringList ReadSection(QStringView section) const;

    // Failures raise EQuandrelError "Unable to write to <file name>".
    void WriteString(QStringView section, QStringView key, const QString &value);
    void WriteInteger(QStringView section, QStringView key, int value);
    void WriteBool(QStringView section, QStringView key, bool value);
    // Removes every section of that name with all its lines.
    void EraseSection(QStringView section);

    void BeginUpdate();
    // Saves the changes made since the matching BeginUpdate.
    void EndUpdate();

    // The integer syntax of ReadInteger: optional sign, then decimal digits or
    // "0x" and up to eight hex digits (which wrap to a negative value from
    // 0x80000000 on, as a 32-bit register would hold them).
    static std::optional<int> ParseInteger(QStringView text);

private:
    enum class TLineKind { lkOther, lkSection, lkKey };

    struct TLine
    {
        QByteArray Bytes; // as in the file, without the line ending
        QByteArray Eol;
        TLineKind Kind = TLineKind::lkOther;
        QString Name; // section or key name, trimmed
        QString Value; // trimmed, for key lines
    };

    struct TSectionSpan
    {
        int Header = -1;
        int End = -1; // one past the last line of the section
    };

    void Load();
    void Parse(const QByteArray &content);
    static TLine MakeLine(QByteArray bytes, QByteArray eol, bool first);
    TSectionSpan FindSection(QStringView section, int from = 0) const;
    int FindKey(const TSectionSpan &span, QStringView key) const;
    void AppendLine(const QString &text);
    void InsertLine(int index, const QString &text);
    void Changed();
    void Save();
    QByteArray Serialize() const;
    [[noreturn]] void FailWrite() const;

    QString FFileName;
    std::vector<TLine> FLines;
    QByteArray FNewLineEol = "\n";
    bool FUnreadable = false;
    bool FModified = false;
    int FUpdateDepth = 0;
};
