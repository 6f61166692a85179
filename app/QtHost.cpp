#include "app/QtHost.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QSettings>
#include <QStringList>
#include <filesystem>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

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

constexpr const char* kHeldReason =
    "un autre programme le tient ouvert (fermez-le dans ce programme, puis recommencez)";

#ifdef Q_OS_WIN
// Windows keeps a file that another program holds open from being read or replaced by any
// other. Probed with the access a replacement needs, which only a holder sharing its file
// for deletion allows.
bool heldByAnotherProgram(const QString& path) {
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    const HANDLE probe =
        CreateFileW(name.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}
#else
// Linux lets a program read and replace a file that another one holds open.
bool heldByAnotherProgram(const QString&) {
    return false;
}
#endif

// The system's reason for a failed file operation. Qt translates only the
// commonest reasons; any other comes in the system's language, often English,
// so a French account of what failed goes before it.
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

// Opening a pipe, a socket or a terminal waits for another program, maybe for ever.
constexpr const char* kNotAFileReason = "ce n'est pas un fichier ordinaire";

// The path is UTF-8: read as such also where the system's narrow strings are not (Windows).
std::filesystem::path fsPath(const std::string& path) {
    return std::u8string(path.begin(), path.end());
}

std::filesystem::file_type typeOf(const std::string& path) {
    std::error_code error;
    return std::filesystem::status(fsPath(path), error).type();
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

constexpr const char* kFolderReason = "c'est un dossier, pas un fichier";

// Writes into a file opened for saving; on failure nothing of it is kept. Flushed
// here: QSaveFile::commit renames a file whose last bytes failed to reach the
// disk (disk full, size limit) as if it were whole.
std::optional<std::string> writeOrCancel(QSaveFile& file, const QByteArray& bytes) {
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const std::string reason = reasonOf(file);
        file.cancelWriting();
        return reason;
    }
    return std::nullopt;
}

constexpr std::pair<Answer, QMessageBox::StandardButton> kButtons[] = {
    {Answer::Save, QMessageBox::Save},
    {Answer::Discard, QMessageBox::Discard},
    {Answer::Cancel, QMessageBox::Cancel},
    {Answer::Yes, QMessageBox::Yes},
    {Answer::No, QMessageBox::No}};

QMessageBox::StandardButton buttonOf(Answer answer) {
    for (const auto& [known, button] : kButtons) {
        if (known == answer) {
            return button;
        }
    }
    return QMessageBox::NoButton;
}

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

Answer QtHost::ask(const Question& question) {
    if (beforeQuestion_) {
        beforeQuestion_();
    }
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kAppTitle), fromUtf8(question.text),
                    QMessageBox::NoButton, window_);
    box.setObjectName(QStringLiteral("question"));
    for (const Answer answer : question.buttons) {
        box.addButton(buttonOf(answer));
    }
    box.setDefaultButton(buttonOf(question.defaultButton));
    box.setEscapeButton(buttonOf(question.escapeButton));
    box.exec();
    const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    for (const auto& [answer, button] : kButtons) {
        if (button == pressed) {
            return answer;
        }
    }
    return question.escapeButton;
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
        result.error = kFolderReason;
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

std::optional<SiblingFile> QtHost::findSibling(const std::string& path,
                                               const std::string& extension) {
    const QFileInfo beside(fromUtf8(path));
    const QString stem = beside.dir().filePath(beside.completeBaseName());
    const QString lower = fromUtf8(extension).toLower();
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
        if (typeOf(name.toStdString()) != std::filesystem::file_type::regular ||
            candidate == beside || (newest && modified <= newestTime)) {
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

std::optional<std::string> QtHost::keepCopy(const std::string& path, const std::string& copyPath) {
    if (typeOf(path) != std::filesystem::file_type::regular) {
        return std::nullopt;
    }
    std::error_code error;
    const std::filesystem::file_type there =
        std::filesystem::symlink_status(fsPath(copyPath), error).type();
    if (there == std::filesystem::file_type::directory) {
        return kFolderReason;
    }
    if (there != std::filesystem::file_type::not_found &&
        there != std::filesystem::file_type::regular) {
        return kNotAFileReason;
    }
    QFile from(fromUtf8(path));
    QSaveFile to(fromUtf8(copyPath));
    if (!from.open(QIODevice::ReadOnly)) {
        return reasonOf(from);
    }
    if (!to.open(QIODevice::WriteOnly)) {
        return reasonOf(to);
    }
    // By pieces: the file replaced may be any file the player picked, of any size.
    while (!from.atEnd()) {
        const QByteArray piece = from.read(1 << 16);
        if (from.error() != QFileDevice::NoError) {
            to.cancelWriting();
            return reasonOf(from);
        }
        if (auto failed = writeOrCancel(to, piece)) {
            return failed;
        }
    }
    if (!to.commit()) {
        return reasonOf(to);
    }
    return std::nullopt;
}

std::optional<std::string> QtHost::writeFile(const std::string& path, std::string_view bytes) {
    const QString name = fromUtf8(path);
    const QFileInfo info(name);
    if (info.isDir()) {
        return kFolderReason;
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
    // Refused before writing: the rename over a held file would fail only at the end.
    if (heldByAnotherProgram(name)) {
        return kHeldReason;
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        return reasonOf(file);
    }
    if (auto failed = writeOrCancel(
            file, QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())))) {
        return failed;
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
