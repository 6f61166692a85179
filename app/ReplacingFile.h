// A file replaced whole, as a power cut cannot tear it: the new bytes go into a temporary file
// beside it, synced to the disk, which then takes its place.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>
#include <string>

namespace rdo {

/// Until commit() the file at `path` is as it was; one never committed leaves nothing behind.
class ReplacingFile {
  public:
    explicit ReplacingFile(QString path) : path_(std::move(path)) {}
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    const QString& path() const { return path_; }

    /// Adds `bytes` to the new content; the reason, in French, when they are not all written.
    std::optional<std::string> write(const QByteArray& bytes);

    /// Puts the new content, on the disk, in the file's place; the reason when it cannot.
    std::optional<std::string> commit();

  private:
    QString path_;
    QFile temp_;
};

/// Replaces the file at `path` with `bytes`, in one go.
std::optional<std::string> replaceWhole(const QString& path, const QByteArray& bytes);

}  // namespace rdo
