#include "app/QtHost.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QSettings>
#include <QStringList>
#include <filesystem>

namespace rdo {
namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
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

// The system's reason for a failed file operation. Qt translates only the
// commonest reasons; any other comes in the system's language, often English,
// so a French account of what failed goes before it.
std::string reasonOf(const QFileDevice& file) {
    const QString reason = file.errorString();
    for (const char* translated : {"Permission denied", "Too many open files",
                                   "No such file or directory", "No space left on device"}) {
        if (reason == QCoreApplication::translate("QIODevice", translated)) {
            return reason.toStdString();
        }
    }
    return std::string(whatFailed(file.error())) + " (" + reason.toStdString() + ")";
}

// Opening a pipe, a socket or a terminal waits for another program, maybe for ever.
constexpr const char* kNotAFileReason = "ce n'est pas un fichier ordinaire";

std::filesystem::file_type typeOf(const std::string& path) {
    std::error_code error;
    return std::filesystem::status(path, error).type();
}

bool isPipeOrSocket(std::filesystem::file_type type) {
    return type == std::filesystem::file_type::fifo || type == std::filesystem::file_type::socket;
}

// What the program keeps between runs, in the user's configuration folder.
class Remembered : public QSettings {
  public:
    Remembered()
        : QSettings(QSettings::IniFormat, QSettings::UserScope,
                    QStringLiteral("redaction-des-ordres"),
                    QStringLiteral("redaction-des-ordres")) {}
};

constexpr char kTeamFolderKey[] = "teamFolder";

}  // namespace

QString qtFileFilter(const std::string& filter) {
    const QStringList parts = fromUtf8(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // "*.*" means every file to the game's players, also those without a dot.
        const QString pattern =
            parts[i + 1] == QLatin1String("*.*") ? QStringLiteral("*") : parts[i + 1];
        QString description = parts[i];
        description.truncate(description.indexOf(QLatin1Char('(')));
        filters << description.trimmed() + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

void QtHost::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kAppTitle), fromUtf8(text),
                    QMessageBox::Ok, window_);
    box.setObjectName(QStringLiteral("message"));
    box.exec();
}

std::string QtHost::chooseFile(const std::string& filter, ChooserPurpose purpose) {
    const QString qtFilter = qtFileFilter(filter);
    const QString folder = startFolder(purpose);
    const QString path = purpose == ChooserPurpose::Open
                             ? QFileDialog::getOpenFileName(window_, QString(), folder, qtFilter)
                             : QFileDialog::getSaveFileName(window_, QString(), folder, qtFilter);
    return path.toStdString();
}

QString QtHost::startFolder(ChooserPurpose purpose) const {
    const QString folder = purpose == ChooserPurpose::Save
                               ? teamFolder_
                               : Remembered().value(kTeamFolderKey).toString();
    // A folder moved or deleted since: the chooser starts where it would anyway.
    return QFileInfo(folder).isDir() ? folder : QString();
}

void QtHost::teamLoaded(const std::string& path) {
    teamFolder_ = QFileInfo(fromUtf8(path)).absolutePath();
    Remembered().setValue(kTeamFolderKey, teamFolder_);
}

FileRead QtHost::readFile(const std::string& path, std::size_t maxBytes) {
    FileRead result;
    const QString name = fromUtf8(path);
    if (QFileInfo(name).isDir()) {
        result.error = "c'est un dossier, pas un fichier";
        return result;
    }
    // A team file is an ordinary file; a device could block or never end.
    const std::filesystem::file_type type = typeOf(path);
    if (isPipeOrSocket(type) || type == std::filesystem::file_type::character ||
        type == std::filesystem::file_type::block) {
        result.error = kNotAFileReason;
        return result;
    }
    QFile file(name);
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
    return result;
}

std::optional<std::string> QtHost::writeFile(const std::string& path, std::string_view bytes) {
    const QString name = fromUtf8(path);
    const QFileInfo info(name);
    if (info.isDir()) {
        return "c'est un dossier, pas un fichier";
    }
    if (isPipeOrSocket(typeOf(path))) {
        return kNotAFileReason;
    }
    // A device cannot be replaced by renaming a temporary file over it.
    if (info.exists() && !info.isFile()) {
        QFile device(name);
        if (!device.open(QIODevice::WriteOnly) ||
            device.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
                static_cast<qint64>(bytes.size()) ||
            !device.flush()) {
            return reasonOf(device);
        }
        return std::nullopt;
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        return reasonOf(file);
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        const std::string reason = reasonOf(file);
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return reasonOf(file);
    }
    return std::nullopt;
}

void QtHost::showOrdersDialog(Roster& roster, OrdersDialog& dialog) {
    if (runDialog_) {
        runDialog_(roster, dialog);
    }
}

}  // namespace rdo
