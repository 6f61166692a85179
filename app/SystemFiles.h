// The calls on files that each system makes its own way, both systems' sides in SystemFiles.cpp.
#pragma once

#include <QFile>
#include <QString>
#include <optional>
#include <string>

namespace rdo {

/// Why a file another program holds open cannot be replaced or read (Windows only).
inline constexpr const char* kHeldReason =
    "un autre programme le tient ouvert (fermez-le dans ce programme, puis recommencez)";

/// Whether another program holds `path` open so that it can be neither replaced nor removed.
bool heldByAnotherProgram(const QString& path);

/// Puts the bytes written into the open `file` on the disk; the reason, in French, when the disk
/// refused them.
std::optional<std::string> syncToDisk(QFile& file);

/// Puts the closed file `from` in the place of `to`, whole, and on the disk once it returns; the
/// reason, in French, when it cannot. A virus scanner or an indexer holding either file for a
/// moment is waited for.
std::optional<std::string> replaceFile(const QString& from, const QString& to);

/// Where the file at `path` really is: absolute, links and ".." resolved, and on Windows in the
/// letter case and on the drive that the disk gives.
QString canonicalPath(const QString& path);

/// Removes the file `path`, waiting a moment for a scanner holding it; false when it stays.
bool removeFile(const QString& path);

}  // namespace rdo
