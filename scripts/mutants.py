#!/usr/bin/python3
"""Mutation testing: how many small faults planted in src/ the test suite catches.

From a fixed seed this picks small changes to the program's logic, one at a time
(a flipped comparison, an off-by-one, a dropped negation, a changed constant, an
early return), builds the program with each in a private copy of the committed
tree and runs the tests: a mutant is killed when a test fails or runs out of
time, it survives when every test passes. One seed gives the same mutants
wherever their lines are unchanged, so runs before and after a change to the
tests compare.

The checkout it is run from is never written to: the committed tree (HEAD) is
copied to build-mutants/tree/, built in build-mutants/tree/build/ (kept between
runs, so a second run rebuilds only what changed) and mutated there.

    scripts/mutants.py [--mutants N] [--seed S] [--add-to FILE] [--note TEXT]
    scripts/mutants.py --list [--mutants N] [--seed S]
"""

import argparse
import datetime
import fcntl
import hashlib
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
KINDS = ["comparison", "off-by-one", "negation", "constant", "early-return"]
FLIPS = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
# Statements whose faults the tests are not meant to see: logging and assertions.
SKIPPED_CALLS = re.compile(
    r"\b(qDebug|qInfo|qWarning|qCritical|qFatal|qCDebug|qCInfo|qCWarning|qCCritical"
    r"|Q_ASSERT|Q_ASSERT_X|Q_UNUSED|Q_UNREACHABLE|assert|static_assert|std::cerr|std::clog)\b"
    r"|\bfprintf\s*\(\s*stderr")
LITERAL = re.compile(r"(?<![\w.'])\d+(?![\w.'])")
COMPARISON = re.compile(r"(?<=\s)(==|!=|<=|>=|<|>)(?=\s)")
INDEX = re.compile(r"(?<=[\w\])])\[([A-Za-z_]\w*)\]")
NEGATION = re.compile(r"(?<![\w)\]!])!(?![=!])(?=[\w(*])")
BOOLEAN = re.compile(r"\b(true|false)\b")
PURE_VIRTUAL = re.compile(r"\)\s*(const\s*)?(override\s*)?=\s*0\s*;")
FUNCTION_END = re.compile(
    r"\)\s*(const\s*)?(noexcept\s*)?(override\s*)?(final\s*)?(->\s*[\w:<>, *&]+?\s*)?$")
SIGNATURE_WORDS = {"static", "inline", "constexpr", "virtual", "explicit", "friend",
                   "[[nodiscard]]", "[[maybe_unused]]", "Q_INVOKABLE", "extern"}


class Stop(Exception):
    """SIGTERM or Ctrl-C: restore the source, write what was measured, leave."""


def fail(message):
    print(f"mutants: {message}", file=sys.stderr)
    sys.exit(1)


def git(*args, text=True):
    return subprocess.run(["git", "-C", str(REPO), *args], check=True, capture_output=True,
                          text=text).stdout


# --- The committed tree -------------------------------------------------------


def committed_files(commit):
    """Every tracked file of `commit`: path -> (mode, bytes)."""
    entries = []
    for record in git("ls-tree", "-r", "-z", commit).split("\0"):
        if not record:
            continue
        meta, path = record.split("\t", 1)
        mode, kind, sha = meta.split()
        if kind == "blob":
            entries.append((path, mode, sha))
    batch = subprocess.run(["git", "-C", str(REPO), "cat-file", "--batch"],
                           input="".join(f"{sha}\n" for _, _, sha in entries).encode(),
                           check=True, capture_output=True).stdout
    files, at = {}, 0
    for path, mode, sha in entries:
        end = batch.index(b"\n", at)
        size = int(batch[at:end].split()[2])
        files[path] = (mode, batch[end + 1:end + 1 + size])
        at = end + 1 + size + 1
    return files


