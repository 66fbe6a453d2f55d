#!/usr/bin/env python3
"""Runs glodanje-batch --report over a grid of inputs and tells how far the simulated mean force
of both force models and the largest chip lie from the textbook values, grouped by the depth of
cut.

Usage: tools/textbook_grid.py path/to/glodanje-batch [--jobs N] [--full]
                              [--write README.md | --check README.md]

The grid: workpiece materials 28Cr4, C35 and AlSi8 (tool P30, which suits all), 4, 12 and 20
teeth, depths from the smallest to half the diameter, both directions, helix 0 and 45 degrees;
the other inputs keep their start values (diameter 100 mm). --full runs every material and 4, 8,
12, 16 and 20 teeth (2,400 runs).

Each run uses the chip-sum model; the per-tooth model's figures come from the report's
"per_tooth" section of the same run (the per-tooth traces do not depend on the model the main
trace shows, and with --model tooth the last revolution mean is that section's mean tangential
force).

Without --write or --check it prints the table. --write puts it into the file between the two
marker lines; --check exits with 1 (and says what differs) when the file's table is not the one
the program gives now.
"""

import argparse
import concurrent.futures
import difflib
import json
import os
import statistics
import subprocess
import sys
import tempfile

TABLE_MATERIALS = ["28Cr4", "C35", "AlSi8"]
TEETH = [4, 8, 12, 16, 20]
TABLE_TEETH = [4, 12, 20]
DEPTHS = [0.5, 2, 5, 10, 25, 50]  # mm, for the 100 mm cutter
DIRECTIONS = ["up", "down"]
HELIXES = [0, 45]
DIAMETER = 100
BANDS = ["a <= D/10", "D/10 < a <= D/4", "D/4 < a <= D/2"]
BEGIN = "<!-- textbook-table:begin (tools/textbook_grid.py --write README.md) -->"
END = "<!-- textbook-table:end -->"


def workpiece_materials(batch):
    """The workpiece list as the program gives it: its usage text lists the core's names."""
    usage = subprocess.run([batch, "--help"], check=True, stdout=subprocess.PIPE,
                           text=True).stdout
    for line in usage.splitlines():
        option, _, names = line.strip().partition("--workpiece NAME")
        if not option and names:
            return [name.strip() for name in names.split(",")]
    raise SystemExit("%s --help names no workpiece materials" % batch)


def run(batch, job, directory):
    material, teeth, depth, direction, helix = job
    report = os.path.join(directory, "%s-%d-%s-%s-%d.json" % (
        material.replace(" ", "_"), teeth, depth, direction, helix))
    subprocess.run([batch, "--workpiece", material, "--tool", "P30", "--teeth", str(teeth),
                    "--depth", str(depth), "--direction", direction, "--helix", str(helix),
                    "--model", "sum", "--csv", os.devnull, "--report", report],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with open(report) as file:
        data = json.load(file)
    compared = data["comparison"]
    tooth = data["per_tooth"]["mean_tangential_force_n"]
    cutter_force = data["textbook"]["mean_cutter_force_n"]
    return job, compared["mean_force_n"]["difference_percent"], \
        (tooth["simulated"] - cutter_force) / cutter_force * 100, \
        tooth["difference_percent"], compared["largest_chip_mm"]["difference_percent"]


def band(depth):
    ratio = depth / DIAMETER
    if ratio <= 0.1:
        return BANDS[0]
    if ratio <= 0.25:
        return BANDS[1]
    return BANDS[2]


def spread(values):
    values = [v for v in values if v is not None]
    if not values:
        return "-"
    return "%+.0f / %+.0f / %+.0f" % (min(values), statistics.median(values), max(values))


def table(results):
    lines = ["| Depth | Direction | Helix | Chip sum: mean force against z_e F(h_m) "
             "| Per tooth: mean force against z_e F(h_m) | Per tooth against the integral "
             "| Largest chip against h_max |",
             "|---|---|---|---|---|---|---|"]
    for group in BANDS:
        for direction in DIRECTIONS:
            for helix in HELIXES:
                rows = [r for r in results if band(r[0][2]) == group
                        and r[0][3] == direction and r[0][4] == helix]
                lines.append("| %s | %s | %d | %s |" % (
                    group, direction, helix,
                    " | ".join(spread([r[column] for r in rows]) for column in range(1, 5))))
    return "\n".join(lines) + "\n"


def split_file(path):
    with open(path, encoding="utf-8") as file:
        text = file.read()
    begin = text.find(BEGIN)
    end = text.find(END)
    if begin < 0 or end < begin:
        sys.exit("%s: no table between the marker lines %s and %s" % (path, BEGIN, END))
    start = begin + len(BEGIN) + 1
    return text[:start], text[start:end], text[end:]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("batch")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    parser.add_argument("--full", action="store_true")
    action = parser.add_mutually_exclusive_group()
    action.add_argument("--write", metavar="FILE")
    action.add_argument("--check", metavar="FILE")
    args = parser.parse_args()
    every_material = workpiece_materials(args.batch)
    unknown = [m for m in TABLE_MATERIALS if m not in every_material]
    if unknown:
        raise SystemExit("not workpiece materials of the program: %s" % ", ".join(unknown))
    materials = every_material if args.full else TABLE_MATERIALS
    teeth = TEETH if args.full else TABLE_TEETH
    jobs = [(m, z, a, d, h) for m in materials for z in teeth for a in DEPTHS
            for d in DIRECTIONS for h in HELIXES]
    with tempfile.TemporaryDirectory() as directory, \
            concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
        results = list(pool.map(lambda job: run(args.batch, job, directory), jobs))
    now = table(results)

    if args.write:
        before, _, after = split_file(args.write)
        with open(args.write, "w", encoding="utf-8") as file:
            file.write(before + now + after)
        return 0
    if args.check:
        _, written, _ = split_file(args.check)
        if written != now:
            sys.stdout.writelines(difflib.unified_diff(
                written.splitlines(True), now.splitlines(True), args.check + " (written)",
                "what the program gives now"))
            print("The table in %s is stale: run tools/textbook_grid.py %s --write %s" % (
                args.check, args.batch, args.check))
            return 1
        return 0
    print("%d runs; difference simulated - textbook in percent" % len(results))
    sys.stdout.write(now)
    return 0


if __name__ == "__main__":
    sys.exit(main())
