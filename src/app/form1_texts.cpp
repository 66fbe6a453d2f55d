// The captions of the main window in the current language. The designed Serbian texts are the
// source texts; RetranslateUi sets them all again after a language change.
#include "app/form1.h"
#include "app/main_menu.h"
#include "app/recording_tools.h"
#include "app/window_zoom.h"
#include "chart/chart.h"
#include "oscillograph/oscillograph.h"
#include "sim/input_fields.h"
#include "sim/materials.h"
#include "sim/user_text.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

namespace app {
namespace {

// The property of a material list that keeps the prompt it shows, in the language it was set in.
constexpr const char* kShownPromptProperty = "shownPrompt";

// The property that keeps the width of a label's Serbian text, as the window was built.
constexpr const char* kSourceTextWidthProperty = "sourceTextWidth";
// The property of a degree mark that keeps its designed left edge.
constexpr const char* kDesignedLeftProperty = "designedLeft";

void SetLabelText(QLabel* label, const QString& text) {
    if (!label->property(kSourceTextWidthProperty).isValid())
        label->setProperty(kSourceTextWidthProperty, label->sizeHint().width());
    label->setText(text);
    const int designed = label->property(kDesignedWidthProperty).toInt();
    label->resize(std::max(designed, label->sizeHint().width()), label->height());
}

// A degree mark stands right after its angle's label: it moves as far as a translated text is
// wider or narrower than the Serbian one, so with the designed texts it stays at its place.
void FollowLabel(QLabel* mark, const QLabel* label) {
    if (!mark->property(kDesignedLeftProperty).isValid())
        mark->setProperty(kDesignedLeftProperty, mark->x());
    const int change =
        label->sizeHint().width() - label->property(kSourceTextWidthProperty).toInt();
    mark->move(mark->property(kDesignedLeftProperty).toInt() + change, mark->y());
}

QString FieldLabel(sim::InputField field) {
    return CoreText(sim::FieldSpec(field).label);
}

QString FieldSecondLine(sim::InputField field) {
    return CoreText(sim::FieldSpec(field).labelSecondLine);
}

// A material list shows its prompt while no item is chosen. The prompt is replaced only when it
// still stands there: a chosen item or a text the user typed is left alone, and no handler runs.
void SetPrompt(QComboBox* box, const char* source) {
    const QVariant shown = box->property(kShownPromptProperty);
    const QString previous = shown.isValid() ? shown.toString() : QString::fromUtf8(source);
    if (box->currentIndex() >= 0 || box->currentText() != previous)
        return;
    const QString prompt = CoreText(source);
    box->setProperty(kShownPromptProperty, prompt);
    const QSignalBlocker quiet(box);
    box->setEditText(prompt);
}

} // namespace

QString CoreText(const char* source) {
    return QCoreApplication::translate(sim::kUserTextContext, source);
}

void TForm1::changeEvent(QEvent* event) {
    // The captions are measured and placed at the designed scale.
    if (event->type() == QEvent::LanguageChange && zoom_ != nullptr)
        zoom_->AtDesignedScale([this] { RetranslateUi(); });
    else if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QWidget::changeEvent(event);
}

void TForm1::SetScenarioTitle(const QString& title) {
    scenarioTitle_ = title;
    const QString designed = tr("Odredjivanje otpora rezanja pri obimnom glodanju");
    setWindowTitle(title.isEmpty() ? designed : designed + QString::fromUtf8(" — ") + title);
}

void TForm1::RetranslateUi() {
    using sim::InputField;
    SetScenarioTitle(scenarioTitle_);
    SetLabelText(Label15, tr("Suprotnosmerno glodanje"));
    SetLabelText(Label16, tr("Istosmerno glodanje"));
    Button1->setText(tr("Proces"));
    Button2->setText(tr("Exit"));
    SetLabelText(Label1, tr("POLAZNI PODACI"));

    GroupBox1->setTitle(tr("Geometrija alata"));
    SetLabelText(Label2, FieldLabel(InputField::Diameter));
    SetLabelText(Label3, FieldLabel(InputField::Teeth));
    SetLabelText(Label4, FieldLabel(InputField::Rake));
    SetLabelText(Label5, FieldLabel(InputField::Clearance));
    SetLabelText(Label9, FieldLabel(InputField::Helix));
    FollowLabel(Label17, Label4);
    FollowLabel(Label18, Label5);
    FollowLabel(Label19, Label9);

    GroupBox2->setTitle(tr("Režim rezanja"));
    SetLabelText(Label6, FieldLabel(InputField::Speed));
    SetLabelText(Label7, FieldLabel(InputField::Feed));
    SetLabelText(Label8, FieldLabel(InputField::Depth));
    SetLabelText(Label10, FieldLabel(InputField::Width));
    SetLabelText(Label14, FieldSecondLine(InputField::Feed));

    SetPrompt(ComboBox1, sim::kWorkpieceMaterialPrompt);
    SetPrompt(ComboBox2, sim::kToolMaterialPrompt);
    Button3->setText(tr("Pauza"));
    Button4->setText(tr("Polazno stanje"));
    Button5->setText(tr("Help"));

    SetLabelText(Label11, FieldLabel(InputField::ForceMax));
    SetLabelText(Label12, FieldSecondLine(InputField::ForceMax));
    SetLabelText(Label13, FieldSecondLine(InputField::ChipMax));

    oscillograph::SetChart1Texts(*Chart1);
    if (MainMenuBar != nullptr)
        RetranslateMenuBar(MainMenuBar);
    if (recording_ != nullptr)
        recording_->ShowStatus();
}

} // namespace app