def sync_tree(files, tree):
    """Makes `tree` hold exactly the committed files, writing only those that
    differ so that the build stays incremental (a mutant left behind by a run
    that was killed is put right here too)."""
    tree.mkdir(parents=True, exist_ok=True)
    for path, (mode, data) in files.items():
        target = tree / path
        if mode == "120000":
            link = data.decode()
            if not target.is_symlink() or os.readlink(target) != link:
                if target.exists() or target.is_symlink():
                    target.unlink()
                target.parent.mkdir(parents=True, exist_ok=True)
                target.symlink_to(link)
            continue
        if target.is_symlink() or not target.is_file() or target.read_bytes() != data:
            if target.is_symlink():
                target.unlink()
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
        wanted = 0o755 if mode == "100755" else 0o644
        if target.stat().st_mode & 0o777 != wanted:
            target.chmod(wanted)
    for folder, dirs, names in os.walk(tree):
        relative = Path(folder).relative_to(tree)
        if relative == Path("."):
            dirs[:] = [d for d in dirs if d not in ("build", ".git")]
        dirs[:] = [d for d in dirs if d != "__pycache__"]
        for name in names:
            path = (relative / name).as_posix()
            if path not in files:
                (tree / path).unlink()


# --- Where mutations go -------------------------------------------------------


def built_sources(files):
    """The .cpp files under src/ that the CMake files build on this system:
    named in a src/**/CMakeLists.txt outside an if(WIN32) branch, never under
    src/platform/windows/."""
    built = set()
    for path, (_, data) in files.items():
        if not (path.startswith("src/") and path.endswith("/CMakeLists.txt")):
            continue
        folder = path[:-len("CMakeLists.txt")]
        stack = []
        for line in data.decode().splitlines():
            code = line.split("#", 1)[0].strip()
            if re.match(r"if\s*\(", code):
                stack.append("windows" if re.match(r"if\s*\(\s*WIN32\s*\)", code) else "other")
            elif re.match(r"else\s*\(", code) and stack:
                stack[-1] = "other" if stack[-1] == "windows" else "notwindows"
            elif re.match(r"endif\s*\(", code) and stack:
                stack.pop()
            if "windows" in stack:
                continue
            for word in re.findall(r"[\w./${}-]+\.cpp", code):
                built.add(folder + word)
    return sorted(p for p in built if p in files and not p.startswith("src/platform/windows/"))


def mask_code(text):
    """`text` with comments, string and character literals and preprocessor
    lines blanked out (newlines kept), so that columns still match."""
    out = list(text)
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if c == "\n":
            line_start = True
            i += 1
            continue
        if line_start and c in " \t":
            i += 1
            continue
        if line_start and c == "#":
            while i < n and text[i] != "\n":
                if text[i] == "\\" and i + 1 < n and text[i + 1] == "\n":
                    out[i] = " "
                    i += 2
                    continue
                out[i] = " "
                i += 1
            continue
        line_start = False
        if text.startswith("//", i):
            while i < n and text[i] != "\n":
                out[i] = " "
                i += 1
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            for j in range(i, end):
                if text[j] != "\n":
                    out[j] = " "
            i = end
        elif c == '"' and i > 0 and text[i - 1] == "R":
            close = text.find("(", i)
            delimiter = ")" + text[i + 1:close] + '"'
            end = text.find(delimiter, close)
            end = n if end < 0 else end + len(delimiter)
            for j in range(i, end):
                if text[j] != "\n":
                    out[j] = " "
            i = end
        elif c == '"' or (c == "'" and not (0 < i < n - 1 and text[i - 1].isdigit()
                                            and text[i + 1].isdigit())):
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            for k in range(i, min(j + 1, n)):
                out[k] = " "
            i = j + 1
        else:
            i += 1
    return "".join(out)


def skipped_lines(masked):
    """Line indexes inside logging and assertion statements."""
    skipped = set()
    for match in SKIPPED_CALLS.finditer(masked):
        end = masked.find(";", match.start())
        end = len(masked) if end < 0 else end
        first = masked.count("\n", 0, match.start())
        skipped.update(range(first, masked.count("\n", 0, end) + 1))
    return skipped


def early_return(signature):
    """The statement that makes the function return at once, or None when
    there is none that surely compiles (deduced or reference return types)."""
    flat = " ".join(signature.split())
    flat = re.sub(r"^template\s*<.*?>\s*", "", flat)
    head = flat.split("(", 1)[0].strip()
    words = [w for w in head.split() if w not in SIGNATURE_WORDS]
    if not words:
        return None
    name = words[-1]
    result = " ".join(words[:-1])
    if not result:  # constructors and destructors
        return "return;" if "::" in name else None
    if result.endswith("&") or name.startswith("&") or "operator" in name:
        return None
    if result == "void":
        return "return;"
    if result == "auto":
        trailing = re.search(r"->\s*(.+)$", flat)
        if not trailing or "&" in trailing.group(1):
            return None
        return "return;" if trailing.group(1).strip() == "void" else "return {};"
    return "return {};"


