// The window's fields as a student meets them: the direction radios, wide numbers, the decimal
// separator of every number on the screen, the tooltips, and where the clearance box opens.
#include "app/form1.h"
#include "app/user_messages.h"
#include "chart/chart.h"
#include "cutter/cutter_view.h"
#include "sim/input_fields.h"
#include "sim/state_compare.h"
#include "support/silent_messages.h"
#include "widgets/spin_edit.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace app {
namespace {

class Form1FieldsTest : public ::testing::Test {
protected:
    void MakeForm() {
        form = std::make_unique<TForm1>(std::make_unique<SilentMessages>(&said));
        form->show();
        // Active, so that moving the focus is a leave the fields see.
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void SetUp() override { MakeForm(); }
    // Proces with 28Cr4 and P30, seven ticks, Pauza: a picture at a phase other than 0.
    void PauseMidRun() {
        form->ComboBox1->setCurrentIndex(0);
        form->ComboBox2->setCurrentIndex(2);
        QTest::mouseClick(form->Button1, Qt::LeftButton);
        form->Timer1->stop();
        for (int i = 0; i < 7; ++i)
            form->Timer1Timer();
        QTest::mouseClick(form->Button3, Qt::LeftButton);
    }
    QString Sep() const { return QString(QChar::fromLatin1(SystemDecimalSeparator())); }

    std::vector<std::string> said;
    std::unique_ptr<TForm1> form;
};

// Clicking the radio that is already checked runs nothing: a paused picture stays as it is.
TEST_F(Form1FieldsTest, ReclickingTheChosenDirectionKeepsThePicture) {
    PauseMidRun();
    ASSERT_NE(form->State().Phase, 0.0);
    const QImage paused = form->CutterPicture().copy();

    QTest::mouseClick(form->RadioButton1, Qt::LeftButton);
    EXPECT_TRUE(form->RadioButton1->isChecked());
    EXPECT_EQ(form->CutterPicture(), paused);

    QTest::mouseClick(form->RadioButton2, Qt::LeftButton);
    EXPECT_EQ(form->State().MillingDirection, sim::MillingDirection::Down);
    const QImage down = form->CutterPicture().copy();
    EXPECT_NE(down, paused);
    QTest::mouseClick(form->RadioButton2, Qt::LeftButton);
    EXPECT_EQ(form->State().MillingDirection, sim::MillingDirection::Down);
    EXPECT_EQ(form->CutterPicture(), down);
    QTest::mouseClick(form->RadioButton1, Qt::LeftButton);
    EXPECT_EQ(form->State().MillingDirection, sim::MillingDirection::Up);
}

// A paused run's picture after a change of each input: the cutter view at phase 0 where the
// inputs table says the change shows in it, the picture as it was for every other input.
class Form1RedrawTest : public Form1FieldsTest,
                        public ::testing::WithParamInterface<sim::InputField> {};

TEST_P(Form1RedrawTest, FollowsTheInputsTable) {
    PauseMidRun();
    const QImage paused = form->CutterPicture().copy();
    const sim::SimState before = form->State();

    const sim::InputFieldSpec& fieldRow = sim::FieldSpec(GetParam());
    form->EditOf(GetParam())->SetText(QString::number(fieldRow.start + fieldRow.step));
    ASSERT_FALSE(sim::StatesIdentical(before, form->State())) << "the change was not applied";
    if (sim::RedrawsCutterView(GetParam())) {
        cutter::CutterView expected;
        expected.RedrawCutterView(form->State(), 0);
        EXPECT_EQ(form->CutterPicture(), expected.Image());
        EXPECT_NE(form->CutterPicture(), paused);
    } else {
        EXPECT_EQ(form->CutterPicture(), paused);
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, Form1RedrawTest, ::testing::ValuesIn([] {
                             std::vector<sim::InputField> fields;
                             for (const sim::InputFieldSpec& fieldRow : sim::kInputFields)
                                 fields.push_back(fieldRow.field);
                             return fields;
                         }()),
                         [](const ::testing::TestParamInfo<sim::InputField>& info) {
                             return std::string(sim::FieldSpec(info.param).key);
                         });

// The force maximum field is narrower than five digits: it shows their start, not "0000".
TEST_F(Form1FieldsTest, ForceMaximumShowsItsLeadingDigits) {
    widgets::TSpinEdit* field = form->SpinEdit10;
    field->SetText("9900");
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(field->Text(), "10000");
    EXPECT_EQ(form->State().ForceAxisMax, 10000);
    EXPECT_EQ(field->cursorPosition(), 0);

    field->selectAll();
    QTest::keyClicks(field, "20000");
    form->SpinEdit11->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(field->Text(), "20000");
    EXPECT_EQ(form->Chart1->LeftAxis().Maximum(), 20000.0);
    EXPECT_EQ(field->cursorPosition(), 0);
    EXPECT_TRUE(said.empty());
}

// Whatever the locale writes, every number on the screen uses its one decimal separator: the
// start texts, the values written later and the chart's labels.
struct LocaleRow {
    const char* name;
    QLocale::Language language;
    QLocale::Territory territory;
    char separator;
};

class Form1LocaleTest : public Form1FieldsTest, public testing::WithParamInterface<LocaleRow> {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(GetParam().language, GetParam().territory));
        MakeForm();
    }
    void TearDown() override {
        form.reset();
        QLocale::setDefault(saved_);
    }

private:
    QLocale saved_;
};

TEST_P(Form1LocaleTest, OneDecimalSeparatorOnTheScreen) {
    const QString sep(QChar::fromLatin1(GetParam().separator));
    EXPECT_EQ(SystemDecimalSeparator(), GetParam().separator);
    EXPECT_EQ(form->Edit2->text(), "0" + sep + "5");
    EXPECT_EQ(form->Edit1->text(), "10");
    EXPECT_EQ(form->Chart1->RightAxis().FormatAxisLabel(0.5, false), "0" + sep + "5");
    form->SpinEdit11->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->SpinEdit11, Qt::Key_Up);
    EXPECT_EQ(form->Edit2->text(), "0" + sep + "6");
    form->SpinEdit7->SetText("105");
    EXPECT_EQ(form->Edit1->text(), "10" + sep + "5");
    EXPECT_TRUE(form->SpinEdit7->toolTip().contains("0" + sep + "5 do 50 mm"));
}

