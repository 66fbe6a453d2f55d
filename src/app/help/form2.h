// The instructions window: an instruction text and an illustration of the helix angle and
// the width of milling, side by side. It has no controls that react to the user.
#pragma once

#include <QLabel>
#include <QPoint>
#include <QSize>
#include <QWidget>

namespace app {

class TForm2 : public QWidget {
    Q_OBJECT

public:
    // px, designed place of the window's outer top-left corner on the screen.
    static constexpr QPoint kDesignedPosition{192, 109};
    // px, client area: the designed outer size of 770 x 456 less a 4-pixel border on three
    // sides and a 23-pixel title bar.
    static constexpr QSize kClientSize{762, 429};

    // Builds the window hidden, with both pictures drawn. Without a parent it is a window of
    // its own that does not keep the program running when the main window closes.
    explicit TForm2(QWidget* parent = nullptr);

    // What the main window's "Help" button calls: shows the window without modality, where
    // and as large as the user left it, or, when it is already shown, brings it to the front.
    void ShowInstructions();

    // Sets the title and draws both pictures again in the current language; runs on every
    // language change.
    void RetranslateUi();

    // Pictures, each drawn at its natural size from the top-left corner and clipped to its
    // control, not scaled. Image1 is created first, so Image2 lies above it where they meet.
    QLabel* Image1 = nullptr; // illustration, 305 x 377 at (448, 24)
    QLabel* Image2 = nullptr; // instruction text, 441 x 409 at (8, 8)

protected:
    void changeEvent(QEvent* event) override;
};

} // namespace app
