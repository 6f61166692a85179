#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "host/qt/Application.h"
#include "host/qt/QtHost.h"

namespace rdo {
namespace {

std::string readAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
}

TEST(QtHostFiles, SavingOverALongerFileLeavesOnlyTheNewBytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ordres.ord"));
    QtHost host;
    ASSERT_FALSE(host.writeFile(path.toStdString(), std::string(5000, 'x')));
    ASSERT_FALSE(host.writeFile(path.toStdString(), "T\r\n"));
    EXPECT_EQ(readAll(path), "T\r\n");
}

TEST(QtHostFiles, FailedSaveReportsAndLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ordres.ord"));
    QtHost host;
    ASSERT_FALSE(host.writeFile(path.toStdString(), "ancien\r\n"));
    EXPECT_TRUE(host.writeFile(dir.path().toStdString(), "x").has_value());  // a folder
    EXPECT_TRUE(host.writeFile(dir.filePath(QStringLiteral("absent/o.ord")).toStdString(), "x")
                    .has_value());
    EXPECT_EQ(readAll(path), "ancien\r\n");
}

TEST(QtHostFiles, ReadsWholeFilesAndRefusesLargeOnesUnread) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("e.cyc"));
    QtHost host;
    ASSERT_FALSE(host.writeFile(path.toStdString(), std::string(100, 'a')));
    EXPECT_EQ(host.readFile(path.toStdString(), 100).bytes, std::string(100, 'a'));
    const FileRead large = host.readFile(path.toStdString(), 99);
    EXPECT_TRUE(large.tooLarge);
    EXPECT_TRUE(large.bytes.empty());
    EXPECT_FALSE(host.readFile(dir.path().toStdString(), 100).error.empty());
    EXPECT_FALSE(
        host.readFile(dir.filePath(QStringLiteral("absent")).toStdString(), 100).error.empty());
}

TEST(QtHostChooser, FilterBecomesQtsFormWithEveryFileForTous) {
    EXPECT_EQ(qtFileFilter("Fichiers d'équipe (*.cyc)|*.cyc|Tous (*.*)|*.*"),
              QStringLiteral("Fichiers d'équipe (*.cyc);;Tous (*)"));
}

TEST(QtHostLanguage, QtsOwnButtonsSpeakFrench) {
    ASSERT_TRUE(installFrench(*qApp));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Open"), QStringLiteral("&Ouvrir"));
}

}  // namespace
}  // namespace rdo
