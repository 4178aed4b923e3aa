#pragma once

#include <QString>

namespace morvane {

// Every path into the content tree beside the executable is built here.
// The root always ends with '/'.
class ContentPaths {
public:
    explicit ContentPaths(const QString& root);

    // The folder of the running executable, with a trailing '/'.
    static QString executableRoot();

    const QString& root() const { return m_root; }

    QString settingsFile() const;
    QString helpFile() const;
    QString photosFolder() const;
    QString hairTypeFolder(const QString& styleGroup, const QString& hairType) const;
    QString hairstyleFile(const QString& styleGroup, const QString& hairType,
                          const QString& number) const;
    QString hairstyleFile(const QString& styleGroup, const QString& hairType, int number) const;
    QString hairstyleSearchPattern(const QString& styleGroup, const QString& hairType) const;
    QString sidePictureFile(const QString& hairType, const QString& number) const;
    QString sidePictureFile(const QString& hairType, int number) const;
    QString galleryFolder() const;
    QString personFolder(const QString& person) const;
    QString previewFolder() const;
    QString previewFile(int number) const;
    QString tempFolder() const;
    QString pasteFile() const;

private:
    QString m_root;
};

// The file system here tells letter case apart; the content tree was made
// for one that does not. Returns `path` when it exists, else the entry of
// its folder whose name matches ignoring case (each folder level is
// resolved the same way), else `path` unchanged.
QString resolveIgnoringCase(const QString& path);

} // namespace morvane
