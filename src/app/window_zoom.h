// The main window shown larger, for a projector. "Prikaz" > "Uvećanje" shows the designed window
// at 100, 150, 200 or 300 %: every designed control keeps its designed geometry and font and
// shows them scaled, the menu bar and its menus take a font scaled alike, and the cutter view
// and the oscillograph are shown magnified pixel by pixel. Full screen (F11) centres the window's
// content on a dark background at the largest whole scale that fits the screen; F11 or Esc
// leaves it. Only what the screen shows changes: the simulation, the pictures' own pixels and
// everything saved stay at scale 1.
#pragma once

#include <QObject>
#include <QSize>
#include <array>
#include <functional>

class QAction;
class QSettings;
class QStyle;
class QWidget;

namespace app {

class TForm1;

// percent, the choices of "Prikaz" > "Uvećanje".
inline constexpr std::array<int, 4> kZoomChoices{100, 150, 200, 300};

// Marks a control placed at designed coordinates in the client area: the zoom scales its
// geometry, and its font when it has one of its own.
void MarkDesignedControl(QWidget* control);

// The zoom remembered between runs, in the settings that remember the language: 100 when none
// is stored or the stored value is not one of kZoomChoices.
int SavedZoom(QSettings& settings);
void SaveZoom(QSettings& settings, int percent);
// Shows form at the zoom remembered in the user's settings (at the program's start).
void ApplySavedZoom(TForm1& form);

// percent, the largest whole scale (100, 200, 300, ...) at which content fits into screen; 100
// when not even that fits.
int FullScreenZoom(QSize screen, QSize content);

class WindowZoom : public QObject {
public:
    explicit WindowZoom(TForm1& form);
    ~WindowZoom() override;

    // percent, the zoom chosen in the menu, which the window shows outside full screen.
    int Chosen() const { return chosen_; }
    // percent, the zoom the window shows now.
    int Shown() const { return shown_; }
    bool FullScreen() const { return fullScreen_; }

    // Shows the window at percent (one of kZoomChoices), leaving full screen if it is on.
    void Choose(int percent);
    // Enters full screen or leaves it for the chosen zoom.
    void SetFullScreen(bool on);

    // Runs change on the window at its designed scale, then shows the zoom again: what change
    // measures and places (the captions after a language change) is designed geometry.
    void AtDesignedScale(const std::function<void()>& change);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Scales every designed control, the fonts and the pictures to percent, then places the
    // menu bar and the client area.
    void Show(int percent);
    // The menu bar above the client area: at the window's top left, or centred in full screen,
    // where the backdrop fills the rest.
    void LayOut();
    // The window left full screen (by the menu, Esc, or the desktop): back to the chosen zoom.
    void AfterFullScreen();
    void CheckMenu();

    TForm1& form_;
    int chosen_ = 100;
    int shown_ = 100;
    bool fullScreen_ = false;
    int designedBarHeight_; // px, of the menu bar at the designed scale
    QWidget* backdrop_;     // child of the form, dark, behind the content in full screen
    QAction* leaveByEsc_;   // of the form, enabled in full screen
    // The style of the zoomed controls, child of the form (which deletes it after the
    // controls); null at 100 %.
    QStyle* style_ = nullptr;
};

} // namespace app
