// The menu bar of the main window and what its "Datoteka" items save: the traces as the batch
// runner writes them, and the two pictures as the batch runner draws them.
#include "app/main_menu.h"
#include "chart/chart_widget.h"
#include "lab/run_csv.h"

#include "app/lab_test_support.h"
#include "batch/batch_pictures.h"
#include "batch/batch_run.h"
#include "support/file_size_limit.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <functional>
#include <sstream>

namespace app {
namespace {

using MainMenuTest = LabWindowTest;

// The items of a menu as "text|shortcut", separators left out.
std::vector<std::string> Items(QMenu* menu) {
    std::vector<std::string> items;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            items.push_back(action->text().toStdString() + "|" +
                            action->shortcut().toString().toStdString());
    }
    return items;
}

TEST_F(MainMenuTest, MenusHoldTheirItemsWithTheUsualShortcuts) {
    const QList<QAction*> menus = form->MainMenuBar->actions();
    ASSERT_EQ(menus.size(), 6);
    EXPECT_EQ(menus[0]->text(), "&Datoteka");
    EXPECT_EQ(menus[1]->text(), "&Analiza");
    EXPECT_EQ(menus[2]->text(), "P&rikaz");
    EXPECT_EQ(menus[3]->text(), "&Model");
    EXPECT_EQ(menus[4]->text(), QString::fromUtf8("&Pomoć"));
    EXPECT_EQ(Items(menus[0]->menu()),
              (std::vector<std::string>{
                  "Otvori scenario…|Ctrl+O", "Sačuvaj scenario…|", "Nedavni|",
                  "Sačuvaj tragove kao CSV...|Ctrl+S", "Sačuvaj oscilograf kao PNG...|",
                  "Sačuvaj sliku glodala kao PNG...|", "Snimi animaciju…|", "Izlaz|Ctrl+Q"}));
    EXPECT_EQ(Items(menus[1]->menu()),
              (std::vector<std::string>{"Merenja|Ctrl+M", "Dnevnik|Ctrl+L", "Eksperiment...|Ctrl+E",
                                        "Sile|"}));
    EXPECT_EQ(Items(menus[2]->menu()),
              (std::vector<std::string>{"Uvećanje|", "Ceo ekran|F11", "Vektori sila|"}));
    EXPECT_EQ(Items(menus[2]->menu()->actions()[0]->menu()),
              (std::vector<std::string>{"100 %|", "150 %|", "200 %|", "300 %|"}));
    EXPECT_EQ(Items(menus[3]->menu()), (std::vector<std::string>{"Model sile|"}));
    EXPECT_EQ(Items(menus[3]->menu()->actions()[0]->menu()),
              (std::vector<std::string>{"zbirna strugotina|", "po zubu|"}));
    EXPECT_EQ(Items(menus[4]->menu()),
              (std::vector<std::string>{"Tekst vežbe|", "Uputstvo|F1", "O programu|"}));
}

TEST_F(MainMenuTest, DesignedControlsKeepTheirPlacesBelowTheBar) {
    QWidget* client = ClientArea(*form);
    ASSERT_NE(client, nullptr);
    const int bar = form->MainMenuBar->height();
    EXPECT_GT(bar, 0);
    EXPECT_EQ(form->MainMenuBar->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(client->geometry(), QRect(0, bar, TForm1::kClientWidth, TForm1::kClientHeight));
    EXPECT_EQ(form->size(), QSize(TForm1::kClientWidth, TForm1::kClientHeight + bar));
    EXPECT_EQ(form->Image1->parentWidget(), client);
    EXPECT_EQ(form->Image1->geometry(), QRect(216, 24, 385, 313));
    EXPECT_EQ(form->Chart1Widget->geometry(), QRect(216, 344, 385, 161));
    EXPECT_EQ(form->Button2->geometry(), QRect(8, 480, 57, 25));
    EXPECT_EQ(form->Image1->mapTo(form.get(), QPoint(0, 0)), QPoint(216, 24 + bar));
    EXPECT_TRUE(form->Button1->isVisible());
    // The windows the main window owns are not moved into the client area.
    EXPECT_TRUE(form->Tools().MeasurementsWindow()->isWindow());
    EXPECT_FALSE(form->Tools().MeasurementsWindow()->isVisible());
    EXPECT_TRUE(form->Tools().RunLogWindow()->isWindow());
}

TEST_F(MainMenuTest, ShortcutsReachTheirActions) {
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(form->Tools().MeasurementsWindow()->isVisible());
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_TRUE(instructions->isVisible());
    QSignalSpy closed(form.get(), &TForm1::Closed);
    QApplication::setActiveWindow(form.get());
    QTest::keyClick(form.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(MainMenuTest, AboutBoxNamesProgramVersionAndLicence) {
    FindAction(form->MainMenuBar, "O programu")->trigger();
    auto* box = form->findChild<QMessageBox*>("aboutBox");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->text().startsWith("glodanje 1.0"));
    EXPECT_TRUE(box->text().contains("Licenca: GNU GPL, verzija 3 ili novija."));
    EXPECT_TRUE(box->text().contains("bez ikakve garancije"));
    box->close();
}

// A window run of the start values to the end of the feed, saved, is the batch runner's CSV of
// the same job after the comment lines.
TEST_F(MainMenuTest, SavedTracesEqualTheBatchCsvAfterTheComments) {
    StartWith("28Cr4", "P30");
    EXPECT_EQ(Tick(), 1556);
    answer = PathOf("run.csv");
    FindAction(form->MainMenuBar, QString::fromUtf8("Sačuvaj tragove kao CSV..."))->trigger();
    EXPECT_EQ(suggestedNames, std::vector<std::string>{"glodanje-28Cr4-P30-up.csv"});
    QFile file(answer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string saved = file.readAll().toStdString();

    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(batch::RunBatchCommand({"--workpiece", "28Cr4", "--tool", "P30"}, out, err),
              batch::kExitDone);
    const size_t header = saved.find(lab::kCsvHeader);
    ASSERT_NE(header, std::string::npos);
    EXPECT_EQ(saved.substr(header), out.str());
    const std::string comments = saved.substr(0, header);
    EXPECT_NE(comments.find("# workpiece_material=28Cr4\n"), std::string::npos);
    EXPECT_NE(comments.find("# tool_material=P30\n"), std::string::npos);
    EXPECT_NE(comments.find("# direction=up\n"), std::string::npos);
    EXPECT_TRUE(said.empty());
}

TEST_F(MainMenuTest, PicturesEqualTheBatchPicturesOfTheSameState) {
    StartWith("28Cr4", "P30");
    form->RadioButton2->click();
    Tick(700);
    answer = PathOf("chart.png");
    form->Tools().SaveChartPng();
    answer = PathOf("view.png");
    form->Tools().SaveViewPng();
    EXPECT_EQ(suggestedNames, (std::vector<std::string>{"glodanje-28Cr4-P30-down-oscilograf.png",
                                                        "glodanje-28Cr4-P30-down-glodalo.png"}));

    std::ostringstream out;
    std::ostringstream err;
    const std::string batchView = PathOf("batch_view.png").toStdString();
    const std::string batchChart = PathOf("batch_chart.png").toStdString();
    ASSERT_EQ(batch::RunBatchCommand({"--workpiece", "28Cr4", "--tool", "P30", "--direction",
                                      "down", "--ticks", "700", "--view-png", batchView,
                                      "--chart-png", batchChart},
                                     out, err, batch::MakePngPictures),
              batch::kExitDone)
        << err.str();
    const auto load = [](const QString& path) {
        return QImage(path).convertToFormat(QImage::Format_ARGB32);
    };
    const QImage chart = load(PathOf("chart.png"));
    const QImage view = load(PathOf("view.png"));
    EXPECT_EQ(chart.size(), QSize(385, 161));
    EXPECT_EQ(view.size(), QSize(385, 313));
    EXPECT_EQ(chart, load(QString::fromStdString(batchChart)));
    EXPECT_EQ(view, load(QString::fromStdString(batchView)));
}

TEST_F(MainMenuTest, AFileThatCannotBeWrittenIsReportedAndNothingIsWritten) {
    StartWith("28Cr4", "P30");
    Tick(10);
    answer = PathOf("missing-dir/run.csv");
    form->Tools().SaveTracesCsv();
    ASSERT_EQ(said.size(), 2u);
    EXPECT_EQ(said[0], "beep");
    EXPECT_NE(said[1].find("ne može da se zapiše"), std::string::npos) << said[1];
    EXPECT_FALSE(QFile::exists(answer));

    // A cancelled dialog writes nothing and says nothing.
    said.clear();
    answer.clear();
    form->Tools().SaveViewPng();
    EXPECT_TRUE(said.empty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

// A disk that fills during the save: the error is shown and no file is left, for the text of the
// CSV as for the PNG writer.
TEST_F(MainMenuTest, AFullDiskIsReportedAndLeavesNoFile) {
    StartWith("28Cr4", "P30");
    Tick(40);
    const std::vector<std::pair<std::string, std::function<void()>>> saves = {
        {"run.csv", [this] { form->Tools().SaveTracesCsv(); }},
        {"view.png", [this] { form->Tools().SaveViewPng(); }}};
    for (const auto& [name, save] : saves) {
        said.clear();
        answer = PathOf(name.c_str());
        {
            const test_support::FileSizeLimit full(1024);
            save();
        }
        ASSERT_EQ(said.size(), 2u) << name;
        EXPECT_NE(said[1].find("ne može da se zapiše"), std::string::npos) << said[1];
        EXPECT_TRUE(QDir(dir.path()).isEmpty()) << name;
    }
}

} // namespace
} // namespace app
