// The program speaks French whatever the system's language.
#pragma once

class QCoreApplication;

namespace rdo {

/// Makes Qt's own texts (file chooser, message box buttons) French, from
/// Qt's translations folder. Returns false when Qt's French translation is
/// not installed; the program's own texts are French regardless.
bool installFrench(QCoreApplication& app);

}  // namespace rdo
