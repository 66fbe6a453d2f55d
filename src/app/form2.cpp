#include "app/form2.h"

#include "app/app_icon.h"
#include "app/instruction_pictures.h"

#include <QFont>
#include <QPixmap>

namespace app {
namespace {

QLabel* MakePicture(QWidget* parent, const QRect& geometry, const QImage& picture) {
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setScaledContents(false);
    label->setPixmap(QPixmap::fromImage(picture));
    return label;
}

} // namespace

// Title bar with a close button only: no minimise, no maximise.
TForm2::TForm2(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Instrukcije"));
    setWindowIcon(InstructionsIcon());
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    setFont(font);
    resize(kClientSize);
    move(kDesignedPosition);

    Image1 = MakePicture(this, QRect(448, 24, 305, 377), DrawHelixIllustration());
    Image2 = MakePicture(this, QRect(8, 8, 441, 409), DrawInstructionText());
}

void TForm2::ShowInstructions() {
    show();
    raise();
    activateWindow();
}

} // namespace app
