#pragma once

#include <QList>
#include <QString>

#include <utility>

// A private-profile (INI) file edited in place: only the line that a write
// changes is touched; comments, other sections and line ends stay as they are.
// Section and key names match without regard to case.
class IniFile {
public:
    static constexpr int MaxValueLength = 255;

    explicit IniFile(QString path);

    // The value, cut to 255 characters, or "Error" when the file, the
    // section or the key is missing (or the file is not readable as one).
    QString value(const QString& section, const QString& key) const;

    // The keys of a section and their values, read as value() reads them,
    // in file order; none when the file or the section is missing.
    QList<std::pair<QString, QString>> entries(const QString& section) const;

    // Creates file, section and key as needed; false when it could not write.
    bool setValue(const QString& section, const QString& key, const QString& value);

    const QString& path() const { return m_path; }

private:
    QString m_path;
};
