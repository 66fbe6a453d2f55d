// Switching the running program between Serbian and English: every window takes the new texts at
// once, keeps its values and selections, and comes back to the designed texts exactly.
#include "app/experiment_window.h"
#include "app/forces_window.h"
#include "app/form1.h"
#include "app/help/instruction_pictures.h"
#include "app/lab_test_support.h"
#include "app/main_menu.h"
#include "app/scenario_tools.h"
#include "chart/chart_widget.h"
#include "chart/series/chart_series.h"
#include "lab/sweep.h"
#include "language/language.h"
#include "sim/materials.h"

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <map>
#include <set>

namespace app {
namespace {

class LanguageSwitchTest : public LabWindowTest {
protected:
    void TearDown() override { language::SetLanguage(language::Language::Serbian); }

    static void Switch(language::Language language) {
        ASSERT_TRUE(language::SetLanguage(language));
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
        for (const QAction* action : form->MainMenuBar->findChildren<QAction*>())
            captions["action" + std::to_string(i++)] = action->text();
        captions["workpiece"] = form->ComboBox1->currentText();
        captions["tool"] = form->ComboBox2->currentText();
        captions["chart"] = form->Chart1->Title.Text().join(u'\n');
        return captions;
    }

    QAction* LanguageItem(const char* text) const {
        for (QAction* action : form->MainMenuBar->findChildren<QAction*>())
            if (action->text() == QString::fromUtf8(text))
                return action;
        return nullptr;
    }

