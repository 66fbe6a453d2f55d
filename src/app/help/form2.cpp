#include "app/help/form2.h"

#include "app/help/app_icon.h"
#include "app/help/instruction_pictures.h"

#include <QEvent>
#include <QFont>
#include <QPixmap>

namespace app {
namespace {

QLabel* MakePicture(QWidget* parent, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setScaledContents(false);
    return label;
}

} // namespace

// Title bar with a close button only: no minimise, no maximise.
TForm2::TForm2(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowIcon(InstructionsIcon());
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    setFont(font);
    resize(kClientSize);
    move(kDesignedPosition);

    Image1 = MakePicture(this, QRect(448, 24, 305, 377));
    Image2 = MakePicture(this, QRect(8, 8, 441, 409));
    RetranslateUi();
}

void TForm2::RetranslateUi() {
    setWindowTitle(tr("Instrukcije"));
    Image1->setPixmap(QPixmap::fromImage(DrawHelixIllustration()));
    Image2->setPixmap(QPixmap::fromImage(DrawInstructionText()));
}

void TForm2::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QWidget::changeEvent(event);
}

void TForm2::ShowInstructions() {
    show();
    raise();
    activateWindow();
}

} // namespace app
