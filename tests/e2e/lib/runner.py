"""Runs the end-to-end tests: every function test_* of every tests/e2e/test_*.py.

A test function takes the harness; one decorated with e2e.on_versions runs once per Windows
version and takes the version too. Prints one line per test and, last, "N passed, M failed".
"""

import argparse
import importlib.util
import os
import queue
import sys
import threading
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


def boot_quietly(harness, winver):
    try:
        harness.pristine_prefix(winver)
    except Exception:  # the tests that need the prefix report it
        pass


class Pool:
    """Runs the cases on `jobs` threads and yields each result as it comes.

    A watchdog gives each case `limit` seconds. When a case runs longer, its Wine has hung (no
    test of ours takes more than a minute): the watchdog ends the Wine of the case's sessions,
    which makes the case fail, and the case runs once more on a fresh prefix. A thread that
    still does not come back is left behind and replaced, so the run always ends.
    """

    def __init__(self, harness, cases, jobs, limit):
        self.harness = harness
        self.limit = limit
        self.todo = queue.Queue()
        self.results = queue.Queue()
        self.running = {}  # attempt -> [thread id, case, started, aborted]
        self.lock = threading.Lock()
        self.left = len(cases)
        for case in cases:
            self.todo.put((case, 1))
        for _ in range(max(1, jobs)):
            self._start_worker()

    def _start_worker(self):
        threading.Thread(target=self._work, daemon=True).start()

    def _work(self):
        while True:
            try:
                case, attempt_number = self.todo.get_nowait()
            except queue.Empty:
                return
            attempt = object()
            with self.lock:
                self.running[attempt] = [threading.get_ident(), case, time.time(), False,
                                         attempt_number]
            result = run_case(self.harness, case)
            with self.lock:
                state = self.running.pop(attempt, None)
            if state is None:
                return  # given up on by the watchdog: its result no longer counts
            self.results.put((case, attempt_number, state[3], result))

    def __iter__(self):
        while self.left:
            try:
                case, attempt_number, aborted, result = self.results.get(timeout=5)
            except queue.Empty:
                self._watch()
                continue
            name, ok, detail, seconds = result
            if not ok and aborted and attempt_number == 1:
                print("RETRY %s: its Wine hung for %d s and was ended; running it once more"
                      % (name, seconds), flush=True)
                self.todo.put((case, 2))
                self._start_worker()
                continue
            if aborted and not ok:
                detail = "its Wine hung twice (over %d s each time)\n%s" % (self.limit, detail)
            self.left -= 1
            yield name, ok, detail, seconds

    def _watch(self):
        now = time.time()
        with self.lock:
            overdue = [(a, s) for a, s in self.running.items() if now - s[2] > self.limit]
        for attempt, state in overdue:
            thread_id, case, started, aborted, attempt_number = state
            if not aborted:
                state[3] = True
                frame = sys._current_frames().get(thread_id)
                where = "".join(traceback.format_stack(frame)) if frame else "?"
                print("HUNG %s after %d s, in:\n%s" % (case[0], now - started, where), flush=True)
                self.harness.end_sessions_of(thread_id)
            elif now - started > self.limit + 120:
                with self.lock:
                    self.running.pop(attempt, None)
                self._start_worker()  # in place of the thread left behind
                self.results.put((case, attempt_number, True, (
                    case[0], False, "still running %d s after its Wine was ended" % (
                        now - started), now - started)))


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
    parser.add_argument("--case-seconds", type=float,
                        default=float(os.environ.get("PLINVO_E2E_CASE_SECONDS", "300")))
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
        # The prefixes are booted before any test starts, so that no test's time limit counts
        # the boot (minutes on a busy machine).
        versions = {e2e.WINDOWS_VERSIONS[0]} | {extra[0] for _, _, extra in cases if extra}
        boots = [threading.Thread(target=boot_quietly, args=(harness, v)) for v in versions]
        for thread in boots:
            thread.start()
        for thread in boots:
            thread.join()
        for name, ok, detail, seconds in Pool(harness, cases, args.jobs, args.case_seconds):
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
