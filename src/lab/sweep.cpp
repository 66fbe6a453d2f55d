#include "lab/sweep.h"

#include "lab/run.h"
#include "lab/run_csv.h"

#include "sim/materials.h"
#include "sim/user_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <ostream>
#include <thread>

namespace lab {

RunInputs PointOptions(const RunInputs& base, const SweepPlan& plan, size_t index) {
    RunInputs options = base;
    const auto row = static_cast<int>(index) + 1;
    switch (plan.kind) {
    case SweepKind::Field:
        options.fields[plan.field] =
            std::to_string(plan.from + static_cast<int32_t>(index) * plan.step);
        break;
    case SweepKind::Workpiece:
        options.workpieceMaterial = row;
        break;
    case SweepKind::Tool:
        options.toolMaterial = row;
        break;
    case SweepKind::Direction:
        options.direction = index == 0 ? sim::MillingDirection::Up : sim::MillingDirection::Down;
        break;
    }
    return options;
}

std::optional<SweepRow> RunSweepPoint(const RunInputs& options, const SweepPoint& point,
                                      std::optional<int> maxTicks,
                                      const std::atomic<bool>* cancel) {
    SweepRow row;
    row.point = point;
    auto state = std::make_unique<sim::SimState>();
    const PrepareResult prepared = PrepareRun(*state, options, nullptr);
    if (!prepared.ok) {
        row.skipped = prepared.error;
        return row;
    }
    bool cancelled = false;
    const RunSummary summary =
        RunToEnd(*state, maxTicks, nullptr, [cancel, &cancelled](int, const sim::SimState&) {
            cancelled = cancel != nullptr && cancel->load(std::memory_order_relaxed);
            return !cancelled;
        });
    if (cancelled) {
        return std::nullopt;
    }
    const sim::Measurements& m = summary.measurements;
    row.ran = true;
    row.ticks = summary.ticksRun;
    row.firstForceTick = summary.firstForceTick;
    row.largestChip = summary.figures.largestToothChip;
    row.largestForce = summary.largestForce;
    row.meanForce = summary.meanForce;
    row.lastRevolutionMean = summary.lastRevolutionMean;
    row.power = m.simulated.power;
    row.torque = m.simulated.torque;
    row.textbookMaxChip = m.textbook.maxChip;
    row.textbookMeanChip = m.textbook.meanChip;
    row.textbookMeanForce = m.textbook.meanCutterForce;
    if (const std::optional<sim::ForceLaw> law = sim::CurrentForceLaw(*state)) {
        row.chipExponent = law->chipExponent;
    }
    return row;
}

SweepResult RunSweep(const SweepRequest& request) {
    const std::vector<SweepPoint> points = SweepPoints(request.plan);
    std::vector<std::optional<SweepRow>> done(points.size());
    std::atomic<size_t> next{0};
    std::mutex deliver;
    size_t delivered = 0; // rows handed to onRow, under deliver
    std::atomic<bool> cancelled{false};

    const auto work = [&] {
        for (size_t i = next.fetch_add(1); i < points.size(); i = next.fetch_add(1)) {
            if (request.cancel != nullptr && request.cancel->load()) {
                cancelled = true;
                return;
            }
            std::optional<SweepRow> row =
                RunSweepPoint(PointOptions(request.base, request.plan, i), points[i],
                              request.base.ticks, request.cancel);
            if (!row) {
                cancelled = true;
                return;
            }
            const std::lock_guard<std::mutex> lock(deliver);
            done[i] = std::move(row);
            // Hand over the rows that now complete the prefix, so they arrive in input order.
            while (delivered < done.size() && done[delivered]) {
                if (request.onRow) {
                    request.onRow(delivered, *done[delivered]);
                }
                ++delivered;
            }
        }
    };
    const int threads = std::max(1, std::min<int>(request.jobs, static_cast<int>(points.size())));
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) {
        pool.emplace_back(work);
    }
    work();
    for (std::thread& thread : pool) {
        thread.join();
    }

