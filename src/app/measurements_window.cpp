#include "app/measurements_window.h"

#include "app/form1.h"
#include "app/translated_texts.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <optional>

namespace app {
namespace {

using Value = std::optional<double> (*)(const sim::Measurements&);

// One line of the first two tables: a value with its formula and unit.
struct ValueRow {
    const char* key;
    const char* name;
    const char* formula; // "" when the value is read, not computed
    const char* unit;
    int decimals;
    Value value;
};

// One line of the textbook check: the simulated value, the textbook value and their difference.
struct CheckRow {
    const char* key;
    const char* name;
    const char* formula;
    const char* unit;
    int decimals;
    Value simulated; // null: the simulation has no counterpart
    Value textbook;
    Value difference;
};

const ValueRow kConditionRows[] = {
    {"n", QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Broj obrta glodala"), "n = 1000·v / (π·D)",
     QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "o/min"), 2,
     [](const sim::Measurements& m) { return std::optional(m.conditions.spindleSpeed); }},
    {"fz", QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Pomak po zubu"), "f_z = v_f / (z·n)",
     "mm", 5, [](const sim::Measurements& m) { return std::optional(m.conditions.feedPerTooth); }},
    {"phi", QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Ugao zahvata"),
     "φ_s = arccos(1 − 2·a / D)", "°", 2,
     [](const sim::Measurements& m) { return std::optional(m.conditions.engagementAngle); }},
    {"ze", QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Srednji broj zuba u zahvatu"),
     "z_e = z·φ_s / 360°", "", 4,
     [](const sim::Measurements& m) { return std::optional(m.conditions.teethInCut); }},
    {"Q", QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Zapremina skinutog materijala"),
     "Q = a·B·v_f / 1000", "cm³/min", 2,
     [](const sim::Measurements& m) { return std::optional(m.conditions.removalRate); }},
};

const ValueRow kSimulatedRows[] = {
    {"chipSumNow",
     QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Debljina strugotine, zbir po zubima, sada"), "",
     "mm", 5, [](const sim::Measurements& m) { return std::optional(m.simulated.chipSumNow); }},
    {"chipNow",
     QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Debljina strugotine, usrednjena, sada"), "",
     "mm", 5, [](const sim::Measurements& m) { return std::optional(m.simulated.chipNow); }},
    {"forceNow", QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Glavni otpor rezanja, sada"), "",
     "N", 1, [](const sim::Measurements& m) { return std::optional(m.simulated.forceNow); }},
    {"teethNow", QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Broj zuba u zahvatu, sada"), "", "",
     0, [](const sim::Measurements& m) { return std::optional<double>(m.simulated.teethNow); }},
    {"largestChipSum",
     QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Najveća debljina strugotine, zbir po zubima"),
     "", "mm", 5,
     [](const sim::Measurements& m) { return std::optional(m.simulated.largestChipSum); }},
    {"largestChip",
     QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Najveća debljina strugotine, usrednjena"), "",
     "mm", 5, [](const sim::Measurements& m) { return std::optional(m.simulated.largestChip); }},
    {"meanForce",
     QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Srednja sila u taktovima sa silom"), "", "N", 1,
     [](const sim::Measurements& m) { return std::optional(m.simulated.meanForce); }},
};

const CheckRow kCheckRows[] = {
    {"hmax",
     QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Najveća debljina strugotine jednog zuba"),
     "h_max = f_z·sin φ_s (f_z za a ≥ D/2)", "mm", 5,
     [](const sim::Measurements& m) { return std::optional(m.compared.largestChip.simulated); },
     [](const sim::Measurements& m) { return m.compared.largestChip.textbook; },
     [](const sim::Measurements& m) { return m.compared.largestChip.differencePercent; }},
    {"hm", QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Srednja debljina strugotine"),
     "h_m = 2·a·f_z / (D·φ_s)", "mm", 5, nullptr,
     [](const sim::Measurements& m) { return std::optional(m.textbook.meanChip); }, nullptr},
    {"Fmax", QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Najveća sila"),
     "F(h_max) = k·B·h_max^x·K_a·v^−0,15", "N", 1,
     [](const sim::Measurements& m) { return std::optional(m.compared.largestForce.simulated); },
     [](const sim::Measurements& m) { return m.compared.largestForce.textbook; },
     [](const sim::Measurements& m) { return m.compared.largestForce.differencePercent; }},
    {"Fm", QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Sila jednog zuba pri h_m"),
     "F(h_m) = k·B·h_m^x·K_a·v^−0,15", "N", 1, nullptr,
     [](const sim::Measurements& m) { return m.textbook.forceAtMeanChip; }, nullptr},
    {"Fmean", QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Srednja sila (poslednji obrt)"),
     "z_e·F(h_m)", "N", 1,
     [](const sim::Measurements& m) { return std::optional(m.compared.meanForce.simulated); },
     [](const sim::Measurements& m) { return m.compared.meanForce.textbook; },
     [](const sim::Measurements& m) { return m.compared.meanForce.differencePercent; }},
    {"P", QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Snaga rezanja"), "P = F·v / 60000", "kW",
     3, [](const sim::Measurements& m) { return std::optional(m.compared.power.simulated); },
     [](const sim::Measurements& m) { return m.compared.power.textbook; },
     [](const sim::Measurements& m) { return m.compared.power.differencePercent; }},
    {"M", QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Obrtni moment"), "M = F·D / 2000", "N·m",
     1, [](const sim::Measurements& m) { return std::optional(m.compared.torque.simulated); },
     [](const sim::Measurements& m) { return m.compared.torque.textbook; },
     [](const sim::Measurements& m) { return m.compared.torque.differencePercent; }},
};

// One line of the per-tooth forces: the simulated figure, the textbook integral's and their
// difference, read from one comparison of the measurements.
struct ToothRow {
    const char* key;
    const char* name;
    const char* formula;
    const char* unit;
    int decimals;
    sim::ToothForceComparison sim::ToothForceResults::*figure;
};

const ToothRow kToothRows[] = {
    {"toothFt",
     QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Srednja tangencijalna sila (poslednji obrt)"),
     "z/(2π)·∫ F_t(φ) dφ", "N", 1, &sim::ToothForceResults::meanTangential},
    {"toothFf",
     QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Srednja sila u pravcu pomoćnog kretanja"),
     "z/(2π)·∫ F_t·(∓cos φ − K_r·sin φ) dφ", "N", 1, &sim::ToothForceResults::meanFeed},
    {"toothFn", QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Srednja normalna sila"),
     "z/(2π)·∫ F_t·(K_r·cos φ ∓ sin φ) dφ", "N", 1, &sim::ToothForceResults::meanNormal},
    {"toothF", QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Rezultanta srednjih sila"),
     "F = √(F_f² + F_n²)", "N", 1, &sim::ToothForceResults::resultant},
    {"toothAngle", QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Ugao rezultante"),
     "atan2(F_n, F_f)", "°", 1, &sim::ToothForceResults::resultantAngle},
    {"toothFnPeak", QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Najveća normalna sila"), "", "N",
     1, &sim::ToothForceResults::peakNormal},
    {"toothM", QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Obrtni moment"), "M = F_t·D / 2000",
     "N·m", 1, &sim::ToothForceResults::torque},
    {"toothP", QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "Snaga rezanja"), "P = F_t·v / 60000",
     "kW", 3, &sim::ToothForceResults::power},
};

