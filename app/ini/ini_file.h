#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

// An INI file as the settings of earlier installations were kept: Windows-1251 text, section and
// key names compared without regard to letter case, the first of duplicate sections or keys wins.
// The whole file is read when the object is made; every write rewrites the whole file through a
// temporary file beside it, so a write cut short leaves the previous file as it was.
class IniFile {
public:
    // A missing or unreadable file reads as an empty one.
    explicit IniFile(const QString& path);

    const QString& path() const { return filePath; }

    // Value with surrounding blanks (and one pair of enclosing quotes) removed.
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    // A decimal 32-bit integer; anything else gives the default.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    // Stored as an integer; any non-zero integer is true.
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;

    // The section's entries in file order, each as "key=value" with the value as readString
    // gives it; blank and comment lines are left out.
    QStringList sectionLines(const QString& section) const;
    // A section counts as present only when it holds at least one entry.
    bool sectionExists(const QString& section) const;

    // Each returns false, leaving file and object unchanged, when the file cannot be written or
    // a text has no Windows-1251 form.
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInteger(const QString& section, const QString& key, int value);
    bool writeBool(const QString& section, const QString& key, bool value);
    bool eraseSection(const QString& section);
    // The section's entries become these, in one write; with none the section goes.
    using Entry = std::pair<QString, QString>;
    bool replaceSection(const QString& section, const QList<Entry>& entries);

private:
    struct Span {
        qsizetype header = -1; // line index of "[section]", -1 when absent
        qsizetype end = 0;     // one past the section's last line
    };

    Span findSection(const QString& section) const;
    qsizetype findKey(const Span& span, const QString& key) const;
    bool save(const QStringList& newLines);

    QString filePath;
    QStringList lines;
};