def function_openings(masked):
    """(line index, column of `{`, statement) for each function body that opens
    at namespace scope."""
    found = []
    scopes, pending, line = [], [], 0
    for column_text in masked.split("\n"):
        for column, c in enumerate(column_text + " "):
            at_namespace = all(s == "namespace" for s in scopes)
            if c == "{":
                if at_namespace:
                    statement = "".join(pending).strip()
                    if re.match(r"(inline\s+)?namespace\b|extern\b", statement):
                        scopes.append("namespace")
                    elif ("(" in statement and FUNCTION_END.search(statement)
                          and not re.match(r"(class|struct|enum|union)\b", statement)
                          and "=" not in statement.split("(", 1)[0]):
                        scopes.append("function")
                        found.append((line, column, statement))
                    else:
                        scopes.append("other")
                    pending = []
                else:
                    scopes.append("other")
            elif c == "}":
                if scopes:
                    scopes.pop()
                pending = []
            elif c == ";" and at_namespace:
                pending = []
            elif at_namespace:
                pending.append(c)
        line += 1
    return found


def sites_in(path, source):
    """Every mutation that fits in `source`: (path, line number, column,
    kind, original text, replacement)."""
    masked = mask_code(source)
    lines = source.split("\n")
    masked_lines = masked.split("\n")
    skipped = skipped_lines(masked)
    sites = []
    for index, code in enumerate(masked_lines):
        if index in skipped or not code.strip():
            continue
        number = index + 1
        for m in COMPARISON.finditer(code):
            sites.append((path, number, m.start(), "comparison", m.group(), FLIPS[m.group()]))
        for m in LITERAL.finditer(code):
            value = int(m.group())
            if value in (0, 1):
                if value == 0 and PURE_VIRTUAL.search(code):
                    continue
                sites.append((path, number, m.start(), "constant", m.group(), str(1 - value)))
            else:
                for other in (value + 1, value - 1):
                    sites.append((path, number, m.start(), "off-by-one", m.group(), str(other)))
        for m in INDEX.finditer(code):
            for step in (" + 1", " - 1"):
                sites.append((path, number, m.start(), "off-by-one", m.group(),
                              f"[{m.group(1)}{step}]"))
        for m in NEGATION.finditer(code):
            sites.append((path, number, m.start(), "negation", "!", ""))
        for m in BOOLEAN.finditer(code):
            flipped = "false" if m.group() == "true" else "true"
            sites.append((path, number, m.start(), "constant", m.group(), flipped))
    for index, column, statement in function_openings(masked):
        statement_return = early_return(statement)
        if statement_return and index not in skipped:
            sites.append((path, index + 1, column, "early-return", "{",
                          "{ " + statement_return))
    assert all(lines[s[1] - 1][s[2]:s[2] + len(s[4])] == s[4] for s in sites), path
    return sites


def draw_order(files, seed):
    """Every candidate mutation in the order a run tries them: the kinds take
    turns, each kind's sites in the order of a hash of the seed, the file, the
    line's text and the change. A site's place does not depend on line numbers
    or on other sites, so an edit elsewhere in src/ leaves the draw as it was:
    runs of one seed before and after a change compare."""
    by_kind = {kind: [] for kind in KINDS}
    for path in built_sources(files):
        lines = files[path][1].decode().split("\n")
        seen = {}
        for site in sites_in(path, files[path][1].decode()):
            text = lines[site[1] - 1]
            stripped = text.lstrip()
            what = (stripped, site[2] - (len(text) - len(stripped)), site[4], site[5])
            seen[what] = seen.get(what, 0) + 1  # the same line twice in one file
            key = "\0".join([str(seed), path, *map(str, what), str(seen[what])])
            by_kind[site[3]].append((hashlib.sha256(key.encode()).hexdigest(), site))
    for kind in KINDS:
        by_kind[kind] = [site for _, site in sorted(by_kind[kind])]
    order, used = [], set()
    for turn in range(max(len(v) for v in by_kind.values())):
        for kind in KINDS:
            if turn < len(by_kind[kind]):
                site = by_kind[kind][turn]
                if (site[0], site[1]) not in used:  # one mutant per line
                    used.add((site[0], site[1]))
                    order.append(site)
    return order


