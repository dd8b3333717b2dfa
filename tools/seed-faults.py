#!/usr/bin/env python3
"""Seeds small faults into src/ one at a time and runs the test suite against
each: a test that no fault makes fail is not worth its lines.

usage: tools/seed-faults.py [FAULTS_FILE] [--only ID,ID...] [--tests REGEX]

--tests runs only the tests whose names match (ctest -R), for a quicker look.

FAULTS_FILE (default tools/faults.txt) holds blocks of the form

    ## ID: what the fault does
    src/file.cpp
    <<<
    exact text of the code as it stands
    ---
    the faulty text
    >>>

The faults go into a copy of the tree (build-faults/tree), never into the
tree itself, so work can go on beside a run. For each fault this builds
build-faults/normal (and build-faults/asan when the normal build's tests all
pass), runs ctest, restores the file, and prints one line: ID, caught or
MISSED, and the tests that failed. The page (build-faults/web) and the
arm64 build (build-faults/arm64) are built once, and again for each fault
in a file with "web" or "arm64" in its name or an ID that starts with
"page-" or "arm64-"."""
import os
import re
import shutil
import subprocess
import sys
import time

SOURCE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORK = os.path.join(SOURCE, "build-faults")
TOP = os.path.join(WORK, "tree")
WEB = os.path.join(WORK, "web")
ARM64 = os.path.join(WORK, "arm64")
BUILDS = [(os.path.join(WORK, "normal"), ["-DVORKKELI_WEB=" + WEB, "-DVORKKELI_ARM64=" + ARM64]),
          (os.path.join(WORK, "asan"), ["-DVORKKELI_SANITIZE=ON", "-DCMAKE_BUILD_TYPE=Debug"])]


def copy_tree():
    """The tracked and untracked files of the tree as they are now."""
    files = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=SOURCE, text=True,
                           stdout=subprocess.PIPE, check=True).stdout.split("\n")
    for name in filter(None, files):
        target = os.path.join(TOP, name)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        if os.path.isfile(os.path.join(SOURCE, name)):
            shutil.copy2(os.path.join(SOURCE, name), target)


def read_faults(path):
    text = open(path, encoding="utf-8").read()
    pattern = re.compile(r"^## (\S+): ([^\n]*)\n(\S+)\n<<<\n(.*?)\n---\n(.*?)>>>$", re.M | re.S)
    return [dict(id=m[1], what=m[2], file=m[3], old=m[4], new=m[5].removesuffix("\n"))
            for m in pattern.finditer(text)]


def run(cmd, **kw):
    return subprocess.run(cmd, cwd=TOP, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, **kw)


def suite_failures(tests, web, arm64):
    """Builds both builds as needed (and the page or the arm64 build, when the
    fault is in it or it was never built) and returns the names of failing
    tests (empty when everything passes), or None when the fault does not
    build."""
    for again, script, folder, made in ((web, "build-web.sh", WEB, "build/vorkkeli.js"),
                                        (arm64, "build-arm64.sh", ARM64, "build/vorkkeli")):
        if again or not os.path.exists(os.path.join(folder, made)):
            if run([os.path.join(TOP, "scripts", script), folder]).returncode != 0:
                return None
    for folder, options in BUILDS:
        if not os.path.exists(os.path.join(TOP, folder, "CMakeCache.txt")):
            run(["cmake", "-S", TOP, "-B", folder, "-DCMAKE_BUILD_TYPE=RelWithDebInfo", *options])
        built = run(["cmake", "--build", folder, "-j", str(os.cpu_count())])
        if built.returncode != 0:
            return None
        tested = run(["ctest", "--test-dir", folder, "-j", str(os.cpu_count()), "--timeout", "180", "-R", tests])
        failed = re.findall(r"^\s*\d+ - (\S+) \(", tested.stdout, re.M)
        if tested.returncode != 0:
            return failed or ["(ctest failed)"]
    return []


def main():
    args = sys.argv[1:]
    only, tests = None, "."
    if "--tests" in args:
        at = args.index("--tests")
        tests = args[at + 1]
        del args[at:at + 2]
    if "--only" in args:
        at = args.index("--only")
        only = set(args[at + 1].split(","))
        del args[at:at + 2]
    copy_tree()
    faults = read_faults(args[0] if args else os.path.join(TOP, "tools", "faults.txt"))
    if only:
        faults = [f for f in faults if f["id"] in only]
    for fault in faults:
        path = os.path.join(TOP, fault["file"])
        original = open(path, encoding="utf-8").read()
        if original.count(fault["old"]) != 1:
            print(f"{fault['id']}\tNOT APPLIED\t{fault['what']}", flush=True)
            continue
        start = time.time()
        try:
            open(path, "w", encoding="utf-8").write(original.replace(fault["old"], fault["new"]))
            failed = suite_failures(tests, "web" in fault["file"] or fault["id"].startswith("page-"),
                                    "arm64" in fault["file"] or fault["id"].startswith("arm64-"))
        finally:
            open(path, "w", encoding="utf-8").write(original)
        verdict = "NO BUILD" if failed is None else "caught" if failed else "MISSED"
        failed = failed or []
        print(f"{fault['id']}\t{verdict}\t{time.time() - start:.0f}s\t{fault['what']}\t{' '.join(failed)}",
              flush=True)


if __name__ == "__main__":
    main()
