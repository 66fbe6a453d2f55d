// The main window shown larger ("Prikaz" > "Uvećanje", full screen): the designed controls take
// their geometry and fonts scaled and come back exactly, the pictures show each of their pixels
// as a block of its colour while their own pixels and what is saved stay, and the chosen zoom
// is remembered for the next start.
#include "app/window_zoom.h"

#include "app/lab_test_support.h"
#include "app/main_menu.h"
#include "canvas/magnify.h"
#include "chart/chart_widget.h"
#include "language/language.h"
#include "widgets/spin_edit.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <map>

// Rectangles and sizes as the failures show them (found by argument-dependent lookup).
[[maybe_unused]] static void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}
[[maybe_unused]] static void PrintTo(const QSize& s, std::ostream* os) {
    *os << s.width() << "x" << s.height();
}

namespace app {
namespace {

// The platform reports a window's new geometry after the request: waits for the size.
void WaitForSize(const QWidget& window, QSize size) {
    for (int i = 0; i < 200 && window.size() != size; ++i)
        QTest::qWait(5);
}

int Scaled(int designed, int percent) {
    return canvas::MagnifiedLength(designed, percent);
}

QRect Scaled(const QRect& designed, int percent) {
    return {Scaled(designed.x(), percent), Scaled(designed.y(), percent),
            Scaled(designed.width(), percent), Scaled(designed.height(), percent)};
}

class WindowZoomTest : public LabWindowTest {
protected:
    void TearDown() override { language::SetLanguage(language::Language::Serbian); }

    static QAction* ZoomItem(const TForm1& window, int percent) {
        const QMenu* zoom = ViewMenu(window.MainMenuBar)->findChild<QMenu*>("zoomMenu");
        for (QAction* item : zoom->actions())
            if (item->data().toInt() == percent)
                return item;
        return nullptr;
    }
    void ChooseInMenu(int percent) const { ZoomItem(*form, percent)->trigger(); }

    // Every widget of the window's client area (the designed controls and their parts, not the
    // lists a material box opens, which Qt lays out as they open), the menu bar and its menus,
    // each with its class, geometry and font.
    std::vector<std::string> Layout() const {
        std::vector<std::string> layout;
        QList<QWidget*> widgets;
        for (QWidget* w : ClientArea(*form)->findChildren<QWidget*>())
            if (w->window() == form.get())
                widgets << w;
        widgets << form->MainMenuBar << ClientArea(*form);
        for (QMenu* menu : form->MainMenuBar->findChildren<QMenu*>())
            widgets << menu;
        for (const QWidget* w : widgets) {
            const QRect r = w->geometry();
            layout.push_back(QStringLiteral("%1 %2,%3 %4x%5 %6 own:%7 style:%8")
                                 .arg(QString::fromUtf8(w->metaObject()->className()))
                                 .arg(r.x())
                                 .arg(r.y())
                                 .arg(r.width())
                                 .arg(r.height())
                                 .arg(w->font().toString())
                                 .arg(w->testAttribute(Qt::WA_SetFont))
                                 .arg(w->testAttribute(Qt::WA_SetStyle))
                                 .toStdString());
        }
        return layout;
    }
    std::map<const QWidget*, QRect> DesignedGeometry() const {
        std::map<const QWidget*, QRect> geometry;
        for (const QWidget* w : ClientArea(*form)->findChildren<QWidget*>())
            if (w->property("designedControl").toBool())
                geometry[w] = w->geometry();
        return geometry;
    }

