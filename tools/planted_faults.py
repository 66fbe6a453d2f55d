#!/usr/bin/env python3
"""Planted faults: does the test suite notice a one-line change that alters what a user sees?

Each fault below replaces one line of the product with a faulty one. The script applies the
faults one at a time, rebuilds the release tree, runs the tests (first those of the fault's
module, then, if none failed, the rest of the suite, long runs and soak tests left out) and
puts the line back, whatever happens. It ends with a table of the faults, which test caught
each, and the score per module and overall.

    tools/planted_faults.py [--build build/release] [--only NAME...] [--report FILE] [--check]

--check only verifies that every original line is still in its file exactly once.
"""

import argparse
import os
import re
import signal
import subprocess
import sys
import time
from collections import OrderedDict

# name, module, file, original line, faulty line, what the user sees, ctest regex of the module
FAULTS = [
    # The simulation core and its measurements.
    ("power_tenfold", "sim", "src/sim/measurements.cpp",
     "    return force * cuttingSpeed / 60000;",
     "    return force * cuttingSpeed / 6000;",
     "cutting power ten times too large"),
    ("teeth_in_cut_halved_turn", "sim", "src/sim/measurements.cpp",
     "    c.teethInCut = s.ToothCount * c.engagementAngle / 360;",
     "    c.teethInCut = s.ToothCount * c.engagementAngle / 180;",
     "mean teeth in the cut doubled"),
    ("first_force_tick_from_count", "sim", "src/sim/measurements.cpp",
     "            figures.firstForceTick = figures.ticks;",
     "            figures.firstForceTick = figures.forceTicks + 1;",
     "first force tick taken from the count of ticks with a force"),
    ("speed_factor_exponent", "sim", "src/sim/cutting_inputs.cpp",
     "        s.SpeedFactor = Power(s.CuttingSpeed, -0.15);",
     "        s.SpeedFactor = Power(s.CuttingSpeed, -0.10);",
     "force after a change of the cutting speed uses the wrong speed exponent"),
    ("revolution_mean_one_sample_more", "sim", "src/sim/force_model.cpp",
     "        s.MeanForceTrace[kTraceLength] = s.RevolutionForceSum / s.RevolutionSamples;",
     "        s.MeanForceTrace[kTraceLength] = s.RevolutionForceSum / (s.RevolutionSamples + 1);",
     "per-revolution mean force divided by one sample too many"),
    ("degrees_to_radians", "sim", "src/sim/tool_inputs.cpp",
     "    return degrees * kHalfTurn / 180;",
     "    return degrees * kHalfTurn / 90;",
     "typed angles doubled"),
    # The cutter view.
    ("centre_line_short", "cutter", "src/cutter/cutter_view.cpp",
     "    c.LineTo(s.CentreX, 300);",
     "    c.LineTo(s.CentreX, 200);",
     "vertical centre line stops short"),
    ("workpiece_in_hub_colour", "cutter", "src/cutter/cutter_view.cpp",
     "    c.SetBrushColour(kWorkpieceColour);",
     "    c.SetBrushColour(kHubColour);",
     "workpiece filled in the hub's colour"),
    ("hub_box_shifted", "cutter", "src/cutter/cutter_view.cpp",
     "constexpr canvas::CanvasRect kHubBox{100, 33, 200, 133};",
     "constexpr canvas::CanvasRect kHubBox{101, 33, 200, 133};",
     "hub one pixel narrower on the left"),
    # The canvas.
    ("ellipse_outline_too_far_in", "canvas", "src/canvas/ellipse_raster.cpp",
     "    const DoubledEllipse inner{a - 2 * w, b - 2 * w};",
     "    const DoubledEllipse inner{a - 2 * w - 2, b - 2 * w};",
     "ellipse outline one pixel too far in on each row"),
    ("short_line_middle", "canvas", "src/canvas/line_raster.cpp",
     "                    return static_cast<int>((a + b + 1) >> 1);",
     "                    return static_cast<int>((a + b) >> 1);",
     "two-step lines round their middle pixel the other way"),
    ("pie_radius_too_long", "canvas", "src/canvas/ellipse_raster.cpp",
     "    const double ra = static_cast<double>(a) / 2.0 - 0.5;",
     "    const double ra = static_cast<double>(a) / 2.0;",
     "pie radii reach half a pixel too far"),
    # The chart engine.
    ("nice_step_four", "chart", "src/chart/axis.cpp",
     "    if (step < 5.0) {",
     "    if (step < 4.0) {",
     "axis labels step by 10 where 5 fits"),
    ("plot_width_one_short", "chart", "src/chart/axis.cpp",
     "    m.Size = horizontal ? g.PlotWidth : -g.PlotHeight;",
     "    m.Size = horizontal ? g.PlotWidth - 1 : -g.PlotHeight;",
     "horizontal values placed on a plot one pixel narrower"),
    ("log_range", "chart", "src/chart/axis.cpp",
     "            m.LogRange = std::log(CurrentMaximum) - m.LogMinimum;",
     "            m.LogRange = std::log(CurrentMaximum + 1) - m.LogMinimum;",
     "logarithmic axis maps its maximum below the top"),
    # The oscillograph.
    ("chip_series_shows_sum", "oscillograph", "src/oscillograph/oscillograph.cpp",
     "        series2.AddPoint(t, state.ChipTrace[k], noLabel, kChipColour);",
     "        series2.AddPoint(t, state.ChipSumTrace[k], noLabel, kChipColour);",
     "chip curve shows the chip summed over the teeth"),
    ("chip_axis_maximum", "oscillograph", "src/oscillograph/oscillograph.cpp",
     "    SetUpFixedAxis(chart.RightAxis(), 0.5, clBlue);",
     "    SetUpFixedAxis(chart.RightAxis(), 1.0, clBlue);",
     "chip axis starts at 1 mm instead of 0.5 mm"),
    ("mean_force_on_chip_axis", "oscillograph", "src/oscillograph/oscillograph.cpp",
     "    SetUpSeries(series3, QString(), kMeanForceColour, TVertAxis::aLeftAxis);",
     "    SetUpSeries(series3, QString(), kMeanForceColour, TVertAxis::aRightAxis);",
     "mean force drawn against the chip axis"),
    # The widgets.
    ("up_step_one_more", "widgets", "src/widgets/spin_edit.cpp",
     "        SetValue(SaturatingAdd(Value(), increment_));",
     "        SetValue(SaturatingAdd(Value(), increment_ + 1));",
     "the up arrow steps one unit too far"),
    ("maximum_clamped_below", "widgets", "src/widgets/spin_edit.cpp",
     "            return maxValue_;",
     "            return maxValue_ - 1;",
     "a value above the maximum becomes one below it"),
    ("empty_text_reads_maximum", "widgets", "src/widgets/spin_edit.cpp",
     "    return numeric::ParseIntegerText(text().toStdString()).value_or(minValue_);",
     "    return numeric::ParseIntegerText(text().toStdString()).value_or(maxValue_);",
     "an empty field counts as its maximum"),
    # The main window.
    ("width_field_sets_feed", "app", "src/app/form1.cpp",
     "    if (Accept(sender, sim::SetCutWidth(state_, TextOf(sender))))",
     "    if (Accept(sender, sim::SetFeedSpeed(state_, TextOf(sender))))",
     "the width field changes the feed speed"),
    ("force_maximum_on_chip_axis", "app", "src/app/form1.cpp",
     "    Chart1->LeftAxis().SetMaximum(state_.ForceAxisMax);",
     "    Chart1->RightAxis().SetMaximum(state_.ForceAxisMax);",
     "the force maximum field sets the chip axis"),
    ("depth_display_in_tenths", "app", "src/app/form1.cpp",
     "    Edit1->setText(DecimalText(state_.DepthMm));",
     "    Edit1->setText(DecimalText(state_.DepthMm * 10));",
     "the depth display shows tenths as millimetres"),
    # The lab tools: run log, measurements window, experiment window, trace CSV.
    ("run_log_torque_as_textbook_power", "lab", "src/app/run_log.cpp",
     "    {\"textbook_power_kw\", [](const RunLogEntry& e) { return e.measurements.textbook.power; }},",
     "    {\"textbook_power_kw\", [](const RunLogEntry& e) { return e.measurements.textbook.torque; }},",
     "run log shows the textbook torque under the textbook power"),
    ("run_log_power_heading", "lab", "src/app/run_log_window.cpp",
     "    QT_TRANSLATE_NOOP(\"app::TRunLogWindow\", \"P, kW\"),",
     "    QT_TRANSLATE_NOOP(\"app::TRunLogWindow\", \"M, N·m\"),",
     "run log heads the power column as torque"),
    ("measured_power_shows_torque", "lab", "src/app/measurements_window.cpp",
     "     3, [](const sim::Measurements& m) { return std::optional(m.compared.power.simulated); },",
     "     3, [](const sim::Measurements& m) { return std::optional(m.compared.torque.simulated); },",
     "measurements window shows the torque as the simulated power"),
    ("measured_chip_shows_sum", "lab", "src/app/measurements_window.cpp",
     "     \"mm\", 5, [](const sim::Measurements& m) { return std::optional(m.simulated.chipNow); }},",
     "     \"mm\", 5, [](const sim::Measurements& m) { return std::optional(m.simulated.chipSumNow); }},",
     "measurements window shows the chip sum as the averaged chip"),
    ("experiment_rake_as_helix", "lab", "src/app/experiment_window.cpp",
     "            options.fields[fieldSpec.field] = form.EditOf(fieldSpec.field)->Text().toStdString();",
     "            options.fields[fieldSpec.field] = form.EditOf(fieldSpec.field == sim::InputField::Helix ? sim::InputField::Rake : fieldSpec.field)->Text().toStdString();",
     "experiment window takes the rake field as the helix angle"),
    ("experiment_from_short_of_maximum", "lab", "src/app/experiment_window.cpp",
     "    FromEdit->setRange(minimum, maximum);",
     "    FromEdit->setRange(minimum, maximum - fieldSpec.step / scale);",
     "experiment range cannot start at the field's maximum"),
    ("trace_change_tick", "lab", "src/app/trace_log.cpp",
     "            std::string line = \"# tick=\" + std::to_string(figures_.ticks);",
     "            std::string line = \"# tick=\" + std::to_string(figures_.ticks - 1);",
     "trace CSV dates an input change one tick early"),
    ("trace_inputs_comment", "lab", "src/app/trace_log.cpp",
     "        comments_ += \"# \" + key + '=' + ValueText(value) + '\\n';",
     "        comments_ += \"# \" + key + '=' + ValueText(nullptr) + '\\n';",
     "trace CSV's input lines lose their values"),
    # Scenario files.
    ("scenario_maximum_refused", "scenario", "src/scenario/scenario_file.cpp",
     "        if (*number < fieldSpec->minimum || *number > fieldSpec->maximum) {",
     "        if (*number < fieldSpec->minimum || *number >= fieldSpec->maximum) {",
     "a value at a field's maximum refused"),
    ("scenario_direction_swapped", "scenario", "src/scenario/scenario_file.cpp",
     "        s.direction = sim::ParseDirectionName(value);",
     "        s.direction = sim::ParseDirectionName(value == \"up\" ? \"down\" : value == \"down\" ? \"up\" : value);",
     "scenario directions read the wrong way round"),
    ("scenario_helix_from_rake_field", "scenario", "src/app/form1.cpp",
     "               {SpinEdit8, InputField::Helix},    {SpinEdit5, InputField::Speed},",
     "               {SpinEdit3, InputField::Helix},    {SpinEdit5, InputField::Speed},",
     "scenario items treat the rake field as the helix field"),
    # The batch runner.
    ("report_first_force_from_count", "batch", "src/lab/report.cpp",
     "        {\"first_force_tick\", figures.firstForceTick},",
     "        {\"first_force_tick\", figures.forceTicks},",
     "report's first_force_tick holds the count of ticks with a force"),
    ("report_largest_chip_from_tooth", "batch", "src/lab/report.cpp",
     "        {\"largest_chip_mm\", r.largestChip},",
     "        {\"largest_chip_mm\", r.largestToothChip},",
     "report's averaged largest chip holds the one-tooth chip"),
    ("report_conditions_swapped", "batch", "src/lab/report.cpp",
     "        {\"engagement_angle_deg\", c.engagementAngle},   {\"teeth_in_cut\", c.teethInCut},",
     "        {\"engagement_angle_deg\", c.teethInCut},   {\"teeth_in_cut\", c.engagementAngle},",
     "report swaps the engagement angle and the teeth in the cut"),
    ("jobs_maximum_refused", "batch", "tools/batch/batch_options.cpp",
     "        {\"--jobs\", CountSetter(o.jobs, \"--jobs\", 1, 256, \"from 1 to 256\")},",
     "        {\"--jobs\", CountSetter(o.jobs, \"--jobs\", 1, 255, \"from 1 to 256\")},",
     "--jobs 256 refused"),
    ("csv_chip_column_holds_sum", "batch", "src/lab/run_csv.cpp",
     "        << ',' << RealText{s.ChipTrace[newest]} << ',' << RealText{s.ForceTrace[newest]} << ','",
     "        << ',' << RealText{s.ChipSumTrace[newest]} << ',' << RealText{s.ForceTrace[newest]} << ','",
     "CSV's chip column holds the chip sum"),
    # Sweeps.
    ("sweep_largest_chip_averaged", "sweeps", "src/lab/sweep.cpp",
     "    row.largestChip = summary.figures.largestToothChip;",
     "    row.largestChip = summary.figures.largestChip;",
     "sweep CSV's largest_chip filled from the averaged chip"),
    ("sweep_values_shifted", "sweeps", "src/lab/sweep.cpp",
     "            std::to_string(plan.from + static_cast<int32_t>(index) * plan.step);",
     "            std::to_string(plan.from + static_cast<int32_t>(index + 1) * plan.step);",
     "each sweep run uses the next value"),
    ("sweep_plot_last_revolution", "sweeps", "src/lab/sweep_plot.cpp",
     "            simulated.AddPoint(row.point.x, row.meanForce, label);",
     "            simulated.AddPoint(row.point.x, row.lastRevolutionMean, label);",
     "sweep plot draws the last revolution's mean as the mean force"),
    ("sweep_to_maximum_refused", "sweeps", "src/lab/sweep_plan.cpp",
     "    if (plan.to < fieldSpec.minimum || plan.to > fieldSpec.maximum) {",
     "    if (plan.to < fieldSpec.minimum || plan.to >= fieldSpec.maximum) {",
     "a sweep up to a field's maximum refused"),
]

