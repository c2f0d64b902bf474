#!/usr/bin/env python3
"""Sampled mutation run: plants one small fault at a time in a copy of the sources, rebuilds the
test programs that link the mutated file, runs them and reports which faults they caught.

Called by scripts/mutation.sh, which names the build folder. Standard library only."""

import argparse
import dataclasses
import filecmp
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

# --------------------------------------------------------------------------------------------
# Masking: comments, string and character literals and preprocessor lines become blanks of the
# same length, so that operators are only ever found in code and offsets stay valid.


RAW_STRING = re.compile(r'(?:u8|u|U|L)?R"([^(\s]*)\(')


def mask_source(text: str) -> str:
    out = list(text)
    i, n = 0, len(text)

    def blank(start: int, end: int) -> None:
        for k in range(start, end):
            if out[k] != "\n":
                out[k] = " "

    at_line_start = True
    while i < n:
        c = text[i]
        if at_line_start and c == "#":
            end = i
            while end < n and not (text[end] == "\n" and text[end - 1] != "\\"):
                end += 1
            blank(i, end)
            i = end
            continue
        if c == "\n":
            at_line_start = True
            i += 1
            continue
        if not c.isspace():
            at_line_start = False
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
            blank(i, end)
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            blank(i, end)
            i = end
        elif raw := RAW_STRING.match(text, i):
            end = text.find(")" + raw.group(1) + '"', raw.end())
            end = n if end < 0 else end + len(raw.group(1)) + 2
            blank(i, end)
            i = end
        elif c in "\"'" and not (c == "'" and i > 0 and text[i - 1].isalnum()):
            # A quote after a digit or letter is a digit separator (1'000), not a literal.
            end = i + 1
            while end < n and text[end] != c:
                end += 2 if text[end] == "\\" else 1
            blank(i, min(end + 1, n))
            i = end + 1
        else:
            i += 1
    return "".join(out)


# --------------------------------------------------------------------------------------------
# Mutation operators. Each yields Mutants over the masked text; the code is clang-formatted, so
# binary operators stand between spaces while template brackets and unary signs do not.


@dataclasses.dataclass(frozen=True)
class Mutant:
    path: Path
    start: int
    end: int
    replacement: str
    operator: str
    line: int = 0
    original: str = ""

    def describe(self) -> str:
        return (f"{self.path}:{self.line} {self.operator}: '{self.original}' -> "
                f"'{self.replacement.strip()}'")


SWAPS = {
    "relational": {" < ": " <= ", " <= ": " < ", " > ": " >= ", " >= ": " > "},
    "equality": {" == ": " != ", " != ": " == "},
    "logical": {" && ": " || ", " || ": " && "},
    "arithmetic": {" + ": " - ", " - ": " + ", " += ": " -= ", " -= ": " += "},
    "bitwise": {" | ": " & ", " & ": " | ", " << ": " >> ", " >> ": " << "},
    "boolean": {"true": "false", "false": "true"},
}


def swap_mutants(masked: str):
    for operator, table in SWAPS.items():
        words = [re.escape(k) for k in sorted(table, key=len, reverse=True)]
        boundary = r"\b" if operator == "boolean" else ""
        for m in re.finditer(boundary + "(?:" + "|".join(words) + ")" + boundary, masked):
            yield m.start(), m.end(), table[m.group(0)], operator


INT_LITERAL = re.compile(r"(?<![\w.'])(0[xX][0-9A-Fa-f']+|\d[\d']*)([uUlL]*)(?![\w.'])")


def literal_mutants(masked: str):
    for m in INT_LITERAL.finditer(masked):
        digits, suffix = m.group(1).replace("'", ""), m.group(2)
        hexadecimal = digits[:2].lower() == "0x"
        value = int(digits, 16 if hexadecimal else 10)
        for changed in (value + 1, value - 1):
            if changed < 0:
                continue
            text = f"0x{changed:0{len(digits) - 2}X}" if hexadecimal else str(changed)
            yield m.start(), m.end(), text + suffix, "literal"


def matching_paren(masked: str, open_at: int) -> int:
    depth = 0
    for k in range(open_at, len(masked)):
        if masked[k] == "(":
            depth += 1
        elif masked[k] == ")":
            depth -= 1
            if depth == 0:
                return k
    return -1


