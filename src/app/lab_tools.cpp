#include "app/lab_tools.h"

#include "app/forces_window.h"
#include "app/form1.h"
#include "app/measurements_window.h"
#include "app/run_log_window.h"
#include "app/user_messages.h"
#include "canvas/canvas.h"
#include "chart/chart.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <sstream>

namespace app {

LabTools::LabTools(TForm1& form, UserMessages& messages) : form_(form), messages_(messages) {
    ChooseSaveFile = [this](const QString& caption, const QString& suggested,
                            const QString& filter) {
        return QFileDialog::getSaveFileName(&form_, caption, suggested, filter);
    };
    measurements_ = new TMeasurementsWindow([this] { return CurrentMeasurements(); }, &form_);
    runLog_ = new TRunLogWindow(log_, &form_);
    forces_ = new TForcesWindow(
        form_.State(), [this](double ratio) { return form_.SetRadialForceRatio(ratio); }, &form_);
    runLog_->OnAddCurrent = [this] { AddCurrentToLog(); };
    runLog_->OnSave = [this] { SaveRunLogCsv(); };
    QObject::connect(measurements_->AddToLogButton, &QAbstractButton::clicked, measurements_,
                     [this] { AddCurrentToLog(); });
    QObject::connect(measurements_->ShowLogButton, &QAbstractButton::clicked, measurements_,
                     [this] { ShowRunLog(); });
}

void LabTools::AfterTick(const sim::SimState& s, bool feedEnded) {
    traces_.RecordTick(s);
    if (feedEnded && traces_.Started() && !finishedLogged_) {
        finishedLogged_ = true;
        log_.Add(s, traces_.Figures(), true);
        runLog_->Rebuild();
    }
}

void LabTools::AfterStart(const sim::SimState& s) {
    if (!traces_.Started()) {
        traces_.Begin(s);
        finishedLogged_ = false;
    }
}

void LabTools::AfterReset() {
    traces_.Clear();
}

sim::Measurements LabTools::CurrentMeasurements() const {
    return sim::Measure(form_.State(), traces_.Figures());
}

QImage LabTools::ChartPicture() const {
    canvas::Canvas target(form_.Chart1->width(), form_.Chart1->height());
    form_.Chart1->DrawTo(&target,
                         chart::TRect{0, 0, form_.Chart1->width(), form_.Chart1->height()});
    // The canvas's picture lives with the canvas.
    return target.Image().copy();
}

void LabTools::SaveBytes(const QString& caption, const std::string& suffix, const QString& filter,
                         const std::function<bool(QIODevice&)>& write) {
    const QString suggested = QString::fromStdString(DefaultFileStem(form_.State()) + suffix);
    const QString path = ChooseSaveFile(caption, suggested, filter);
    if (path.isEmpty())
        return;
    // The file is replaced only once it is written whole. Unbuffered: a write that the disk cuts
    // short returns its short count to `write`, where a buffered one would be lost in the flush
    // of the commit, which then reports success over a truncated file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !write(file) ||
        !file.commit()) {
        messages_.Beep();
        messages_.ShowError(
            QCoreApplication::translate("app::LabTools", "Greška"),
            QCoreApplication::translate("app::LabTools", "Datoteka \"%1\" ne može da se zapiše.")
                .arg(path));
    }
}

namespace {

bool WriteText(QIODevice& device, const std::string& text) {
    return device.write(text.data(), static_cast<qint64>(text.size())) ==
           static_cast<qint64>(text.size());
}

// Encodes the picture in memory and then writes its bytes: the PNG encoder never meets a failing
// write (its error path leaks the row it was writing), and a short write is seen as for text.
bool WritePng(QIODevice& device, const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        return false;
    return device.write(bytes) == bytes.size();
}

} // namespace

void LabTools::SaveTracesCsv() {
    std::ostringstream csv;
    traces_.WriteCsv(csv);
    SaveBytes(QCoreApplication::translate("app::LabTools", "Sačuvaj tragove kao CSV"), ".csv",
              QStringLiteral("CSV (*.csv)"),
              [&](QIODevice& device) { return WriteText(device, csv.str()); });
}

void LabTools::SaveChartPng() {
    const QImage picture = ChartPicture();
    SaveBytes(QCoreApplication::translate("app::LabTools", "Sačuvaj oscilograf kao PNG"),
              "-oscilograf.png", QStringLiteral("PNG (*.png)"),
              [&](QIODevice& device) { return WritePng(device, picture); });
}

void LabTools::SaveViewPng() {
    // The picture as it stands now: the view keeps drawing while the file dialog is open.
    const QImage picture = form_.CutterPicture().copy();
    SaveBytes(QCoreApplication::translate("app::LabTools", "Sačuvaj sliku glodala kao PNG"),
              "-glodalo.png", QStringLiteral("PNG (*.png)"),
              [&](QIODevice& device) { return WritePng(device, picture); });
}

void LabTools::ShowMeasurements() {
    measurements_->show();
    measurements_->raise();
}

void LabTools::ShowRunLog() {
    runLog_->Rebuild();
    runLog_->show();
    runLog_->raise();
}

void LabTools::ShowForces() {
    forces_->show();
    forces_->raise();
}

void LabTools::ShowAbout() {
    auto* box = new QMessageBox(QMessageBox::Information,
                                QCoreApplication::translate("app::LabTools", "O programu"),
                                AboutText(), QMessageBox::Ok, &form_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("aboutBox"));
    box->open();
}

void LabTools::AddCurrentToLog() {
    log_.Add(form_.State(), traces_.Figures(), false);
    runLog_->Rebuild();
}

void LabTools::SaveRunLogCsv() {
    std::ostringstream csv;
    log_.WriteCsv(csv);
    SaveBytes(QCoreApplication::translate("app::LabTools", "Sačuvaj dnevnik kao CSV"),
              "-dnevnik.csv", QStringLiteral("CSV (*.csv)"),
              [&](QIODevice& device) { return WriteText(device, csv.str()); });
}

QString AboutText() {
    return QCoreApplication::translate(
        "app::LabTools",
        "glodanje 1.0\n\n"
        "Simulator obimnog glodanja za nastavu: geometrijski model strugotine i glavni otpor "
        "rezanja, uporedo sa proverom po formulama iz udžbenika.\n\n"
        "Licenca: GNU GPL, verzija 3 ili novija. Program je slobodan softver: smete da ga "
        "delite i menjate pod uslovima te licence. Isporučuje se bez ikakve garancije.");
}

} // namespace app
