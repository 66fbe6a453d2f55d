#!/usr/bin/env python3
"""Runs glodanje-batch --report over a grid of inputs and prints how far the simulated mean force
and largest chip lie from the textbook values, grouped by the depth of cut.

Usage: tools/textbook_grid.py path/to/glodanje-batch [--jobs N] [--quick]

The grid: every workpiece material (tool P30, which suits all), teeth 4..20, depths from the
smallest to half the diameter, both directions, helix 0 and 45 degrees; the other inputs keep
their start values (diameter 100 mm). --quick runs a small part of it.
"""

import argparse
import concurrent.futures
import json
import os
import statistics
import subprocess
import sys
import tempfile

MATERIALS = ["28Cr4", "C35", "C4131", "SL 200", "NL 600-3", "C1633", "PTEL 65-2", "C4130",
             "C1430", "AlSi8"]
TEETH = [4, 8, 12, 16, 20]
DEPTHS = [0.5, 2, 5, 10, 25, 50]  # mm, for the 100 mm cutter
DIRECTIONS = ["up", "down"]
HELIXES = [0, 45]
DIAMETER = 100


def run(batch, job, directory):
    material, teeth, depth, direction, helix = job
    report = os.path.join(directory, "%s-%d-%s-%s-%d.json" % (
        material.replace(" ", "_"), teeth, depth, direction, helix))
    subprocess.run([batch, "--workpiece", material, "--tool", "P30", "--teeth", str(teeth),
                    "--depth", str(depth), "--direction", direction, "--helix", str(helix),
                    "--csv", os.devnull, "--report", report],
                   check=True, stderr=subprocess.DEVNULL)
    with open(report) as file:
        data = json.load(file)
    compared = data["comparison"]
    return job, compared["mean_force_n"]["difference_percent"], \
        compared["largest_chip_mm"]["difference_percent"]


def band(depth):
    ratio = depth / DIAMETER
    if ratio <= 0.1:
        return "a <= D/10"
    if ratio <= 0.25:
        return "D/10 < a <= D/4"
    return "D/4 < a <= D/2"


def spread(values):
    values = [v for v in values if v is not None]
    if not values:
        return "no values"
    return "%+7.1f %+7.1f %+7.1f  (%d runs)" % (min(values), statistics.median(values),
                                               max(values), len(values))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("batch")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    parser.add_argument("--quick", action="store_true")
    args = parser.parse_args()
    materials = MATERIALS[:2] if args.quick else MATERIALS
    teeth = TEETH[::2] if args.quick else TEETH
    jobs = [(m, z, a, d, h) for m in materials for z in teeth for a in DEPTHS
            for d in DIRECTIONS for h in HELIXES]
    results = []
    with tempfile.TemporaryDirectory() as directory, \
            concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
        for result in pool.map(lambda job: run(args.batch, job, directory), jobs):
            results.append(result)

    print("Difference simulated - textbook in percent: min, median, max")
    for key, name in [(1, "mean force (last revolution mean against z_e F(h_m))"),
                      (2, "largest chip (largest chip of one tooth against h_max)")]:
        print("\n" + name)
        for group in ["a <= D/10", "D/10 < a <= D/4", "D/4 < a <= D/2"]:
            for direction in DIRECTIONS:
                for helix in HELIXES:
                    values = [r[key] for r in results if band(r[0][2]) == group
                              and r[0][3] == direction and r[0][4] == helix]
                    print("  %-16s %-4s helix %2d: %s" % (group, direction, helix,
                                                          spread(values)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