    // The zoom is remembered in the user's settings: here, in a folder of the test.
    SettingsOfTheTest settings;
};

// Each picture pixel's span on screen is one block of the pixel's colour.
testing::AssertionResult ShowsMagnified(const QImage& grabbed, const QImage& picture, int percent) {
    const QImage shown = grabbed.convertToFormat(QImage::Format_RGB32);
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    const QSize size(Scaled(pixels.width(), percent), Scaled(pixels.height(), percent));
    if (shown.size() != size)
        return testing::AssertionFailure() << "shown " << shown.width() << "x" << shown.height()
                                           << ", expected " << size.width() << "x" << size.height();
    for (int py = 0; py < pixels.height(); ++py) {
        for (int px = 0; px < pixels.width(); ++px) {
            const QRgb colour = pixels.pixel(px, py);
            for (int y = Scaled(py, percent); y < Scaled(py + 1, percent); ++y) {
                for (int x = Scaled(px, percent); x < Scaled(px + 1, percent); ++x) {
                    if (shown.pixel(x, y) != colour)
                        return testing::AssertionFailure()
                               << "screen pixel " << x << "," << y << " is " << std::hex
                               << shown.pixel(x, y) << ", picture pixel " << std::dec << px << ","
                               << py << " is " << std::hex << colour;
                }
            }
        }
    }
    return testing::AssertionSuccess();
}

struct ZoomRow {
    const char* name;
    int percent;
    int blockSide; // px, of every picture pixel on screen; 0 where blocks of 1 and 2 alternate
};

class ZoomedPicturesTest : public WindowZoomTest, public testing::WithParamInterface<ZoomRow> {};

TEST_P(ZoomedPicturesTest, EachPicturePixelIsABlockOfItsColourAndThePicturesStay) {
    const ZoomRow& row = GetParam();
    StartWith("28Cr4", "P30");
    Tick(450); // past the first force: curves on the chart, chips in the view
    form->Chart1->PaintNow();
    const QImage view = form->CutterPicture().copy();
    const QImage chart = form->Chart1->ScreenCanvas().Image().copy();
    answer = PathOf("chart100.png");
    form->Tools().SaveChartPng();

    ChooseInMenu(row.percent);
    EXPECT_EQ(form->Zoom().Shown(), row.percent);
    EXPECT_TRUE(ZoomItem(*form, row.percent)->isChecked());
    EXPECT_TRUE(ShowsMagnified(form->Image1->grab().toImage(), view, row.percent));
    EXPECT_TRUE(ShowsMagnified(form->Chart1Widget->grab().toImage(), chart, row.percent));
    if (row.blockSide > 0) {
        EXPECT_EQ(form->Chart1Widget->size(), QSize(385, 161) * row.blockSide);
        EXPECT_EQ(form->Image1->size(), QSize(385, 313) * row.blockSide);
    }

    // The pictures keep their own size and pixels, and a saved picture is the one at 100 %.
    EXPECT_EQ(form->CutterPicture(), view);
    EXPECT_EQ(form->Chart1->width(), 385);
    EXPECT_EQ(form->Chart1->height(), 161);
    answer = PathOf("chart.png");
    form->Tools().SaveChartPng();
    EXPECT_EQ(QImage(PathOf("chart.png")), QImage(PathOf("chart100.png")));
}

INSTANTIATE_TEST_SUITE_P(Zooms, ZoomedPicturesTest,
                         testing::Values(ZoomRow{"Percent150", 150, 0},
                                         ZoomRow{"Percent200", 200, 2},
                                         ZoomRow{"Percent300", 300, 3}),
                         [](const testing::TestParamInfo<ZoomRow>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(WindowZoomTest, ControlsTakeTheirGeometryAndFontsScaledAndComeBackExactly) {
    const std::vector<std::string> designedLayout = Layout();
    const std::map<const QWidget*, QRect> designed = DesignedGeometry();
    const int designedBar = form->MainMenuBar->height();
    const double menuPoints = ViewMenu(form->MainMenuBar)->font().pointSizeF();

    for (const int percent : {300, 150}) {
        SCOPED_TRACE(percent);
        ChooseInMenu(percent);
        for (const auto& [control, rect] : designed) {
            const QRect scaled = Scaled(rect, percent);
            if (qobject_cast<const QLabel*>(control) != nullptr) {
                // A label is never narrower than its text.
                EXPECT_EQ(control->pos(), scaled.topLeft()) << control->objectName().toStdString();
                EXPECT_GE(control->width(), scaled.width());
                EXPECT_EQ(control->height(), scaled.height());
            } else {
                EXPECT_EQ(control->geometry(), scaled)
                    << control->metaObject()->className() << " at " << rect.x() << "," << rect.y();
            }
        }
        EXPECT_EQ(form->Button2->font().pixelSize(), Scaled(11, percent));
        EXPECT_EQ(form->Label1->font().pixelSize(), Scaled(11, percent));
        EXPECT_TRUE(form->Label1->font().bold());
        EXPECT_EQ(form->SpinEdit1->Button()->width(), 15 * percent / 100);
        EXPECT_DOUBLE_EQ(ViewMenu(form->MainMenuBar)->font().pointSizeF(),
                         menuPoints * percent / 100);
        EXPECT_GT(form->MainMenuBar->height(), designedBar);
        const QSize client(Scaled(TForm1::kClientWidth, percent),
                           Scaled(TForm1::kClientHeight, percent));
        EXPECT_EQ(ClientArea(*form)->geometry(),
                  QRect(QPoint(0, form->MainMenuBar->height()), client));
        EXPECT_EQ(form->size(), client + QSize(0, form->MainMenuBar->height()));
    }
    ChooseInMenu(100);
    EXPECT_EQ(Layout(), designedLayout);
    EXPECT_EQ(form->size(), QSize(TForm1::kClientWidth, TForm1::kClientHeight + designedBar));
}

TEST_F(WindowZoomTest, ALanguageSwitchWhileZoomedKeepsTheScaledPlaces) {
    ChooseInMenu(200);
    const std::vector<std::string> zoomed = Layout();
    ASSERT_TRUE(language::SetLanguage(language::Language::English));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(form->Button4->text(), "Initial state");
    EXPECT_EQ(form->Zoom().Shown(), 200);
    EXPECT_EQ(form->Button4->geometry(), QRect(16, 896, 242, 50));
    EXPECT_EQ(form->Label1->font().pixelSize(), 22);
    ASSERT_TRUE(language::SetLanguage(language::Language::Serbian));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(Layout(), zoomed);
}

TEST_F(WindowZoomTest, TheChosenZoomIsRememberedForTheNextStart) {
    ChooseInMenu(150);
    EXPECT_EQ(SavedZoom(*language::UserSettings()), 150);

    TForm1 next(std::make_unique<SilentMessages>());
    EXPECT_EQ(next.Zoom().Shown(), 100);
    EXPECT_TRUE(ZoomItem(next, 100)->isChecked());
    ApplySavedZoom(next);
    EXPECT_EQ(next.Zoom().Shown(), 150);
    EXPECT_TRUE(ZoomItem(next, 150)->isChecked());
    EXPECT_FALSE(ZoomItem(next, 100)->isChecked());
    EXPECT_EQ(next.Chart1Widget->size(), QSize(577, 241));
}

struct StoredZoom {
    const char* name;
    QVariant stored; // invalid: nothing stored
    int shown;
};

class SavedZoomTest : public testing::TestWithParam<StoredZoom> {};

TEST_P(SavedZoomTest, OnlyAChoiceOfTheMenuIsTaken) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("glodanje.conf"), QSettings::IniFormat);
    if (GetParam().stored.isValid())
        settings.setValue("zoom", GetParam().stored);
    EXPECT_EQ(SavedZoom(settings), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SavedZoomTest,
    testing::Values(StoredZoom{"Nothing", QVariant(), 100}, StoredZoom{"Choice", 300, 300},
                    StoredZoom{"ChoiceAsText", QStringLiteral("200"), 200},
                    StoredZoom{"NotAChoice", 175, 100}, StoredZoom{"Negative", -200, 100},
                    StoredZoom{"Words", QStringLiteral("big"), 100}),
    [](const testing::TestParamInfo<StoredZoom>& info) { return std::string(info.param.name); });

struct ScreenRow {
    const char* name;
    QSize screen;
    int percent;
};

class FullScreenZoomTest : public testing::TestWithParam<ScreenRow> {};

TEST_P(FullScreenZoomTest, IsTheLargestWholeScaleThatFits) {
    EXPECT_EQ(FullScreenZoom(GetParam().screen, QSize(606, 530)), GetParam().percent);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, FullScreenZoomTest,
    testing::Values(ScreenRow{"Svga", {800, 600}, 100}, ScreenRow{"Xga", {1024, 768}, 100},
                    ScreenRow{"FullHd", {1920, 1080}, 200}, ScreenRow{"Wqhd", {2560, 1440}, 200},
                    ScreenRow{"ExactlyThree", {1818, 1590}, 300},
                    ScreenRow{"OnePixelShort", {1818, 1589}, 200},
                    ScreenRow{"Uhd", {3840, 2160}, 400}, ScreenRow{"Smaller", {500, 400}, 100}),
    [](const testing::TestParamInfo<ScreenRow>& info) { return std::string(info.param.name); });

TEST_F(WindowZoomTest, FullScreenCentresTheContentOnADarkBackgroundAndEscRestoresTheZoom) {
    const QSize content(TForm1::kClientWidth, TForm1::kClientHeight + form->MainMenuBar->height());
    ChooseInMenu(150);
    const QSize chosenSize = form->size();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));

