// The Qt host's recovery copies: one file per team file in the user's data folder
// (~/.local/share on Debian, %LOCALAPPDATA% on Windows), never beside the team, where the
// game reads; each held by a lock of the program working on that team.
#include <QDateTime>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#include "app/QtHost.h"
#include "app/ReplacingFile.h"
#include "app/SystemFiles.h"

namespace rdo {
namespace {

constexpr const char* kCopyEnding = ".secours";

// A copy's lock, locked unless another running program holds it. The lock a killed
// program left is stale at once, its process being gone; a live program's never is.
std::unique_ptr<QLockFile> lockOf(const QString& copy) {
    auto lock = std::make_unique<QLockFile>(copy + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    lock->tryLock(0);
    return lock;
}

}  // namespace

QString QtHost::recoveryFolder() const {
    return recoveryFolder_.isEmpty()
               ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                     QStringLiteral("/secours")
               : recoveryFolder_;
}

QString QtHost::copyPath(const std::string& name) const {
    return recoveryFolder() + QLatin1Char('/') + QString::fromStdString(name) + kCopyEnding;
}

std::vector<StoredCopy> QtHost::recoveryCopies() {
    std::vector<StoredCopy> copies;
    for (const QFileInfo& file :
         QDir(recoveryFolder())
             .entryInfoList({QStringLiteral("*") + kCopyEnding}, QDir::Files, QDir::Time)) {
        const std::string name = file.completeBaseName().toStdString();
        QFile copy(file.filePath());
        if ((held_.contains(name) || lockOf(file.filePath())->isLocked()) &&
            copy.open(QIODevice::ReadOnly)) {
            copies.push_back({name, copy.read(1 << 20).toStdString()});
        }
    }
    return copies;
}

std::optional<std::string> QtHost::hold(const std::string& name) {
    if (held_.contains(name)) {
        return std::nullopt;
    }
    if (!QDir().mkpath(recoveryFolder())) {
        return "le dossier « " + recoveryFolder().toStdString() + " » ne peut pas être créé";
    }
    auto lock = lockOf(copyPath(name));
    switch (lock->isLocked() ? QLockFile::NoError : lock->error()) {
        case QLockFile::NoError:
            break;
        case QLockFile::LockFailedError:
            return "un autre exemplaire du programme travaille sur cette équipe";
        case QLockFile::PermissionError:
            return "l'accès au dossier « " + recoveryFolder().toStdString() + " » est refusé";
        default:  // the lock file is made, but its few bytes found no room
            return "le disque du dossier « " + recoveryFolder().toStdString() + " » est plein";
    }
    held_.emplace(name, std::move(lock));
    return std::nullopt;
}

void QtHost::holdRecovery(const std::string& name) {
    hold(name);
}

std::optional<std::string> QtHost::writeRecovery(const std::string& name, std::string_view bytes,
                                                 bool ours) {
    if (auto refused = hold(name)) {
        return refused;
    }
    // Kept beside under the first free name: its own lock, free, lets it be offered.
    const QString standing = copyPath(name);
    for (int n = 1; !ours && QFileInfo(standing).size() > 0; ++n) {
        const QString beside = copyPath(name + "-" + std::to_string(n));
        if (!QFileInfo::exists(beside) && !QFile::rename(standing, beside)) {
            return "la copie de secours déjà présente ne peut pas être mise de côté";
        }
    }
    return replaceWhole(copyPath(name), QByteArray::fromRawData(
                                            bytes.data(), static_cast<qsizetype>(bytes.size())));
}

void QtHost::removeRecovery(const std::string& name) {
    if (held_.contains(name) || lockOf(copyPath(name))->isLocked()) {
        // A copy that stays (a read-only folder, a file held open) is emptied: an empty copy is
        // never offered, where orders already saved would come back as « non enregistrés ».
        if (QFile copy(copyPath(name)); !removeFile(copy.fileName())) {
            copy.open(QIODevice::WriteOnly | QIODevice::Truncate);
        }
    }
}

LocalTime QtHost::now() {
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
            now.time().minute()};
}

}  // namespace rdo
