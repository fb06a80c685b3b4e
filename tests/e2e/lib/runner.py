"""Runs the end-to-end tests: every function test_* of every tests/e2e/test_*.py.

A test function takes the harness; one decorated with e2e.on_versions runs once per Windows
version and takes the version too. Prints one line per test and, last, "N passed, M failed".
"""

import argparse
import concurrent.futures
import importlib.util
import os
import sys
import time
import traceback

sys.dont_write_bytecode = True  # no compiled copies of the test modules in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import e2e  # noqa: E402


def discover(tests_dir, pattern):
    cases = []
    for file_name in sorted(os.listdir(tests_dir)):
        if not (file_name.startswith("test_") and file_name.endswith(".py")):
            continue
        path = os.path.join(tests_dir, file_name)
        spec = importlib.util.spec_from_file_location(file_name[:-3], path)
        module = importlib.util.module_from_spec(spec)
        spec.loader.exec_module(module)
        for name in sorted(vars(module)):
            func = getattr(module, name)
            if not (name.startswith("test_") and callable(func)):
                continue
            versions = getattr(func, "e2e_versions", None)
            if versions:
                for v in versions:
                    cases.append(("%s.%s[%s]" % (file_name[:-3], name, v), func, (v,)))
            else:
                cases.append(("%s.%s" % (file_name[:-3], name), func, ()))
    return [c for c in cases if not pattern or pattern in c[0]]


def run_case(harness, case):
    name, func, extra = case
    started = time.time()
    try:
        func(harness, *extra)
        return name, True, "", time.time() - started
    except Exception as error:  # every failure is reported, none stops the run
        detail = "".join(traceback.format_exception(type(error), error, error.__traceback__))
        return name, False, detail, time.time() - started


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--dist", default=os.environ.get("PLINVO_DIST"))
    parser.add_argument("--driver-dir", default=os.environ.get("PLINVO_E2E_DRIVER_DIR"))
    parser.add_argument("--out", default=os.environ.get("PLINVO_E2E_OUT", "out"))
    parser.add_argument("--work", default=os.environ.get("PLINVO_E2E_WORK"))
    parser.add_argument("--tests", default=os.path.dirname(os.path.dirname(
        os.path.abspath(__file__))))
    parser.add_argument("--jobs", type=int, default=int(os.environ.get("PLINVO_E2E_JOBS", "2")))
    parser.add_argument("-k", dest="pattern", default="")
    args = parser.parse_args()
    if not args.driver_dir:
        parser.error("the driver's folder is needed (--driver-dir)")
    if not os.path.isfile(os.path.join(args.driver_dir, "e2e_driver.exe")):
        print("no e2e_driver.exe in %s: build the Windows tree first" % args.driver_dir)
        print("0 passed, 1 failed")
        return 1
    work = args.work or "/tmp/plinvo-e2e-%d" % os.getpid()
    harness = e2e.Harness(args.dist, args.driver_dir, work, args.out)

    cases = discover(args.tests, args.pattern)
    passed = failed = 0
    try:
        with concurrent.futures.ThreadPoolExecutor(max(1, args.jobs)) as pool:
            for name, ok, detail, seconds in pool.map(lambda c: run_case(harness, c), cases):
                if ok:
                    passed += 1
                    print("PASS %s (%.1f s)" % (name, seconds), flush=True)
                else:
                    failed += 1
                    print("FAIL %s (%.1f s)\n%s" % (name, seconds, detail), flush=True)
    finally:
        for prefix in list(harness._pristine.values()):
            e2e.stop_wineserver(prefix)
        if not os.environ.get("E2E_KEEP"):
            import shutil
            shutil.rmtree(work, ignore_errors=True)
    print("%d passed, %d failed" % (passed, failed))
    return 0 if failed == 0 and passed > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
