// What the Qt host's files share: the system's reason for a failed operation, in French,
// and a write that reports a short one.
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <optional>
#include <string>

namespace rdo {

/// The system's reason for the last failed operation on `file`, in French.
std::string reasonOf(const QFileDevice& file);

/// Writes `bytes` into `file`, flushed; the reason when not all of them reached it.
std::optional<std::string> writeWhole(QFileDevice& file, const QByteArray& bytes);

}  // namespace rdo