def negation_mutants(masked: str):
    for m in re.finditer(r"\b(?:if|while) \(", masked):
        open_at = m.end() - 1
        close_at = matching_paren(masked, open_at)
        if close_at < 0:
            continue
        inner = masked[open_at + 1 : close_at]
        if ";" in inner or ":" in inner.replace("::", ""):
            continue  # an if with an initialiser, or a range: nothing simple to negate
        yield open_at + 1, close_at, "!(" + "\0" + ")", "negate"


# One whole statement on its line that starts with a name and assigns or calls: "x = y;",
# "f(a);", "a.b[c] += d;". A declaration starts with two names, so it never matches.
STATEMENT = re.compile(
    r"^([ \t]*)([A-Za-z_][\w:.\->\[\]]*(?:\(.*\))?\s*(?:[-+|&*/]?=|\(|\+\+|--).*;)[ \t]*$",
    re.M)
NOT_A_STATEMENT = re.compile(
    r"^(?:return|const|constexpr|static|using|auto|case|default|break|continue|goto|else|do)\b")


def deletion_mutants(masked: str):
    for m in STATEMENT.finditer(masked):
        body = m.group(2)
        if NOT_A_STATEMENT.match(body) or body.count("(") != body.count(")"):
            continue
        before = masked[: m.start()].rstrip()
        if before and before[-1] not in ";{}":
            continue  # the body of an if or loop without braces
        yield m.start(2), m.end(2), ";", "delete"
    for m in re.finditer(r"\breturn ([^;]+);", masked):
        value = m.group(1).strip()
        if value in ("true", "false") or INT_LITERAL.fullmatch(value):
            continue  # the boolean and literal operators cover these
        # Only a value that is plainly a truth value can be negated and still build.
        if value.startswith("!") or re.search(r" (?:[<>=!]=|[<>]|&&|\|\|) ", value):
            yield m.start(1), m.end(1), "!(" + "\0" + ")", "return"


OPERATORS = (swap_mutants, literal_mutants, negation_mutants, deletion_mutants)


def mutants_of(root: Path, path: Path) -> list[Mutant]:
    text = (root / path).read_text()
    masked = mask_source(text)
    found = []
    for operator in OPERATORS:
        for start, end, replacement, name in operator(masked):
            original = text[start:end]
            # "\0" stands for the original code, wrapped by the operator.
            replacement = replacement.replace("\0", original)
            if name == "negate" and re.fullmatch(r"![\w.\->]+", original):
                replacement = original[1:]
            line = text.count("\n", 0, start) + 1
            found.append(Mutant(path, start, end, replacement, name, line, original.strip()))
    return sorted(set(found), key=lambda m: (m.start, m.end, m.replacement))


def apply(mutant: Mutant, text: str) -> str:
    return text[: mutant.start] + mutant.replacement + text[mutant.end :]


# --------------------------------------------------------------------------------------------
# The copy of the sources, its build and the test programs that depend on a file.


def sync_tree(source: Path, copy: Path) -> None:
    """Makes copy hold the sources of source. Only files whose content differs are written, and
    with a fresh time stamp, so the build recompiles exactly what changed."""
    skip = {".git", "build"}
    for folder, dirs, files in os.walk(source):
        dirs[:] = [d for d in dirs if d not in skip]
        rel = Path(folder).relative_to(source)
        (copy / rel).mkdir(parents=True, exist_ok=True)
        for name in files:
            src, dst = Path(folder) / name, copy / rel / name
            if not dst.exists() or not filecmp.cmp(src, dst, shallow=False):
                shutil.copyfile(src, dst)
                shutil.copymode(src, dst)


RUNNING: list[subprocess.Popen] = []


def stop_running(*_) -> None:
    for proc in RUNNING:
        try:
            os.killpg(proc.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
    sys.exit(143)


def run(cmd, cwd=None, timeout=None, env=None) -> tuple[int, str]:
    """Runs cmd in its own process group so that a timeout ends the whole tree."""
    proc = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE,
                            stderr=subprocess.STDOUT, text=True, start_new_session=True)
    RUNNING[:] = [proc]
    try:
        out, _ = proc.communicate(timeout=timeout)
        return proc.returncode, out
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.communicate()
        return -1, "timeout"


