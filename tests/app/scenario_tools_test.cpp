#include "app/scenario_tools.h"

#include "lab_test_support.h"
#include "sim/state_compare.h"
#include "widgets/spin_edit.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

namespace app {
namespace {

using sim::InputField;

class ScenarioWindowTest : public LabWindowTest {
protected:
    void SetUp() override {
        LabWindowTest::SetUp();
        Prepare(*form);
    }
    // Dialogs answered from the test, messages recorded, recent files kept in the test folder.
    void Prepare(TForm1& window) {
        ScenarioTools& s = window.Scenarios();
        s.RecentStore = PathOf("recent.ini");
        s.ChooseSaveFile = [this](const QString&, const QString&, const QString&) {
            return answer;
        };
        s.ChooseOpenFile = [this](const QString&, const QString&, const QString&) {
            return answer;
        };
        s.ShowText = [this](const QString& title, const QString& text) {
            shown.push_back(title.toStdString() + ": " + text.toStdString());
        };
    }
    QString Write(const char* name, const char* content) {
        QFile file(PathOf(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    }
    std::unique_ptr<TForm1> FreshWindow() {
        auto window = std::make_unique<TForm1>(std::make_unique<SilentMessages>(&said));
        Prepare(*window);
        return window;
    }

    std::vector<std::string> shown;
};

// Typed values, chosen materials, direction, force model and K_r survive a save and an open in a
// fresh window, bit for bit, and saving again writes the same bytes.
TEST_F(ScenarioWindowTest, SaveThenOpenGivesTheSameState) {
    const char* typed[] = {"160", "12", "15", "7", "45", "90", "320", "235", "40", "8000", "7"};
    for (const sim::InputFieldSpec& fieldSpec : sim::kInputFields) {
        FieldEdit(*form, fieldSpec.field)
            ->SetText(QString::fromUtf8(typed[size_t(fieldSpec.field)]));
    }
    form->ComboBox1->setCurrentIndex(form->ComboBox1->findText(QStringLiteral("AlSi8")));
    form->ComboBox2->setCurrentIndex(form->ComboBox2->findText(QStringLiteral("K40")));
    QTest::mouseClick(form->RadioButton2, Qt::LeftButton);
    form->SetForceModel(sim::ForceModel::PerTooth);
    ASSERT_TRUE(form->SetRadialForceRatio(0.2 + 3 * 0.05));
    answer = PathOf("round");
    form->Scenarios().SaveChosen();
    ASSERT_TRUE(QFile::exists(PathOf("round.glodanje"))) << said.size();

    std::unique_ptr<TForm1> other = FreshWindow();
    ASSERT_TRUE(other->Scenarios().Open(PathOf("round.glodanje")));
    EXPECT_TRUE(sim::StatesIdentical(form->State(), other->State()));
    EXPECT_EQ(other->CutterPicture(), form->CutterPicture());
    for (const sim::InputFieldSpec& fieldSpec : sim::kInputFields) {
        EXPECT_EQ(FieldEdit(*other, fieldSpec.field)->Text(),
                  FieldEdit(*form, fieldSpec.field)->Text())
            << fieldSpec.key;
    }
    EXPECT_EQ(other->ComboBox1->currentText(), QStringLiteral("AlSi8"));
    EXPECT_TRUE(other->RadioButton2->isChecked());
    answer = PathOf("again.glodanje");
    other->Scenarios().SaveChosen();
    QFile first(PathOf("round.glodanje")), second(PathOf("again.glodanje"));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), second.readAll());
    // Only the clearance warning of the typed 7 degrees at 12 teeth; no error.
    for (const std::string& line : said) {
        EXPECT_EQ(line.find("error"), std::string::npos) << line;
    }
}

struct BadScenarioRow {
    const char* name;
    const char* content;
    const char* message; // after "Scenario „FILE“"
};

class BadScenarioTest : public ScenarioWindowTest,
                        public ::testing::WithParamInterface<BadScenarioRow> {};

// One error naming file, line and key; the window keeps its state, fields, title and list.
TEST_P(BadScenarioTest, ChangesNothing) {
    FieldEdit(*form, InputField::Teeth)->SetText(QStringLiteral("10"));
    const auto before = std::make_unique<sim::SimState>(form->State());
    const QString title = form->windowTitle();
    said.clear();
    const QString path = Write("bad.glodanje", GetParam().content);
    EXPECT_FALSE(form->Scenarios().Open(path));
    ASSERT_EQ(said.size(), 2u);
    EXPECT_EQ(said[0], "beep");
    EXPECT_EQ(said[1], "error Greška: Scenario „" + path.toStdString() + "“" + GetParam().message +
                           ".\nNišta nije promenjeno.");
    EXPECT_TRUE(sim::StatesIdentical(*before, form->State()));
    EXPECT_EQ(FieldEdit(*form, InputField::Diameter)->Text(), QStringLiteral("100"));
    EXPECT_EQ(form->windowTitle(), title);
    EXPECT_TRUE(form->Scenarios().RecentFiles().isEmpty());
    EXPECT_TRUE(shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadScenarioTest,
    ::testing::Values(
        BadScenarioRow{"LastKeyUnknown", "[glodanje]\ndiameter = 160\nteeth = 12\nradius = 3\n",
                       ", red 4: nepoznat ključ „radius“"},
        BadScenarioRow{"DepthBeyondTheNewDiameter",
                       "[glodanje]\ndiameter = 50\nworkpiece = C35\ndepth = 30\n",
                       ", red 4: ključ „depth“: 30 je izvan granica 0.5..25"},
        BadScenarioRow{"Duplicate", "[glodanje]\ndiameter = 160\ndiameter = 170\n",
                       ", red 3: ključ „diameter“: naveden je drugi put"},
        BadScenarioRow{"Material", "[glodanje]\ndiameter = 160\ntool = HSS\n",
                       ", red 3: ključ „tool“: nepoznat materijal „HSS“"},
        BadScenarioRow{"Malformed", "[glodanje]\ndiameter = 160\nfeed = 1.5e2\n",
                       ", red 3: ključ „feed“: „1.5e2“ nije broj za ovo polje"},
        BadScenarioRow{"ForceModel", "[glodanje]\ndiameter = 160\nmodel = chips\n",
                       ", red 3: ključ „model“: „chips“ nije ni sum ni tooth"},
        BadScenarioRow{"RadialRatio", "[glodanje]\nmodel = tooth\nradial_ratio = 0.7\n",
                       ", red 3: ključ „radial_ratio“: 0.7 je izvan granica 0.2..0.6"}),
    [](const ::testing::TestParamInfo<BadScenarioRow>& info) { return info.param.name; });

TEST_F(ScenarioWindowTest, MissingFileIsReportedAndChangesNothing) {
    EXPECT_FALSE(form->Scenarios().Open(PathOf("none.glodanje")));
    ASSERT_EQ(said.size(), 2u);
    EXPECT_NE(said[1].find("datoteka ne postoji"), std::string::npos) << said[1];
}

TEST_F(ScenarioWindowTest, ExampleShowsTitleAndTextAndIsRemembered) {
    const QString example = QStringLiteral(GLODANJE_EXAMPLES "/nagib_seciva.glodanje");
    ASSERT_TRUE(form->Scenarios().Open(example));
    EXPECT_EQ(form->State().ToothCount, 6);
    EXPECT_EQ(form->State().WorkpieceMaterial, 2);
    EXPECT_TRUE(
        form->windowTitle().endsWith(QString::fromUtf8(" — Ugao nagiba sečiva i vrh sile")));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("Ugao nagiba sečiva i vrh sile: Glodalo ima 6 zuba", 0), 0u);
    ASSERT_TRUE(form->Scenarios().TextAction->isEnabled());
    form->Scenarios().TextAction->trigger();
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(form->Scenarios().RecentFiles(), QStringList{example});
}

TEST_F(ScenarioWindowTest, RecentListKeepsTheFiveNewestOnce) {
    QStringList paths;
    for (int i = 0; i < 6; ++i) {
        const QByteArray name = QStringLiteral("s%1.glodanje").arg(i).toUtf8();
        paths.prepend(Write(name.constData(), "[glodanje]\nteeth = 10\n"));
        ASSERT_TRUE(form->Scenarios().Open(paths.front()));
    }
    ASSERT_TRUE(form->Scenarios().Open(paths[2]));
    const QStringList expected{paths[2], paths[0], paths[1], paths[3], paths[4]};
    EXPECT_EQ(form->Scenarios().RecentFiles(), expected);
    // The menu offers them, newest first, and opens them.
    emit form->Scenarios().RecentMenu->aboutToShow();
    const QList<QAction*> items = form->Scenarios().RecentMenu->actions();
    ASSERT_EQ(items.size(), 5);
    EXPECT_EQ(items[0]->text(), QStringLiteral("s3.glodanje"));
}

TEST_F(ScenarioWindowTest, MenuItemsSitAboveTheDesignedOnes) {
    const QList<QAction*> file = form->MainMenuBar->actions().front()->menu()->actions();
    EXPECT_EQ(file[0]->text(), QString::fromUtf8("Otvori scenario…"));
    EXPECT_EQ(file[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(file[1]->text(), QString::fromUtf8("Sačuvaj scenario…"));
    EXPECT_EQ(file[2]->menu(), form->Scenarios().RecentMenu);
    EXPECT_EQ(file[4]->text(), QString::fromUtf8("Sačuvaj tragove kao CSV..."));
    EXPECT_FALSE(form->Scenarios().TextAction->isEnabled());
}

TEST_F(ScenarioWindowTest, FieldWithoutAValidValueIsNotSaved) {
    FieldEdit(*form, InputField::Diameter)->SetText(QStringLiteral("300"));
    said.clear();
    answer = PathOf("x.glodanje");
    form->Scenarios().SaveChosen();
    EXPECT_FALSE(QFile::exists(answer));
    ASSERT_EQ(said.size(), 2u);
    EXPECT_EQ(said[1], "error Greška: Polje „Prečnik glodala, mm“ nema ispravnu vrednost "
                       "(„300“); scenario nije sačuvan.");
}

struct ArgumentRow {
    const char* name;
    QStringList arguments;
    const char* file;
};

class ScenarioArgumentTest : public ::testing::TestWithParam<ArgumentRow> {};

TEST_P(ScenarioArgumentTest, FindsTheFile) {
    EXPECT_EQ(ScenarioArgument(GetParam().arguments), QString::fromUtf8(GetParam().file));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ScenarioArgumentTest,
    ::testing::Values(ArgumentRow{"None", {"glodanje"}, ""},
                      ArgumentRow{"Alone", {"glodanje", "a.glodanje"}, "a.glodanje"},
                      ArgumentRow{"AfterLanguage", {"glodanje", "--lang", "en", "b"}, "b"},
                      ArgumentRow{"LanguageJoined", {"glodanje", "--lang=en", "c"}, "c"},
                      ArgumentRow{"OnlyOptions", {"glodanje", "--lang", "sr"}, ""}),
    [](const ::testing::TestParamInfo<ArgumentRow>& info) { return info.param.name; });

} // namespace
} // namespace app
