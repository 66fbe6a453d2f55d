#include "app/form1.h"

#include "app/field_tooltip.h"
#include "app/help/app_icon.h"
#include "app/help/form2.h"
#include "app/lab_tools.h"
#include "app/main_menu.h"
#include "app/recording_tools.h"
#include "app/scenario_tools.h"
#include "app/window_zoom.h"
#include "canvas/magnify.h"
#include "chart/chart.h"
#include "chart/chart_widget.h"
#include "chart/series/line_series.h"
#include "oscillograph/oscillograph.h"
#include "sim/axis_inputs.h"
#include "sim/cutting_inputs.h"
#include "sim/input_fields.h"
#include "sim/materials.h"
#include "sim/run.h"
#include "sim/startup.h"
#include "sim/text_conversion.h"
#include "sim/tool_inputs.h"
#include "sim/tooth_forces.h"
#include "widgets/spin_edit.h"
#include "widgets/widget_hooks.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <cassert>
#include <stdexcept>

namespace app {

namespace {

// 8 point at 96 dots per inch: 11 pixels of character height, whatever the screen's resolution,
// so that the designed pixel layout holds.
QFont DesignFont(bool bold = false) {
    QFont font;
    // Where the designed face is missing, a face of similar width keeps the texts inside the
    // designed label widths.
    font.setFamilies(
        {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPixelSize(11);
    font.setBold(bold);
    return font;
}

template <typename Control>
Control* Place(Control* control, int left, int top, int width, int height) {
    control->setGeometry(left, top, width, height);
    MarkDesignedControl(control);
    return control;
}

QLabel* MakeLabel(QWidget* parent, const char* text, int left, int top, int width,
                  int height = 13) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(false);
    label->setMargin(0);
    label->setContentsMargins(0, 0, 0, 0);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(label, left, top, width, height);
    label->setProperty(kDesignedWidthProperty, width);
    // A label is as wide as its text, as the designed labels size themselves.
    label->resize(std::max(width, label->sizeHint().width()), height);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* text, int left, int top, int width,
                        int height = 25) {
    return Place(new QPushButton(QString::fromUtf8(text), parent), left, top, width, height);
}

// The spin edit of an input, with the limits, step and start value of its row in the inputs
// table.
widgets::TSpinEdit* MakeSpinEdit(QWidget* parent, sim::InputField field, int left, int top,
                                 int width) {
    const sim::InputFieldSpec& fieldSpec = sim::FieldSpec(field);
    return Place(new widgets::TSpinEdit(parent, fieldSpec.minimum, fieldSpec.maximum,
                                        fieldSpec.step, fieldSpec.start),
                 left, top, width, 22);
}

// The label lines of an input as the window shows them.
const char* LabelOf(sim::InputField field) {
    return sim::FieldSpec(field).label;
}
const char* SecondLineOf(sim::InputField field) {
    return sim::FieldSpec(field).labelSecondLine;
}

// The start text of a field that shows its spin edit's tenths as a decimal number, with the
// separator of every later value, so that the screen never shows two.
QString StartTenthsText(sim::InputField field) {
    return QString::fromStdString(
        sim::FormatGeneral(sim::StartValue(field), SystemDecimalSeparator()));
}

QFrame* MakePanel(QWidget* parent, int left, int top, int width, int height) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    return Place(panel, left, top, width, height);
}

// A material list: the core's names of the list in its order, so that item n - 1 is material n.
template <size_t N>
QComboBox* MakeComboBox(QWidget* parent, const char* prompt,
                        const std::array<const char*, N>& names, int left, int top) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const char* name : names)
        box->addItem(QString::fromUtf8(name));
    box->setCurrentIndex(-1);
    box->setEditText(QString::fromUtf8(prompt));
    return Place(box, left, top, 193, 21);
}

// The index of the item the combo box's text names exactly (case and all), -1 when the text
// names none: a material typed in counts as chosen, as one picked from the list. This is the one
// rule; the core keeps the choice, and the experiment window reads it from there.
int ItemIndex(const QComboBox* box) {
    return box->findText(box->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void MarkOutOfRange(QLineEdit* field, bool outOfRange) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, outOfRange ? QColor(Qt::red) : QColor(Qt::black));
    field->setPalette(palette);
}