    QTest::keyClick(form.get(), Qt::Key_F11);
    ASSERT_TRUE(form->Zoom().FullScreen());
    EXPECT_TRUE(form->isFullScreen());
    const QSize screen = form->screen()->geometry().size();
    WaitForSize(*form, screen);
    EXPECT_EQ(form->size(), screen);
    const int percent = FullScreenZoom(screen, content);
    EXPECT_EQ(form->Zoom().Shown(), percent);
    EXPECT_EQ(form->Zoom().Chosen(), 150);
    // The menu bar and the client area stand as one block in the middle of the screen.
    const QRect bar = form->MainMenuBar->geometry();
    const QRect client = ClientArea(*form)->geometry();
    EXPECT_EQ(client.top(), bar.bottom() + 1);
    EXPECT_EQ(client.size(), QSize(Scaled(606, percent), Scaled(510, percent)));
    EXPECT_EQ(client.left(), (screen.width() - client.width()) / 2);
    EXPECT_EQ(bar.top(), (screen.height() - client.height() - bar.height()) / 2);
    const QImage shown = form->grab().toImage();
    EXPECT_EQ(shown.pixel(0, 0) & 0xFFFFFF, 0x202020u);
    EXPECT_EQ(shown.pixel(screen.width() - 1, screen.height() - 1) & 0xFFFFFF, 0x202020u);
    EXPECT_NE(shown.pixel(client.center()) & 0xFFFFFF, 0x202020u);

    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->Zoom().FullScreen());
    EXPECT_FALSE(form->isFullScreen());
    QTest::qWait(50);
    EXPECT_EQ(form->size(), chosenSize);
    EXPECT_EQ(form->Zoom().Shown(), 150);
    EXPECT_EQ(form->Chart1Widget->size(), QSize(577, 241));
    EXPECT_EQ(ClientArea(*form)->pos(), QPoint(0, form->MainMenuBar->height()));

    // Esc outside full screen leaves the window as it is; F11 enters and leaves.
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_EQ(form->Zoom().Shown(), 150);
    QTest::keyClick(form.get(), Qt::Key_F11);
    EXPECT_TRUE(form->Zoom().FullScreen());
    QTest::keyClick(form.get(), Qt::Key_F11);
    EXPECT_FALSE(form->Zoom().FullScreen());
    EXPECT_EQ(form->Zoom().Shown(), 150);
}

TEST_F(WindowZoomTest, ChoosingAZoomInFullScreenLeavesItForTheChoice) {
    form->Zoom().SetFullScreen(true);
    ASSERT_TRUE(form->Zoom().FullScreen());
    WaitForSize(*form, form->screen()->geometry().size());
    ChooseInMenu(200);
    EXPECT_FALSE(form->Zoom().FullScreen());
    EXPECT_EQ(form->Zoom().Shown(), 200);
    EXPECT_EQ(form->Button2->geometry(), QRect(16, 960, 114, 50));
    QTest::qWait(50);
    EXPECT_EQ(form->size(), QSize(1212, 1020 + form->MainMenuBar->height()));
}

} // namespace
} // namespace app