constexpr const char* kToothExplanation = QT_TRANSLATE_NOOP(
    "app::TMeasurementsWindow",
    "Sile po zubu: zakon sile primenjen na strugotinu svakog zuba posebno, radijalna sila "
    "F_r = K_r·F_t. Pozitivna sila u pravcu pomoćnog kretanja vuče obradak napred, pozitivna "
    "normalna sila ga pritiska na sto, negativna ga podiže; ugao 0° je u pravcu pomoćnog "
    "kretanja, 90° ka stolu. Udžbenik integrali silu idealne strugotine h = f_z·sin φ od ulaza "
    "do izlaza zuba (gornji znak u formulama: suprotno glodanje, donji: istosmerno). Simulirane "
    "vrednosti se pojavljuju posle prvog celog obrta.");

constexpr const char* kExplanation = QT_TRANSLATE_NOOP(
    "app::TMeasurementsWindow",
    "Zašto se simulacija i udžbenik razlikuju:\n"
    "• Putanja zuba: simulacija meri strugotinu na profilu koji su ostavili prethodni zubi, "
    "duž stvarne putanje zuba dok obradak napreduje, a ne na krugu; zato najveća debljina nije "
    "tačno f_z·sin φ_s.\n"
    "• Nagib sečiva: kosi zub ulazi u zahvat postepeno, pa simulacija usrednjava zbir debljina "
    "po nekoliko taktova; to snižava vrh sile ispod F(h_max) i razvlači silu preko taktova.\n"
    "• Stepeni zakon: sila raste sa debljinom na stepen manji od 1, pa sila srednje debljine "
    "nije srednja vrednost sile. Simulacija primenjuje zakon na debljinu usrednjenu po nagibu "
    "(to podiže srednju silu) i na zbir debljina svih zuba u zahvatu (to je spušta kada je u "
    "zahvatu više zuba, pri većoj dubini i broju zuba); udžbenik računa z_e·F(h_m), silu po "
    "zubu pomnoženu brojem zuba.\n"
    "Sile i snaga se porede kada su materijali izabrani.");