    // The menu remembers the choice in the user's settings: here, in a folder of the test.
    SettingsOfTheTest settings;
};

TEST_F(LanguageSwitchTest, MainWindowTakesEnglishAndComesBackToTheDesignedTexts) {
    const std::map<std::string, QString> serbian = Captions();
    Switch(language::Language::English);
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
    EXPECT_EQ(form->MainMenuBar->actions().front()->text(), "&File");
    // A label never gets narrower than its text.
    for (const QLabel* label : ClientArea(*form)->findChildren<QLabel*>())
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();

    Switch(language::Language::Serbian);
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
    Switch(language::Language::English);
    // "Clearance angle, " is longer and "Helix angle, " shorter than the Serbian texts.
    EXPECT_GT(angles[1].mark->x(), 66);
    EXPECT_LT(angles[2].mark->x(), 106);
    for (size_t i = 0; i < std::size(angles); ++i)
        EXPECT_EQ(gap(angles[i]), serbianGaps[i]) << i;
    Switch(language::Language::Serbian);
    for (const Angle& a : angles)
        EXPECT_EQ(a.mark->x(), a.designedLeft);
}

TEST_F(LanguageSwitchTest, ChosenMaterialsAndTypedTextsStayAndNoHandlerRuns) {
    form->ComboBox1->setCurrentIndex(2);
    form->ComboBox2->setEditText(QStringLiteral("P3"));
    const sim::SimState before = form->State();
    Switch(language::Language::English);
    EXPECT_EQ(form->ComboBox1->currentText(), QString::fromUtf8(sim::kWorkpieceMaterials[2].name));
    EXPECT_EQ(form->ComboBox2->currentText(), "P3");
    EXPECT_EQ(form->State().WorkpieceMaterial, before.WorkpieceMaterial);
    EXPECT_EQ(form->State().ToolMaterial, before.ToolMaterial);
    Switch(language::Language::Serbian);
    EXPECT_EQ(form->ComboBox2->currentText(), "P3");
}

TEST_F(LanguageSwitchTest, CoreWarningsAreShownInTheChosenLanguage) {
    Switch(language::Language::English);
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said.back(), "warning: Choose the tool and the workpiece material!");
    Switch(language::Language::Serbian);
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    EXPECT_EQ(said.back(), "warning: Izaberite materijal alata i obratka!");
}

TEST_F(LanguageSwitchTest, InstructionsAreDrawnAgainInEachLanguage) {
    const QImage serbianText = instructions->Image2->pixmap().toImage();
    const QImage serbianPicture = instructions->Image1->pixmap().toImage();
    Switch(language::Language::English);
    EXPECT_EQ(instructions->windowTitle(), "Instructions");
    EXPECT_NE(instructions->Image2->pixmap().toImage(), serbianText);
    EXPECT_NE(instructions->Image1->pixmap().toImage(), serbianPicture);
    EXPECT_TRUE(InstructionParagraphs()[1].contains(QString::fromUtf8("“Run”")));
    Switch(language::Language::Serbian);
    EXPECT_EQ(instructions->windowTitle(), "Instrukcije");
    EXPECT_EQ(instructions->Image2->pixmap().toImage(), serbianText);
    EXPECT_EQ(instructions->Image1->pixmap().toImage(), serbianPicture);
}

TEST_F(LanguageSwitchTest, MeasurementsAndRunLogWindowsFollow) {
    TMeasurementsWindow* measurements = form->Tools().MeasurementsWindow();
    TRunLogWindow* runLog = form->Tools().RunLogWindow();
    Switch(language::Language::English);
    EXPECT_EQ(measurements->windowTitle(), "Measurements");
    EXPECT_EQ(measurements->AddToLogButton->text(), "Add to the run log");
    EXPECT_EQ(runLog->windowTitle(), "Run log");
    EXPECT_EQ(runLog->Table->horizontalHeaderItem(9)->text(), "Workpiece");
    EXPECT_EQ(runLog->ClearButton->text(), "Clear all");
    Switch(language::Language::Serbian);
    EXPECT_EQ(measurements->windowTitle(), "Merenja");
    EXPECT_EQ(measurements->AddToLogButton->text(), "Dodaj u dnevnik");
    EXPECT_EQ(runLog->Table->horizontalHeaderItem(9)->text(), "Obradak");
    EXPECT_EQ(runLog->ClearButton->text(), QString::fromUtf8("Obriši sve"));
}

// The window's captions and the titles drawn in its pictures, also while it is hidden.
TEST_F(LanguageSwitchTest, ForcesWindowFollowsWithItsPictures) {
    TForcesWindow* forces = form->Tools().ForcesWindow();
    chart::TChart& polar = forces->PolarChart->Chart();
    Switch(language::Language::English);
    EXPECT_EQ(forces->windowTitle(), "Forces");
    EXPECT_EQ(polar.Title.Text(), QStringList{"Force on the workpiece"});
    EXPECT_EQ(polar.BottomAxis().Title.Caption(), "Along the feed F_f, N");
    EXPECT_EQ(forces->MapChart->Chart().Series(2)->Title(), "edge in the cut");
    EXPECT_NE(FindAction(form->MainMenuBar, "per tooth"), nullptr);
    Switch(language::Language::Serbian);
    EXPECT_EQ(forces->windowTitle(), "Sile");
    EXPECT_EQ(polar.Title.Text(), QStringList{"Sila na obratku"});
    EXPECT_EQ(forces->MapChart->Chart().Series(2)->Title(), QString::fromUtf8("sečivo u zahvatu"));
    EXPECT_NE(FindAction(form->MainMenuBar, "po zubu"), nullptr);
}

TEST_F(LanguageSwitchTest, LanguageMenuSwitchesAtOnceAndRemembersTheChoice) {
    QAction* english = LanguageItem("English");
    QAction* serbian = LanguageItem("Srpski");
    ASSERT_NE(english, nullptr);
    ASSERT_NE(serbian, nullptr);
    EXPECT_TRUE(serbian->isChecked());
    english->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(language::CurrentLanguage(), language::Language::English);
    EXPECT_EQ(form->Button1->text(), "Run");
    EXPECT_TRUE(english->isChecked());
    EXPECT_EQ(language::SavedLanguage(*language::UserSettings()), language::Language::English);

    serbian->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(language::CurrentLanguage(), language::Language::Serbian);
    EXPECT_EQ(form->Button1->text(), "Proces");
    EXPECT_TRUE(serbian->isChecked());
    EXPECT_EQ(language::SavedLanguage(*language::UserSettings()), language::Language::Serbian);
}

// Every text the experiment window shows: title, labels, buttons, list items, headers, cells,
// and the plot's titles and legend.
std::vector<QString> ExperimentTexts(const TExperimentWindow& window) {
    std::vector<QString> texts{window.windowTitle()};
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts.push_back(label->text());
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        texts.push_back(button->text());
    for (int i = 0; i < window.InputChoice->count(); ++i)
        texts.push_back(window.InputChoice->itemText(i));
    for (int c = 0; c < window.Table->columnCount(); ++c) {
        texts.push_back(window.Table->horizontalHeaderItem(c)->text());
        for (int r = 0; r < window.Table->rowCount(); ++r)
            texts.push_back(window.Table->item(r, c) ? window.Table->item(r, c)->text() : "");
    }
    texts.push_back(window.Chart->Title.Text().join(u'\n'));
    texts.push_back(window.Chart->BottomAxis().Title.Caption());
    texts.push_back(window.Chart->LeftAxis().Title.Caption());
    for (int i = 0; i < window.Chart->SeriesCount(); ++i)
        texts.push_back(window.Chart->Series(i)->Title());
    return texts;
}

TEST_F(LanguageSwitchTest, ExperimentWindowFollowsWithItsRowsAndPlot) {
    TExperimentWindow* window = ShowExperiment(*form);
    // No workpiece material: every run is skipped for what the core reports, at once.
    window->InputChoice->setCurrentIndex(window->InputChoice->count() - 1);
    QSignalSpy finished(window, &TExperimentWindow::Finished);
    window->RunClick();
    ASSERT_TRUE(finished.wait(60000));
    ASSERT_EQ(window->Table->rowCount(), 2);
    window->KeepClick();
    const std::vector<QString> serbian = ExperimentTexts(*window);
    EXPECT_EQ(window->Table->item(0, 1)->text(),
              QString::fromUtf8("preskočeno: Izaberite materijal alata i obratka!"));
    EXPECT_EQ(window->StatusLabel->text(), QString::fromUtf8("Gotovo: 0 od 2 izvođenja."));

    Switch(language::Language::English);
    EXPECT_EQ(window->windowTitle(), "Experiment");
    EXPECT_EQ(window->RunButton->text(), "Start");
    EXPECT_EQ(window->SaveCsvButton->text(), "Save the table as CSV...");
    EXPECT_EQ(window->Table->horizontalHeaderItem(0)->text(), "Value");
    EXPECT_EQ(window->Table->item(0, 1)->text(),
              "skipped: Choose the tool and the workpiece material!");
    EXPECT_EQ(window->StatusLabel->text(), "Done: 0 of 2 runs.");
    EXPECT_EQ(window->LimitsLabel->text(),
              "One run for each item of the list; the other inputs are as in the main window.");
    EXPECT_EQ(window->InputChoice->currentText(), "Both milling directions");
    EXPECT_EQ(window->InputChoice->itemText(static_cast<int>(sim::InputField::Feed)),
              "Feed speed, mm/min");
    EXPECT_EQ(window->Chart->Title.Text(), QStringList{"Mean force as one input varies"});
    EXPECT_EQ(window->Chart->BottomAxis().Title.Caption(), "Milling direction");
    EXPECT_EQ(window->Chart->Series(2)->Title(), "Series 1: simulation");
    // Nothing Serbian is left: every text changed, except the symbols that read the same.
    const std::vector<QString> english = ExperimentTexts(*window);
    ASSERT_EQ(english.size(), serbian.size());
    const std::set<QString> same = {"", "up", "down", "h_max, mm", "h_m, mm"};
    for (size_t i = 0; i < english.size(); ++i) {
        if (same.count(serbian[i]) == 0) {
            EXPECT_NE(english[i], serbian[i]) << serbian[i].toStdString();
        }
    }

    Switch(language::Language::Serbian);
    EXPECT_EQ(ExperimentTexts(*window), serbian);
}

TEST_F(LanguageSwitchTest, ExperimentLimitsFollowTheChosenField) {
    TExperimentWindow* window = ShowExperiment(*form);
    window->InputChoice->setCurrentIndex(static_cast<int>(sim::InputField::Depth));
    const double from = window->FromEdit->value();
    Switch(language::Language::English);
    EXPECT_EQ(window->LimitsLabel->text(),
              "Field limits: 0.5 to 50 mm; “To” is not below “From”, the step is at least 0.1. "
              "A depth of cut above half the cutter diameter is skipped.");
    EXPECT_EQ(window->FromEdit->value(), from);
    Switch(language::Language::Serbian);
    EXPECT_TRUE(window->LimitsLabel->text().startsWith(QString::fromUtf8("Granice polja: 0.5")));
}

TEST_F(LanguageSwitchTest, BatchPlotTextsFollowTheLanguage) {
    lab::SweepPlan plan;
    plan.field = sim::InputField::Helix;
    Switch(language::Language::English);
    EXPECT_EQ(lab::SweepAxisTitle(plan), "Helix angle, °");
    EXPECT_EQ(lab::TranslatedCoreText("Materijal alata nije zadat!"), "No tool material chosen!");
    EXPECT_EQ(lab::TranslatedCoreText("--depth: x"), "--depth: x");
    Switch(language::Language::Serbian);
    EXPECT_EQ(lab::SweepAxisTitle(plan), "Ugao nagiba sečiva, °");
}

class ScenarioLanguageTest : public LanguageSwitchTest {
protected:
    void SetUp() override {
        LanguageSwitchTest::SetUp();
        ScenarioTools& s = form->Scenarios();
        s.RecentStore = PathOf("recent.ini");
        s.ShowText = [](const QString&, const QString&) {};
    }
};

TEST_F(ScenarioLanguageTest, MenuItemsFollowAndComeBack) {
    const ScenarioTools& s = form->Scenarios();
    Switch(language::Language::English);
    EXPECT_EQ(s.OpenAction->text(), QString::fromUtf8("Open scenario…"));
    EXPECT_EQ(s.SaveAction->text(), QString::fromUtf8("Save scenario…"));
    EXPECT_EQ(s.RecentMenu->title(), "Recent");
    EXPECT_EQ(s.TextAction->text(), "Exercise text");
    emit s.RecentMenu->aboutToShow();
    EXPECT_EQ(s.RecentMenu->actions().value(0)->text(), "(none)");
    Switch(language::Language::Serbian);
    EXPECT_EQ(s.OpenAction->text(), QString::fromUtf8("Otvori scenario…"));
    EXPECT_EQ(s.SaveAction->text(), QString::fromUtf8("Sačuvaj scenario…"));
    EXPECT_EQ(s.RecentMenu->title(), "Nedavni");
    EXPECT_EQ(s.TextAction->text(), QString::fromUtf8("Tekst vežbe"));
}

// The scenario's own title is the teacher's text: it stays after the translated window title.
TEST_F(ScenarioLanguageTest, ScenarioTitleSurvivesEverySwitch) {
    ASSERT_TRUE(form->Scenarios().Open(QStringLiteral(GLODANJE_EXAMPLES "/nagib_seciva.glodanje")));
    const QString serbian = form->windowTitle();
    EXPECT_EQ(serbian, QString::fromUtf8("Odredjivanje otpora rezanja pri obimnom glodanju — "
                                         "Ugao nagiba sečiva i vrh sile"));
    Switch(language::Language::English);
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Cutting force in peripheral milling — "
                                                     "Ugao nagiba sečiva i vrh sile"));
    Switch(language::Language::Serbian);
    EXPECT_EQ(form->windowTitle(), serbian);
    Switch(language::Language::English);
    Switch(language::Language::English);
    EXPECT_TRUE(
        form->windowTitle().endsWith(QString::fromUtf8(" — Ugao nagiba sečiva i vrh sile")));
}

TEST_F(ScenarioLanguageTest, BadFileIsReportedInEnglish) {
    const QString path = PathOf("bad.glodanje");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[glodanje]\ndiameter = 160\ndiameter = 170\n");
    file.close();
    Switch(language::Language::English);
    said.clear();
    EXPECT_FALSE(form->Scenarios().Open(path));
    ASSERT_EQ(said.size(), 2u);
    EXPECT_EQ(said[1], "error Error: Scenario “" + path.toStdString() +
                           "”, line 3: key “diameter”: given a second time.\nNothing was changed.");
}

} // namespace
} // namespace app
