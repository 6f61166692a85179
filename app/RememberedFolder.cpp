// The Qt host's memory between runs: the folder of the last team loaded, in the
// user's configuration folder.
#include <QFileInfo>
#include <QSettings>

#include "app/QtHost.h"

namespace rdo {
namespace {

QSettings remembered() {
    return {QSettings::IniFormat, QSettings::UserScope, QStringLiteral("redaction-des-ordres"),
            QStringLiteral("redaction-des-ordres")};
}

constexpr char kTeamFolderKey[] = "teamFolder";

}  // namespace

QString QtHost::startFolder(ChooserPurpose purpose) const {
    const QString folder = purpose == ChooserPurpose::Save
                               ? teamFolder_
                               : remembered().value(kTeamFolderKey).toString();
    // A folder moved or deleted since: the chooser starts where it would anyway.
    return QFileInfo(folder).isDir() ? folder : QString();
}

void QtHost::teamLoaded(const std::string& path) {
    teamFolder_ = QFileInfo(QString::fromStdString(path)).absolutePath();
    remembered().setValue(kTeamFolderKey, teamFolder_);
}

}  // namespace rdo
