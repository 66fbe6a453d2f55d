#include "app/scenario_tools.h"

#include "app/form1.h"
#include "app/main_menu.h"
#include "app/user_messages.h"
#include "sim/materials.h"
#include "sim/startup.h"
#include "widgets/spin_edit.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QSettings>
#include <cassert>

namespace app {
namespace {

constexpr const char* kRecentKey = "scenario/recent";

// A text of the scenario tools (marked with QT_TRANSLATE_NOOP under this context) in the
// current language.
QString ScenarioText(const char* source) {
    return QCoreApplication::translate("app::ScenarioTools", source);
}

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

QString FileFilter() {
    return ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", "Scenario glodanja (*%1)"))
        .arg(QString::fromUtf8(scenario::kFileExtension));
}

QString ErrorBoxTitle() {
    return ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", "Greška"));
}

} // namespace

widgets::TSpinEdit* FieldEdit(const TForm1& form, sim::InputField field) {
    return form.EditOf(field);
}

QString ScenarioErrorText(const scenario::ScenarioError& e) {
    using scenario::ErrorKind;
    QString where =
        ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", "Scenario „%1“")).arg(Utf8(e.file));
    if (e.line > 0) {
        where += ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", ", red %1")).arg(e.line);
    }
    const QString key =
        ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", "ključ „%1“: ")).arg(Utf8(e.key));
    const QString value = Utf8(e.value);
    QString what;
    switch (e.kind) {
    case ErrorKind::Missing:
        what = ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", "datoteka ne postoji"));
        break;
    case ErrorKind::Unreadable:
        what =
            ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", "datoteka ne može da se pročita"));
        break;
    case ErrorKind::BadFormat:
        what = ScenarioText(
            QT_TRANSLATE_NOOP("app::ScenarioTools",
                              "datoteka nije scenario (UTF-8 tekst sa redovima ključ = vrednost)"));
        break;
    case ErrorKind::NoSection:
        what = ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", "nema odeljka [%1]"))
                   .arg(QString::fromUtf8(scenario::kSection));
        break;
    case ErrorKind::UnknownKey:
        what = ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", "nepoznat ključ „%1“"))
                   .arg(Utf8(e.key));
        break;
    case ErrorKind::DuplicateKey:
        what = key + ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", "naveden je drugi put"));
        break;
    case ErrorKind::MalformedNumber:
        what = key +
               ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", "„%1“ nije broj za ovo polje"))
                   .arg(value);
        break;
    case ErrorKind::OutOfLimits:
        what = key +
               ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", "%1 je izvan granica %2..%3"))
                   .arg(value, Utf8(e.minimum), Utf8(e.maximum));
        break;
    case ErrorKind::UnknownMaterial:
        what =
            key + ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", "nepoznat materijal „%1“"))
                      .arg(value);
        break;
    case ErrorKind::UnknownDirection:
        what =
            key + ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", "„%1“ nije ni up ni down"))
                      .arg(value);
        break;
    case ErrorKind::UnknownModel:
        what =
            key + ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", "„%1“ nije ni sum ni tooth"))
                      .arg(value);
        break;
    case ErrorKind::CannotWrite:
        return ScenarioText(
                   QT_TRANSLATE_NOOP("app::ScenarioTools", "Scenario „%1“ ne može da se zapiše."))
            .arg(Utf8(e.file));
    }
    return where + ": " + what +
           ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", ".\nNišta nije promenjeno."));
}

QString ScenarioArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--lang")) {
            ++i; // its value
        } else if (!argument.startsWith(QLatin1Char('-'))) {
            return argument;
        }
    }
    return {};
}

ScenarioTools::ScenarioTools(TForm1& form, UserMessages& messages)
    : form_(form), messages_(messages) {
    ChooseOpenFile = [this](const QString& caption, const QString& suggested,
                            const QString& filter) {
        return QFileDialog::getOpenFileName(&form_, caption, suggested, filter);
    };
    ChooseSaveFile = [this](const QString& caption, const QString& suggested,
                            const QString& filter) {
        return QFileDialog::getSaveFileName(&form_, caption, suggested, filter);
    };
    ShowText = [this](const QString& title, const QString& text) {
        QMessageBox::information(&form_, title, text, QMessageBox::Ok);
    };
}

