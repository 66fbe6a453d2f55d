#include "app/help/app_icon.h"
#include "app/help/form2.h"
#include "app/help/instruction_pictures.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace app {
namespace {

// ---------------------------------------------------------------------------------------------
// Window and controls

class Form2Test : public ::testing::Test {
protected:
    void SetUp() override { form = std::make_unique<TForm2>(); }

    int CountVisibleInstructionWindows() const {
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<TForm2*>(widget) != nullptr && widget->isVisible()) {
                ++count;
            }
        }
        return count;
    }

    std::unique_ptr<TForm2> form;
};

TEST_F(Form2Test, StartsHiddenAtItsDesignedPlaceAndSize) {
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Instrukcije"));
    EXPECT_EQ(form->pos(), QPoint(192, 109));
    EXPECT_EQ(form->size(), QSize(762, 429));
    EXPECT_FALSE(form->windowIcon().isNull());
}

TEST_F(Form2Test, TitleBarHasCloseButtonOnlyAndDoesNotKeepTheProgramRunning) {
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(form->isWindow());
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(form->testAttribute(Qt::WA_QuitOnClose));
}

struct PictureRow {
    const char* name;
    QRect geometry; // of the control in the window's client area
    QSize natural;  // of the picture it shows
};

void PrintTo(const PictureRow& row, std::ostream* os) {
    *os << row.name;
}

class Form2PictureTest : public Form2Test, public ::testing::WithParamInterface<PictureRow> {
protected:
    QLabel* Control() const {
        return std::string(GetParam().name) == "Image1" ? form->Image1 : form->Image2;
    }
};

TEST_P(Form2PictureTest, ControlHasItsPlaceAndPictureItsNaturalSizeUnscaled) {
    QLabel* control = Control();
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parentWidget(), form.get());
    EXPECT_EQ(control->geometry(), GetParam().geometry);
    EXPECT_EQ(control->pixmap().size(), GetParam().natural);
    EXPECT_FALSE(control->hasScaledContents());
}

INSTANTIATE_TEST_SUITE_P(
    Form2Pictures, Form2PictureTest,
    ::testing::Values(PictureRow{"Image1", QRect(448, 24, 305, 377), kIllustrationSize},
                      PictureRow{"Image2", QRect(8, 8, 441, 409), kInstructionTextSize}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form2Test, TextPictureIsCreatedLastAndLiesAboveTheIllustration) {
    const QObjectList& children = form->children();
    EXPECT_LT(children.indexOf(form->Image1), children.indexOf(form->Image2));
}

// Every pixel of the picture's part inside the control equals the window's pixel at the
// control's place, and nothing of the picture shows outside the control.
void ExpectDrawnUnscaledAndClipped(const QImage& shot, const QRect& control, const QImage& picture,
                                   const QRect& coveredBy) {
    int mismatches = 0;
    for (int y = 0; y < control.height(); ++y) {
        for (int x = 0; x < control.width(); ++x) {
            const QPoint at = control.topLeft() + QPoint(x, y);
            if (coveredBy.contains(at) || x >= picture.width() || y >= picture.height()) {
                continue;
            }
            mismatches += shot.pixel(at.x(), at.y()) != picture.pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(mismatches, 0) << "control at " << control.x() << "," << control.y();
}

TEST_F(Form2Test, PicturesAreDrawnFromTheTopLeftClippedAndNotScaled) {
    form->ShowInstructions();
    const QImage shot = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(762, 429));
    const QImage text = form->Image2->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage illustration =
        form->Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32);

    ExpectDrawnUnscaledAndClipped(shot, form->Image2->geometry(), text, QRect());
    ExpectDrawnUnscaledAndClipped(shot, form->Image1->geometry(), illustration,
                                  form->Image2->geometry());
    // The shared column x = 448 belongs to the text picture, which lies above.
    EXPECT_EQ(shot.pixel(448, 100), text.pixel(440, 92));

    // Beyond the controls, and in the bottom rows of Image1 below its picture, the window
    // colour shows.
    const QRgb windowColour = shot.pixel(758, 5);
    EXPECT_NE(windowColour, illustration.pixel(300, 200));
    for (int x = 449; x < 753; x += 7) {
        for (int y = 24 + 374; y < 24 + 377; ++y) {
            EXPECT_EQ(shot.pixel(x, y), windowColour) << x << "," << y;
        }
    }
    EXPECT_EQ(shot.pixel(4, 420), windowColour);
    EXPECT_EQ(shot.pixel(757, 200), windowColour);
}

TEST_F(Form2Test, EnlargingTheWindowNeitherMovesNorScalesThePictures) {
    form->ShowInstructions();
    const QImage before = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    form->resize(1000, 700);
    const QImage after = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(after.size(), QSize(1000, 700));
    EXPECT_EQ(after.copy(0, 0, 762, 429), before);
    const QRgb windowColour = before.pixel(758, 5);
    for (int x = 0; x < 1000; x += 13) {
        EXPECT_EQ(after.pixel(x, 699), windowColour);
    }
    for (int y = 0; y < 700; y += 13) {
        EXPECT_EQ(after.pixel(999, y), windowColour);
    }
    EXPECT_EQ(form->Image1->geometry(), QRect(448, 24, 305, 377));
    EXPECT_EQ(form->Image2->geometry(), QRect(8, 8, 441, 409));
}

TEST_F(Form2Test, HelpTwiceShowsOneWindowAndOnlyRaisesItTheSecondTime) {
    form->ShowInstructions();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    form->move(300, 250);
    form->resize(800, 500);
    form->ShowInstructions();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(CountVisibleInstructionWindows(), 1);
    EXPECT_EQ(form->pos(), QPoint(300, 250));
    EXPECT_EQ(form->size(), QSize(800, 500));
}

TEST_F(Form2Test, CloseHidesAndHelpShowsItAgainWhereTheUserLeftIt) {
    form->ShowInstructions();
    form->move(340, 220);
    form->resize(700, 400);
    const QPointer<TForm2> guard(form.get());
    EXPECT_TRUE(form->close());
    QApplication::processEvents();
    ASSERT_FALSE(guard.isNull());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(CountVisibleInstructionWindows(), 0);

    form->ShowInstructions();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->pos(), QPoint(340, 220));
    EXPECT_EQ(form->size(), QSize(700, 400));
    EXPECT_EQ(form->Image1->pixmap().size(), kIllustrationSize);
    EXPECT_EQ(form->Image2->pixmap().size(), kInstructionTextSize);
}