# The tests run first for each module: the ctest names of its binaries.
MODULE_TESTS = {
    "sim": r"^sim\.|^lab\.|^tools\.",
    "cutter": r"^cutter|^oscillograph|Golden",
    "canvas": r"^canvas|Figures/|Sectors/|Widths/|CanvasTest",
    "chart": r"^chart|^oscillograph|Golden",
    "oscillograph": r"^oscillograph|Golden|^app\.",
    "widgets": r"^widgets|SpinEdit",
    "app": r"^app\.",
    "lab": r"^app\.",
    "scenario": r"^scenario|^app\.",
    "batch": r"^lab\.|^tools\.",
    "sweeps": r"^lab\.|^tools\.",
}

EXCLUDED = "long_run|soak"


def run(cmd, cwd, timeout=None):
    return subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, timeout=timeout)


def failed_tests(output):
    # Names of parameterised tests may hold spaces; the part before the first one names the row.
    names = re.findall(r"Test\s+#\d+: (.+?) \.{3,}\s*\*+(?:Failed|Exception|Timeout)", output)
    names += re.findall(r"^\s*\d+ - (.+) \((?:Failed|Timeout|SEGFAULT|Subprocess aborted)\)$",
                        output, re.MULTILINE)
    return list(OrderedDict.fromkeys(name.split(" ")[0] for name in names))


