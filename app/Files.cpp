// The Qt host's files: bounded reading, the orders file beside a team file, and
// the atomic write that keeps the file it replaces as its backup.
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "app/FileReasons.h"
#include "app/QtHost.h"
#include "app/ReplacingFile.h"
#include "app/SystemFiles.h"

namespace rdo {
namespace {

// The system's side: paths and file kinds through std::filesystem, the same calls
// on every system; a system that needs calls of its own gets them here.

// The path is UTF-8: read as such also where the system's narrow strings are not (Windows).
std::filesystem::path fsPath(const std::string& path) {
    return std::u8string(path.begin(), path.end());
}

// What stands at a path: the one place that tells an ordinary file from the rest.
enum class Kind { None, File, Folder, Device, Waiting };

Kind kindOf(const std::string& path) {
    std::error_code error;
    switch (std::filesystem::status(fsPath(path), error).type()) {
        case std::filesystem::file_type::not_found:
        case std::filesystem::file_type::none:
            return Kind::None;
        case std::filesystem::file_type::regular:
            return Kind::File;
        case std::filesystem::file_type::directory:
            return Kind::Folder;
        case std::filesystem::file_type::character:
        case std::filesystem::file_type::block:
            return Kind::Device;
        default:
            return Kind::Waiting;  // a pipe or a socket: opening it waits for another program
    }
}

// What failed, in French, for a system reason that Qt leaves untranslated.
const char* whatFailed(QFileDevice::FileError error) {
    switch (error) {
        case QFileDevice::ReadError:
            return "la lecture a échoué";
        case QFileDevice::WriteError:
            return "l'écriture a échoué";
        case QFileDevice::OpenError:
            return "l'ouverture a échoué";
        case QFileDevice::ResourceError:
            return "le système manque de ressources";
        case QFileDevice::PermissionsError:
            return "l'accès est refusé";
        default:
            return "le système de fichiers a refusé l'opération";
    }
}

// Why what stands at a path is neither read nor replaced as a file: a pipe, a socket or a
// terminal would wait for another program, maybe for ever.
std::optional<std::string> notAFile(Kind kind) {
    if (kind == Kind::Folder) {
        return "c'est un dossier, pas un fichier";
    }
    if (kind == Kind::Device || kind == Kind::Waiting) {
        return "ce n'est pas un fichier ordinaire";
    }
    return std::nullopt;
}

// Windows gives NAME.ord~ the short name NAME~1.ORD, which "*.ord" finds in every chooser and
// listing, so that last week's orders could be sent for this week's: the backup ends otherwise.
QString backupOf(const QString& path) {
#ifdef Q_OS_WIN
    return path + QStringLiteral(".bak");
#else
    return path + QLatin1Char('~');
#endif
}

// Writes a copy of the ordinary file `path` into `copy`, not yet committed.
std::optional<std::string> copyInto(const QString& path, ReplacingFile& copy) {
    if (auto refused = notAFile(kindOf(copy.path().toStdString()))) {
        return refused;
    }
    QFile from(path);
    if (!from.open(QIODevice::ReadOnly)) {
        return reasonOf(from);
    }
    // By pieces: the file replaced may be any file the player picked, of any size.
    while (!from.atEnd()) {
        const QByteArray piece = from.read(1 << 16);
        if (from.error() != QFileDevice::NoError) {
            return reasonOf(from);
        }
        if (auto failed = copy.write(piece)) {
            return failed;
        }
    }
    return std::nullopt;
}

}  // namespace

// Qt translates only the commonest reasons; any other comes in the system's language, often
// English, so a French account of what failed goes before it.
std::string reasonOf(const QFileDevice& file) {
    if (heldByAnotherProgram(file.fileName())) {
        return kHeldReason;  // Windows says so in its own language
    }
    const QString reason = file.errorString();
    for (const char* translated : {"Permission denied", "Too many open files",
                                   "No such file or directory", "No space left on device"}) {
        if (reason == QCoreApplication::translate("QIODevice", translated)) {
            return reason.toStdString();
        }
    }
    return std::string(whatFailed(file.error())) + " (" + reason.toStdString() + ")";
}

// Flushed at once: a file whose last bytes failed to reach the disk (disk full,
// size limit) must not be taken for whole.
std::optional<std::string> writeWhole(QFileDevice& file, const QByteArray& bytes) {
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        return reasonOf(file);
    }
    return std::nullopt;
}

FileRead QtHost::readFile(const std::string& path, std::size_t maxBytes) {
    FileRead result;
    // A team file is an ordinary file; a device could block or never end.
    if (auto refused = notAFile(kindOf(path))) {
        result.error = *refused;
        return result;
    }
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = reasonOf(file);
        return result;
    }
    // Reads one byte past the limit, so a huge file costs no more than that.
    const QByteArray bytes = file.read(static_cast<qint64>(maxBytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = reasonOf(file);
        return result;
    }
    if (static_cast<std::size_t>(bytes.size()) > maxBytes) {
        result.tooLarge = true;
        return result;
    }
    result.bytes = bytes.toStdString();
    result.path = canonicalPath(file.fileName()).toStdString();
    return result;
}

std::optional<SiblingFile> QtHost::findSibling(const std::string& path,
                                               const std::string& extension) {
    const QFileInfo beside(QString::fromStdString(path));
    const QString stem = beside.dir().filePath(beside.completeBaseName());
    const QString lower = QString::fromStdString(extension).toLower();
    // Probes each spelling of the extension: a folder may hold thousands of files.
    std::optional<SiblingFile> newest;
    QDateTime newestTime;
    for (unsigned spelling = 0; spelling < 1U << static_cast<unsigned>(lower.size()); ++spelling) {
        QString name = stem + lower;
        for (qsizetype i = 0; i < lower.size(); ++i) {
            if ((spelling >> i & 1U) != 0) {
                name[stem.size() + i] = name[stem.size() + i].toUpper();
            }
        }
        const QFileInfo candidate(name);
        const QDateTime modified = candidate.lastModified();
        if (kindOf(name.toStdString()) != Kind::File || candidate == beside ||
            (newest && modified <= newestTime)) {
            continue;
        }
        newestTime = modified;
        newest =
            SiblingFile{name.toStdString(),
                        candidate.fileName().toStdString(),
                        {modified.date().year(), modified.date().month(), modified.date().day(),
                         modified.time().hour(), modified.time().minute()}};
    }
    return newest;
}

FileWrite QtHost::writeFile(const std::string& path, std::string_view bytes) {
    const QString name = QString::fromStdString(path);
    const QByteArray whole =
        QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const Kind kind = kindOf(path);
    // A device cannot be replaced by renaming a temporary file over it.
    if (kind == Kind::Device) {
        QFile device(name);
        return {device.open(QIODevice::WriteOnly) ? writeWhole(device, whole) : reasonOf(device)};
    }
    if (auto refused = notAFile(kind)) {
        return {refused};
    }
    ReplacingFile file(name);
    if (auto failed = file.write(whole)) {
        return {failed};
    }
    // The copy of the file replaced is made now but takes the place of the backup
    // only once the new file stands: a save that fails leaves both as they were.
    ReplacingFile copy(backupOf(name));
    const bool replacing = kind == Kind::File;
    FileWrite written{.copyError = replacing ? copyInto(name, copy) : std::nullopt,
                      .copyPath = copy.path().toStdString()};
    if (auto failed = file.commit()) {
        return {failed};
    }
    if (replacing && !written.copyError) {
        written.copyError = copy.commit();
    }
    return written;
}

}  // namespace rdo
