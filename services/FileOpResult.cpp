#include "services/FileOpResult.h"

#include <cerrno>

QString FileOpResult::reason() const
{
    switch (error) {
    case 0: return {};
    case NotRegularFile: return QStringLiteral("keine normale Datei");
    case ENOENT: return QStringLiteral("Datei oder Ordner nicht gefunden");
    case ENOTDIR: return QStringLiteral("ein Teil des Pfades ist kein Ordner");
    case EISDIR: return QStringLiteral("ist ein Ordner");
    case EACCES: return QStringLiteral("keine Berechtigung");
    case EPERM: return QStringLiteral("Vorgang nicht erlaubt");
    case EEXIST: return QStringLiteral("Datei existiert bereits");
    case EROFS: return QStringLiteral("Datenträger ist schreibgeschützt");
    case ENOSPC: return QStringLiteral("kein Platz mehr auf dem Datenträger");
    case EDQUOT: return QStringLiteral("Speicherkontingent erschöpft");
    case ENAMETOOLONG: return QStringLiteral("Name zu lang");
    case EXDEV: return QStringLiteral("nicht auf demselben Dateisystem");
    case EIO: return QStringLiteral("Ein-/Ausgabefehler");
    case EPIPE: return QStringLiteral("der Empfänger liest nicht mehr");
    default: return qt_error_string(error);
    }
}