    SweepResult result;
    result.cancelled = cancelled;
    for (std::optional<SweepRow>& row : done) {
        if (!row) {
            break;
        }
        result.rows.push_back(std::move(*row));
    }
    return result;
}

const char* const kSweepCsvHeader =
    "value,ticks,first_force_tick,largest_chip,largest_force,mean_force,last_revolution_mean,"
    "power,torque,textbook_max_chip,textbook_mean_chip,textbook_mean_force";

void WriteSweepCsv(std::ostream& csv, const std::vector<SweepRow>& rows) {
    csv << kSweepCsvHeader << '\n';
    for (const SweepRow& row : rows) {
        if (!row.ran) {
            continue;
        }
        csv << row.point.label << ',' << row.ticks << ',' << row.firstForceTick << ','
            << FormatReal(row.largestChip) << ',' << FormatReal(row.largestForce) << ','
            << FormatReal(row.meanForce) << ',' << FormatReal(row.lastRevolutionMean) << ','
            << FormatReal(row.power) << ',' << FormatReal(row.torque) << ','
            << FormatReal(row.textbookMaxChip) << ',' << FormatReal(row.textbookMeanChip) << ','
            << (row.textbookMeanForce ? FormatReal(*row.textbookMeanForce) : std::string()) << '\n';
    }
}

std::optional<double> FitPowerLawExponent(const std::vector<double>& x,
                                          const std::vector<double>& y) {
    std::vector<double> lx;
    std::vector<double> ly;
    for (size_t i = 0; i < x.size() && i < y.size(); ++i) {
        if (x[i] > 0 && y[i] > 0) {
            lx.push_back(std::log(x[i]));
            ly.push_back(std::log(y[i]));
        }
    }
    if (lx.size() < 2) {
        return std::nullopt;
    }
    // Centred sums, which keep the round-off small when the logarithms are large.
    const auto n = static_cast<double>(lx.size());
    double mx = 0;
    double my = 0;
    for (size_t i = 0; i < lx.size(); ++i) {
        mx += lx[i];
        my += ly[i];
    }
    mx /= n;
    my /= n;
    double sxx = 0;
    double sxy = 0;
    for (size_t i = 0; i < lx.size(); ++i) {
        sxx += (lx[i] - mx) * (lx[i] - mx);
        sxy += (lx[i] - mx) * (ly[i] - my);
    }
    if (sxx == 0) {
        return std::nullopt;
    }
    return sxy / sxx;
}

std::optional<double> FitMeanForceExponent(const std::vector<SweepRow>& rows) {
    std::vector<double> x;
    std::vector<double> y;
    for (const SweepRow& row : rows) {
        if (row.ran) {
            x.push_back(row.point.x);
            y.push_back(row.meanForce);
        }
    }
    return FitPowerLawExponent(x, y);
}

std::string SweepAxisTitle(const SweepPlan& plan) {
    switch (plan.kind) {
    case SweepKind::Field: {
        const sim::InputFieldSpec& fieldSpec = sim::FieldSpec(plan.field);
        std::string title = TranslatedCoreText(fieldSpec.label);
        if (fieldSpec.labelSecondLine != nullptr) {
            title += TranslatedCoreText(fieldSpec.labelSecondLine);
        }
        // The angle labels end in ", " and leave the unit to a separate label.
        if (title.size() >= 2 && title.compare(title.size() - 2, 2, ", ") == 0) {
            title += fieldSpec.unit;
        }
        return title;
    }
    case SweepKind::Workpiece:
        return TranslatedCoreText(sim::kWorkpieceMaterialPrompt);
    case SweepKind::Tool:
        return TranslatedCoreText(sim::kToolMaterialPrompt);
    case SweepKind::Direction:
        return QCoreApplication::translate("lab::SweepPlot", "Smer glodanja").toStdString();
    }
    return {};
}

std::string TranslatedCoreText(const std::string& source) {
    return QCoreApplication::translate(sim::kUserTextContext, source.c_str()).toStdString();
}

int DefaultJobs() {
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

} // namespace lab