QString DecimalText(double value) {
    return QString::fromStdString(sim::FormatGeneral(value, SystemDecimalSeparator()));
}

} // namespace

char SystemDecimalSeparator() {
    // The application's locale, which the chart's labels use too (the system's unless the
    // program sets another).
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80)
        return static_cast<char>(point.at(0).unicode());
    return sim::kDecimalSeparator;
}

void TImage::SetPicture(const QImage* picture) {
    picture_ = picture;
    update();
}

void TImage::SetZoom(int percent) {
    zoom_ = percent;
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    if (picture_ == nullptr || picture_->isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, zoom_ == 100 ? *picture_ : canvas::Magnify(*picture_, zoom_, shown_));
}

TForm1::TForm1(std::unique_ptr<UserMessages> messages)
    : messages_(messages ? std::move(messages) : std::make_unique<DesktopMessages>(this)) {
    CreateControls();
    SetTabOrder();
    ConnectHandlers();
    FormCreate();
    tools_ = std::make_unique<LabTools>(*this, *messages_);
    MainMenuBar = InstallMainMenu(*this, *tools_);
    scenarios_ = std::make_unique<ScenarioTools>(*this, *messages_);
    scenarios_->InstallMenu(MainMenuBar);
    zoom_ = std::make_unique<WindowZoom>(*this);
    recording_ = std::make_unique<RecordingTools>(*this, *messages_);
    recording_->InstallMenu(MainMenuBar);
}

TForm1::~TForm1() {
    // Ending the program finishes a recording, while the pictures it takes still stand.
    recording_->Stop(false);
    widgets::SetErrorReporter({});
    widgets::SetBeepHook({});
}

void TForm1::closeEvent(QCloseEvent* event) {
    recording_->Stop();
    QWidget::closeEvent(event);
    emit Closed();
}

void TForm1::CreateToolGeometryGroup() {
    using sim::InputField;
    GroupBox1 =
        Place(new QGroupBox(QString::fromUtf8("Geometrija alata"), Panel1), 8, 32, 185, 145);
    Label2 = MakeLabel(GroupBox1, LabelOf(InputField::Diameter), 8, 24, 94);
    Label3 = MakeLabel(GroupBox1, LabelOf(InputField::Teeth), 8, 48, 45);
    Label4 = MakeLabel(GroupBox1, LabelOf(InputField::Rake), 8, 72, 65);
    Label5 = MakeLabel(GroupBox1, LabelOf(InputField::Clearance), 8, 96, 59);
    Label9 = MakeLabel(GroupBox1, LabelOf(InputField::Helix), 8, 120, 100);
    Label17 = MakeLabel(GroupBox1, "o", 72, 66, 6);
    Label18 = MakeLabel(GroupBox1, "o", 66, 90, 6);
    Label19 = MakeLabel(GroupBox1, "o", 106, 114, 6);
    SpinEdit1 = MakeSpinEdit(GroupBox1, InputField::Diameter, 136, 16, 41);
    SpinEdit2 = MakeSpinEdit(GroupBox1, InputField::Teeth, 136, 40, 41);
    SpinEdit3 = MakeSpinEdit(GroupBox1, InputField::Rake, 136, 64, 41);
    SpinEdit4 = MakeSpinEdit(GroupBox1, InputField::Clearance, 136, 88, 41);
    SpinEdit8 = MakeSpinEdit(GroupBox1, InputField::Helix, 136, 112, 41);
}

void TForm1::CreateCuttingConditionsGroup() {
    using sim::InputField;
    GroupBox2 = Place(new QGroupBox(QString::fromUtf8("Režim rezanja"), Panel1), 8, 184, 177, 121);
    Label6 = MakeLabel(GroupBox2, LabelOf(InputField::Speed), 8, 24, 103);
    Label7 = MakeLabel(GroupBox2, LabelOf(InputField::Feed), 8, 40, 84);
    Label8 = MakeLabel(GroupBox2, LabelOf(InputField::Depth), 8, 72, 56);
    Label10 = MakeLabel(GroupBox2, LabelOf(InputField::Width), 8, 96, 49);
    Label14 = MakeLabel(GroupBox2, SecondLineOf(InputField::Feed), 8, 53, 83);
    SpinEdit5 = MakeSpinEdit(GroupBox2, InputField::Speed, 120, 16, 49);
    SpinEdit6 = MakeSpinEdit(GroupBox2, InputField::Feed, 120, 40, 49);
    SpinEdit7 = MakeSpinEdit(GroupBox2, InputField::Depth, 152, 64, 17);
    Edit1 = Place(new QLineEdit(StartTenthsText(InputField::Depth), GroupBox2), 120, 64, 33, 21);
    SpinEdit9 = MakeSpinEdit(GroupBox2, InputField::Width, 120, 88, 49);
}

