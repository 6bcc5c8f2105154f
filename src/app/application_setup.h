// What the program sets up on its application object before the first
// window: Qt's own dialogs in German, the icon of every window, and the name
// under which the desktop knows the program.
#pragma once

class QApplication;

namespace app {

// The name of the menu entry (org.tavrix.Tavrix.desktop), by which task bars
// and Wayland compositors tie the windows to the entry and its icon.
inline constexpr char kDesktopFileName[] = "org.tavrix.Tavrix";

// Sets the application up. Returns false when Qt's German translations are
// not installed: the program runs on, with Qt's dialogs in English.
bool setUpApplication(QApplication &app);

}  // namespace app
