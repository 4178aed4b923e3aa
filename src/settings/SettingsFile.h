#pragma once

#include <QString>

namespace morvane {

// The program's settings file, an INI text file read and written with the
// rules of the classic profile functions: section and key found ignoring
// letter case (the first occurrence wins), the value trimmed of blanks and
// of one pair of enclosing quotes, and cut to 2047 characters. Each call
// opens, reads or writes, and closes the file; nothing is cached.
class SettingsFile {
public:
    static constexpr int kMaxValueLength = 2047;
    static const QString& section(); // "Morvane 2010"

    explicit SettingsFile(QString path);

    const QString& path() const { return m_path; }

    // The value, or an empty text when the file, section or key is absent.
    QString read(const QString& section, const QString& key) const;
    QString read(const QString& key) const { return read(this->section(), key); }

    // Replaces the key's value in place, or adds the key at the end of its
    // section, or adds the section at the end of the file, or creates the
    // file. Every other line stays as it was; the file is replaced
    // atomically. Throws Error "Unable to write to <path>".
    void write(const QString& section, const QString& key, const QString& value) const;
    void write(const QString& key, const QString& value) const { write(this->section(), key, value); }

private:
    QString m_path;
};

} // namespace morvane