void ScenarioTools::InstallMenu(QMenuBar* bar) {
    QMenu* file = FindMenu(bar, kFileMenuName);
    QMenu* help = FindMenu(bar, kHelpMenuName);
    assert(file != nullptr && help != nullptr);
    QAction* first = file->actions().value(0);

    OpenAction = new QAction(file);
    SetMenuText(OpenAction, QT_TRANSLATE_NOOP("app::MainMenu", "Otvori scenario…"));
    OpenAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    QObject::connect(OpenAction, &QAction::triggered, file, [this] { OpenChosen(); });
    file->insertAction(first, OpenAction);
    SaveAction = new QAction(file);
    SetMenuText(SaveAction, QT_TRANSLATE_NOOP("app::MainMenu", "Sačuvaj scenario…"));
    QObject::connect(SaveAction, &QAction::triggered, file, [this] { SaveChosen(); });
    file->insertAction(first, SaveAction);
    RecentMenu = new QMenu(file);
    SetMenuText(RecentMenu->menuAction(), QT_TRANSLATE_NOOP("app::MainMenu", "Nedavni"));
    QObject::connect(RecentMenu, &QMenu::aboutToShow, RecentMenu, [this] { FillRecentMenu(); });
    file->insertMenu(first, RecentMenu);
    file->insertSeparator(first);

    TextAction = new QAction(help);
    SetMenuText(TextAction, QT_TRANSLATE_NOOP("app::MainMenu", "Tekst vežbe"));
    TextAction->setEnabled(false);
    QObject::connect(TextAction, &QAction::triggered, help, [this] { ShowExerciseText(); });
    help->insertAction(help->actions().value(0), TextAction);
}

bool ScenarioTools::Open(const QString& path) {
    const std::string file = path.toStdString();
    const scenario::ReadResult read = scenario::ReadScenarioFile(file);
    std::optional<scenario::ScenarioError> error;
    if (!read.scenario) {
        error = read.error;
    } else {
        error = scenario::CheckAgainstState(*read.scenario, form_.State(), file);
    }
    if (error) {
        messages_.Beep();
        messages_.ShowError(ErrorBoxTitle(), ScenarioErrorText(*error));
        return false;
    }
    Apply(*read.scenario);
    title_ = Utf8(read.scenario->title);
    text_ = Utf8(read.scenario->text);
    lastPath_ = path;
    Remember(path);
    ShowTitle();
    TextAction->setEnabled(!text_.isEmpty());
    ShowExerciseText();
    return true;
}

void ScenarioTools::Apply(const scenario::Scenario& s) {
    // A text equal to the field's runs no handler, as when the same value is typed.
    for (const sim::InputFieldSpec& fieldSpec : sim::kInputFields) {
        if (const std::optional<int32_t>& value = s[fieldSpec.field]) {
            FieldEdit(form_, fieldSpec.field)->SetText(QString::number(*value));
        }
    }
    if (s.workpieceMaterial != 0) {
        form_.ComboBox1->setCurrentIndex(s.workpieceMaterial - 1);
    }
    if (s.toolMaterial != 0) {
        form_.ComboBox2->setCurrentIndex(s.toolMaterial - 1);
    }
    if (s.direction && *s.direction != form_.State().MillingDirection) {
        (*s.direction == sim::MillingDirection::Down ? form_.RadioButton2 : form_.RadioButton1)
            ->click();
    }
    if (s.forceModel) {
        form_.SetForceModel(*s.forceModel);
    }
    // The file was checked whole: its K_r lies in the range.
    if (s.radialRatio) {
        [[maybe_unused]] const bool taken = form_.SetRadialForceRatio(*s.radialRatio);
        assert(taken);
    }
}

void ScenarioTools::ShowTitle() {
    form_.SetScenarioTitle(title_);
}

void ScenarioTools::ShowExerciseText() {
    if (!text_.isEmpty()) {
        ShowText(title_.isEmpty() ? ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", "Vežba"))
                                  : title_,
                 text_);
    }
}

void ScenarioTools::OpenChosen() {
    const QString path =
        ChooseOpenFile(ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", "Otvori scenario")),
                       lastPath_, FileFilter());
    if (!path.isEmpty()) {
        Open(path);
    }
}

