// What the application tells the desktop and the toolkit before the window is
// built: its application id, and that the toolkit's own texts are Bulgarian.
#pragma once

class QApplication;

namespace veltara {

// Names the desktop entry the application belongs to (the application id,
// which is also the icon's name), and loads the toolkit's Bulgarian
// translation for Bulgarian as such, whatever the system's locale: the
// toolkit's own buttons, such as the error message box's, say "Добре".
// Without the translation installed the toolkit keeps its English texts.
void integrateWithDesktop(QApplication& app);

}  // namespace veltara
