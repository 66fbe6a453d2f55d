// The main window: every input of the simulator, the cutter view, the oscillograph and the five
// buttons. It owns the simulation state; each handler reads its control, calls one routine of
// the core and redraws where the picture changes.
#pragma once

#include "app/user_messages.h"
#include "cutter/cutter_view.h"
#include "sim/input_fields.h"
#include "sim/input_result.h"
#include "sim/run_observer.h"
#include "sim/sim_state.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QComboBox;
class QGroupBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTimer;

namespace widgets {
class TSpinEdit;
}
namespace chart {
class TChart;
class TChartWidget;
class TLineSeries;
} // namespace chart

namespace app {

class LabTools;
class RecordingTools;
class ScenarioTools;
class TForm2;
class WindowZoom;

// Shows a retained bitmap, as the picture control of the window; nothing is drawn in paint
// except the copy of the bitmap, magnified when the window is zoomed.
class TImage : public QWidget {
public:
    explicit TImage(QWidget* parent) : QWidget(parent) {}
    void SetPicture(const QImage* picture);
    // Shows the bitmap at percent of its size, each pixel a block of its colour
    // (canvas/magnify.h); the bitmap itself stays as drawn.
    void SetZoom(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage* picture_ = nullptr;
    int zoom_ = 100; // percent
    QImage shown_;   // the magnified copy, kept between paints
};

class TForm1 : public QWidget, private sim::RunObserver {
    Q_OBJECT

public:
    // px, the client area of the designed 614 x 537 window less its frame and title bar.
    static constexpr int kClientWidth = 606;
    static constexpr int kClientHeight = 510;

    // Builds every control with its start text (no handler runs), connects the handlers,
    // then runs FormCreate. messages: the boxes and the beep (null: the desktop's own).
    explicit TForm1(std::unique_ptr<UserMessages> messages = nullptr);
    ~TForm1() override;

    // The window "Help" shows; created after the main window, so it is given here.
    void SetInstructions(TForm2* instructions) { instructions_ = instructions; }

signals:
    // The main window was closed ("Exit" or its close box): the program ends.
    void Closed();

public:
    const sim::SimState& State() const { return state_; }
    // The cutter view's bitmap as the picture control shows it, as it changes.
    const QImage& CutterPicture() const { return view_.Bitmap()->Image(); }

    // Handlers, in the order of the controls.
    void FormCreate();
    void Timer1Timer();
    void Button1Click(); // "Proces"
    void Button2Click(); // "Exit"
    void Button3Click(); // "Pauza"
    void Button4Click(); // "Polazno stanje"
    void Button5Click(); // "Help"
    void RadioButton1Click();
    void RadioButton2Click();
    void ComboBox1Change();
    void ComboBox2Change();
    void SpinEdit1Change(widgets::TSpinEdit* sender);  // cutter diameter, mm
    void SpinEdit2Change(widgets::TSpinEdit* sender);  // number of teeth
    void SpinEdit3Change(widgets::TSpinEdit* sender);  // rake angle, degrees
    void SpinEdit4Change(widgets::TSpinEdit* sender);  // clearance angle, degrees
    void SpinEdit5Change(widgets::TSpinEdit* sender);  // cutting speed, m/min
    void SpinEdit6Change(widgets::TSpinEdit* sender);  // feed speed, mm/min
    void SpinEdit7Change(widgets::TSpinEdit* sender);  // depth of cut, tenths of mm
    void SpinEdit8Change(widgets::TSpinEdit* sender);  // helix angle, degrees
    void SpinEdit9Change(widgets::TSpinEdit* sender);  // width of cut, mm
    void SpinEdit10Change(widgets::TSpinEdit* sender); // force axis maximum, N
    void SpinEdit11Change(widgets::TSpinEdit* sender); // chip axis maximum, tenths of mm

    // Controls, in creation order.
    TImage* Image1 = nullptr;
    QLabel *Label15 = nullptr, *Label16 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
           *Label9 = nullptr, *Label17 = nullptr, *Label18 = nullptr, *Label19 = nullptr;
    widgets::TSpinEdit *SpinEdit1 = nullptr, *SpinEdit2 = nullptr, *SpinEdit3 = nullptr,
                       *SpinEdit4 = nullptr, *SpinEdit8 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label10 = nullptr,
           *Label14 = nullptr;
    widgets::TSpinEdit *SpinEdit5 = nullptr, *SpinEdit6 = nullptr, *SpinEdit7 = nullptr;
    QLineEdit* Edit1 = nullptr;
    widgets::TSpinEdit* SpinEdit9 = nullptr;
    QComboBox *ComboBox1 = nullptr, *ComboBox2 = nullptr;
    QPushButton* Button3 = nullptr;
    chart::TChart* Chart1 = nullptr; // the chart shown by Chart1Widget
    chart::TChartWidget* Chart1Widget = nullptr;
    QPushButton* Button4 = nullptr;
    QRadioButton *RadioButton1 = nullptr, *RadioButton2 = nullptr;
    QPushButton* Button5 = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr;
    widgets::TSpinEdit* SpinEdit10 = nullptr;
    widgets::TSpinEdit* SpinEdit11 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QTimer* Timer1 = nullptr;