def mutated_line(line, site):
    _, _, column, _, original, replacement = site
    return line[:column] + replacement + line[column + len(original):]


def describe(site, source_line):
    return (f"{site[0]}:{site[1]} {site[3]}\n"
            f"    - {source_line.strip()}\n"
            f"    + {mutated_line(source_line, site).strip()}")


# --- Building and testing -----------------------------------------------------


class Runner:
    """Runs one child process group at a time, so that a stop can end it."""

    def __init__(self):
        self.child = None

    def run(self, command, log, cwd=None, env=None):
        with open(log, "w") as out:
            self.child = subprocess.Popen(command, cwd=cwd, env=env, stdout=out,
                                          stderr=subprocess.STDOUT, start_new_session=True)
            try:
                return self.child.wait()
            except BaseException:
                self.stop()
                raise
            finally:
                self.child = None

    def stop(self):
        child = self.child
        if child is None or child.poll() is not None:
            return
        for sig, grace in ((signal.SIGINT, 15), (signal.SIGTERM, 10), (signal.SIGKILL, 5)):
            try:
                os.killpg(child.pid, sig)
            except ProcessLookupError:
                return
            try:
                child.wait(grace)
                return
            except subprocess.TimeoutExpired:
                pass


def configure(tree, build, runner, log):
    if (build / "CMakeCache.txt").exists():
        return
    # Makefiles: the link lines (link.txt) tell which tests link which library.
    command = ["cmake", "-G", "Unix Makefiles", "-S", str(tree), "-B", str(build),
               "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
               "-DTESSALY_WERROR=ON", "-DBUILD_TESTING=ON"]
    if shutil.which("ccache"):
        command += ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"]
    if runner.run(command, log) != 0:
        fail(f"configuring {build} failed; see {log}")


def objects_by_source(build, tree):
    """Source path (relative to the tree) -> [(target, object file)]."""
    result = {}
    for entry in json.loads((build / "compile_commands.json").read_text()):
        source = Path(entry["file"])
        if not source.is_relative_to(tree):
            continue
        output = entry.get("output")
        if output is None:
            output = re.search(r"\s-o\s+(\S+)", entry["command"]).group(1)
        target = re.search(r"CMakeFiles/([^/]+)\.dir/", output).group(1)
        relative = source.relative_to(tree).as_posix()
        result.setdefault(relative, []).append((target, Path(entry["directory"]) / output))
    return result


def digest(path):
    return hashlib.sha256(path.read_bytes()).hexdigest() if path.exists() else None


def list_tests(build):
    """ctest's tests in `build`: name -> (command, own timeout)."""
    shown = subprocess.run(["ctest", "--show-only=json-v1"], cwd=build, check=True,
                           capture_output=True, text=True).stdout
    tests = {}
    for test in json.loads(shown)["tests"]:
        timeout = None
        for prop in test.get("properties", []):
            if prop["name"] == "TIMEOUT":
                timeout = float(prop["value"])
        tests[test["name"]] = (test.get("command", []), timeout)
    return tests


def linked_targets(build, tests):
    """Test name -> the CMake targets whose code it runs: the libraries linked
    into the programs its command line names (from their link lines)."""
    link_files = {}
    for link in build.glob("**/CMakeFiles/*.dir/link.txt"):
        link_files[link.parent.name[:-len(".dir")]] = link
    linked = {}
    for name, (command, _) in tests.items():
        targets = set()
        for argument in command:
            program = Path(argument).name
            if program in link_files and Path(argument).is_relative_to(build):
                targets.add(program)
                targets.update(re.findall(r"lib(\w+)\.a\b", link_files[program].read_text()))
        linked[name] = targets
    return linked


