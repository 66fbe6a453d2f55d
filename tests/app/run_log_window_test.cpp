// The run log window: a run that reaches the end of the feed adds a row; up against down milling
// sit next to each other with the direction marked; rows can be removed, cleared and saved.
#include "app/run_log_window.h"

#include "app/lab_test_support.h"
#include "app/measurements_window.h"

#include <QFile>
#include <QTableWidget>
#include <sstream>

namespace app {
namespace {

using RunLogWindowTest = LabWindowTest;

TEST_F(RunLogWindowTest, FinishedRunsAddRowsAndTheDifferingInputIsMarked) {
    StartWith("28Cr4", "P30");
    Tick();
    QTest::mouseClick(form->Button1, Qt::LeftButton); // after the end: one more tick, no row
    Tick();
    QTest::mouseClick(form->Button4, Qt::LeftButton);
    form->RadioButton2->click();
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    Tick();
    ASSERT_EQ(form->Tools().Log().Size(), 2);

    form->Tools().ShowRunLog();
    TRunLogWindow* window = form->Tools().RunLogWindow();
    ASSERT_TRUE(window->isVisible());
    QTableWidget* table = window->Table;
    ASSERT_EQ(table->rowCount(), 2);
    const int direction = 11;
    ASSERT_EQ(table->horizontalHeaderItem(direction)->text(), "Smer");
    EXPECT_EQ(table->item(0, direction)->text(), "up");
    EXPECT_EQ(table->item(1, direction)->text(), "down");
    for (int column = 0; column < RunLog::InputColumns(); ++column) {
        const bool marked =
            table->item(1, column)->background().color() == TRunLogWindow::kDiffersColour;
        EXPECT_EQ(marked, column == direction) << column;
        EXPECT_NE(table->item(0, column)->background().color(), TRunLogWindow::kDiffersColour);
    }
    EXPECT_TRUE(table->item(1, direction)->font().bold());
}

TEST_F(RunLogWindowTest, ButtonsAddRemoveClearAndSave) {
    StartWith("28Cr4", "P30");
    Tick(400);
    // The measurements window's button adds the run in progress.
    form->Tools().ShowMeasurements();
    form->Tools().MeasurementsWindow()->AddToLogButton->click();
    TRunLogWindow* window = form->Tools().RunLogWindow();
    ASSERT_EQ(window->Table->rowCount(), 1);
    EXPECT_EQ(form->Tools().Log().Entry(0).figures.ticks, 400);
    EXPECT_FALSE(form->Tools().Log().Entry(0).finished);
    Tick(10);
    window->AddButton->click();
    ASSERT_EQ(window->Table->rowCount(), 2);

    answer = PathOf("log.csv");
    window->SaveButton->click();
    EXPECT_EQ(suggestedNames, std::vector<std::string>{"glodanje-28Cr4-P30-up-dnevnik.csv"});
    QFile file(answer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::ostringstream expected;
    form->Tools().Log().WriteCsv(expected);
    EXPECT_EQ(file.readAll().toStdString(), expected.str());

    window->Table->setCurrentCell(0, 0);
    window->RemoveButton->click();
    ASSERT_EQ(window->Table->rowCount(), 1);
    EXPECT_EQ(form->Tools().Log().Entry(0).figures.ticks, 410);
    window->ClearButton->click();
    EXPECT_EQ(window->Table->rowCount(), 0);
    EXPECT_EQ(form->Tools().Log().Size(), 0);
}

} // namespace
} // namespace app
