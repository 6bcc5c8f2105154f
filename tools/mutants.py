#!/usr/bin/env python3
"""A sampled mutation run over src/: how many small faults does the suite catch?

Each mutant changes one thing in one line of the program (an operator flipped,
a number nudged, a boolean turned, a call deleted), is built incrementally in a
build folder of its own, and the suite runs against it. A mutant is killed when
a test fails (or hangs), survives when every test passes, and does not count
when it does not build. The source file is put back after every mutant, also
when the run is interrupted.

    tools/mutants.py [--seed N] [--count N] [--build DIR] [--exclude REGEX]

`make mutants SEED=3 COUNT=40` runs it; it is no part of `make test` or CI.
The survivors are listed at the end: each is a missing test, or a change no
user could ever see.
"""
import argparse
import os
import random
import re
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# Operator swaps: a pattern with the operator in the middle, so that `->`,
# `<<`, `+=`, `++` and templates are left alone.
SWAPS = [
    ("relational", r"(?<=\s)<(?=\s)", "<="),
    ("relational", r"(?<=\s)<=(?=\s)", "<"),
    ("relational", r"(?<=\s)>(?=\s)", ">="),
    ("relational", r"(?<=\s)>=(?=\s)", ">"),
    ("relational", r"(?<=\s)==(?=\s)", "!="),
    ("relational", r"(?<=\s)!=(?=\s)", "=="),
    ("arithmetic", r"(?<=\s)\+(?=\s)", "-"),
    ("arithmetic", r"(?<=\s)-(?=\s)", "+"),
    ("arithmetic", r"(?<=\s)\*(?=\s)", "/"),
    ("arithmetic", r"(?<=\s)/(?=\s)", "*"),
    ("logical", r"(?<=\s)&&(?=\s)", "||"),
    ("logical", r"(?<=\s)\|\|(?=\s)", "&&"),
    ("logical", r"(?<=[(\s])!(?=[\w(])", ""),
    ("boolean", r"\btrue\b", "false"),
    ("boolean", r"\bfalse\b", "true"),
]
NUMBER = re.compile(r"(?<![\w.])(\d+\.\d+|\d+)(?![\w.])")
CALL_LINE = re.compile(r"^\s*[\w:.>\-\[\]()]*\w\s*\(.*\)\s*;\s*$")


def code_part(line):
    """The line with string and character literals and comments blanked,
    so that nothing inside them is mutated."""
    out, i, quote = [], 0, None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            out.append(" " if c != quote else c)
            if c == quote:
                quote = None
        elif c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            out.append(" " * (len(line) - i))
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)


def sites(path):
    """Every mutation this file offers: (line index, start, end, kind, new text)."""
    found = []
    lines = path.read_text().splitlines(keepends=True)
    in_comment = False
    for n, line in enumerate(lines):
        stripped = line.strip()
        if in_comment:
            in_comment = "*/" not in stripped
            continue
        if stripped.startswith("/*"):
            in_comment = "*/" not in stripped
            continue
        if not stripped or stripped.startswith(("#", "//", "namespace", "using", "template")):
            continue
        code = code_part(line)
        for kind, pattern, new in SWAPS:
            for m in re.finditer(pattern, code):
                found.append((n, m.start(), m.end(), kind, new))
        for m in NUMBER.finditer(code):
            text = m.group(1)
            value = float(text) if "." in text else int(text)
            if "." in text:
                new = repr(round(value * 1.1 + 0.1, 6))
            else:
                new = str(value + 1)
            found.append((n, m.start(), m.end(), "number", new))
        if CALL_LINE.match(code) and not re.match(r"^\s*(return|if|for|while|else)\b", code):
            found.append((n, 0, len(line.rstrip("\n")), "deleted call", ""))
    return lines, found


def run(cmd, timeout):
    try:
        done = subprocess.run(cmd, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                              timeout=timeout, text=True)
        return done.returncode, done.stdout
    except subprocess.TimeoutExpired:
        return None, ""


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--count", type=int, default=40)
    ap.add_argument("--build", default="build-mutants")
    ap.add_argument("--exclude", default="test_install",
                    help="tests not run for each mutant (ctest -E)")
    args = ap.parse_args()

    build = ROOT / args.build
    if not (build / "CMakeCache.txt").exists():
        # The benchmarks are no part of the suite: not built, not linked again
        # for every mutant.
        code, out = run(["cmake", "-S", ".", "-B", str(build),
                         "-DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON"], 600)
        if code != 0:
            sys.exit("configure failed:\n" + out)
    code, out = run(["cmake", "--build", str(build), "-j", str(os.cpu_count() or 2)], 3600)
    if code != 0:
        sys.exit("the unmutated program does not build:\n" + out)
    test_cmd = ["ctest", "--test-dir", str(build), "-j", str(os.cpu_count() or 2),
                "--stop-on-failure", "-E", args.exclude]
    code, out = run(test_cmd, 900)
    if code != 0:
        sys.exit("the suite fails without a mutant:\n" + out)

    files = sorted(p for p in (ROOT / "src").rglob("*") if p.suffix in (".cpp", ".h")
                   and p.name != "main.cpp")
    every = [(f, s) for f in files for s in sites(f)[1]]
    rng = random.Random(args.seed)
    chosen = rng.sample(every, min(args.count, len(every)))
    print(f"{len(every)} mutation sites in {len(files)} files; seed {args.seed}, "
          f"{len(chosen)} mutants", flush=True)

    original = {}

    def restore(*_):
        for f, text in original.items():
            f.write_text(text)
        original.clear()

    signal.signal(signal.SIGINT, lambda *a: (restore(), sys.exit(130)))
    signal.signal(signal.SIGTERM, lambda *a: (restore(), sys.exit(143)))

    killed, survived, unbuilt = [], [], []
    start = time.time()
    try:
        for i, (f, (n, a, b, kind, new)) in enumerate(chosen, 1):
            text = f.read_text()
            lines = text.splitlines(keepends=True)
            line = lines[n]
            mutated = line[:a] + new + line[b:] if kind != "deleted call" else "\n"
            lines[n] = mutated
            original[f] = text
            f.write_text("".join(lines))
            where = f"{f.relative_to(ROOT)}:{n + 1}"
            change = f"{kind}: {line.strip()}  =>  {mutated.strip() or '(deleted)'}"
            code, _ = run(["cmake", "--build", str(build), "-j", str(os.cpu_count() or 2)], 1200)
            if code != 0:
                verdict = "not built"
                unbuilt.append((where, change))
            else:
                code, _ = run(test_cmd, 300)
                if code == 0:
                    verdict = "SURVIVED"
                    survived.append((where, change))
                else:
                    verdict = "killed" if code is not None else "killed (hung)"
                    killed.append((where, change))
            restore()
            print(f"[{i}/{len(chosen)}] {verdict:13} {where}  {change}", flush=True)
    finally:
        restore()
        # The restored files are older builds' sources again: bring the
        # build back in line for the next run.
        run(["cmake", "--build", str(build), "-j", str(os.cpu_count() or 2)], 3600)

    built = len(killed) + len(survived)
    share = 100.0 * len(killed) / built if built else 0.0
    minutes = (time.time() - start) / 60
    print(f"\nseed {args.seed}: {len(chosen)} mutants, {built} built, {len(killed)} killed, "
          f"{len(survived)} survived, {len(unbuilt)} did not build: "
          f"{share:.0f} % killed ({minutes:.1f} min)")
    if survived:
        print("\nsurvivors (each a missing test, or a change no user could see):")
        for where, change in survived:
            print(f"  {where}  {change}")


if __name__ == "__main__":
    main()