def build_targets_list(build: Path) -> list[str]:
    code, out = run(["ninja", "-C", str(build), "-t", "targets", "all"])
    if code != 0:
        sys.exit("mutate: cannot list the build's targets:\n" + out)
    return [line.split(":")[0] for line in out.splitlines()]


OBJECT = re.compile(r"(.*)/CMakeFiles/([\w-]+)\.dir/(.+)\.o")


def object_libraries(targets: list[str], rel_source: Path) -> set[str]:
    """The libraries built from rel_source (for a header: every library of its folder)."""
    libs = set()
    for target in targets:
        m = OBJECT.fullmatch(target)
        if not m:
            continue
        source = Path(m.group(1)) / m.group(3)
        same_folder = source.parent == rel_source.parent
        if source == rel_source or (rel_source.suffix == ".h" and same_folder):
            libs.add(m.group(2))
    return libs


def test_programs(build: Path, targets: list[str], libraries: set[str], pattern: str) -> list[str]:
    """The test programs (names matching pattern) whose link takes one of the libraries."""
    programs = set()
    archives = [t for t in targets if any(t.endswith(f"/lib{lib}.a") for lib in libraries)]
    for archive in archives:
        _, out = run(["ninja", "-C", str(build), "-t", "query", archive])
        outputs = out.split("outputs:")[-1].split()
        programs.update(Path(o).name for o in outputs if re.fullmatch(pattern, Path(o).name))
    return sorted(programs)


@dataclasses.dataclass
class Plan:
    targets: list[str]
    binaries: list[Path]
    timeout: float = 0


def plan_for(build: Path, targets_list: list[str], rel_source: Path, pattern: str) -> Plan:
    libs = object_libraries(targets_list, rel_source)
    targets = test_programs(build, targets_list, libs, pattern)
    # The module's own tests first: most faults are caught there, and the run stops at the first
    # failing program.
    module = rel_source.parent.name
    targets.sort(key=lambda t: (not t.startswith(module), t))
    return Plan(targets, [build / "bin" / t for t in targets])


def build_targets(build: Path, targets: list[str], timeout: float) -> tuple[int, str]:
    return run(["cmake", "--build", str(build), "--target", *targets, "--", "-j2"], timeout=timeout)


def run_tests(plan: Plan, env: dict, timeout: float) -> str:
    """'killed', 'timeout' or 'survived'."""
    deadline = time.monotonic() + timeout
    for binary in plan.binaries:
        left = deadline - time.monotonic()
        if left <= 0:
            return "timeout"
        code, _ = run([str(binary), "--gtest_fail_fast", "--gtest_brief=1"], env=env, timeout=left)
        if code == -1:
            return "timeout"
        if code != 0:
            return "killed"
    return "survived"


# --------------------------------------------------------------------------------------------


def expand(paths: list[str], root: Path) -> list[Path]:
    files = []
    for p in paths:
        full = (root / p).resolve() if not Path(p).is_absolute() else Path(p)
        if full.is_dir():
            files.extend(sorted(full.glob("*.cpp")))
        elif full.is_file():
            files.append(full)
        else:
            sys.exit(f"mutate: no such file or folder: {p}")
    return [f.relative_to(root) for f in files]


