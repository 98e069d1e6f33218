#!/usr/bin/env python3
"""Counts test results of one or more build trees.

A CTest test that ran a GoogleTest program counts as the cases in the XML
report it wrote (test-results/<name>.xml); a crash that left no report, or a
failing exit despite passing cases, counts as one more failure. Any other
CTest test (fuzz runs, tool checks) counts as one case.
Usage: tally.py JUNIT_FILE RESULTS_DIR [JUNIT_FILE RESULTS_DIR ...]
Prints the failures by tree and name, a line per tree, then
"N passed, N failed".
"""
import os
import sys
import xml.etree.ElementTree as ET


def gtest_counts(path):
    root = ET.parse(path).getroot()
    passed, failed, skipped, failures = 0, 0, 0, []
    for case in root.iter("testcase"):
        if case.get("result") == "skipped" or case.find("skipped") is not None:
            skipped += 1
        elif case.find("failure") is not None:
            failed += 1
            failures.append(f'{case.get("classname")}.{case.get("name")}')
        else:
            passed += 1
    return passed, failed, skipped, failures


def tally_tree(junit_path, results_dir):
    passed = failed = skipped = 0
    failures = []
    if not os.path.exists(junit_path):
        return 0, 1, 0, [f"{junit_path}: no CTest report"]
    for case in ET.parse(junit_path).getroot().iter("testcase"):
        name = case.get("name")
        ctest_failed = case.get("status") == "fail" or case.find("failure") is not None
        if case.get("status") in ("notrun", "disabled"):
            skipped += 1
            continue
        report = os.path.join(results_dir, f"{name}.xml")
        if os.path.exists(report):
            try:
                p, f, s, names = gtest_counts(report)
            except ET.ParseError:
                p, f, s, names = 0, 1, 0, [f"{name}: unreadable report"]
            if ctest_failed and f == 0:
                f, names = f + 1, names + [f"{name}: exited with failure"]
        else:
            p, f, s, names = (0, 1, 0, [name]) if ctest_failed else (1, 0, 0, [])
        passed, failed, skipped = passed + p, failed + f, skipped + s
        failures += names
    return passed, failed, skipped, failures


def main(args):
    total_passed = total_failed = total_skipped = 0
    trees = []
    for junit, results in zip(args[0::2], args[1::2]):
        tree = os.path.basename(os.path.dirname(os.path.abspath(results)))
        p, f, s, names = tally_tree(junit, results)
        total_passed, total_failed, total_skipped = total_passed + p, total_failed + f, total_skipped + s
        trees.append(f"{tree}: {p} passed, {f} failed" + (f", {s} skipped" if s else ""))
        for n in names:
            print(f"FAILED: {tree}: {n}")
    for line in trees:
        print(f"  {line}")
    line = f"{total_passed} passed, {total_failed} failed"
    if total_skipped:
        line += f", {total_skipped} skipped"
    print(line)
    return 1 if total_failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
