#include "app/SystemFiles.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <io.h>
#include <qt_windows.h>

#include <chrono>
#else
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#endif

namespace rdo {
namespace {

// What failed, with the system's own words, for a reason with no French account of its own.
std::string refused(int error) {
    return "le système de fichiers a refusé l'opération (" + qt_error_string(error).toStdString() +
           ")";
}

std::string unsynced(int error) {
    return "l'écriture sur le disque a échoué (" + qt_error_string(error).toStdString() + ")";
}

}  // namespace

#ifdef Q_OS_WIN

namespace {

std::wstring nativeName(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

// Defender, the search indexer and cloud folders open a new or changed file for a moment
// without sharing its deletion: replacing or removing it is refused until they let go.
template <typename Attempt>
bool waitingForScanners(Attempt attempt) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!attempt()) {
        const DWORD error = GetLastError();
        if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED &&
             error != ERROR_LOCK_VIOLATION) ||
            std::chrono::steady_clock::now() > deadline) {
            SetLastError(error);
            return false;
        }
        Sleep(50);
    }
    return true;
}

}  // namespace

// Probed with the access a replacement needs, which only a holder sharing its file for
// deletion allows.
bool heldByAnotherProgram(const QString& path) {
    const HANDLE probe = CreateFileW(nativeName(path).c_str(), DELETE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

std::optional<std::string> syncToDisk(QFile& file) {
    if (FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()))) != 0) {
        return std::nullopt;
    }
    return unsynced(static_cast<int>(GetLastError()));
}

// Written through: the replace itself is on the disk once MoveFileEx returns.
std::optional<std::string> replaceFile(const QString& from, const QString& to) {
    if (waitingForScanners([&] {
            return MoveFileExW(nativeName(from).c_str(), nativeName(to).c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        })) {
        return std::nullopt;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_SHARING_VIOLATION || heldByAnotherProgram(to)) {
        return kHeldReason;
    }
    return error == ERROR_ACCESS_DENIED ? "l'accès est refusé" : refused(static_cast<int>(error));
}

QString canonicalPath(const QString& path) {
    const HANDLE file = CreateFileW(nativeName(path).c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return QFileInfo(path).absoluteFilePath();
    }
    std::wstring name(32768, L'\0');
    const DWORD length = GetFinalPathNameByHandleW(
        file, name.data(), static_cast<DWORD>(name.size()), FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    CloseHandle(file);
    if (length == 0 || length >= name.size()) {
        return QFileInfo(path).absoluteFilePath();
    }
    QString found = QString::fromWCharArray(name.data(), length);  // \\?\C:\... or \\?\UNC\...
    found = found.startsWith(QStringLiteral("\\\\?\\UNC\\")) ? QStringLiteral("\\\\") + found.mid(8)
                                                             : found.mid(4);
    return QDir::fromNativeSeparators(found);
}

bool removeFile(const QString& path) {
    return waitingForScanners([&] { return DeleteFileW(nativeName(path).c_str()) != 0; }) ||
           GetLastError() == ERROR_FILE_NOT_FOUND;
}

#else

// Linux lets a program read, replace and remove a file that another one holds open.
bool heldByAnotherProgram(const QString&) {
    return false;
}

std::optional<std::string> syncToDisk(QFile& file) {
    return fdatasync(file.handle()) == 0 ? std::nullopt : std::optional(unsynced(errno));
}

// The rename is on the disk only once the folder that holds the name is synced too.
std::optional<std::string> replaceFile(const QString& from, const QString& to) {
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
        return errno == EACCES || errno == EPERM ? "l'accès est refusé" : refused(errno);
    }
    const int folder = ::open(QFile::encodeName(QFileInfo(to).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // A file system that cannot sync a folder (EINVAL) writes its names through anyway.
    const bool synced = folder >= 0 && (fsync(folder) == 0 || errno == EINVAL);
    const int error = errno;
    if (folder >= 0) {
        ::close(folder);
    }
    return synced ? std::nullopt : std::optional(unsynced(error));
}

QString canonicalPath(const QString& path) {
    const QFileInfo file(path);
    return file.canonicalFilePath().isEmpty() ? file.absoluteFilePath() : file.canonicalFilePath();
}

bool removeFile(const QString& path) {
    return QFile::remove(path) || !QFileInfo::exists(path);
}

#endif

}  // namespace rdo
