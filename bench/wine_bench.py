"""What the Wine benchmarks share: figures of paired samples, and the memory a program holds.

A figure is a median with its spread (the lowest and highest sample), and a ratio is the median
of the ratios of paired samples (taken one after the other, so both saw the same machine load).
"""

import atexit
import os
import shutil
import statistics


def median_spread(values):
    return statistics.median(values), min(values), max(values)


def ratio_text(numerators, denominators):
    """'r (lo-hi)' of the paired ratios."""
    ratios = [n / d for n, d in zip(numerators, denominators)]
    middle, low, high = median_spread(ratios)
    return "%.2f (%.2f-%.2f)" % (middle, low, high)


def ms_text(values):
    middle, low, high = median_spread(values)
    return "%.0f ms (%.0f-%.0f)" % (middle, low, high)


def resident_kib(prefix, program):
    """Resident memory in KiB of the Wine process running `program` (its file name) in the
    prefix `prefix`; None when there is none."""
    wanted = program.lower().encode()
    marker = ("WINEPREFIX=" + prefix).encode()
    for pid in os.listdir("/proc"):
        if not pid.isdigit():
            continue
        try:
            with open("/proc/%s/cmdline" % pid, "rb") as f:
                command = f.read().lower()
            if wanted not in command:
                continue
            with open("/proc/%s/environ" % pid, "rb") as f:
                if marker not in f.read().split(b"\0"):
                    continue
            with open("/proc/%s/status" % pid) as f:
                for line in f:
                    if line.startswith("VmRSS:"):
                        return int(line.split()[1])
        except OSError:
            continue
    return None


def remove_when_done(harness, work):
    """At the script's end, even a failed one: stops the Wine servers of the booted prefixes and
    removes the run's folder, which holds a prefix of over 500 MB per Windows version."""
    import e2e  # the caller has put the end-to-end library on the path

    def remove():
        for prefix in list(harness._pristine.values()):
            e2e.stop_wineserver(prefix)
        shutil.rmtree(work, ignore_errors=True)

    atexit.register(remove)
