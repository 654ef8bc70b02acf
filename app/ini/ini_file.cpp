#include "app/ini/ini_file.h"

#include "app/formats/cp1251.h"

#include <QFile>
#include <QSaveFile>

namespace {

bool isHeader(const QString& line) {
    return line.trimmed().startsWith(u'[');
}

QString headerName(const QString& line) {
    const QString text = line.trimmed();
    const qsizetype close = text.indexOf(u']');
    return text.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

bool isEntry(const QString& line) {
    const QString text = line.trimmed();
    return !text.isEmpty() && !text.startsWith(u';') && !isHeader(text);
}

QString entryKey(const QString& line) {
    return line.section(u'=', 0, 0).trimmed();
}

QString entryValue(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) return {};
    QString value = line.mid(equals + 1).trimmed();
    const bool quoted = value.size() >= 2 && value.front() == value.back() &&
                        (value.front() == u'"' || value.front() == u'\'');
    return quoted ? value.mid(1, value.size() - 2) : value;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool hasLineBreak(const QString& text) {
    return text.contains(u'\n') || text.contains(u'\r');
}

// A name or value that would change the file's structure when written.
bool isUnsafe(const QString& section, const QString& key, const QString& value) {
    return section.trimmed().isEmpty() || key.trimmed().isEmpty() || hasLineBreak(section) ||
           hasLineBreak(key) || hasLineBreak(value) || section.contains(u']') ||
           key.contains(u'=') || key.trimmed().startsWith(u'[') || key.trimmed().startsWith(u';');
}

} // namespace

IniFile::IniFile(const QString& path) : filePath(path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    const QString text = fromCp1251(file.readAll());
    if (text.isEmpty()) return;
    lines = text.split(u'\n');
    if (lines.back().isEmpty()) lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(u'\r')) line.chop(1);
    }
}

IniFile::Span IniFile::findSection(const QString& section) const {
    Span span;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!isHeader(lines[i])) continue;
        if (span.header >= 0) {
            span.end = i;
            return span;
        }
        if (sameName(headerName(lines[i]), section)) span.header = i;
    }
    span.end = lines.size();
    return span;
}

qsizetype IniFile::findKey(const Span& span, const QString& key) const {
    if (span.header < 0) return -1;
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        if (isEntry(lines[i]) && sameName(entryKey(lines[i]), key)) return i;
    }
    return -1;
}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    const qsizetype line = findKey(findSection(section), key);
    return line < 0 ? defaultValue : entryValue(lines[line]);
}

int IniFile::readInteger(const QString& section, const QString& key, int defaultValue) const {
    bool ok = false;
    const int value = readString(section, key, QString()).toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool IniFile::readBool(const QString& section, const QString& key, bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QStringList IniFile::sectionLines(const QString& section) const {
    const Span span = findSection(section);
    QStringList result;
    if (span.header < 0) return result;
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        if (isEntry(lines[i])) result.append(entryKey(lines[i]) + u'=' + entryValue(lines[i]));
    }
    return result;
}

bool IniFile::sectionExists(const QString& section) const {
    return !sectionLines(section).isEmpty();
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    if (isUnsafe(section, key, value)) return false;
    const QString entry = key.trimmed() + u'=' + value;
    QStringList updated = lines;
    const Span span = findSection(section);
    const qsizetype existing = findKey(span, key.trimmed());
    if (existing >= 0) {
        updated[existing] = entry;
    } else if (span.header >= 0) {
        // After the section's last entry, so blank lines that part sections stay in place.
        qsizetype at = span.end;
        while (at > span.header + 1 && lines[at - 1].trimmed().isEmpty()) --at;
        updated.insert(at, entry);
    } else {
        updated.append(u'[' + section.trimmed() + u']');
        updated.append(entry);
    }
    return save(updated);
}

bool IniFile::writeInteger(const QString& section, const QString& key, int value) {
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString& section, const QString& key, bool value) {
    return writeInteger(section, key, value ? 1 : 0);
}

bool IniFile::eraseSection(const QString& section) {
    return replaceSection(section, {});
}

bool IniFile::replaceSection(const QString& section, const QList<Entry>& entries) {
    QStringList sectionText;
    for (const auto& [key, value] : entries) {
        if (isUnsafe(section, key, value)) return false;
        sectionText.append(key.trimmed() + u'=' + value);
    }
    QStringList updated = lines;
    qsizetype place = -1;
    // Every section of that name goes, so an older duplicate cannot come back into view.
    for (qsizetype i = 0; i < updated.size();) {
        if (!isHeader(updated[i]) || !sameName(headerName(updated[i]), section)) {
            ++i;
            continue;
        }
        if (place < 0) place = i;
        qsizetype end = i + 1;
        while (end < updated.size() && !isHeader(updated[end])) ++end;
        updated.remove(i, end - i);
    }
    if (place < 0 && entries.isEmpty()) return true;
    if (!entries.isEmpty()) {
        sectionText.prepend(u'[' + section.trimmed() + u']');
        if (place < 0) place = updated.size();
        for (qsizetype i = 0; i < sectionText.size(); ++i)
            updated.insert(place + i, sectionText[i]);
    }
    return save(updated);
}

bool IniFile::save(const QStringList& newLines) {
    const QString text = newLines.isEmpty()
                             ? QString()
                             : newLines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    bool allMapped = true;
    const QByteArray bytes = toCp1251(text, &allMapped);
    if (!allMapped) return false;
    QSaveFile file(filePath);
    // Unbuffered, so a short write shows in write()'s count: a buffered QSaveFile commits the
    // truncated file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (file.write(bytes) != bytes.size() || !file.commit()) return false;
    lines = newLines;
    return true;
}