void TForm1::CreateOscillograph() {
    Chart1Widget = Place(new chart::TChartWidget(this), 216, 344, 385, 161);
    Chart1 = &Chart1Widget->Chart();
    series1_ = std::make_unique<chart::TLineSeries>();
    series2_ = std::make_unique<chart::TLineSeries>();
    series3_ = std::make_unique<chart::TLineSeries>();
    Series1 = series1_.get();
    Series2 = series2_.get();
    Series3 = series3_.get();
    oscillograph::ConfigureChart1(*Chart1, *Series1, *Series2, *Series3);
}

void TForm1::CreateAxisPanel() {
    using sim::InputField;
    Panel2 = MakePanel(this, 136, 400, 73, 105);
    // The heading is the first label line of both axis fields.
    Label11 = MakeLabel(Panel2, LabelOf(InputField::ForceMax), 7, 2, 54);
    Label12 = MakeLabel(Panel2, SecondLineOf(InputField::ForceMax), 16, 16, 29);
    Label13 = MakeLabel(Panel2, SecondLineOf(InputField::ChipMax), 4, 56, 60);
    SpinEdit10 = MakeSpinEdit(Panel2, InputField::ForceMax, 8, 32, 49);
    SpinEdit11 = MakeSpinEdit(Panel2, InputField::ChipMax, 40, 72, 17);
    Edit2 = Place(new QLineEdit(StartTenthsText(InputField::ChipMax), Panel2), 8, 72, 33, 21);
}

void TForm1::CreateControls() {
    setWindowTitle(QStringLiteral("Odredjivanje otpora rezanja pri obimnom glodanju"));
    setWindowIcon(MillingCutterIcon());
    setFont(DesignFont());
    move(194, 143);
    resize(kClientWidth, kClientHeight);
    setAutoFillBackground(true);

    Image1 = Place(new TImage(this), 216, 24, 385, 313);
    Label15 = MakeLabel(this, "Suprotnosmerno glodanje", 248, 4, 123);
    Label16 = MakeLabel(this, "Istosmerno glodanje", 456, 4, 98);
    Button1 = MakeButton(this, "Proces", 8, 416, 57);
    Button2 = MakeButton(this, "Exit", 8, 480, 57);
    Panel1 = MakePanel(this, 8, 8, 201, 313);
    Label1 = MakeLabel(Panel1, "POLAZNI PODACI", 40, 8, 94);
    Label1->setFont(DesignFont(true));
    Label1->resize(std::max(Label1->width(), Label1->sizeHint().width()), Label1->height());

    CreateToolGeometryGroup();

    CreateCuttingConditionsGroup();

    ComboBox1 =
        MakeComboBox(this, sim::kWorkpieceMaterialPrompt, sim::kWorkpieceMaterialNames, 8, 336);
    ComboBox2 = MakeComboBox(this, sim::kToolMaterialPrompt, sim::kToolMaterials, 8, 368);
    Button3 = MakeButton(this, "Pauza", 72, 416, 57);

    CreateOscillograph();

    Button4 = MakeButton(this, "Polazno stanje", 8, 448, 121);
    RadioButton1 = Place(new QRadioButton(this), 224, 4, 17, 17);
    RadioButton1->setChecked(true);
    RadioButton2 = Place(new QRadioButton(this), 432, 4, 17, 17);
    Button5 = MakeButton(this, "Help", 72, 480, 57);

    CreateAxisPanel();

    Timer1 = new QTimer(this);
    Timer1->setInterval(50);
    Timer1->setTimerType(Qt::PreciseTimer);

    using sim::InputField;
    fields_ = {{SpinEdit1, InputField::Diameter}, {SpinEdit2, InputField::Teeth},
               {SpinEdit3, InputField::Rake},     {SpinEdit4, InputField::Clearance},
               {SpinEdit8, InputField::Helix},    {SpinEdit5, InputField::Speed},
               {SpinEdit6, InputField::Feed},     {SpinEdit7, InputField::Depth},
               {SpinEdit9, InputField::Width},    {SpinEdit10, InputField::ForceMax},
               {SpinEdit11, InputField::ChipMax}};
    for (const auto& [field, input] : fields_)
        RefreshToolTip(field);
}