std::optional<scenario::Scenario> ScenarioTools::FromWindow(QString* problem) const {
    scenario::Scenario s;
    for (const sim::InputFieldSpec& fieldSpec : sim::kInputFields) {
        const QString text = FieldEdit(form_, fieldSpec.field)->Text();
        const sim::InputResult value = sim::CheckFieldText(text.toStdString(), fieldSpec.field);
        if (!value.applied()) {
            *problem = ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools",
                                                      "Polje „%1%2“ nema ispravnu vrednost („%3“); "
                                                      "scenario nije sačuvan."))
                           .arg(CoreText(fieldSpec.label).trimmed(),
                                fieldSpec.labelSecondLine == nullptr
                                    ? QString()
                                    : QLatin1Char(' ') + CoreText(fieldSpec.labelSecondLine),
                                text);
            return std::nullopt;
        }
        s[fieldSpec.field] = value.value;
    }
    const sim::SimState& state = form_.State();
    s.workpieceMaterial = state.WorkpieceMaterial;
    s.toolMaterial = state.ToolMaterial;
    s.direction = state.MillingDirection;
    s.forceModel = state.ForceModel;
    s.radialRatio = state.RadialForceRatio;
    s.title = title_.toStdString();
    s.text = text_.toStdString();
    // What is saved must open in a fresh window: the depth field's maximum follows the diameter
    // only after the depth changes, so a deep cut reached in steps may not open in one pass.
    auto start = std::make_unique<sim::SimState>();
    sim::InitialiseState(*start);
    if (const auto error = scenario::CheckAgainstState(s, *start, "")) {
        *problem =
            ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools",
                                           "Ovakav scenario ne bi mogao da se otvori (%1 %2 je "
                                           "izvan granica %3..%4); scenario nije sačuvan."))
                .arg(Utf8(error->key), Utf8(error->value), Utf8(error->minimum),
                     Utf8(error->maximum));
        return std::nullopt;
    }
    return s;
}

void ScenarioTools::SaveChosen() {
    QString problem;
    const std::optional<scenario::Scenario> s = FromWindow(&problem);
    if (!s) {
        messages_.Beep();
        messages_.ShowError(ErrorBoxTitle(), problem);
        return;
    }
    const QString suggested = lastPath_.isEmpty() ? QStringLiteral("scenario") +
                                                        QString::fromUtf8(scenario::kFileExtension)
                                                  : lastPath_;
    QString path =
        ChooseSaveFile(ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", "Sačuvaj scenario")),
                       suggested, FileFilter());
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QString::fromUtf8(scenario::kFileExtension);
    }
    if (const auto error = scenario::WriteScenarioFile(path.toStdString(), *s)) {
        messages_.Beep();
        messages_.ShowError(ErrorBoxTitle(), ScenarioErrorText(*error));
        return;
    }
    lastPath_ = path;
    Remember(path);
}

std::unique_ptr<QSettings> ScenarioTools::Settings() const {
    if (RecentStore.isEmpty()) {
        return std::make_unique<QSettings>();
    }
    return std::make_unique<QSettings>(RecentStore, QSettings::IniFormat);
}

QStringList ScenarioTools::RecentFiles() const {
    QStringList files = Settings()->value(QString::fromUtf8(kRecentKey)).toStringList();
    files.removeAll(QString());
    return files.mid(0, kRecentScenarios);
}

void ScenarioTools::Remember(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = RecentFiles();
    files.removeAll(absolute);
    files.prepend(absolute);
    Settings()->setValue(QString::fromUtf8(kRecentKey), files.mid(0, kRecentScenarios));
}

void ScenarioTools::FillRecentMenu() {
    RecentMenu->clear();
    const QStringList files = RecentFiles();
    for (const QString& path : files) {
        QAction* item = RecentMenu->addAction(QFileInfo(path).fileName());
        item->setToolTip(path);
        QObject::connect(item, &QAction::triggered, RecentMenu, [this, path] { Open(path); });
    }
    if (files.isEmpty()) {
        RecentMenu->addAction(ScenarioText(QT_TRANSLATE_NOOP("app::ScenarioTools", "(nema)")))
            ->setEnabled(false);
    }
}

} // namespace app