// Runs the event loop with a stand-in main window shown beside the instructions window, closes
// one of them, and returns the loop's exit code: 0 when the program ended, 7 when it went on.
int ExitCodeAfterClosing(TForm2& form, bool closeMainWindow) {
    QWidget mainWindow;
    mainWindow.show();
    form.ShowInstructions();
    QWidget* closed = closeMainWindow ? &mainWindow : static_cast<QWidget*>(&form);
    QTimer::singleShot(0, closed, &QWidget::close);
    QTimer stillRunning;
    stillRunning.setSingleShot(true);
    QObject::connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    stillRunning.start(500);
    return QApplication::exec();
}

TEST_F(Form2Test, ClosingTheMainWindowEndsTheProgramEvenWithTheInstructionsShown) {
    EXPECT_EQ(ExitCodeAfterClosing(*form, true), 0);
}

TEST_F(Form2Test, ClosingTheInstructionsLeavesTheProgramRunning) {
    EXPECT_EQ(ExitCodeAfterClosing(*form, false), 7);
    EXPECT_FALSE(form->isVisible());
}

// ---------------------------------------------------------------------------------------------
// Pictures

TEST(InstructionText, PaleYellowPanelWithAThinBlackFrameAroundTheVisiblePart) {
    const QImage text = DrawInstructionText().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(text.size(), kInstructionTextSize);
    const int right = kInstructionTextVisible.width() - 1;
    const int bottom = kInstructionTextVisible.height() - 1;
    const QRgb black = qRgb(0, 0, 0);
    const QRgb yellow = kPaleYellow;
    for (int x = 20; x < right; x += 20) {
        EXPECT_EQ(text.pixel(x, 0), black);
        EXPECT_EQ(text.pixel(x, bottom), black);
        EXPECT_EQ(text.pixel(x, 1), yellow);
        EXPECT_EQ(text.pixel(x, bottom - 1), yellow);
    }
    for (int y = 20; y < bottom; y += 20) {
        EXPECT_EQ(text.pixel(0, y), black);
        EXPECT_EQ(text.pixel(right, y), black);
        EXPECT_EQ(text.pixel(1, y), yellow);
        EXPECT_EQ(text.pixel(right - 1, y), yellow);
    }
    // The hidden margin right and below carries nothing.
    QImage blank(6, kInstructionTextSize.height(), QImage::Format_RGB32);
    blank.fill(kPaleYellow);
    EXPECT_EQ(text.copy(right + 1, 0, 6, kInstructionTextSize.height()), blank);
}

TEST(InstructionText, TextFillsThePanelFromTopToBottom) {
    const QImage text = DrawInstructionText().convertToFormat(QImage::Format_RGB32);
    // Dark ink appears in the top and in the bottom fifth of the panel's inside.
    auto inkRows = [&](int fromY, int toY) {
        int rows = 0;
        for (int y = fromY; y < toY; ++y) {
            for (int x = 2; x < kInstructionTextVisible.width() - 2; ++x) {
                if (qGray(text.pixel(x, y)) < 100) {
                    ++rows;
                    break;
                }
            }
        }
        return rows;
    };
    EXPECT_GT(inkRows(2, 80), 20);
    EXPECT_GT(inkRows(330, 407), 20);
}

