#!/usr/bin/env python3
"""Checks run_whole.py and run_case.sh on the sample binary (case_verdict_sample.cpp).

Usage: case_verdicts_test.py CASES_SOURCE_DIR SAMPLE_BINARY WORK_DIR
"""
import os
import shutil
import subprocess
import sys
import unittest

SOURCE, SAMPLE, WORK = sys.argv[1:4]
RUN_WHOLE = os.path.join(SOURCE, "run_whole.py")
RUN_CASE = os.path.join(SOURCE, "run_case.sh")


def run(command, verdicts=None, **extra):
    environment = dict(os.environ, **extra)
    environment.pop("GLODANJE_CASE_VERDICTS", None)
    if verdicts:
        environment["GLODANJE_CASE_VERDICTS"] = verdicts
    done = subprocess.run(command, env=environment, stdout=subprocess.PIPE,
                          stderr=subprocess.STDOUT, text=True)
    return done.returncode, done.stdout


def case(name, verdicts=None):
    return run(["sh", RUN_CASE, SAMPLE, "--gtest_filter=" + name], verdicts)


class VerdictsTest(unittest.TestCase):
    def setUp(self):
        shutil.rmtree(WORK, ignore_errors=True)
        os.makedirs(WORK)

    def test_each_case_reports_its_verdict_from_the_whole_run(self):
        status, output = run([sys.executable, RUN_WHOLE, SAMPLE], WORK)
        self.assertEqual(status, 1, output)  # a case failed, so the whole run did
        expected = {
            "Sample.Passes": (0, "[       OK ] Sample.Passes"),
            "Sample.Fails": (1, "the planted failure"),
            "Sample.IsSkipped": (0, "[  SKIPPED ] Sample.IsSkipped"),
            "Each/Rows.Pass/0": (0, "[       OK ] Each/Rows.Pass/0"),
            "Each/Rows.Pass/1": (0, "[       OK ] Each/Rows.Pass/1"),
        }
        for name, (want_status, want_text) in expected.items():
            status, output = case(name, WORK)
            self.assertEqual(status, want_status, name + ": " + output)
            self.assertIn(want_text, output, name)
            self.assertIn("whole run", output, name)  # the verdict, not a new start
        # A verdict the run did not leave: the case runs in a process of its own.
        os.remove(os.path.join(WORK, os.path.basename(SAMPLE), "Sample.Passes"))
        status, output = case("Sample.Passes", WORK)
        self.assertEqual(status, 0, output)
        self.assertIn("Running 1 test", output)

    def test_without_the_variable_every_case_runs_anew(self):
        run([sys.executable, RUN_WHOLE, SAMPLE], WORK)
        status, output = case("Sample.Fails")
        self.assertEqual(status, 1, output)
        self.assertIn("Running 1 test", output)
        status, output = run(["sh", RUN_CASE, SAMPLE, "--gtest_list_tests"], WORK)
        self.assertEqual(status, 0, output)
        self.assertIn("StopsTheRunWhenAsked", output)

    def test_a_run_stopped_before_its_end_leaves_its_cases_to_run_alone(self):
        status, output = run([sys.executable, RUN_WHOLE, SAMPLE], WORK, CASE_SAMPLE_STOP="1")
        self.assertEqual(status, 3, output)
        status, output = case("Sample.Passes", WORK)
        self.assertEqual(status, 0, output)
        self.assertIn("Running 1 test", output)

    def test_a_new_whole_run_replaces_the_verdicts_of_the_last(self):
        run([sys.executable, RUN_WHOLE, SAMPLE], WORK)
        run([sys.executable, RUN_WHOLE, SAMPLE], WORK, CASE_SAMPLE_STOP="1")
        status, output = case("Sample.Fails", WORK)
        self.assertIn("Running 1 test", output)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]], verbosity=2)