INSTANTIATE_TEST_SUITE_P(
    Locales, Form1LocaleTest,
    testing::Values(LocaleRow{"Point", QLocale::English, QLocale::UnitedStates, '.'},
                    LocaleRow{"Comma", QLocale::German, QLocale::Germany, ','},
                    LocaleRow{"SerbianComma", QLocale::Serbian, QLocale::Serbia, ','}),
    [](const testing::TestParamInfo<LocaleRow>& info) { return std::string(info.param.name); });

// Each field says what it holds and what it takes; a display beside arrows says the same.
TEST_F(Form1FieldsTest, TooltipsGiveLabelUnitAndRange) {
    const QString sep = Sep();
    const struct {
        widgets::TSpinEdit* field;
        QString tip;
    } rows[] = {
        {form->SpinEdit1, QString::fromUtf8("Prečnik glodala, mm\nDozvoljeno: 50 do 180 mm")},
        {form->SpinEdit2, QStringLiteral("Broj zuba\nDozvoljeno: 4 do 20")},
        {form->SpinEdit3, QString::fromUtf8("Grudni ugao, °\nDozvoljeno: 0 do 20°")},
        {form->SpinEdit4, QString::fromUtf8("Ledni ugao, °\nDozvoljeno: 5 do 25°")},
        {form->SpinEdit8, QString::fromUtf8("Ugao nagiba sečiva, °\nDozvoljeno: 0 do 50°")},
        {form->SpinEdit5, QStringLiteral("Brzina rezanja, m/min\nDozvoljeno: 30 do 120 m/min")},
        {form->SpinEdit6,
         QString::fromUtf8("Brzina pomoćnog kretanja, mm/min\nDozvoljeno: 40 do 600 mm/min")},
        {form->SpinEdit7, "Dubina, mm\nDozvoljeno: 0" + sep + "5 do 50 mm"},
        {form->SpinEdit9, QString::fromUtf8("Širina, mm\nDozvoljeno: 10 do 100 mm")},
        {form->SpinEdit10, QStringLiteral("Maksimalna sila, N\nDozvoljeno: 100 do 20000 N")},
        {form->SpinEdit11, "Maksimalna debljina, mm\nDozvoljeno: 0" + sep + "1 do 1 mm"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.field->toolTip(), row.tip) << row.tip.toStdString();
    EXPECT_EQ(form->Edit1->toolTip(), form->SpinEdit7->toolTip());
    EXPECT_EQ(form->Edit2->toolTip(), form->SpinEdit11->toolTip());
}

TEST_F(Form1FieldsTest, ARedFieldsTooltipSaysSoAndKeepsTheRange) {
    form->SpinEdit1->setFocus(Qt::TabFocusReason);
    form->SpinEdit1->selectAll();
    QTest::keyClicks(form->SpinEdit1, "6");
    ASSERT_EQ(form->SpinEdit1->palette().color(QPalette::Text), QColor(Qt::red));
    const QString tip = form->SpinEdit1->toolTip();
    EXPECT_TRUE(tip.startsWith(QStringLiteral("Uneta vrednost nije dozvoljena")))
        << tip.toStdString();
    EXPECT_TRUE(tip.endsWith(QStringLiteral("Dozvoljeno: 50 do 180 mm"))) << tip.toStdString();
    QTest::keyClicks(form->SpinEdit1, "0");
    EXPECT_EQ(form->SpinEdit1->toolTip(),
              QString::fromUtf8("Prečnik glodala, mm\nDozvoljeno: 50 do 180 mm"));
}

// The depth's range follows the diameter, and so does its tooltip.
TEST_F(Form1FieldsTest, DepthTooltipFollowsTheDiameter) {
    form->SpinEdit1->SetText("180");
    form->SpinEdit7->SetText("105");
    EXPECT_TRUE(form->SpinEdit7->toolTip().endsWith("0" + Sep() + "5 do 90 mm"))
        << form->SpinEdit7->toolTip().toStdString();
    EXPECT_EQ(form->Edit1->toolTip(), form->SpinEdit7->toolTip());
}

// The clearance warning opens centred on the screen, not on the window that asked for it.
TEST(DesktopMessagesTest, ScreenErrorIsCentredOnTheScreen) {
    QWidget owner;
    owner.setGeometry(0, 0, 120, 90);
    owner.show();
    DesktopMessages messages(&owner);
    QRect box;
    QRect screen;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        box = modal->frameGeometry();
        screen = modal->screen()->availableGeometry();
        modal->close();
    });
    messages.ShowScreenError(QStringLiteral("Error"), QStringLiteral("Mali ledjni ugao!"));
    ASSERT_FALSE(box.isNull());
    EXPECT_NEAR(box.center().x(), screen.center().x(), 2);
    EXPECT_NEAR(box.center().y(), screen.center().y(), 2);
}

} // namespace
} // namespace app
