// The application as a whole: its name, its language, its look.
#pragma once

class QApplication;

namespace rdo {

/// Names the application, makes Qt's own texts (file chooser, message box
/// buttons) French, and gives every control the classic Windows look the
/// game's players know, which is also the quickest to draw.
void setUpApplication(QApplication& app);

/// Makes Qt's own texts French, from Qt's translations folder. Returns false
/// when Qt's French translation is not installed; the program's own texts
/// are French regardless.
bool installFrench(QApplication& app);

}  // namespace rdo