widgets::TSpinEdit* TForm1::EditOf(sim::InputField field) const {
    const auto entry = std::find_if(fields_.begin(), fields_.end(),
                                    [field](const auto& pair) { return pair.second == field; });
    assert(entry != fields_.end());
    return entry->first;
}

void TForm1::RefreshToolTip(widgets::TSpinEdit* field) {
    const auto entry = std::find_if(fields_.begin(), fields_.end(),
                                    [field](const auto& pair) { return pair.first == field; });
    if (entry == fields_.end())
        return;
    const bool rejected = field->palette().color(QPalette::Text) == QColor(Qt::red);
    const QString tip = FieldToolTip(sim::FieldSpec(entry->second), field->MinValue(),
                                     field->MaxValue(), SystemDecimalSeparator(), rejected);
    field->setToolTip(tip);
    // The display beside an arrows-only field is what the user reads and points at.
    if (field == SpinEdit7)
        Edit1->setToolTip(tip);
    else if (field == SpinEdit11)
        Edit2->setToolTip(tip);
}

void TForm1::SetTabOrder() {
    const auto chain = [](std::initializer_list<QWidget*> order) {
        QWidget* previous = nullptr;
        for (QWidget* widget : order) {
            if (previous != nullptr)
                QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
    };
    chain({Button1,      Button2,   SpinEdit1,  SpinEdit2,    SpinEdit3, SpinEdit4,
           SpinEdit8,    SpinEdit5, SpinEdit6,  SpinEdit7,    Edit1,     SpinEdit9,
           ComboBox1,    ComboBox2, Button3,    Chart1Widget, Button4,   RadioButton1,
           RadioButton2, Button5,   SpinEdit10, SpinEdit11,   Edit2});
}

void TForm1::ConnectHandlers() {
    widgets::SetBeepHook([this] { messages_->Beep(); });
    widgets::SetErrorReporter(
        [this](std::exception_ptr error) { Guarded([&] { std::rethrow_exception(error); }); });

    const auto spin = [this](widgets::TSpinEdit* field,
                             void (TForm1::*handler)(widgets::TSpinEdit*)) {
        field->OnChange = [this, handler](widgets::TSpinEdit* sender) { (this->*handler)(sender); };
    };
    spin(SpinEdit1, &TForm1::SpinEdit1Change);
    spin(SpinEdit2, &TForm1::SpinEdit2Change);
    spin(SpinEdit3, &TForm1::SpinEdit3Change);
    spin(SpinEdit4, &TForm1::SpinEdit4Change);
    spin(SpinEdit5, &TForm1::SpinEdit5Change);
    spin(SpinEdit6, &TForm1::SpinEdit6Change);
    spin(SpinEdit7, &TForm1::SpinEdit7Change);
    spin(SpinEdit8, &TForm1::SpinEdit8Change);
    spin(SpinEdit9, &TForm1::SpinEdit9Change);
    spin(SpinEdit10, &TForm1::SpinEdit10Change);
    spin(SpinEdit11, &TForm1::SpinEdit11Change);

    const auto click = [this](QAbstractButton* button, void (TForm1::*handler)()) {
        connect(button, &QAbstractButton::clicked, this,
                [this, handler] { Guarded([&] { (this->*handler)(); }); });
    };
    click(Button1, &TForm1::Button1Click);
    click(Button2, &TForm1::Button2Click);
    click(Button3, &TForm1::Button3Click);
    click(Button4, &TForm1::Button4Click);
    click(Button5, &TForm1::Button5Click);
    // Only a change of the choice runs a direction handler: clicking the checked button again
    // would redraw the cutter at phase 0.
    const auto chosen = [this](QRadioButton* button, void (TForm1::*handler)()) {
        connect(button, &QAbstractButton::toggled, this, [this, handler](bool checked) {
            if (checked)
                Guarded([&] { (this->*handler)(); });
        });
    };
    chosen(RadioButton1, &TForm1::RadioButton1Click);
    chosen(RadioButton2, &TForm1::RadioButton2Click);
    connect(Timer1, &QTimer::timeout, this, [this] { Guarded([&] { Timer1Timer(); }); });
    // The handlers see every change of the text: a chosen item, and typing over the prompt.
    connect(ComboBox1, &QComboBox::editTextChanged, this,
            [this] { Guarded([&] { ComboBox1Change(); }); });
    connect(ComboBox2, &QComboBox::editTextChanged, this,
            [this] { Guarded([&] { ComboBox2Change(); }); });
}

void TForm1::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        ShowApplicationError(*messages_, std::current_exception());
    }
}

