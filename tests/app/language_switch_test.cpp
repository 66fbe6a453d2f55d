// Switching the running program between Serbian and English: every window takes the new texts at
// once, keeps its values and selections, and comes back to the designed texts exactly.
#include "app/form1.h"
#include "app/instruction_pictures.h"
#include "app/lab_test_support.h"
#include "app/language.h"
#include "app/main_menu.h"
#include "sim/materials.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTableWidget>
#include <map>

namespace app {
namespace {

class LanguageSwitchTest : public LabWindowTest {
protected:
    void SetUp() override {
        // The menu remembers the choice in the user's settings: here, in a folder of the test.
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
        LabWindowTest::SetUp();
    }
    void TearDown() override {
        SetLanguage(Language::Serbian);
        QSettings::setDefaultFormat(QSettings::NativeFormat);
    }

    static void Switch(Language language) {
        ASSERT_TRUE(SetLanguage(language));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }

    // Every caption of the main window and its menu, and the place of every label, by name.
    std::map<std::string, QString> Captions() const {
        std::map<std::string, QString> captions;
        captions["title"] = form->windowTitle();
        // The designed controls only: the measurements and run log windows are children too.
        const QWidget* client = ClientArea(*form);
        int i = 0;
        for (const QLabel* label : client->findChildren<QLabel*>()) {
            const std::string key = "label" + std::to_string(i++);
            captions[key] = label->text();
            captions[key + ".geometry"] = QStringLiteral("%1,%2 %3x%4")
                                              .arg(label->x())
                                              .arg(label->y())
                                              .arg(label->width())
                                              .arg(label->height());
        }
        for (const QAbstractButton* button : client->findChildren<QAbstractButton*>())
            captions["button" + std::to_string(i++)] = button->text();
        for (const QGroupBox* box : client->findChildren<QGroupBox*>())
            captions["group" + std::to_string(i++)] = box->title();
        for (const QAction* action : form->MenuBar1->findChildren<QAction*>())
            captions["action" + std::to_string(i++)] = action->text();
        captions["workpiece"] = form->ComboBox1->currentText();
        captions["tool"] = form->ComboBox2->currentText();
        captions["chart"] = form->Chart1->Title.Text().join(u'\n');
        return captions;
    }

    QAction* LanguageItem(const char* text) const {
        for (QAction* action : form->MenuBar1->findChildren<QAction*>())
            if (action->text() == QString::fromUtf8(text))
                return action;
        return nullptr;
    }

