#!/usr/bin/env python3
"""Measures how many single-point faults in the portable core the host tests catch.

Draws a fixed-seed sample of faults (flipped comparisons, swapped operators, constants
one off) from the sources of text/, runtime/ and base/ that the host build compiles,
applies each to a scratch copy of the tree, rebuilds the host core tests there
incrementally and runs them with a time limit, stopping at the first failing test. A fault
is killed when the tests fail, crash or time out; one the compiler rejects is not counted
and the next is drawn. One that leaves the test program byte for byte as it was (it lies
in a branch of a processor test this machine does not take) keeps its number but is not
counted either.

The sample leaves out the Windows-only sources (start-up, the process entry, the message
box): the host build does not compile them, and the Windows suite under Wine that covers
them takes minutes a run. A fault in a header is drawn like any other and rebuilds all
that includes it.

    nice -n 19 tests/mutation/mutate.py [--seed N] [--count N] [--scratch DIR] [--only I,J] [--list]
"""
import argparse
import hashlib
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
# Sources built into the host core; the Windows-only ones (start-up, message box) are
# covered by the Windows suite and left out of this sample.
FOLDERS = ("text", "runtime", "base")
WINDOWS_ONLY = {"runtime/message_box.cpp", "runtime/startup.cpp", "runtime/process_entry.cpp"}

# (pattern, replacement) pairs applied at one match each. Binary operators are matched with
# the blanks the code's format puts around them, which keeps templates and pointers out.
OPERATORS = [
    (r" < ", " <= "), (r" <= ", " < "), (r" > ", " >= "), (r" >= ", " > "),
    (r" == ", " != "), (r" != ", " == "), (r" \+ ", " - "), (r" - ", " + "),
    (r" & ", " | "), (r" \| ", " & "), (r" << ", " >> "), (r" >> ", " << "),
    (r" && ", " || "), (r" \|\| ", " && "), (r" \+= ", " -= "), (r" -= ", " += "),
    (r" \|= ", " &= "), (r" \* ", " / "),
]
CONSTANT = re.compile(r"(?<![\w.'])(0[xX][0-9A-Fa-f]+|\d+)([uU]?[lL]{0,2}|[lL]{1,2}[uU]?)(?![\w.'])")


def sources():
    found = []
    for folder in FOLDERS:
        for base, _, files in os.walk(os.path.join(ROOT, folder)):
            for name in sorted(files):
                path = os.path.relpath(os.path.join(base, name), ROOT)
                if name.endswith((".cpp", ".h")) and path not in WINDOWS_ONLY:
                    found.append(path)
    return sorted(found)


def code_part(line):
    """The line up to a comment, with string and character literals blanked, or None."""
    stripped = line.strip()
    if not stripped or stripped.startswith(("#", "//", "*", "/*", "static_assert")):
        return None
    out, quote, i = [], None, 0
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
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)


def sites():
    """Every single-point fault the operators allow, in a fixed order."""
    found = []
    for path in sources():
        with open(os.path.join(ROOT, path)) as f:
            lines = f.read().split("\n")
        for number, line in enumerate(lines):
            code = code_part(line)
            if code is None:
                continue
            for pattern, replacement in OPERATORS:
                for m in re.finditer(pattern, code):
                    found.append((path, number, m.start(), m.end(), replacement))
            for m in CONSTANT.finditer(code):
                digits = m.group(1)
                value = int(digits, 16 if digits[:2].lower() == "0x" else 10)
                changed = value + 1 if value < 2 else value + random.Random(value).choice((-1, 1))
                text = hex(changed) if digits[:2].lower() == "0x" else str(changed)
                found.append((path, number, m.start(1), m.end(1), text))
    return found


def describe(site):
    path, number, start, end, replacement = site
    with open(os.path.join(ROOT, path)) as f:
        line = f.read().split("\n")[number]
    return "%s:%d: %s -> %s" % (path, number + 1, line[start:end].strip(), replacement.strip()), line


def mirror(tree, copy):
    """Makes `copy` hold the tree's files, touching only those that differ, so rebuilds stay incremental."""
    kept = set()
    for base, folders, files in os.walk(tree):
        folders[:] = [d for d in folders if not (base == tree and d in ("build", ".git", "demo-shots"))]
        for name in files:
            relative = os.path.relpath(os.path.join(base, name), tree)
            kept.add(relative)
            target = os.path.join(copy, relative)
            with open(os.path.join(base, name), "rb") as f:
                content = f.read()
            if os.path.exists(target):
                with open(target, "rb") as f:
                    if f.read() == content:
                        continue
            os.makedirs(os.path.dirname(target), exist_ok=True)
            with open(target, "wb") as f:
                f.write(content)
            shutil.copymode(os.path.join(base, name), target)
    for base, _, files in os.walk(copy):
        for name in files:
            if os.path.relpath(os.path.join(base, name), copy) not in kept:
                os.remove(os.path.join(base, name))


