#include "app/ReplacingFile.h"

#include <QRandomGenerator>

#include "app/FileReasons.h"
#include "app/SystemFiles.h"

namespace rdo {

ReplacingFile::~ReplacingFile() {
    if (!temp_.fileName().isEmpty()) {
        temp_.close();
        QFile::remove(temp_.fileName());
    }
}

std::optional<std::string> ReplacingFile::write(const QByteArray& bytes) {
    // A name of its own beside the file, so that the rename stays on one disk.
    for (int attempt = 0; !temp_.isOpen(); ++attempt) {
        temp_.setFileName(path_ + QLatin1Char('.') +
                          QString::number(QRandomGenerator::global()->generate(), 36) +
                          QStringLiteral(".tmp"));
        if (temp_.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (QFile::exists(path_)) {  // a file shared with others stays so
                temp_.setPermissions(QFile::permissions(path_));
            }
        } else if (attempt == 9 || !temp_.exists()) {
            const std::string reason = reasonOf(temp_);
            temp_.setFileName({});
            return reason;
        }
    }
    return writeWhole(temp_, bytes);
}

std::optional<std::string> ReplacingFile::commit() {
    if (auto failed = write({})) {
        return failed;
    }
    if (auto failed = syncToDisk(temp_)) {
        return failed;
    }
    temp_.close();
    if (auto failed = replaceFile(temp_.fileName(), path_)) {
        return failed;
    }
    temp_.setFileName({});
    return std::nullopt;
}

std::optional<std::string> replaceWhole(const QString& path, const QByteArray& bytes) {
    ReplacingFile file(path);
    if (auto failed = file.write(bytes)) {
        return failed;
    }
    return file.commit();
}

}  // namespace rdo
