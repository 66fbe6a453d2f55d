#!/usr/bin/env python3
"""Runs a GoogleTest binary whole, all its cases in one process: run_whole.py BINARY [ARGS...].

With GLODANJE_CASE_VERDICTS set, it also leaves each case's verdict in that folder, under
BINARY's name and the case's full name, for run_case.sh to report as the case's own test:
"[       OK ] ...", "[  SKIPPED ] ..." or "[  FAILED  ] ..." followed by the failure messages.
The whole run fails when the binary does (a failed case, a sanitizer's report, a crash).
"""
import os
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ElementTree


def verdict_text(full_name, case):
    failures = case.findall("failure")
    if failures:
        messages = "\n".join(failure.get("message", "") for failure in failures)
        return "[  FAILED  ] %s (in the binary's whole run)\n%s\n" % (full_name, messages)
    if case.get("result") == "skipped" or case.find("skipped") is not None:
        return "[  SKIPPED ] %s (in the binary's whole run)\n" % full_name
    return "[       OK ] %s (in the binary's whole run, %s s)\n" % (full_name, case.get("time"))


def write_verdicts(report, folder):
    for suite in ElementTree.parse(report).getroot().iter("testsuite"):
        for case in suite.iter("testcase"):
            if case.get("status") == "notrun":
                continue  # disabled: ctest does not list it either
            full_name = "%s.%s" % (case.get("classname"), case.get("name"))
            path = os.path.join(folder, full_name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w", encoding="utf-8") as file:
                file.write(verdict_text(full_name, case))


def main():
    binary, arguments = sys.argv[1], sys.argv[2:]
    verdicts = os.environ.get("GLODANJE_CASE_VERDICTS")
    if not verdicts:
        os.execv(binary, [binary] + arguments)
    folder = os.path.join(verdicts, os.path.basename(binary))
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    report = folder + ".xml"
    if os.path.exists(report):
        os.remove(report)
    status = subprocess.call([binary, "--gtest_output=xml:" + report] + arguments)
    # GoogleTest writes the report after the last case; a run stopped earlier leaves none, and
    # its cases then run one by one.
    if os.path.exists(report):
        write_verdicts(report, folder)
    sys.exit(status if status >= 0 else 128 - status)


if __name__ == "__main__":
    main()