def digest(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def run(cmd, cwd, timeout=None):
    try:
        done = subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout,
                              text=True, errors="replace")
        return done.returncode, done.stdout
    except subprocess.TimeoutExpired as e:
        return "timeout", (e.stdout or b"").decode(errors="replace") if isinstance(e.stdout, bytes) else ""


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seed", type=int, default=2326)
    parser.add_argument("--count", type=int, default=70)
    parser.add_argument("--scratch", default=os.path.join(tempfile.gettempdir(), "tabard-mutation-%d" % os.getuid()))
    parser.add_argument("--only", help="comma-separated sample numbers to run")
    parser.add_argument("--list", action="store_true", help="print the sample's candidates without running")
    parser.add_argument("--timeout", type=int, default=300)
    args = parser.parse_args()

    candidates = sites()
    random.Random(args.seed).shuffle(candidates)
    if args.list:
        for i, site in enumerate(candidates[: args.count]):
            print("%3d %s" % (i + 1, describe(site)[0]))
        return 0

    source, build = os.path.join(args.scratch, "src"), os.path.join(args.scratch, "build")
    os.makedirs(source, exist_ok=True)
    mirror(ROOT, source)
    if not os.path.exists(os.path.join(build, "build.ninja")):
        code, out = run(["cmake", "-S", source, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                         "-DDEMO_SANITIZE=ON"], source)
        if code != 0:
            sys.exit(out)
    build_cmd, test_cmd = ["ninja", "-j2", "-C", build, "tests/core_tests"], [os.path.join(build, "tests", "core_tests")]
    code, out = run(build_cmd, source)
    if code != 0:
        sys.exit(out)
    code, out = run(test_cmd + ["--gtest_brief=1"], build, args.timeout)
    if code != 0:
        sys.exit("the tests fail before any fault is put in:\n" + out)
    clean = digest(test_cmd[0])

    only = {int(i) for i in args.only.split(",")} if args.only else None
    # Which candidates compiled, from an earlier run of this seed: a run of a few of them
    # need not compile the rest to number them.
    record = os.path.join(args.scratch, "drawn-%d.txt" % args.seed)
    known = [int(i) for i in open(record).read().split()] if os.path.exists(record) else None
    compiled = []
    killed, survived, drawn, unbuilt = 0, [], 0, 0
    for index, site in enumerate(candidates):
        if drawn == args.count:
            break
        if known is not None and only is not None:
            if index not in known:
                continue
            if known.index(index) + 1 not in only:
                drawn = known.index(index) + 1
                continue
        path, number, start, end, replacement = site
        label, original = describe(site)
        target = os.path.join(source, path)
        with open(target) as f:
            pristine = f.read()
        lines = pristine.split("\n")
        lines[number] = original[:start] + replacement + original[end:]
        with open(target, "w") as f:
            f.write("\n".join(lines))
        try:
            code, out = run(build_cmd, source)
            if code != 0:
                continue  # the compiler rejects it: not a fault a test could catch
            drawn = len(compiled) + 1 if known is None or only is None else known.index(index) + 1
            compiled.append(index)
            if only is not None and drawn not in only:
                continue
            if digest(test_cmd[0]) == clean:
                # Byte for byte the clean tests: the fault lies where this build compiles nothing (the other
                # branch of a processor test) or compiles away. No test could see it; it is not counted.
                print("%3d %-9s %s" % (drawn, "UNBUILT", label), flush=True)
                unbuilt += 1
                continue
            # The first failure decides; the rest of the suite would only slow the sample down.
            code, out = run(test_cmd + ["--gtest_brief=1", "--gtest_fail_fast"], build, args.timeout)
        finally:
            with open(target, "w") as f:
                f.write(pristine)
        failed = sorted(set(re.findall(r"\[  FAILED  \] (\S+)", out)))
        if code == 0:
            survived.append((drawn, label))
            verdict = "SURVIVED"
        else:
            killed += 1
            verdict = "killed (%s)" % (", ".join(failed[:3]) or ("timeout" if code == "timeout" else "crash"))
        print("%3d %-9s %s  %s" % (drawn, verdict.split()[0], label, " ".join(verdict.split()[1:])), flush=True)
    run(build_cmd, source)  # leave the scratch build matching the tree
    if known is None and drawn == args.count:
        with open(record, "w") as f:
            f.write(" ".join(map(str, compiled)))
    total = killed + len(survived)
    print("\nseed %d: %d of %d faults killed (%.0f%%); %d not built here" %
          (args.seed, killed, total, 100.0 * killed / max(total, 1), unbuilt))
    for i, label in survived:
        print("  survivor %3d %s" % (i, label))
    return 0


if __name__ == "__main__":
    sys.exit(main())
