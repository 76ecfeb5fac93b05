#pragma once

#include <QByteArray>
#include <QString>

// What the window keeps between runs, in one INI file under the section
// "Fotlex": the last folder shown (key LastPath), the window's size, place
// and maximised state (key Window, QWidget::saveGeometry), where its
// splitters stand (keys Areas and PhotoArea, QSplitter::saveState), the
// name pattern "Umbenennen mit Vorschau..." carried out last (NamePattern)
// and the target folder it carried out last (Library).
class WindowSettings
{
public:
    // The settings of the program `executable`. One run from the build folder
    // it was compiled in keeps them beside itself, named after it with the
    // extension "ini", as long as that folder is writable; every other one (an
    // installed one, even run as root with a writable /usr/bin) uses
    // "fotlex/Fotlex.ini" in the user's config folder ($XDG_CONFIG_HOME, else
    // ~/.config). The first start opens the executable's folder.
    static WindowSettings ForProgram(const QString &executable);

    WindowSettings(QString file, QString firstFolder);

    const QString &file() const { return file_; }

    // LastPath; the first folder when missing or empty.
    QString lastPath() const;
    // Writes LastPath, creating the file's folder if needed.
    bool rememberLastPath(const QString &folder) const;
    // Empty when missing.
    QByteArray windowGeometry() const;
    bool rememberWindowGeometry(const QByteArray &geometry) const;
    // Empty when missing.
    QByteArray splitterState(const QString &key) const;
    bool rememberSplitterState(const QString &key, const QByteArray &state) const;
    // Empty when missing.
    QString namePattern() const;
    bool rememberNamePattern(const QString &pattern) const;
    // Empty unless it names an existing folder by its full path.
    QString library() const;
    bool rememberLibrary(const QString &folder) const;

private:
    bool write(const QString &key, const QString &value) const;
    QByteArray readBytes(const QString &key) const;
    bool writeBytes(const QString &key, const QByteArray &bytes) const;

    QString file_;
    QString firstFolder_;
};