void TForm1::FormCreate() {
    sim::InitialiseState(state_);
    RedrawCutterView(state_, 0);
}

void TForm1::SyncTimer() {
    if (state_.TimerEnabled && !Timer1->isActive())
        Timer1->start();
    else if (!state_.TimerEnabled && Timer1->isActive())
        Timer1->stop();
}

void TForm1::FeedOscillograph(const sim::SimState& s) {
    oscillograph::FeedOscillograph(s, *Series1, *Series2, *Series3);
}

void TForm1::RedrawCutterView(const sim::SimState& s, double phase) {
    view_.RedrawCutterView(s, phase);
    // The control paints straight from the view's bitmap, so a redraw copies no pixels.
    Image1->SetPicture(&view_.Bitmap()->Image());
}

void TForm1::Timer1Timer() {
    recording_->BeforeTick();
    const sim::TickReport report = sim::RunTick(state_, this);
    tools_->AfterTick(state_, report.feedLimitDisabledTimer);
    recording_->AfterTick();
    SyncTimer();
}

void TForm1::SetForceModel(sim::ForceModel model) {
    sim::SetForceModel(state_, model);
    CheckForceChoices(MainMenuBar, state_.ForceModel, ForceArrows());
}

bool TForm1::SetRadialForceRatio(double ratio) {
    return sim::SetRadialForceRatio(state_, ratio);
}

void TForm1::SetForceArrows(bool on) {
    view_.SetForceArrows(on);
    // The same teeth as the picture shows, now with or without the arrows.
    RedrawCutterView(state_, view_.LastPhase());
    CheckForceChoices(MainMenuBar, state_.ForceModel, ForceArrows());
}

void TForm1::ShowMaterialsMessage(const std::string& message) {
    if (message.empty())
        return;
    messages_->Beep();
    messages_->ShowWarning(CoreText(message.c_str()));
}

void TForm1::Button1Click() {
    const sim::MaterialsReport report = sim::StartRun(state_);
    // Before the warning: its box keeps the ticks going.
    if (report.mayStart)
        tools_->AfterStart(state_);
    ShowMaterialsMessage(report.message);
    SyncTimer();
}

void TForm1::Button2Click() {
    close();
}

void TForm1::Button3Click() {
    sim::PauseRun(state_);
    SyncTimer();
}

void TForm1::Button4Click() {
    sim::ResetRun(state_, this);
    tools_->AfterReset();
    SyncTimer();
}

void TForm1::Button5Click() {
    if (instructions_ != nullptr)
        instructions_->ShowInstructions();
}

void TForm1::RadioButton1Click() {
    sim::SetMillingDirection(state_, sim::MillingDirection::Up, this);
}

void TForm1::RadioButton2Click() {
    sim::SetMillingDirection(state_, sim::MillingDirection::Down, this);
}

void TForm1::ComboBox1Change() {
    sim::SelectWorkpieceMaterial(state_, ItemIndex(ComboBox1));
}

void TForm1::ComboBox2Change() {
    sim::SelectToolMaterial(state_, ItemIndex(ComboBox2));
}

bool TForm1::Accept(widgets::TSpinEdit* field, const sim::InputResult& result) {
    MarkOutOfRange(field, result.status == sim::InputStatus::OutOfRange);
    RefreshToolTip(field);
    if (result.status == sim::InputStatus::NotAnInteger)
        throw std::invalid_argument(result.message);
    return result.applied();
}