    QTemporaryDir settingsDir;
};

TEST_F(LanguageSwitchTest, MainWindowTakesEnglishAndComesBackToTheDesignedTexts) {
    const std::map<std::string, QString> serbian = Captions();
    Switch(Language::English);
    EXPECT_EQ(form->windowTitle(), "Cutting force in peripheral milling");
    EXPECT_EQ(form->Button1->text(), "Run");
    EXPECT_EQ(form->Button3->text(), "Pause");
    EXPECT_EQ(form->Button4->text(), "Initial state");
    EXPECT_EQ(form->Label15->text(), "Up milling");
    EXPECT_EQ(form->Label16->text(), "Down milling");
    EXPECT_EQ(form->GroupBox1->title(), "Tool geometry");
    EXPECT_EQ(form->Label2->text(), "Cutter diameter, mm");
    EXPECT_EQ(form->Label5->text(), "Clearance angle, ");
    EXPECT_EQ(form->Label7->text(), "Feed speed, ");
    EXPECT_EQ(form->Label13->text(), "chip, mm");
    EXPECT_EQ(form->ComboBox1->currentText(), "Workpiece material");
    EXPECT_EQ(form->ComboBox2->currentText(), "Tool material");
    EXPECT_EQ(form->Chart1->Title.Text(), QStringList{"Oscillograph"});
    EXPECT_EQ(form->MenuBar1->actions().front()->text(), "&File");
    // A label never gets narrower than its text.
    for (const QLabel* label : ClientArea(*form)->findChildren<QLabel*>())
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();

    Switch(Language::Serbian);
    EXPECT_EQ(Captions(), serbian);
}

TEST_F(LanguageSwitchTest, DegreeMarksFollowTheEndsOfTheirLabels) {
    struct Angle {
        QLabel* label;
        QLabel* mark;
        int designedLeft;
    };
    const Angle angles[] = {{form->Label4, form->Label17, 72},
                            {form->Label5, form->Label18, 66},
                            {form->Label9, form->Label19, 106}};
    const auto gap = [](const Angle& a) {
        return a.mark->x() - (a.label->x() + a.label->sizeHint().width());
    };
    std::vector<int> serbianGaps;
    for (const Angle& a : angles) {
        EXPECT_EQ(a.mark->x(), a.designedLeft);
        serbianGaps.push_back(gap(a));
    }
    Switch(Language::English);
    // "Clearance angle, " is longer and "Helix angle, " shorter than the Serbian texts.
    EXPECT_GT(angles[1].mark->x(), 66);
    EXPECT_LT(angles[2].mark->x(), 106);
    for (size_t i = 0; i < std::size(angles); ++i)
        EXPECT_EQ(gap(angles[i]), serbianGaps[i]) << i;
    Switch(Language::Serbian);
    for (const Angle& a : angles)
        EXPECT_EQ(a.mark->x(), a.designedLeft);
}

TEST_F(LanguageSwitchTest, ChosenMaterialsAndTypedTextsStayAndNoHandlerRuns) {
    form->ComboBox1->setCurrentIndex(2);
    form->ComboBox2->setEditText(QStringLiteral("P3"));
    const sim::SimState before = form->State();
    Switch(Language::English);
    EXPECT_EQ(form->ComboBox1->currentText(), QString::fromUtf8(sim::kWorkpieceMaterials[2].name));
    EXPECT_EQ(form->ComboBox2->currentText(), "P3");
    EXPECT_EQ(form->State().WorkpieceMaterial, before.WorkpieceMaterial);
    EXPECT_EQ(form->State().ToolMaterial, before.ToolMaterial);
    Switch(Language::Serbian);
    EXPECT_EQ(form->ComboBox2->currentText(), "P3");
}

TEST_F(LanguageSwitchTest, CoreWarningsAreShownInTheChosenLanguage) {
    Switch(Language::English);
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said.back(), "warning: Choose the tool and the workpiece material!");
    Switch(Language::Serbian);
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    EXPECT_EQ(said.back(), "warning: Izaberite materijal alata i obratka!");
}

TEST_F(LanguageSwitchTest, InstructionsAreDrawnAgainInEachLanguage) {
    const QImage serbianText = instructions->Image2->pixmap().toImage();
    const QImage serbianPicture = instructions->Image1->pixmap().toImage();
    Switch(Language::English);
    EXPECT_EQ(instructions->windowTitle(), "Instructions");
    EXPECT_NE(instructions->Image2->pixmap().toImage(), serbianText);
    EXPECT_NE(instructions->Image1->pixmap().toImage(), serbianPicture);
    EXPECT_TRUE(InstructionParagraphs()[1].contains(QString::fromUtf8("“Run”")));
    Switch(Language::Serbian);
    EXPECT_EQ(instructions->windowTitle(), "Instrukcije");
    EXPECT_EQ(instructions->Image2->pixmap().toImage(), serbianText);
    EXPECT_EQ(instructions->Image1->pixmap().toImage(), serbianPicture);
}

TEST_F(LanguageSwitchTest, MeasurementsAndRunLogWindowsFollow) {
    TMeasurementsWindow* measurements = form->Tools().MeasurementsWindow();
    TRunLogWindow* runLog = form->Tools().RunLogWindow();
    Switch(Language::English);
    EXPECT_EQ(measurements->windowTitle(), "Measurements");
    EXPECT_EQ(measurements->AddToLogButton->text(), "Add to the run log");
    EXPECT_EQ(runLog->windowTitle(), "Run log");
    EXPECT_EQ(runLog->Table->horizontalHeaderItem(9)->text(), "Workpiece");
    EXPECT_EQ(runLog->ClearButton->text(), "Clear all");
    Switch(Language::Serbian);
    EXPECT_EQ(measurements->windowTitle(), "Merenja");
    EXPECT_EQ(measurements->AddToLogButton->text(), "Dodaj u dnevnik");
    EXPECT_EQ(runLog->Table->horizontalHeaderItem(9)->text(), "Obradak");
    EXPECT_EQ(runLog->ClearButton->text(), QString::fromUtf8("Obriši sve"));
}

TEST_F(LanguageSwitchTest, LanguageMenuSwitchesAtOnceAndRemembersTheChoice) {
    QAction* english = LanguageItem("English");
    QAction* serbian = LanguageItem("Srpski");
    ASSERT_NE(english, nullptr);
    ASSERT_NE(serbian, nullptr);
    EXPECT_TRUE(serbian->isChecked());
    english->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(CurrentLanguage(), Language::English);
    EXPECT_EQ(form->Button1->text(), "Run");
    EXPECT_TRUE(english->isChecked());
    EXPECT_EQ(SavedLanguage(*UserSettings()), Language::English);

    serbian->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(CurrentLanguage(), Language::Serbian);
    EXPECT_EQ(form->Button1->text(), "Proces");
    EXPECT_TRUE(serbian->isChecked());
    EXPECT_EQ(SavedLanguage(*UserSettings()), Language::Serbian);
}

} // namespace
} // namespace app