TEST(InstructionText, SevenParagraphsWithTheNamesOfButtonsAndFieldsQuoted) {
    const auto& paragraphs = InstructionParagraphs();
    ASSERT_EQ(paragraphs.size(), 7u);
    QString all;
    for (const QString& paragraph : paragraphs) {
        EXPECT_FALSE(paragraph.trimmed().isEmpty());
        // Quotes come in pairs: „ opens and “ closes, never nested.
        bool open = false;
        for (QChar c : paragraph) {
            if (c == QChar(0x201E)) {
                EXPECT_FALSE(open) << paragraph.toStdString();
                open = true;
            } else if (c == QChar(0x201C)) {
                EXPECT_TRUE(open) << paragraph.toStdString();
                open = false;
            }
        }
        EXPECT_FALSE(open) << paragraph.toStdString();
        all += paragraph;
    }
    for (const char* name : {"Proces", "Pauza", "Polazno stanje", "Materijal alata",
                             "Materijal obratka", "Maksimalna sila", "Maksimalna debljina"}) {
        EXPECT_TRUE(all.contains(QChar(0x201E) + QString::fromUtf8(name) + QChar(0x201C))) << name;
    }
    EXPECT_TRUE(paragraphs[4].contains(QStringLiteral("„Pauza“")));
    EXPECT_TRUE(paragraphs[5].contains(QStringLiteral("„Polazno stanje“")));
}

TEST(HelixIllustration, EverythingLiesInTheVisibleColumnsWithTwoPaleYellowCallouts) {
    const QImage picture = DrawHelixIllustration().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(picture.size(), kIllustrationSize);
    const QRgb ground = picture.pixel(picture.width() - 1, 0);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = kIllustrationVisible.width(); x < picture.width(); ++x) {
            ASSERT_EQ(picture.pixel(x, y), ground) << x << "," << y;
        }
    }
    // Pale yellow appears in two separate bands of rows: one callout high, one low.
    std::vector<bool> yellowRow(picture.height(), false);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < kIllustrationVisible.width(); ++x) {
            yellowRow[y] = yellowRow[y] || picture.pixel(x, y) == kPaleYellow;
        }
    }
    int bands = 0;
    for (int y = 0; y < picture.height(); ++y) {
        bands += yellowRow[y] && (y == 0 || !yellowRow[y - 1]) ? 1 : 0;
    }
    EXPECT_EQ(bands, 2);
}

TEST(InstructionPictures, DrawingTwiceGivesTheSamePixels) {
    EXPECT_EQ(DrawInstructionText(), DrawInstructionText());
    EXPECT_EQ(DrawHelixIllustration(), DrawHelixIllustration());
}

// ---------------------------------------------------------------------------------------------
// Icons

struct IconRow {
    const char* name;
    QImage (*image)();
    QIcon (*icon)();
};

void PrintTo(const IconRow& row, std::ostream* os) {
    *os << row.name;
}

class IconTest : public ::testing::TestWithParam<IconRow> {};

TEST_P(IconTest, ThirtyTwoSquareInSixteenColoursOnATransparentGround) {
    const QImage image = GetParam().image();
    ASSERT_EQ(image.size(), QSize(32, 32));
    int opaque = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            opaque += qAlpha(image.pixel(x, y)) != 0 ? 1 : 0;
        }
    }
    EXPECT_GT(opaque, 32 * 32 / 3);
    EXPECT_LT(opaque, 32 * 32);
    EXPECT_EQ(qAlpha(image.pixel(0, 31)), 0);
    EXPECT_TRUE(UsesStandardColoursOnly(image));

    const QIcon icon = GetParam().icon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(32, 32)});
    EXPECT_EQ(icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32),
              image.convertToFormat(QImage::Format_ARGB32));
}

INSTANTIATE_TEST_SUITE_P(
    WindowIcons, IconTest,
    ::testing::Values(IconRow{"MillingCutter", &MillingCutterIconImage, &MillingCutterIcon},
                      IconRow{"Instructions", &InstructionsIconImage, &InstructionsIcon}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IconColours, RejectsOtherColoursAndHalfTransparency) {
    QImage image(2, 1, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 0, 0));
    image.setPixel(0, 0, qRgb(128, 0, 128));
    EXPECT_TRUE(UsesStandardColoursOnly(image));
    image.setPixel(1, 0, qRgb(200, 200, 200));
    EXPECT_FALSE(UsesStandardColoursOnly(image));
    image.setPixel(1, 0, qRgba(255, 255, 255, 128));
    EXPECT_FALSE(UsesStandardColoursOnly(image));
}

} // namespace
} // namespace app
