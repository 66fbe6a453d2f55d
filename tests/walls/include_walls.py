#!/usr/bin/env python3
"""Fails when an include crosses a wall of the module map in docs/architecture.md.

Usage: include_walls.py ROOT [WIDGETS_INCLUDE_DIR]
       include_walls.py --self-test

Every include of a project header is written from one root per tree ("sim/run.h"), so its first
path part names the module it reaches. WIDGETS_INCLUDE_DIR is Qt Widgets' header folder; the
modules that must build without Qt Widgets may include none of its headers.
"""
import os
import re
import sys
import tempfile

# Module (a folder of src/, or tools/batch) -> the modules its files may include besides itself.
ALLOWED = {
    "src/numeric": set(),
    "src/sim": {"numeric"},
    "src/canvas": set(),
    "src/chart": {"canvas", "numeric"},
    "src/cutter": {"canvas", "numeric", "sim"},
    "src/oscillograph": {"canvas", "chart", "numeric", "sim"},
    "src/force_views": {"canvas", "chart", "numeric", "sim"},
    "src/widgets": {"numeric"},
    "src/scenario": {"numeric", "sim"},
    "src/language": set(),
    "src/lab": {"canvas", "chart", "numeric", "sim"},
    "src/recording": {"canvas", "chart", "cutter", "numeric", "oscillograph", "sim"},
    "src/app": {"canvas", "chart", "cutter", "force_views", "lab", "language", "numeric",
                "oscillograph", "recording", "scenario", "sim", "widgets"},
    "tools/batch": {"canvas", "chart", "cutter", "lab", "language", "numeric", "oscillograph",
                    "recording", "scenario", "sim"},
}

# Modules with no Qt at all, and modules that build without Qt Widgets.
NO_QT = {"src/numeric", "src/sim"}
NO_WIDGETS = {"src/canvas", "src/chart", "src/cutter", "src/force_views", "src/lab",
              "src/language", "src/oscillograph", "src/recording", "src/scenario", "tools/batch"}
# Files of a no-widgets module that are its widget wrapper and link Qt Widgets on purpose.
WIDGET_WRAPPERS = {"src/chart/chart_widget.h", "src/chart/chart_widget.cpp"}

PROJECT_INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
SYSTEM_INCLUDE = re.compile(r'^\s*#\s*include\s+<([^>]+)>')
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp")


def widget_headers(widgets_dir):
    if not widgets_dir or not os.path.isdir(widgets_dir):
        return set()
    return {name for name in os.listdir(widgets_dir) if name.startswith("Q")}


def check(root, widgets=frozenset()):
    """Returns one line per include that crosses a wall."""
    problems = []
    for module, allowed in sorted(ALLOWED.items()):
        top = os.path.join(root, module)
        for folder, _, files in os.walk(top):
            for name in sorted(files):
                if not name.endswith(SOURCE_SUFFIXES):
                    continue
                path = os.path.join(folder, name)
                relative = os.path.relpath(path, root)
                with open(path, encoding="utf-8") as source:
                    for number, line in enumerate(source, 1):
                        where = f"{relative}:{number}"
                        project = PROJECT_INCLUDE.match(line)
                        if project:
                            target = project.group(1).split("/")[0]
                            own = module.split("/")[-1]
                            if "/" not in project.group(1):
                                problems.append(f"{where}: include '{project.group(1)}' is not "
                                                "written from its tree's root")
                            elif target != own and target not in allowed:
                                problems.append(f"{where}: {module} may not include "
                                                f"'{project.group(1)}'")
                            continue
                        system = SYSTEM_INCLUDE.match(line)
                        if not system:
                            continue
                        header = system.group(1).split("/")[-1]
                        if module in NO_QT and header.startswith("Q"):
                            problems.append(f"{where}: {module} uses no Qt, not <{system.group(1)}>")
                        elif (module in NO_WIDGETS and header in widgets
                              and relative not in WIDGET_WRAPPERS):
                            problems.append(f"{where}: {module} builds without Qt Widgets, not "
                                            f"<{system.group(1)}>")
    return problems


def self_test():
    """The check must find each kind of crossing in a small tree, and nothing in a clean one."""
    with tempfile.TemporaryDirectory() as root:
        def write(path, text):
            os.makedirs(os.path.dirname(os.path.join(root, path)), exist_ok=True)
            with open(os.path.join(root, path), "w", encoding="utf-8") as out:
                out.write(text)

        write("src/sim/run.cpp", '#include "sim/run.h"\n#include "numeric/rounding.h"\n')
        write("src/app/form.cpp", '#include "lab/sweep.h"\n#include <QWidget>\n')
        if check(root, {"QWidget"}):
            print("self-test: a clean tree was refused")
            return 1
        write("src/app/bad.cpp", '#include "batch/batch_run.h"\n')
        write("src/sim/bad.cpp", '#include "chart/chart.h"\n#include <QString>\n')
        write("src/chart/chart_widget.cpp", '#include <QWidget>\n')
        write("src/chart/bad.cpp", '#include <QWidget>\n')
        write("tools/batch/bad.cpp", '#include "app/form1.h"\n#include "run.h"\n')
        found = check(root, {"QWidget"})
        expected = ["src/app/bad.cpp:1", "src/chart/bad.cpp:1", "src/sim/bad.cpp:1",
                    "src/sim/bad.cpp:2", "tools/batch/bad.cpp:1", "tools/batch/bad.cpp:2"]
        if [line.split(": ")[0] for line in found] != expected:
            print("self-test: expected crossings at", expected, "found", found)
            return 1
    print("self-test passed")
    return 0


def main(argv):
    if argv[1:] == ["--self-test"]:
        return self_test()
    if len(argv) not in (2, 3):
        print(__doc__)
        return 2
    problems = check(argv[1], widget_headers(argv[2] if len(argv) == 3 else None))
    for line in problems:
        print(line)
    print(f"{len(problems)} include(s) crossing a wall")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