    chart::TLineSeries *Series1 = nullptr, *Series2 = nullptr, *Series3 = nullptr;

    // Sets every caption of the window, its menu bar and its oscillograph in the current
    // language; runs at construction and on every language change. Values, selections and
    // geometry stay as they are, except that a label grows to fit a longer text.
    void RetranslateUi();

    // Shows the title of the open scenario after the designed window title ("" for none); it
    // stays there through language changes.
    void SetScenarioTitle(const QString& title);

    // Around the designed window: the menu bar above the client area and what it offers.
    QMenuBar* MainMenuBar = nullptr;
    LabTools& Tools() { return *tools_; }
    ScenarioTools& Scenarios() { return *scenarios_; }
    // The window's zoom and full screen ("Prikaz").
    WindowZoom& Zoom() { return *zoom_; }
    RecordingTools& Recording() { return *recording_; }

    // The spin edit that holds field.
    widgets::TSpinEdit* EditOf(sim::InputField field) const;

    // The force model, K_r and the cutter view's force arrows, as the "Model" and "Prikaz" menus,
    // the forces window and a scenario file choose them; like every handler, between ticks. The
    // model and K_r take effect from the next tick; the arrows at once, on the picture as it
    // stands.
    void SetForceModel(sim::ForceModel model);
    // False, and nothing changed, for a ratio outside 0.2 .. 0.6.
    bool SetRadialForceRatio(double ratio);
    void SetForceArrows(bool on);
    bool ForceArrows() const { return view_.ForceArrows(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The parts of the designed window, in the order CreateControls makes them.
    void CreateToolGeometryGroup();
    void CreateCuttingConditionsGroup();
    void CreateOscillograph();
    void CreateAxisPanel();
    void CreateControls();
    void ConnectHandlers();
    void SetTabOrder();

    // RunObserver: the chart feed and the redraw of the cutter view.
    void FeedOscillograph(const sim::SimState& s) override;
    void RedrawCutterView(const sim::SimState& s, double phase) override;

    // Takes the outcome of an input routine for the field: true when the value was applied.
    // A value outside the field's limits is ignored and the field's text turns red until it is
    // valid again; a text that is not a whole number raises the conversion error.
    bool Accept(widgets::TSpinEdit* field, const sim::InputResult& result);
    // After an applied change of field: redraws the cutter view at phase 0 where the inputs
    // table says the change shows in it (sim::RedrawsCutterView).
    void RedrawAfterChange(sim::InputField field);
    // Runs a handler and shows what it throws in the error box; the program goes on.
    void Guarded(const std::function<void()>& handler);
    void ShowMaterialsMessage(const std::string& message);
    // Gives the field its tooltip: label, unit and allowed range, and whether its value was
    // rejected (red).
    void RefreshToolTip(widgets::TSpinEdit* field);
    void SyncTimer();

    // The series belong to the window and the chart only lists them. Members die before the
    // QWidget base deletes the chart, so each series leaves the chart while it still exists.
    std::unique_ptr<chart::TLineSeries> series1_, series2_, series3_;
    sim::SimState state_{};
    cutter::CutterView view_;
    std::unique_ptr<UserMessages> messages_;
    std::unique_ptr<LabTools> tools_; // uses messages_, so it goes first
    std::unique_ptr<ScenarioTools> scenarios_;
    std::unique_ptr<WindowZoom> zoom_;
    std::unique_ptr<RecordingTools> recording_; // uses tools_ and the pictures
    TForm2* instructions_ = nullptr;
    QString scenarioTitle_; // of the open scenario, as its file gives it; "" for none
    // Each spin edit with its row of the inputs table: the one list of which control holds which
    // input (EditOf).
    std::vector<std::pair<widgets::TSpinEdit*, sim::InputField>> fields_;
};

// A text of the core (marked SIM_USER_TEXT) in the current language.
QString CoreText(const char* source);
// The property that keeps a label's designed width in px: the label is never narrower, and wider
// only as far as its text needs.
inline constexpr const char* kDesignedWidthProperty = "designedWidth";

// The decimal separator of every number the window shows (Edit1, Edit2, tooltips): the
// application locale's, as the chart's labels use it.
char SystemDecimalSeparator();

} // namespace app