QLabel* Cell(QGridLayout* grid, int row, int column, const QString& text,
             Qt::Alignment alignment = Qt::AlignLeft) {
    auto* label = new QLabel(text);
    label->setAlignment(alignment | Qt::AlignVCenter);
    grid->addWidget(label, row, column);
    return label;
}

QLabel* Heading(QGridLayout* grid, int row) {
    QLabel* label = Cell(grid, row, 0, QString());
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    grid->addWidget(label, row, 0, 1, 6);
    return label;
}

} // namespace

QString MeasurementText(std::optional<double> value, int decimals) {
    if (!value)
        return QStringLiteral("–");
    QString text = QString::number(*value, 'f', decimals);
    return text.replace(QLatin1Char('.'), QLatin1Char(SystemDecimalSeparator()));
}

QString NormalForceText(std::optional<double> force, int decimals) {
    if (!force || *force == 0)
        return MeasurementText(force, decimals);
    const char* effect = *force < 0 ? QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "podiže")
                                    : QT_TRANSLATE_NOOP("app::TMeasurementsWindow", "pritiska");
    return MeasurementText(force, decimals) + QStringLiteral(" (") +
           QCoreApplication::translate("app::TMeasurementsWindow", effect) + QLatin1Char(')');
}

TMeasurementsWindow::TMeasurementsWindow(Source source, QWidget* owner)
    : QWidget(owner, Qt::Window), source_(std::move(source)),
      texts_(std::make_unique<TranslatedTexts>("app::TMeasurementsWindow")) {
    texts_->Add(QT_TR_NOOP("Merenja"), [this](const QString& text) { setWindowTitle(text); });
    const auto caption = [this](QLabel* label, const char* source) {
        texts_->Add(source, [label](const QString& text) { label->setText(text); });
    };
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    const Qt::Alignment right = Qt::AlignRight;
    int row = 0;
    const auto valueRows = [&](const char* heading, const auto& rows) {
        caption(Heading(grid, row++), heading);
        for (const ValueRow& r : rows) {
            caption(Cell(grid, row, 0, QString()), r.name);
            Cell(grid, row, 1, QString::fromUtf8(r.formula));
            values_[r.key] = Cell(grid, row, 2, QString(), right);
            caption(Cell(grid, row, 3, QString()), r.unit);
            ++row;
        }
    };
    valueRows(QT_TR_NOOP("Uslovi rezanja"), kConditionRows);
    valueRows(QT_TR_NOOP("Simulacija"), kSimulatedRows);

    caption(Heading(grid, row++), QT_TR_NOOP("Provera po udžbeniku"));
    const char* columns[] = {"",
                             QT_TR_NOOP("Formula"),
                             QT_TR_NOOP("Simulacija"),
                             QT_TR_NOOP("Udžbenik"),
                             QT_TR_NOOP("Jedinica"),
                             QT_TR_NOOP("Razlika, %")};
    for (int c = 1; c < 6; ++c)
        caption(Cell(grid, row, c, QString(), c == 1 || c == 4 ? Qt::AlignLeft : right),
                columns[c]);
    ++row;
    for (const CheckRow& r : kCheckRows)
        AddComparedRow(grid, row++, r.key, r.name, r.formula, r.unit);

    caption(Heading(grid, row++), QT_TR_NOOP("Sile po zubu"));
    caption(Cell(grid, row, 0, QString()), QT_TR_NOOP("Odnos radijalne i tangencijalne sile"));
    Cell(grid, row, 1, QStringLiteral("K_r = F_r / F_t"));
    values_["toothKr"] = Cell(grid, row++, 2, QString(), right);
    for (const ToothRow& r : kToothRows)
        AddComparedRow(grid, row++, r.key, r.name, r.formula, r.unit);

    auto* explanation = new QLabel;
    explanation->setWordWrap(true);
    caption(explanation, kExplanation);
    auto* toothExplanation = new QLabel;
    toothExplanation->setWordWrap(true);
    caption(toothExplanation, kToothExplanation);
    AddToLogButton = new QPushButton;
    ShowLogButton = new QPushButton;
    texts_->Add(QT_TR_NOOP("Dodaj u dnevnik"),
                [this](const QString& text) { AddToLogButton->setText(text); });
    texts_->Add(QT_TR_NOOP("Dnevnik"),
                [this](const QString& text) { ShowLogButton->setText(text); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AddToLogButton);
    buttons->addWidget(ShowLogButton);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addWidget(explanation);
    column->addWidget(toothExplanation);
    column->addLayout(buttons);

    refresh_ = new QTimer(this);
    refresh_->setInterval(kRefreshMs);
    connect(refresh_, &QTimer::timeout, this, &TMeasurementsWindow::Refresh);
}

TMeasurementsWindow::~TMeasurementsWindow() = default;

void TMeasurementsWindow::AddComparedRow(QGridLayout* grid, int row, const std::string& key,
                                         const char* name, const char* formula, const char* unit) {
    const auto caption = [this](QLabel* label, const char* source) {
        texts_->Add(source, [label](const QString& text) { label->setText(text); });
    };
    caption(Cell(grid, row, 0, QString()), name);
    Cell(grid, row, 1, QString::fromUtf8(formula));
    values_[key + ".sim"] = Cell(grid, row, 2, QString(), Qt::AlignRight);
    values_[key + ".book"] = Cell(grid, row, 3, QString(), Qt::AlignRight);
    caption(Cell(grid, row, 4, QString()), unit);
    values_[key + ".diff"] = Cell(grid, row, 5, QString(), Qt::AlignRight);
}

void TMeasurementsWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        texts_->Retranslate();
    QWidget::changeEvent(event);
}