def sample(all_mutants: dict[Path, list[Mutant]], per_file: int, total: int | None,
           seed: int) -> list[Mutant]:
    rng = random.Random(seed)
    chosen = []
    for path in sorted(all_mutants):
        found = all_mutants[path]
        chosen.extend(rng.sample(found, min(per_file, len(found))))
    if total is not None and len(chosen) > total:
        chosen = rng.sample(chosen, total)
    return sorted(chosen, key=lambda m: (str(m.path), m.start, m.replacement))


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("files", nargs="+", help="source files or folders (their .cpp files)")
    parser.add_argument("--root", type=Path, required=True, help="the repository")
    parser.add_argument("--work", type=Path, required=True, help="folder for the copy and build")
    parser.add_argument("--max-per-file", type=int, default=10)
    parser.add_argument("--max-total", type=int, default=None)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--timeout", type=float, default=None,
                        help="seconds per mutant's tests (default: five times the unmutated run)")
    parser.add_argument("--build-timeout", type=float, default=600)
    # The desktop and FUSE programs need a display or /dev/fuse and run through their own
    # wrappers; the core's faults are caught by the others.
    parser.add_argument("--tests", default=r"(?!desktop_|fuse_)\w+_tests",
                        help="test program names (regex)")
    parser.add_argument("--list", action="store_true", help="print the sample and stop")
    args = parser.parse_args()

    root = args.root.resolve()
    files = expand(args.files, root)
    mutants = {f: mutants_of(root, f) for f in files}
    chosen = sample(mutants, args.max_per_file, args.max_total, args.seed)
    print(f"{sum(map(len, mutants.values()))} possible mutants in {len(files)} files; "
          f"{len(chosen)} sampled (seed {args.seed})", flush=True)
    if args.list:
        for m in chosen:
            print("  " + m.describe())
        return 0

    tree, build = args.work / "tree", args.work / "tree" / "build" / "mutation"
    sync_tree(root, tree)
    launcher = []
    if shutil.which("ccache"):
        launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"]
    # Checked standard containers: a mutant that reads past an array aborts instead of reading
    # whatever lies behind it.
    code, out = run(["cmake", "-S", str(tree), "-B", str(build), "-G", "Ninja",
                     "-DCMAKE_BUILD_TYPE=Debug",
                     "-DCMAKE_CXX_FLAGS_DEBUG=-O0 -D_GLIBCXX_ASSERTIONS",
                     "-DPELORIN_BUILD_BENCH=OFF", *launcher])
    if code != 0:
        sys.exit("mutate: configure failed:\n" + out)
    env = dict(os.environ, PELORIN_SOURCE_DIR=str(tree))

    targets_list = build_targets_list(build)
    plans = {f: plan_for(build, targets_list, f, args.tests) for f in files}
    for f, plan in plans.items():
        if not plan.targets:
            print(f"mutate: no test program links {f}; its mutants are skipped", flush=True)
    wanted = sorted({t for p in plans.values() for t in p.targets})
    if not wanted:
        return 1
    print(f"baseline: building {' '.join(wanted)}", flush=True)
    code, out = build_targets(build, wanted, args.build_timeout * 4)
    if code != 0:
        sys.exit("mutate: the unmutated build fails:\n" + out[-4000:])
    # A program that fails on the unmutated code would count every mutant as caught. The time
    # each one takes sets the timeout of the mutants: a fault that makes the tests hang (a thread
    # never started, a loop that never ends) counts as caught.
    seconds = {}
    for t in wanted:
        started = time.monotonic()
        if run_tests(Plan([t], [build / "bin" / t]), env, args.build_timeout) != "survived":
            sys.exit(f"mutate: {t} fails without any mutant; run it alone and fix it first")
        seconds[t] = time.monotonic() - started
    for plan in plans.values():
        plan.timeout = args.timeout or 10 + 5 * sum(seconds[t] for t in plan.targets)

    results = {"killed": 0, "timeout": 0, "survived": 0, "invalid": 0}
    survivors = []
    for number, mutant in enumerate(chosen, 1):
        plan = plans[mutant.path]
        if not plan.targets:
            continue
        target = tree / mutant.path
        original = target.read_text()
        started = time.monotonic()
        try:
            target.write_text(apply(mutant, original))
            code, _ = build_targets(build, plan.targets, args.build_timeout)
            outcome = "invalid" if code != 0 else run_tests(plan, env, plan.timeout)
        finally:
            target.write_text(original)
        results[outcome] += 1
        if outcome == "survived":
            survivors.append(mutant)
        print(f"[{number}/{len(chosen)}] {outcome:8} {time.monotonic() - started:5.0f}s "
              f"{mutant.describe()}", flush=True)

    # Leaves the copy's build matching the sources again.
    build_targets(build, wanted, args.build_timeout * 4)
    valid = results["killed"] + results["timeout"] + results["survived"]
    caught = results["killed"] + results["timeout"]
    score = 100.0 * caught / valid if valid else 0.0
    print(f"\nkilled {results['killed']}, timed out {results['timeout']}, survived "
          f"{results['survived']}, did not build {results['invalid']}")
    print(f"score {score:.0f}% ({caught}/{valid})")
    for m in survivors:
        print("  survived: " + m.describe())
    return 0


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, stop_running)
    signal.signal(signal.SIGINT, stop_running)
    sys.exit(main())
