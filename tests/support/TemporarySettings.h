// Every setting of a test program, the program's own and Qt's (the file chooser's),
// kept in a temporary folder: the player's own settings stay untouched.
#pragma once

#include <QSettings>
#include <QTemporaryDir>

namespace rdo::test {

/// Made at the start of a test program's main(), before any setting is read.
class TemporarySettings {
  public:
    TemporarySettings() {
        for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope, folder_.path());
        }
    }

  private:
    QTemporaryDir folder_;
};

}  // namespace rdo::test
