#include "settings/SettingsFile.h"

#include "common/Error.h"
#include "common/SafeFile.h"
#include "settings/TextEncoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>
#include <vector>

namespace morvane {

namespace {

struct Line {
    QString text;   // without its line ending
    QString ending; // "\r\n", "\n" or "" (last line without one)
};

struct IniText {
    QString bom;
    std::vector<Line> lines;
};

IniText parseLines(const QString& content)
{
    IniText ini;
    QStringView rest(content);
    if (rest.startsWith(QChar(0xFEFF))) {
        ini.bom = QString(QChar(0xFEFF));
        rest = rest.mid(1);
    }
    while (!rest.isEmpty()) {
        const qsizetype nl = rest.indexOf(QLatin1Char('\n'));
        QStringView text = nl < 0 ? rest : rest.left(nl);
        QString ending = nl < 0 ? QString() : QStringLiteral("\n");
        if (nl >= 0 && text.endsWith(QLatin1Char('\r'))) {
            text.chop(1);
            ending.prepend(QLatin1Char('\r'));
        }
        ini.lines.push_back({text.toString(), ending});
        rest = nl < 0 ? QStringView() : rest.mid(nl + 1);
    }
    return ini;
}

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

QStringView trimBlanks(QStringView s)
{
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.mid(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

// The section name of a "[name]" line, or nothing.
std::optional<QStringView> sectionName(const QString& line)
{
    const QStringView s = trimBlanks(line);
    if (!s.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = s.indexOf(QLatin1Char(']'));
    if (close < 0)
        return std::nullopt;
    return trimBlanks(s.mid(1, close - 1));
}

bool isComment(const QString& line)
{
    const QStringView s = trimBlanks(line);
    return s.startsWith(QLatin1Char(';'));
}

// The key of a "key=value" line, or nothing.
std::optional<QStringView> keyName(const QString& line)
{
    if (isComment(line))
        return std::nullopt;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return std::nullopt;
    return trimBlanks(QStringView(line).left(eq));
}

QString valueOf(const QString& line)
{
    QStringView value = trimBlanks(QStringView(line).mid(line.indexOf(QLatin1Char('=')) + 1));
    if (value.size() >= 2 && value.front() == value.back()
        && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')))
        value = value.mid(1, value.size() - 2);
    return value.left(SettingsFile::kMaxValueLength).toString();
}

struct SectionRange {
    std::size_t header = 0;
    std::size_t end = 0; // one past its last line
};

std::optional<SectionRange> findSection(const IniText& ini, const QString& section)
{
    for (std::size_t i = 0; i < ini.lines.size(); ++i) {
        const auto name = sectionName(ini.lines[i].text);
        if (!name || name->compare(section, Qt::CaseInsensitive) != 0)
            continue;
        std::size_t end = i + 1;
        while (end < ini.lines.size() && !sectionName(ini.lines[end].text))
            ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> findKey(const IniText& ini, const SectionRange& range, const QString& key)
{
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const auto name = keyName(ini.lines[i].text);
        if (name && name->compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return std::nullopt;
}

std::optional<IniText> load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parseLines(decodeEightBitText(file.readAll()));
}

QString preferredEnding(const IniText& ini)
{
    for (const Line& line : ini.lines) {
        if (!line.ending.isEmpty())
            return line.ending;
    }
    return QStringLiteral("\r\n");
}

// A value is one line of text.
QString singleLine(QString value)
{
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

void setKey(IniText& ini, const QString& section, const QString& key, const QString& value)
{
    const QString ending = preferredEnding(ini);
    const auto range = findSection(ini, section);
    if (range) {
        if (const auto at = findKey(ini, *range, key)) {
            Line& line = ini.lines[*at];
            line.text = keyName(line.text)->toString() + QLatin1Char('=') + value;
            return;
        }
        // After the section's last non-empty line.
        std::size_t insertAt = range->end;
        while (insertAt > range->header + 1 && trimBlanks(ini.lines[insertAt - 1].text).isEmpty())
            --insertAt;
        if (ini.lines[insertAt - 1].ending.isEmpty())
            ini.lines[insertAt - 1].ending = ending;
        ini.lines.insert(ini.lines.begin() + insertAt, Line{key + QLatin1Char('=') + value, ending});
        return;
    }
    if (!ini.lines.empty() && ini.lines.back().ending.isEmpty())
        ini.lines.back().ending = ending;
    ini.lines.push_back({QLatin1Char('[') + section + QLatin1Char(']'), ending});
    ini.lines.push_back({key + QLatin1Char('=') + value, ending});
}

QByteArray serialise(const IniText& ini)
{
    QString text = ini.bom;
    for (const Line& line : ini.lines)
        text += line.text + line.ending;
    return text.toUtf8();
}

} // namespace

const QString& SettingsFile::section()
{
    static const QString name = QStringLiteral("Morvane 2010");
    return name;
}

SettingsFile::SettingsFile(QString path) : m_path(std::move(path)) {}

QString SettingsFile::read(const QString& section, const QString& key) const
{
    const auto ini = load(m_path);
    if (!ini)
        return {};
    const auto range = findSection(*ini, section);
    if (!range)
        return {};
    const auto at = findKey(*ini, *range, key);
    return at ? valueOf(ini->lines[*at].text) : QString();
}

void SettingsFile::write(const QString& section, const QString& key, const QString& value) const
{
    const QFileInfo info(m_path);
    if (info.exists() && (!info.isFile() || !info.isWritable()))
        throw Error(QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(m_path)));
    auto loaded = load(m_path);
    if (!loaded && info.exists())
        throw Error(QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(m_path)));
    IniText ini = loaded.value_or(IniText{});
    setKey(ini, section, key, singleLine(value));
    writeFileAtomically(m_path, serialise(ini));
}

} // namespace morvane
