#include "platform/TIniFile.h"

#include "platform/EQuandrelError.h"
#include "platform/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <limits>

namespace {

// A settings file is a few kilobytes; anything this large is not one, and
// reading it whole would only cost memory.
constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

const QByteArray Utf8Bom("\xEF\xBB\xBF");

// Files written by the Windows program hold ANSI text; lines that are not
// valid UTF-8 are taken to be such text, so both kinds of file read right.
QString decodeLine(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return Windows1252::decode(bytes);
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

std::optional<quint64> parseDigits(QStringView digits, int base, quint64 limit)
{
    if (digits.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (QChar c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        value = value * quint64(base) + quint64(digit);
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

} // namespace

TIniFile::TIniFile(QString fileName) : FFileName(std::move(fileName))
{
    Load();
}

void TIniFile::Load()
{
    const QFileInfo info(FFileName);
    if (!info.exists())
        return;
    QFile file(FFileName);
    if (!info.isFile() || info.size() > MaxFileSize || !file.open(QIODevice::ReadOnly)) {
        FUnreadable = true;
        return;
    }
    const QByteArray content = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError || content.size() > MaxFileSize) {
        FUnreadable = true;
        return;
    }
    Parse(content);
}

void TIniFile::Parse(const QByteArray &content)
{
    qsizetype start = 0;
    bool eolSeen = false;
    while (start < content.size()) {
        const qsizetype newline = content.indexOf('\n', start);
        const qsizetype stop = newline < 0 ? content.size() : newline;
        QByteArray bytes = content.mid(start, stop - start);
        QByteArray eol;
        if (newline >= 0) {
            eol = "\n";
            if (bytes.endsWith('\r')) {
                bytes.chop(1);
                eol = "\r\n";
            }
            if (!eolSeen)
                FNewLineEol = eol;
            eolSeen = true;
        }
        FLines.push_back(MakeLine(std::move(bytes), std::move(eol), FLines.empty()));
        start = stop + 1;
    }
}

TIniFile::TLine TIniFile::MakeLine(QByteArray bytes, QByteArray eol, bool first)
{
    TLine line;
    line.Bytes = std::move(bytes);
    line.Eol = std::move(eol);
    QByteArrayView visible(line.Bytes);
    if (first && visible.startsWith(Utf8Bom))
        visible = visible.sliced(Utf8Bom.size());
    const QString text = decodeLine(visible);
    const QStringView trimmed = QStringView(text).trimmed();
    if (trimmed.startsWith(u'[')) {
        const qsizetype close = trimmed.indexOf(u']');
        line.Kind = TLineKind::lkSection;
        line.Name = (close < 0 ? trimmed.sliced(1) : trimmed.sliced(1, close - 1)).trimmed().toString();
    } else if (!trimmed.startsWith(u';')) {
        const qsizetype equals = trimmed.indexOf(u'=');
        if (equals >= 0) {
            line.Kind = TLineKind::lkKey;
            line.Name = trimmed.first(equals).trimmed().toString();
            line.Value = trimmed.sliced(equals + 1).trimmed().toString();
        }
    }
    return line;
}

TIniFile::TSectionSpan TIniFile::FindSection(QStringView section, int from) const
{
    TSectionSpan span;
    const int count = int(FLines.size());
    for (int i = from; i < count; ++i) {
        if (FLines[size_t(i)].Kind != TLineKind::lkSection)
            continue;
        if (span.Header >= 0) {
            span.End = i;
            return span;
        }
        if (sameName(FLines[size_t(i)].Name, section))
            span.Header = i;
    }
    span.End = count;
    return span;
}

int TIniFile::FindKey(const TSectionSpan &span, QStringView key) const
{
    if (span.Header < 0)
        return -1;
    for (int i = span.Header + 1; i < span.End; ++i) {
        const TLine &line = FLines[size_t(i)];
        if (line.Kind == TLineKind::lkKey && sameName(line.Name, key))
            return i;
    }
    return -1;
}

QString TIniFile::ReadString(QStringView section, QStringView key, const QString &defaultValue) const
{
    const int index = FindKey(FindSection(section), key);
    if (index < 0)
        return defaultValue;
    return FLines[size_t(index)].Value.left(MaxValueLength);
}

int TIniFile::ReadInteger(QStringView section, QStringView key, int defaultValue) const
{
    const int index = FindKey(FindSection(section), key);
    if (index < 0)
        return defaultValue;
    return ParseInteger(FLines[size_t(index)].Value).value_or(defaultValue);
}

bool TIniFile::ReadBool(QStringView section, QStringView key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool TIniFile::SectionExists(QStringView section) const
{
    return FindSection(section).Header >= 0;
}

QList<TIniFile::TEntry> TIniFile::ReadSectionValues(QStringView section) const
{
    QList<TEntry> entries;
    const TSectionSpan span = FindSection(section);
    if (span.Header < 0)
        return entries;
    for (int i = span.Header + 1; i < span.End; ++i) {
        const TLine &line = FLines[size_t(i)];
        if (line.Kind == TLineKind::lkKey)
            entries.append({line.Name, line.Value.left(MaxValueLength)});
    }
    return entries;
}

QStringList TIniFile::ReadSection(QStringView section) const
{
    QStringList keys;
    for (const TEntry &entry : ReadSectionValues(section))
        keys.append(entry.Key);
    return keys;
}

void TIniFile::WriteString(QStringView section, QStringView key, const QString &value)
{
    if (FUnreadable)
        FailWrite();
    // A line break in a value would start a line of its own in the file.
    QString text = value;
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    const TSectionSpan span = FindSection(section);
    if (span.Header < 0) {
        if (!FLines.empty() && !decodeLine(FLines.back().Bytes).trimmed().isEmpty())
            AppendLine(QString());
        AppendLine(u'[' + section.toString() + u']');
        AppendLine(key.toString() + u'=' + text);
        Changed();
        return;
    }
    const int index = FindKey(span, key);
    if (index >= 0) {
        TLine &line = FLines[size_t(index)];
        if (line.Value == QStringView(text).trimmed())
            return;
        line = MakeLine((line.Name + u'=' + text).toUtf8(), line.Eol, false);
        Changed();
        return;
    }
    int after = span.Header;
    for (int i = span.Header + 1; i < span.End; ++i) {
        if (FLines[size_t(i)].Kind == TLineKind::lkKey)
            after = i;
    }
    InsertLine(after + 1, key.toString() + u'=' + text);
    Changed();
}

void TIniFile::WriteInteger(QStringView section, QStringView key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(QStringView section, QStringView key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::EraseSection(QStringView section)
{
    if (FUnreadable)
        FailWrite();
    bool erased = false;
    for (TSectionSpan span = FindSection(section); span.Header >= 0; span = FindSection(section, span.Header)) {
        FLines.erase(FLines.begin() + span.Header, FLines.begin() + span.End);
        erased = true;
    }
    if (erased)
        Changed();
}

void TIniFile::AppendLine(const QString &text)
{
    InsertLine(int(FLines.size()), text);
}

void TIniFile::InsertLine(int index, const QString &text)
{
    if (index > 0 && FLines[size_t(index - 1)].Eol.isEmpty())
        FLines[size_t(index - 1)].Eol = FNewLineEol;
    FLines.insert(FLines.begin() + index, MakeLine(text.toUtf8(), FNewLineEol, index == 0));
}

void TIniFile::BeginUpdate()
{
    ++FUpdateDepth;
}

void TIniFile::EndUpdate()
{
    if (FUpdateDepth > 0)
        --FUpdateDepth;
    if (FUpdateDepth == 0 && FModified)
        Save();
}

void TIniFile::Changed()
{
    FModified = true;
    if (FUpdateDepth == 0)
        Save();
}

void TIniFile::Save()
{
    QSaveFile file(FFileName);
    if (!file.open(QIODevice::WriteOnly))
        FailWrite();
    const QByteArray content = Serialize();
    if (file.write(content) != content.size() || !file.commit())
        FailWrite();
    FModified = false;
}

QByteArray TIniFile::Serialize() const
{
    QByteArray content;
    for (const TLine &line : FLines)
        content += line.Bytes + line.Eol;
    return content;
}

void TIniFile::FailWrite() const
{
    throw EQuandrelError(QStringLiteral("Unable to write to %1").arg(FFileName));
}

std::optional<int> TIniFile::ParseInteger(QStringView text)
{
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text = text.sliced(1);
    }
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        const auto bits = parseDigits(text.sliced(2), 16, std::numeric_limits<quint32>::max());
        if (!bits)
            return std::nullopt;
        const quint32 word = negative ? 0u - quint32(*bits) : quint32(*bits);
        return qint32(word);
    }
    const quint64 magnitudeLimit = quint64(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
    const auto magnitude = parseDigits(text, 10, magnitudeLimit);
    if (!magnitude)
        return std::nullopt;
    return int(negative ? -qint64(*magnitude) : qint64(*magnitude));
}
