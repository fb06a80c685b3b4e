"""Every program file of the program folder must load on Windows XP."""

import os
import subprocess

from e2e import check, check_equal

HERE = os.path.dirname(os.path.abspath(__file__))
GUARD = os.path.join(HERE, "check_imports.sh")


def run_guard(*files):
    result = subprocess.run(["bash", GUARD] + list(files), stdout=subprocess.PIPE,
                            stderr=subprocess.STDOUT, text=True, timeout=300)
    return result.returncode, result.stdout


def test_guard_refuses_a_vista_program(h):
    code, output = run_guard(os.path.join(h.driver_dir, "e2e_vista_only.exe"))
    check(code != 0, "the guard passed a program that needs Vista:\n" + output)
    for finding in ("subsystem version 6.0", "GetTickCount64 from kernel32.dll",
                    "InitializeSRWLock from kernel32.dll"):
        check(finding in output, "the guard missed %r:\n%s" % (finding, output))
    code, output = run_guard(h.fixture_exe)
    check_equal(code, 0, "guard on an XP program (output: %s)" % output)
    code, output = run_guard("--known-dlls-only", h.fixture_exe)
    check(code != 0 and "imports COMCTL32.DLL by name" in output,
          "the guard passed a library the system would look for beside the program:\n" + output)


def test_program_folder_loads_on_xp(h):
    check(h.dist_dir and os.path.isfile(os.path.join(h.dist_dir, "Plinvo.exe")),
          "no Plinvo.exe in the program folder %s" % h.dist_dir)
    files = []
    for folder, _, names in os.walk(h.dist_dir):
        files += [os.path.join(folder, n) for n in sorted(names)
                  if n.lower().endswith((".exe", ".dll"))]
    code, output = run_guard("--known-dlls-only", *files)
    check_equal(code, 0, "XP guard on %d program files:\n%s" % (len(files), output))