def ctest(build, regex, exclude):
    cmd = ["ctest", "-j2", "--timeout", "600", "--stop-on-failure"]
    if regex:
        cmd += ["-R", regex]
    cmd += ["-E", exclude]
    out = run(cmd, build)
    return out.returncode, failed_tests(out.stdout), out.stdout


def check_lines(root):
    problems = []
    for name, _, path, original, faulty, _ in FAULTS:
        with open(os.path.join(root, path), encoding="utf-8") as f:
            lines = f.read().split("\n")
        count = lines.count(original)
        if count != 1:
            problems.append(f"{name}: {count} lines in {path} are the original")
        if original == faulty:
            problems.append(f"{name}: the faulty line is the original")
    return problems


def try_fault(root, build, fault):
    name, module, path, original, faulty, _ = fault
    full = os.path.join(root, path)
    with open(full, encoding="utf-8") as f:
        text = f.read()
    lines = text.split("\n")
    lines[lines.index(original)] = faulty
    try:
        with open(full, "w", encoding="utf-8") as f:
            f.write("\n".join(lines))
        built = run(["cmake", "--build", build, "-j2"], root)
        if built.returncode != 0:
            return "build failed", built.stdout[-2000:]
        status, failed, _ = ctest(build, MODULE_TESTS[module], EXCLUDED)
        if status == 0:
            status, failed, _ = ctest(build, None, f"{EXCLUDED}|{MODULE_TESTS[module]}")
        if status == 0:
            return "missed", ""
        return "caught", ", ".join(failed[:3]) or "ctest failed"
    finally:
        with open(full, "w", encoding="utf-8") as f:
            f.write(text)


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build/release")
    parser.add_argument("--only", nargs="*", help="fault names or modules")
    parser.add_argument("--report")
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    build = os.path.join(root, args.build)

    problems = check_lines(root)
    if problems or args.check:
        print("\n".join(problems) or f"{len(FAULTS)} faults, every original line found once")
        return 1 if problems else 0

    # A terminated check still puts the faulty line back (in try_fault's finally).
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(2))
    faults = [f for f in FAULTS if not args.only or f[0] in args.only or f[1] in args.only]
    results = []
    try:
        for fault in faults:
            started = time.time()
            outcome, detail = try_fault(root, build, fault)
            results.append((fault, outcome, detail))
            print(f"{fault[1]:13} {fault[0]:36} {outcome:8} {time.time() - started:5.0f} s  "
                  f"{detail}", flush=True)
    finally:
        # Leave the build matching the tree.
        run(["cmake", "--build", build, "-j2"], root)

    per_module = OrderedDict()
    for (name, module, *_), outcome, _ in results:
        caught, total = per_module.get(module, (0, 0))
        per_module[module] = (caught + (outcome == "caught"), total + 1)
    lines = ["| module | fault | file | what the user sees | outcome | caught by |",
             "|---|---|---|---|---|---|"]
    for (name, module, path, _, _, what), outcome, detail in results:
        lines.append(f"| {module} | {name} | {path} | {what} | {outcome} | {detail} |")
    lines += ["", "| module | caught | planted | score |", "|---|---|---|---|"]
    caught_all = sum(c for c, _ in per_module.values())
    total_all = sum(t for _, t in per_module.values())
    for module, (caught, total) in per_module.items():
        lines.append(f"| {module} | {caught} | {total} | {100 * caught / total:.0f} % |")
    if total_all:
        lines.append(f"| all | {caught_all} | {total_all} | {100 * caught_all / total_all:.0f} % |")
    table = "\n".join(lines) + "\n"
    print(table)
    if args.report:
        with open(args.report, "w", encoding="utf-8") as f:
            f.write(table)
    return 0 if caught_all == total_all else 1


if __name__ == "__main__":
    sys.exit(main())