void TMeasurementsWindow::Refresh() {
    const sim::Measurements m = source_();
    const auto show = [&](const auto& rows) {
        for (const ValueRow& r : rows)
            values_[r.key]->setText(MeasurementText(r.value(m), r.decimals));
    };
    show(kConditionRows);
    show(kSimulatedRows);
    for (const CheckRow& r : kCheckRows) {
        const std::string key = r.key;
        const std::optional<double> simulated = r.simulated ? r.simulated(m) : std::nullopt;
        values_[key + ".sim"]->setText(r.simulated ? MeasurementText(simulated, r.decimals)
                                                   : QString());
        values_[key + ".book"]->setText(MeasurementText(r.textbook(m), r.decimals));
        // The simulated figures are largest values and means of what was cut, 0 until the cut
        // gives them: until then there is nothing to compare, and the difference is a dash, not
        // -100 %.
        const bool measured = simulated && *simulated != 0;
        values_[key + ".diff"]->setText(
            r.difference ? MeasurementText(measured ? r.difference(m) : std::nullopt, 1)
                         : QString());
    }
    ShowToothForces(m.toothForces);
}

void TMeasurementsWindow::ShowToothForces(const sim::ToothForceResults& forces) {
    values_["toothKr"]->setText(MeasurementText(forces.radialRatio, 2));
    for (const ToothRow& r : kToothRows) {
        const std::string key = r.key;
        const sim::ToothForceComparison& c = forces.*r.figure;
        const bool peak = r.figure == &sim::ToothForceResults::peakNormal;
        const auto shown = [&](std::optional<double> value) {
            return peak ? NormalForceText(value, r.decimals) : MeasurementText(value, r.decimals);
        };
        values_[key + ".sim"]->setText(shown(c.simulated));
        values_[key + ".book"]->setText(shown(c.textbook));
        QString difference = MeasurementText(c.difference, 1);
        if (c.difference && r.figure == &sim::ToothForceResults::resultantAngle)
            difference += QStringLiteral("°");
        values_[key + ".diff"]->setText(difference);
    }
}

QString TMeasurementsWindow::ValueText(const std::string& key) const {
    const auto found = values_.find(key);
    return found == values_.end() ? QString() : found->second->text();
}

void TMeasurementsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
    refresh_->start();
}

void TMeasurementsWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    refresh_->stop();
}

} // namespace app