def run_ctest(names, ctest_dir, runner, log, stop_on_failure):
    """Runs `names` (fast ones first) two at a time; returns (passed, the
    failed tests with ctest's reason, seconds per test)."""
    escaped = "|".join(re.escape(n) for n in names)
    for stale in ("CTestCostData.txt", "LastTestsFailed.log"):
        (ctest_dir / "Testing" / "Temporary" / stale).unlink(missing_ok=True)
    # A test that fails is run once more and counts as failed only if it fails
    # again: some X11 tests miss a beat when the machine is loaded.
    command = ["ctest", "--output-on-failure", "--repeat", "until-pass:2", "-j", str(ARGS.jobs),
               "-R", f"^({escaped})$"]
    if stop_on_failure:
        command.append("--stop-on-failure")
    status = runner.run(command, log, cwd=ctest_dir)
    text = Path(log).read_text(errors="replace")
    failed = re.findall(r"^\s*\d+ - (\S+) \(([^)]+)\)", text.split("The following tests FAILED:")[-1],
                        re.M) if "The following tests FAILED:" in text else []
    times = {m.group(1): float(m.group(3)) for m in re.finditer(
        r"Test\s+#\d+: (\S+) \.+\s*(\**\w+[\w ]*?)\s+([\d.]+) sec", text)}
    if status != 0 and not failed:
        failed = [("(ctest)", f"exit status {status}")]
    return status == 0, failed, times


def write_ctest_dir(ctest_dir, build, tests, times):
    """A ctest folder of our own that takes the build's tests with a time
    limit of a few times each test's run on the unmutated tree, and runs the
    fast ones first so that a failure shows early."""
    ctest_dir.mkdir(parents=True, exist_ok=True)
    lines = [f'subdirs("{build}")']
    for name, (_, own) in sorted(tests.items()):
        seconds = times.get(name)
        if seconds is None:  # no time measured yet: the suite's own limits
            if times:
                print(f"mutants: no run time for {name}; it keeps the suite's limit")
            lines.append(f"set_tests_properties({name} PROPERTIES TIMEOUT {own or 600:.0f})")
            continue
        limit = max(30.0, 4 * seconds)
        if own:
            limit = min(limit, own)
        lines.append(f"set_tests_properties({name} PROPERTIES TIMEOUT {limit:.0f} "
                     f"COST {1000 - seconds:.2f})")
    (ctest_dir / "CTestTestfile.cmake").write_text("\n".join(lines) + "\n")


# --- The figures --------------------------------------------------------------

HEADER = """\
Mutation testing: how many small faults planted in src/ the test suite catches (`make mutants`,
scripts/mutants.py). Each mutant is one change to one line of the program's logic (a flipped
comparison, an off-by-one, a dropped negation, a changed constant, an early return), built and
run against the ctest suite of the same commit, built in a copy of it: killed when a test fails
or runs out of its time (four times its run on the unmutated tree, at least 30 s) twice in a row
(a failing test runs once more, as some X11 tests miss a beat on a loaded machine), survived
when every test passes. The tests that link the changed library run first, then the others; the
first failure ends a mutant's run, so "killed" names the test that failed first (two run at a
time). Before the mutants, the whole suite must pass on the unmutated tree. Mutants that do not
compile, or compile to the same code, are replaced by the next site the seed draws. A site's
place in the draw comes from a hash of the seed, its file, its line's text and the change, so one
seed gives the same mutants wherever those lines are unchanged (`scripts/mutants.py --list --seed
S`), and runs of one seed before and after a change to the tests compare. A survivor is a fault no test noticed:
a gap in the tests, or a change that makes no difference a user could see.
"""


def write_block(path, block):
    path = Path(path)
    text = path.read_text() if path.exists() else HEADER
    text = text.rstrip("\n") + "\n\n" + block.rstrip("\n") + "\n"
    temporary = path.with_name(path.name + ".tmp")
    temporary.write_text(text)
    os.replace(temporary, path)


