#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into tests/fuzz/corpus/<target>/.

Each seed is a short, readable sequence that reaches one part of the code: a run in the cut,
each field's good and bad texts, the material checks, direction changes and resets for the
operations target; good runs and each kind of bad argument for the batch runner's command line;
the example exercises and each kind of bad file for the scenario reader.
Run it again after changing the byte format of a target (tests/fuzz/sim_operations.h), and
check the written files in."""

import pathlib
import shutil

ROOT = pathlib.Path(__file__).resolve().parents[2]
CORPUS = ROOT / "tests" / "fuzz" / "corpus"

# Operations of tests/fuzz/sim_operations.h, in their order.
TYPE, WORKPIECE, TOOL, DIRECTION, START, PAUSE, TICKS, RESET = range(8)
# Fields of the inputs table, in their order, with their minimum and table maximum.
FIELDS = {
    "diameter": (0, 50, 180), "teeth": (1, 4, 20), "rake": (2, 0, 20), "clearance": (3, 5, 25),
    "helix": (4, 0, 50), "speed": (5, 30, 120), "feed": (6, 40, 600), "depth": (7, 5, 500),
    "width": (8, 10, 100), "force_max": (9, 100, 20000), "chip_max": (10, 1, 10),
}
# Text kinds of FieldText.
VALID, MINIMUM, MAXIMUM, BELOW, ABOVE, NEGATIVE, HUGE, EMPTY, BLANK, DECIMAL, LETTERS, RAW = \
    range(12)
MAX_TICKS_PER_OPERATION = 32


def text(field, kind, value=None, extra=b""):
    """A TypeText operation; value picks the number of the kinds that use one."""
    index, minimum, maximum = FIELDS[field]
    offset = 0 if value is None else value - minimum
    assert 0 <= offset <= maximum - minimum
    return bytes([TYPE, index, offset // 256, offset % 256, kind]) + extra


def ticks(count):
    out = b""
    while count > 0:
        step = min(count, MAX_TICKS_PER_OPERATION - 1)
        out += bytes([TICKS, step])
        count -= step
    return out


def materials(workpiece=1, tool=3):
    """Choose the list rows (1-based) and press "Proces"."""
    return bytes([WORKPIECE, workpiece, TOOL, tool, START])


FAST = text("feed", MAXIMUM)  # the cutter reaches the workpiece after about 90 ticks


def sim_seeds():
    seeds = {
        "run_up_in_the_cut": FAST + materials() + ticks(300),
        "run_down_in_the_cut": FAST + bytes([DIRECTION, 1]) + materials() + ticks(300),
        "run_to_the_feed_end": FAST + materials() + ticks(1500),
        "run_twenty_teeth_deep": text("teeth", MAXIMUM) + text("helix", VALID, 45) +
        text("depth", VALID, 500) + FAST + materials() + ticks(400),
        "run_four_teeth_shallow": text("teeth", MINIMUM) + text("depth", MINIMUM) + FAST +
        materials(10, 1) + ticks(300),
        "direction_change_in_the_cut": FAST + materials() + ticks(150) + bytes([DIRECTION, 1]) +
        ticks(100) + bytes([DIRECTION, 0]) + ticks(100),
        "reset_and_restart": FAST + materials() + ticks(200) + bytes([RESET, START]) + ticks(150),
        "pause_and_continue": FAST + materials() + ticks(120) + bytes([PAUSE]) + ticks(20) +
        bytes([START]) + ticks(60),
        "diameter_shrinks_the_depth": text("depth", VALID, 500) + text("diameter", MINIMUM) +
        FAST + materials() + ticks(200),
        "diameter_grows_in_the_cut": FAST + materials() + ticks(120) +
        text("diameter", MAXIMUM) + text("depth", ABOVE) + ticks(100),
        "inputs_change_in_the_cut": FAST + materials() + ticks(120) + text("teeth", VALID, 13) +
        text("speed", MAXIMUM) + text("width", MAXIMUM) + text("helix", MAXIMUM) + ticks(100),
        "clearance_minimum_four_teeth": text("teeth", MINIMUM) + text("clearance", MINIMUM),
        "clearance_minimum_each_row": b"".join(
            text("teeth", VALID, t) + text("clearance", MINIMUM) for t in (4, 6, 8, 10, 16, 18)),
        "missing_both_materials": bytes([START]) + ticks(10),
        "missing_tool": bytes([WORKPIECE, 1, START]) + ticks(10),
        "missing_workpiece": bytes([TOOL, 1, START]) + ticks(10),
        "material_mismatch": materials(4, 1) + FAST + ticks(150),
        "no_item_selected": bytes([WORKPIECE, 0, TOOL, 0, WORKPIECE, 11, TOOL, 6, START]),
        "axis_maxima": text("force_max", MINIMUM) + text("chip_max", MAXIMUM) +
        text("force_max", ABOVE) + text("chip_max", BELOW),
    }
    for field in FIELDS:
        seeds["field_" + field] = b"".join(
            text(field, kind, extra=extra)
            for kind, extra in [(VALID, b""), (MINIMUM, b""), (MAXIMUM, b""), (BELOW, b""),
                                (ABOVE, b""), (NEGATIVE, b""), (HUGE, bytes([1])), (EMPTY, b""),
                                (BLANK, bytes([0, 1])), (DECIMAL, bytes([0, 5])),
                                (LETTERS, bytes([3])), (RAW, bytes([4]) + b" 7x\xff")])
    return seeds


def args(*items):
    return b"\0".join(item.encode() for item in items)


def batch_seeds():
    run = ("--workpiece", "28Cr4", "--tool", "P30")
    return {
        "help": args("--help"),
        "help_short": args("-h"),
        "start_values": args(*run),
        "every_input": args(*run, "--diameter", "120", "--teeth", "10", "--rake", "5",
                            "--clearance", "20", "--helix", "45", "--speed", "90", "--feed",
                            "300", "--depth", "12,5", "--width", "50", "--direction", "down"),
        "equals_form": args("--workpiece=C35", "--tool=K40", "--depth=7.5", "--ticks=3"),
        "clearance_warning": args(*run, "--teeth", "4", "--clearance", "5"),
        "clearance_warning_then_error": args("--teeth", "4", "--clearance", "5"),
        "mismatch_warning": args("--workpiece", "SL 200", "--tool", "C7680"),
        "csv_file": args(*run, "--csv", "out.csv"),
        "pictures": args(*run, "--view-png", "v.png", "--chart-png", "c.png"),
        "missing_both": args(),
        "missing_tool": args("--workpiece", "28Cr4"),
        "unknown_option": args("--speeed", "60"),
        "unknown_material": args("--workpiece", "steel", "--tool", "P30"),
        "missing_value": args(*run, "--depth"),
        "empty_path": args(*run, "--csv", ""),
        "bad_direction": args(*run, "--direction", "sideways"),
        "negative_ticks": args(*run, "--ticks", "-1"),
        "huge_ticks": args(*run, "--ticks", "99999999999"),
        "depth_two_decimals": args(*run, "--depth", "10,25"),
        "depth_beyond_radius": args(*run, "--diameter", "50", "--depth", "30"),
        "depth_sign": args(*run, "--depth", "-0,5"),
        "diameter_below": args(*run, "--diameter", "49"),
        "teeth_above": args(*run, "--teeth", "21"),
        "speed_letters": args(*run, "--speed", "6O"),
        "feed_blank": args(*run, "--feed", " "),
        "width_decimal": args(*run, "--width", "20,5"),
        "repeated_option": args(*run, "--teeth", "4", "--teeth", "30"),
        # Found by fuzzing: a line break in a quoted argument split the one-line error.
        "line_break_in_option": args("--work\npiece", "28Cr4"),
        "line_break_in_material": args("--workpiece", "28Cr4\n", "--tool", "P30"),
        "escape_in_depth": args(*run, "--depth", "1\x1b[2J"),
        "force_model": args(*run, "--model", "tooth", "--radial-ratio", "0,45"),
        "bad_model": args(*run, "--model", "teeth"),
        "radial_ratio_above": args(*run, "--radial-ratio", "0.65"),
        "radial_ratio_word": args(*run, "--radial-ratio", "nan"),
    }


def scenario_seeds():
    seeds = {f"example_{path.stem}": path.read_bytes()
             for path in sorted((ROOT / "examples").glob("*.glodanje"))}
    start = b"[glodanje]\ndiameter = 100\nteeth = 8\n"
    seeds.update({
        "every_key": start + "rake = 10\nclearance = 10\nhelix = 30\nspeed = 60\nfeed = 100\n"
                     "depth = 10.5\nwidth = 40\nforce_max = 10000\nchip_max = 0.5\n"
                     "workpiece = 28Cr4\ntool = P30\ndirection = down\ntitle = Naslov, "
                     "sa zarezom\ntext = \"Prvi red.\\nDrugi red.\"\n".encode(),
        "unknown_key": start + b"radius = 3\n",
        "key_outside_section": b"diameter = 100\n[glodanje]\nteeth = 8\n",
        "duplicate_key": start + b"teeth = 10\n",
        "bad_number": start + b"feed = 1.5e2\n",
        "bad_tenths": start + b"depth = 10.25\n",
        "out_of_limits": start + b"helix = 51\n",
        "depth_beyond_radius": b"[glodanje]\ndiameter = 50\ndepth = 30\n",
        "huge_number": start + b"speed = 99999999999999999999999\n",
        "unknown_material": start + b"workpiece = steel\n",
        "bad_direction": start + b"direction = sideways\n",
        "bad_utf8": start + b"title = \xc3\x28 \xff\n",
        "missing_section": b"diameter = 100\nteeth = 8\n",
        "other_section": b"[General]\ndiameter = 100\n",
        "empty": b"",
        "escaped_line_break": start + b"feed = 1\\n2\n",
        "carriage_returns": b"[glodanje]\r\ndiameter = 100\r\nteeth = 8\r\n",
        "very_long_line": start + b"text = " + b"dugacak tekst " * 600 + b"\n",
        "settings_escapes": start + b"title = @Variant(\\0\\0\\0\\x7f)\ntext = @ByteArray(x)\n",
        "force_model": start + b"model = tooth\nradial_ratio = 0.45\n",
        "bad_model": start + b"model = teeth\n",
        "bad_radial_ratio": start + b"radial_ratio = 0,45\n",
        "radial_ratio_above": start + b"radial_ratio = 0.61\n",
    })
    return seeds


def write(target, seeds):
    folder = CORPUS / target
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    for name, data in sorted(seeds.items()):
        (folder / name).write_bytes(data)
    print(f"{folder.relative_to(ROOT)}: {len(seeds)} seeds")


if __name__ == "__main__":
    write("sim_inputs_fuzz", sim_seeds())
    write("batch_options_fuzz", batch_seeds())
    write("scenario_file_fuzz", scenario_seeds())