void TForm1::RedrawAfterChange(sim::InputField field) {
    if (sim::RedrawsCutterView(field))
        RedrawCutterView(state_, 0);
}

namespace {
std::string TextOf(const widgets::TSpinEdit* field) {
    return field->Text().toStdString();
}
} // namespace

void TForm1::SpinEdit1Change(widgets::TSpinEdit* sender) {
    const sim::DiameterResult result = sim::SetCutterDiameter(state_, TextOf(sender));
    if (!Accept(sender, result.input))
        return;
    if (result.depthClamped) {
        SpinEdit7->SetMaxValue(result.depthSpinMax);
        RefreshToolTip(SpinEdit7);
        Edit1->setText(DecimalText(state_.DepthMm));
    }
    RedrawAfterChange(sim::InputField::Diameter);
}

void TForm1::SpinEdit2Change(widgets::TSpinEdit* sender) {
    if (Accept(sender, sim::SetToothCount(state_, TextOf(sender))))
        RedrawAfterChange(sim::InputField::Teeth);
}

void TForm1::SpinEdit3Change(widgets::TSpinEdit* sender) {
    if (Accept(sender, sim::SetRakeAngle(state_, TextOf(sender))))
        RedrawAfterChange(sim::InputField::Rake);
}

void TForm1::SpinEdit4Change(widgets::TSpinEdit* sender) {
    const sim::ClearanceResult result = sim::ApplyClearanceAngle(
        state_, TextOf(sender),
        [this](const char* message) {
            messages_->Beep();
            messages_->ShowScreenError(tr("Error"), CoreText(message));
        },
        // Rewriting the field runs this handler again, nested, for the corrected value.
        [sender](const std::string& text) { sender->SetText(QString::fromStdString(text)); });
    // A corrected angle was applied, and redrawn, by the nested run.
    if (Accept(sender, result.input) && result.minimumRow == 0)
        RedrawAfterChange(sim::InputField::Clearance);
}

void TForm1::SpinEdit5Change(widgets::TSpinEdit* sender) {
    if (Accept(sender, sim::SetCuttingSpeed(state_, TextOf(sender))))
        RedrawAfterChange(sim::InputField::Speed);
}

void TForm1::SpinEdit6Change(widgets::TSpinEdit* sender) {
    if (Accept(sender, sim::SetFeedSpeed(state_, TextOf(sender))))
        RedrawAfterChange(sim::InputField::Feed);
}

void TForm1::SpinEdit7Change(widgets::TSpinEdit* sender) {
    const sim::DepthResult result = sim::SetDepth(state_, TextOf(sender));
    if (!Accept(sender, result.input))
        return;
    Edit1->setText(DecimalText(state_.DepthMm));
    SpinEdit7->SetMaxValue(result.depthSpinMax);
    RefreshToolTip(SpinEdit7);
    RedrawAfterChange(sim::InputField::Depth);
}

void TForm1::SpinEdit8Change(widgets::TSpinEdit* sender) {
    if (Accept(sender, sim::SetHelixAngle(state_, TextOf(sender))))
        RedrawAfterChange(sim::InputField::Helix);
}

void TForm1::SpinEdit9Change(widgets::TSpinEdit* sender) {
    if (Accept(sender, sim::SetCutWidth(state_, TextOf(sender))))
        RedrawAfterChange(sim::InputField::Width);
}

void TForm1::SpinEdit10Change(widgets::TSpinEdit* sender) {
    if (!Accept(sender, sim::SetForceAxisMax(state_, TextOf(sender))))
        return;
    Chart1->LeftAxis().SetMaximum(state_.ForceAxisMax);
    RedrawAfterChange(sim::InputField::ForceMax);
}

void TForm1::SpinEdit11Change(widgets::TSpinEdit* sender) {
    const sim::ChipAxisResult result = sim::SetChipAxisMax(state_, TextOf(sender));
    if (!Accept(sender, result.input))
        return;
    Edit2->setText(DecimalText(state_.ChipAxisMax));
    Chart1->RightAxis().SetMaximum(state_.ChipAxisMax);
    RedrawAfterChange(sim::InputField::ChipMax);
}

} // namespace app