def results_block(state):
    measured = state["results"]
    killed = [r for r in measured if r["killed"]]
    survived = [r for r in measured if not r["killed"]]
    elapsed = time.time() - state["start"]
    wanted = state["wanted"]
    title = "partial, stopped after %d of %d mutants" % (len(measured), wanted) \
        if len(measured) < wanted and state["stopped"] else None
    if len(measured) < wanted and not state["stopped"]:
        title = f"only {len(measured)} mutants compiled of the {wanted} asked for"
    score = f"{len(killed)}/{len(measured)}"
    if measured:
        score += f" killed ({100 * len(killed) / len(measured):.1f} %)"
    lines = [
        "== " + (ARGS.note or "run") + (f" ({title})" if title else ""),
        f"date:     {state['date']}",
        f"commit:   {state['commit']}",
        f"seed:     {ARGS.seed}",
        f"N:        {wanted}" + (f" ({len(measured)} measured)" if len(measured) != wanted else ""),
        f"score:    {score}",
        f"run time: {elapsed / 60:.0f} min (baseline build and test run "
        f"{state['baseline'] / 60:.1f} min; "
        + (f"{(elapsed - state['baseline']) / max(len(measured), 1) / 60:.1f} min a mutant"
           if measured else "no mutant") + ")",
        f"tests:    {state['tests']}" + (f" (left out: {', '.join(state['left_out'])})"
                                         if state["left_out"] else ""),
        f"discarded: {state['broken']} that did not compile, "
        f"{state['same']} that compiled to the same code",
    ]
    lines.append(f"survived ({len(survived)}):")
    lines += ["  " + r["description"].replace("\n", "\n  ") for r in survived] or ["  none"]
    lines.append(f"killed ({len(killed)}): file:line kind, the test that failed")
    lines += [f"  {r['where']} {r['kind']}: {r['by']}" for r in killed] or ["  none"]
    return "\n".join(lines)


# --- Main ---------------------------------------------------------------------


def show_list(order, files, wanted):
    spares = max(10, wanted // 2)
    print(f"# seed {ARGS.seed}: the {wanted} mutants a run measures, then {spares} spares"
          " that replace those that do not compile or compile to the same code")
    for number, site in enumerate(order[:wanted + spares], 1):
        line = files[site[0]][1].decode().split("\n")[site[1] - 1]
        mark = "" if number <= wanted else " (spare)"
        print(f"{number:3}{mark} {describe(site, line)}")


def measure(order, files, commit, work):
    tree, build = work / "tree", work / "tree" / "build"
    logs, ctest_dir = work / "logs", work / "ctest"
    logs.mkdir(parents=True, exist_ok=True)
    runner = Runner()
    state = {"date": datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC"),
             "commit": commit, "wanted": ARGS.mutants, "results": [], "broken": 0, "same": 0,
             "stopped": False, "start": time.time(), "baseline": 0.0, "left_out": [],
             "tests": 0}
    restore = {}

    def on_signal(number, _frame):
        raise Stop(signal.Signals(number).name)

    signal.signal(signal.SIGTERM, on_signal)
    signal.signal(signal.SIGINT, on_signal)
    jobs = ["-j", str(ARGS.jobs)]
    quiet_env = dict(os.environ, CCACHE_DISABLE="1")
    try:
        print(f"mutants: copying {commit.split()[0]} to {tree}", flush=True)
        sync_tree(files, tree)
        configure(tree, build, runner, logs / "configure.log")
        print("mutants: building the unmutated tree", flush=True)
        if runner.run(["cmake", "--build", str(build), *jobs], logs / "build.log") != 0:
            fail(f"the unmutated tree does not build; see {logs / 'build.log'}")
        objects = objects_by_source(build, tree)
        original_objects = {src: [digest(o) for _, o in objs] for src, objs in objects.items()}
        tests = list_tests(build)
        if ARGS.exclude:
            state["left_out"] = sorted(n for n in tests if re.fullmatch(ARGS.exclude, n))
            tests = {n: t for n, t in tests.items() if n not in state["left_out"]}
        state["tests"] = len(tests)
        linked = linked_targets(build, tests)
        write_ctest_dir(ctest_dir, build, tests, {})
        print(f"mutants: running the {len(tests)} tests on the unmutated tree", flush=True)
        passed, failed, times = run_ctest(sorted(tests), ctest_dir, runner,
                                          logs / "baseline-tests.log", False)
        if not passed:
            fail("the tests fail on the unmutated tree, so a failure would not tell a mutant "
                 "apart (a real failure, or a test that fails under this machine's load): "
                 + ", ".join(f"{n} ({why})" for n, why in failed)
                 + f"; see {logs / 'baseline-tests.log'}")
        write_ctest_dir(ctest_dir, build, tests, times)
        state["baseline"] = time.time() - state["start"]
        print(f"mutants: unmutated tree built and tested in {state['baseline'] / 60:.1f} min",
              flush=True)

        for site in order:
            if len(state["results"]) == ARGS.mutants:
                break
            path, number = site[0], site[1]
            source = tree / path
            original = source.read_bytes()
            lines = original.decode().split("\n")
            description = describe(site, lines[number - 1])
            lines[number - 1] = mutated_line(lines[number - 1], site)
            restore[source] = original
            source.write_text("\n".join(lines))
            started = time.time()
            count = len(state["results"]) + 1
            label = f"[{count}/{ARGS.mutants}] {path}:{number} {site[3]}"
            try:
                build_log = logs / f"mutant-{count:02}-build.log"
                if runner.run(["cmake", "--build", str(build), *jobs], build_log,
                              env=quiet_env) != 0:
                    if Path(path).name not in build_log.read_text(errors="replace"):
                        fail(f"a build failed outside the mutated file {path}; see {build_log}")
                    state["broken"] += 1
                    print(f"{label}: does not compile, drawing another", flush=True)
                    continue
                if [digest(o) for _, o in objects.get(path, [])] == original_objects.get(path):
                    state["same"] += 1
                    print(f"{label}: compiles to the same code, drawing another", flush=True)
                    continue
                targets = {t for t, _ in objects.get(path, [])}
                first = sorted(n for n in tests if linked[n] & targets)
                rest = sorted(n for n in tests if n not in first)
                killed_by = None
                for phase, group in enumerate((first, rest), 1):
                    if group and not killed_by:
                        test_log = logs / f"mutant-{count:02}-tests-{phase}.log"
                        ok, failed, _ = run_ctest(group, ctest_dir, runner, test_log, True)
                        if not ok:
                            killed_by = ", ".join(f"{n} ({why})" for n, why in failed)
            finally:
                source.write_bytes(restore.pop(source))
            state["results"].append({"killed": bool(killed_by), "by": killed_by,
                                     "where": f"{path}:{number}", "kind": site[3],
                                     "description": description})
            verdict = f"killed by {killed_by}" if killed_by else "SURVIVED"
            average = (time.time() - state["start"] - state["baseline"]) / count
            print(f"{label}: {verdict} ({time.time() - started:.0f} s, {len(first)} tests "
                  f"linking it first; {average / 60:.1f} min a mutant so far)", flush=True)
    except Stop as stop:
        signal.signal(signal.SIGTERM, signal.SIG_IGN)
        signal.signal(signal.SIGINT, signal.SIG_IGN)
        runner.stop()
        for source, original in restore.items():
            source.write_bytes(original)
        state["stopped"] = True
        print(f"mutants: stopped by {stop}; the source is restored", flush=True)
    if ARGS.add_to and state["baseline"]:
        write_block(ARGS.add_to, results_block(state))
        print(f"mutants: figures added to {ARGS.add_to}")
    print(results_block(state))
    return 1 if state["stopped"] else 0


def main():
    global ARGS
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--mutants", type=int, default=40, help="how many mutants (40)")
    parser.add_argument("--seed", type=int, default=1, help="which mutants (1)")
    parser.add_argument("--list", action="store_true",
                        help="only print the mutants the seed picks, building nothing")
    parser.add_argument("--add-to", help="add the figures to this file as a new block")
    parser.add_argument("--note", help="a line for the figures (what this run is before or after)")
    parser.add_argument("--exclude", help="leave out the tests whose names match this regular "
                        "expression (one that fails on the unmutated tree); the figures say so")
    parser.add_argument("--jobs", type=int, default=2, help="parallel builds and tests (2)")
    parser.add_argument("--work", default=str(REPO / "build-mutants"),
                        help="the copy of the tree and its build (build-mutants/)")
    ARGS = parser.parse_args()
    commit = git("rev-parse", "HEAD").strip()
    files = committed_files(commit)
    order = draw_order(files, ARGS.seed)
    if ARGS.list:
        show_list(order, files, ARGS.mutants)
        return 0
    if git("status", "--porcelain", "--", "src", "tests").strip():
        print("mutants: src/ or tests/ have changes that are not committed; "
              "the run measures the last commit, without them", file=sys.stderr)
    work = Path(ARGS.work).resolve()
    work.mkdir(parents=True, exist_ok=True)
    lock = open(work / "lock", "w")
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except BlockingIOError:
        fail(f"another run is using {work}")
    subject = git("log", "-1", "--format=%h %s", commit).strip()
    return measure(order, files, subject, work)


ARGS = None
if __name__ == "__main__":
    sys.exit(main())
