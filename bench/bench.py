#!/usr/bin/env python3
"""Runs the benchmark rounds against drives that run.sh mapped, checks that every
method agrees with the others, prints a table of ratios (median, minimum, spread over
the rounds) and (full size only) exits non-zero when a target is missed.

Drives: W: the tree, X: the same kind of tree a tenth its size, V: a scratch folder.
"""
import argparse
import datetime
import os
import platform
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from figures import Rounds, Summary, judge, percentile, ratio_cells
from settle import settle

NOT_FOUND = "未找到LOL安装目录，请重新选择驱动器"
LOGS_CLEARED = "Log日志文件已清除，感谢你的使用！"
CLIENT_NAME = "英雄联盟"
def program_version():
    """The version the program's title carries, from the one place it stands."""
    header = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "version.h")
    with open(header, encoding="utf-8") as f:
        return re.search(r'^#define TRIVANE_VERSION_TEXT "([0-9.]+)"$', f.read(), re.M).group(1)


TOOL_TITLE, TOOL_CLASS = "Trivane" + program_version(), "KRWindow"
MINIMAL_TITLE, MINIMAL_CLASS = "Trivane minimal", "TrivaneMinimal"
USUAL_FOLDER = "WeGameApps"

# Ratios against the baselines, same run, same tree; judged by the median of the rounds.
TARGETS = {
    "walk": 0.3,          # whole-drive walk, no client: tool / baseline walk
    "halfway": 0.15,      # client halfway: tool's time to the result / baseline's whole walk
    "usual_folder": 0.01,  # client in a usual folder: the window's search / baseline's whole walk
    "cleanup": 0.6,       # log cleanup: tool / baseline deletion
    "start_up": 1.2,      # start-up to the window shown: Trivane / minimal program
    "start_up_memory": 1.2,
    "round_trip_p99_ms": 20.0,
    "cleanup_round_trip_p99_ms": 50.0,
    "search_memory_growth_mb": 2.0,  # peak working set, full tree minus a tenth of it
}

FULL_ROUNDS = dict(walk=5, halfway=5, usual=5, cleanup=5, start_up=40, respond=2, memory=3, respond_cleanup=2)
SMALL_ROUNDS = dict(walk=1, halfway=1, usual=1, cleanup=1, start_up=1, respond=1, memory=1, respond_cleanup=1)


class Failure(Exception):
    """The methods disagree or a measurement did not run: the benchmark is broken."""


def windows_path(unix_path):
    return "Z:" + os.path.abspath(unix_path).replace("/", "\\")


class Drive:
    def __init__(self, letter, folder):
        self.root = letter + ":\\"
        self.folder = os.path.abspath(folder)

    def to_windows(self, unix_path):
        rel = os.path.relpath(unix_path, self.folder)
        return self.root + ("" if rel == "." else rel.replace("/", "\\"))

    def to_unix(self, windows_path):
        assert windows_path.upper().startswith(self.root.upper())
        rest = windows_path[len(self.root):]
        return os.path.join(self.folder, *[p for p in rest.split("\\") if p])


class Bench:
    """The Windows side: one fresh process per measurement, its report parsed."""

    def __init__(self, exe):
        self.exe = exe
        self.scratch = tempfile.mkdtemp(prefix="trivane-bench-")

    def run(self, *args):
        out_path = os.path.join(self.scratch, "out.txt")
        # Output to a file, not a pipe: Wine's own services may inherit the handle and
        # outlive the process.
        with open(out_path, "wb") as out:
            status = subprocess.run(["wine", self.exe, *args], stdout=out, stderr=subprocess.DEVNULL,
                                    stdin=subprocess.DEVNULL).returncode
        with open(out_path, "rb") as f:
            text = f.read().decode("gbk", errors="replace")
        if status != 0:
            raise Failure(f"trivane_bench {' '.join(args)} failed with status {status}")
        report = {}
        for line in text.splitlines():
            key, _, value = line.partition("\t")
            report.setdefault(key, []).append(value)
        return report

    def close(self):
        shutil.rmtree(self.scratch, ignore_errors=True)


def one(report, key):
    values = report.get(key)
    if not values:
        raise Failure(f"no {key} in the report")
    return values[0]


def linux_find(drive):
    start = time.perf_counter()
    out = subprocess.run(["find", drive.folder, "-iname", "system.yaml", "-type", "f"], capture_output=True,
                         check=True).stdout
    ms = 1000 * (time.perf_counter() - start)
    paths = {drive.to_windows(os.fsdecode(p)) for p in out.splitlines() if p}
    return ms, paths


def expect(condition, message):
    if not condition:
        raise Failure(message)


def rotated(methods, r):
    """The methods of round r, no method always first."""
    k = r % len(methods)
    return methods[k:] + methods[:k]


def walk_rounds(bench, drive, rounds, results, row, placed):
    """The four walks, each once per round; every round checks that they agree."""
    for r in range(rounds):
        seen, ms = {}, {}
        for method in rotated(["tool", "baseline", "dir", "find"], r):
            if method == "tool":
                rep = bench.run("walk-tool", drive.root)
                ms["tool"] = float(one(rep, "ms"))
                seen["tool"] = one(rep, "found")
            elif method == "baseline":
                rep = bench.run("walk-baseline", drive.root)
                ms["baseline"] = float(one(rep, "ms"))
                seen["baseline"] = one(rep, "found")
                seen["baseline_all"] = set(rep.get("collected", []))
            elif method == "dir":
                rep = bench.run("walk-dir", drive.root, "V:\\dir-output.txt")
                ms["dir"] = float(one(rep, "ms"))
                seen["dir_all"] = set(rep.get("collected", []))
            else:
                ms["find"], seen["find_all"] = linux_find(drive)
        results.add(row, **ms)
        expect(seen["tool"] == placed, f"{row}: tool found {seen['tool']!r}, expected {placed!r}")
        expect(seen["baseline"] == placed, f"{row}: baseline found {seen['baseline']!r}, expected {placed!r}")
        expect(seen["baseline_all"] == seen["dir_all"] == seen["find_all"],
               f"{row}: the walks collected different system.yaml files: baseline {sorted(seen['baseline_all'])}, "
               f"dir {sorted(seen['dir_all'])}, find {sorted(seen['find_all'])}")
        expect(not placed or placed in seen["baseline_all"], f"{row}: the client was not collected")


def usual_folder_rounds(bench, drive, rounds, results):
    """The window's search with a client in a usual folder and a decoy met before it
    in walk order: a search that first tries the usual folders returns the client at
    once, one that only walks returns the decoy. Returns the placed folders to remove."""
    rep = bench.run("place-usual", drive.root)
    placed, decoy = one(rep, "placed"), one(rep, "decoy")
    made = [os.path.join(drive.folder, USUAL_FOLDER)]
    if decoy:
        made.append(os.path.dirname(drive.to_unix(decoy)))
    print(f"bench: a client in a usual folder: {placed}; met before it in walk order: {decoy or 'nothing'}",
          flush=True)
    results.extra["usual_placed"] = placed
    for _ in range(rounds):
        rep = bench.run("usual-folder", drive.root)
        found = one(rep, "found")
        expect(found in (placed, decoy), f"usual folder: the search returned {found!r}")
        results.add("usual", tool=float(one(rep, "ms")), found_usual=1.0 if found == placed else 0.0)
    return made


def listing(folder):
    files = set()
    for top, dirs, names in os.walk(folder):
        for n in names:
            files.add(os.path.relpath(os.path.join(top, n), folder))
    return files


def is_deleted_log(relative):
    parts = relative.split(os.sep)
    return parts[-1].lower().endswith(".log") and not any(p.startswith(".") for p in parts[:-1])


def copy_logs_only(tree, logs, scratch):
    """The tree's log files alone, in their folders, below the scratch drive; returns
    the list file naming them for the floor pass."""
    folder = os.path.join(scratch.folder, "logs-only")
    shutil.rmtree(folder, ignore_errors=True)
    paths = []
    for relative in sorted(logs):
        target = os.path.join(folder, relative)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copy2(os.path.join(tree.folder, relative), target)
        paths.append(scratch.to_windows(target))
    list_file = os.path.join(scratch.folder, "logs-only.txt")
    with open(list_file, "wb") as f:
        f.write(("\n".join(paths) + "\n").encode("gbk"))
    return folder, list_file


def cleanup_rounds(bench, tree, scratch, rounds, results):
    """Per round and method: a fresh copy, the file system settled, the walk alone
    over it (nothing deleted), settled again, then the deletion timed. And the floor:
    the same files deleted by path, no walk."""
    before = listing(tree.folder)
    logs = {f for f in before if is_deleted_log(f)}
    expect(logs, "the tree holds no log files to delete")
    copy = os.path.join(scratch.folder, "copy")
    folder = scratch.to_windows(copy) + "\\"
    settled = []
    for r in range(rounds):
        ms = {}
        for method in rotated(["tool", "baseline", "floor"], r):
            if method == "floor":
                logs_only, list_file = copy_logs_only(tree, logs, scratch)
                settled.append(settle())
                rep = bench.run("delete-listed", scratch.to_windows(list_file))
                ms["floor"] = float(one(rep, "ms"))
                expect(int(one(rep, "deleted")) == len(logs) and not listing(logs_only),
                       "the floor pass did not delete every log it was given")
                shutil.rmtree(logs_only)
                continue
            shutil.rmtree(copy, ignore_errors=True)
            subprocess.run(["cp", "-a", tree.folder, copy], check=True)
            settled.append(settle())
            rep = bench.run("walk-logs-" + method, folder)
            ms["walk_" + method] = float(one(rep, "ms"))
            matched = int(one(rep, "matched"))
            expect(matched == len(logs), f"{method} walk alone matched {matched} files, the tree has {len(logs)} logs")
            expect(listing(copy) == before, f"{method} walk alone changed the copy")
            settled.append(settle())
            rep = bench.run("delete-" + method, folder)
            ms[method] = float(one(rep, "ms"))
            deleted = int(one(rep, "deleted"))
            left = listing(copy)
            expect(left == before - logs,
                   f"{method} deletion left the wrong files: {len(before - logs - left)} missing, "
                   f"{len(left - (before - logs))} logs kept")
            expect(deleted == len(logs), f"{method} deletion counted {deleted}, deleted {len(logs)}")
        results.add("cleanup", **ms)
    shutil.rmtree(copy, ignore_errors=True)
    results.extra["logs"] = len(logs)
    results.extra["settle_s"] = max(s for s, _ in settled)
    results.extra["settle_kb"] = max(kb for _, kb in settled)


def start_up_rounds(bench, trivane_exe, minimal_exe, rounds, results):
    programs = [("trivane", trivane_exe, TOOL_TITLE, TOOL_CLASS),
                ("minimal", minimal_exe, MINIMAL_TITLE, MINIMAL_CLASS)]
    for r in range(rounds):
        ms, peak = {}, {}
        for name, exe, title, window_class in rotated(programs, r):
            rep = bench.run("start-up", exe, title, window_class)
            ms[name] = float(one(rep, "ms"))
            peak[name] = int(one(rep, "peak_working_set"))
            expect(peak[name] > 0, f"no peak working set for {name}")
        results.add("start_up", **ms)
        results.add("start_up_memory", **peak)


def round_trip_rounds(bench, trivane_exe, drive, rounds, results, expected_outcome):
    for _ in range(rounds):
        rep = bench.run("respond", trivane_exe, TOOL_TITLE, TOOL_CLASS, drive.root[0])
        outcome = one(rep, "outcome")
        expect(outcome == expected_outcome, f"the window's search ended with {outcome!r}, not {expected_outcome!r}")
        samples = [float(x) for x in one(rep, "round_trips").split(",") if x]
        expect(samples, "no round trip was sampled while the window searched")
        results.extra.setdefault("round_trips", []).extend(samples)
        results.add("respond", p99=percentile(samples, 99), search=float(one(rep, "search_ms")))


def cleanup_round_trip_rounds(bench, trivane_exe, tree, scratch, rounds, results):
    """The window's round trips while the tool cleans the logs of a fresh copy of the
    tree, placed as a client in a usual folder of the scratch drive (found at once)."""
    before = listing(tree.folder)
    logs = {f for f in before if is_deleted_log(f)}
    config = os.path.join("LeagueClient", "system.yaml")
    usual = os.path.join(scratch.folder, USUAL_FOLDER)
    client = os.path.join(usual, CLIENT_NAME)
    for _ in range(rounds):
        shutil.rmtree(usual, ignore_errors=True)
        os.makedirs(usual)
        subprocess.run(["cp", "-a", tree.folder, client], check=True)
        os.makedirs(os.path.join(client, "LeagueClient"))
        with open(os.path.join(client, config), "w") as f:
            f.write("---\n")
        settle()
        rep = bench.run("respond-cleanup", trivane_exe, TOOL_TITLE, TOOL_CLASS, scratch.root[0])
        install = one(rep, "install")
        expect(install == scratch.to_windows(client), f"the window found {install!r}, not the placed client")
        outcome = one(rep, "outcome")
        expect(outcome == LOGS_CLEARED, f"the window's cleanup ended with {outcome!r}, not {LOGS_CLEARED!r}")
        left = listing(client)
        expect(left == (before - logs) | {config},
               f"the window's cleanup left the wrong files: {len(before - logs - left)} missing, "
               f"{len(left - (before - logs) - {config})} logs kept")
        samples = [float(x) for x in one(rep, "round_trips").split(",") if x]
        expect(samples, "no round trip was sampled while the window cleaned")
        results.extra.setdefault("cleanup_round_trips", []).extend(samples)
        results.add("respond_cleanup", p99=percentile(samples, 99), cleanup=float(one(rep, "cleanup_ms")))
    shutil.rmtree(usual, ignore_errors=True)
    results.extra["cleanup_round_trip_logs"] = len(logs)


def cleanup_round_trip_row(table, res):
    trips = res.extra["cleanup_round_trips"]
    p99 = percentile(trips, 99)
    per_round = Summary(res.values("respond_cleanup", "p99"))
    holds = p99 < TARGETS["cleanup_round_trip_p99_ms"]
    table.plain_row(f"Message round trip during a log cleanup of {res.extra['cleanup_round_trip_logs']} files, "
                    f"{len(trips)} samples (ms): median / 99th percentile (rounds' 99th percentiles "
                    f"{per_round.minimum:.1f} to {per_round.maximum:.1f}; cleanup "
                    f"{statistics.median(res.values('respond_cleanup', 'cleanup')):.0f} ms)",
                    f"{statistics.median(trips):.1f} / {p99:.1f}",
                    target=f"p99 < {TARGETS['cleanup_round_trip_p99_ms']:.0f}",
                    verdict="holds" if holds else "MISSED", name="cleanup_round_trip", holds=holds)


def memory_rounds(bench, tree, tenth, rounds, results):
    for _ in range(rounds):
        peak = {}
        for name, drive in (("full", tree), ("tenth", tenth)):
            rep = bench.run("walk-tool", drive.root)
            expect(one(rep, "found") == "", f"the {name} tree holds a client")
            peak[name] = int(one(rep, "peak_working_set"))
        results.add("search_memory", **peak)


class Results(Rounds):
    def __init__(self):
        super().__init__()
        self.extra = {}


def load_average():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


def machine_lines(args):
    cpu = "unknown"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
    wine = subprocess.run(["wine", "--version"], capture_output=True, text=True).stdout.strip()
    return [
        f"Date: {datetime.datetime.now().strftime('%Y-%m-%d %H:%M')}",
        f"Machine: {cpu}, {os.cpu_count()} cores, {platform.system()} {platform.release()}, {wine}",
        f"Load average at the start: {load_average()}",
        f"Tree: {args.tree_summary}",
        f"Tool measured: {args.trivane_exe} ({os.path.getsize(args.trivane_exe):,} bytes)",
    ]


class Table:
    def __init__(self, judge_rows):
        self.judge_rows = judge_rows
        self.rows = []
        self.verdicts = []

    def ratio_row(self, name, label, tool, baseline, summary, limit, strict=False, digits=2):
        cells = ratio_cells(summary, digits)
        target, verdict = "", ""
        if limit is not None:
            holds, verdict = judge(summary, limit, strict)
            target = f"{'<' if strict else '≤'} {limit}"
            self.verdicts.append((name, holds))
        self.rows.append((label, tool, baseline) + cells + (target, verdict))

    def plain_row(self, label, tool, baseline="", median="", target="", verdict="", name=None, holds=None):
        if name is not None:
            self.verdicts.append((name, holds))
        self.rows.append((label, tool, baseline, median, "", "", target, verdict))

    def lines(self):
        out = ["| Measure | Trivane | Baseline | Ratio (median) | Min | Spread | Target | |",
               "|---|---:|---:|---:|---:|---:|---|---|"]
        for row in self.rows:
            # Targets hold for the full-size tree only; a tiny one shows the figures alone.
            out.append("| " + " | ".join(row if self.judge_rows else row[:6] + ("", "")) + " |")
        return out


def ms(value):
    return f"{value:.0f}"


def walk_rows(table, res, row, label, limit_name):
    m = lambda method: res.median(row, method)  # noqa: E731
    table.ratio_row(limit_name, label, ms(m("tool")), ms(m("baseline")),
                    Summary(res.ratios(row, "tool", "baseline")), TARGETS[limit_name])
    for method, what in (("dir", "cmd /c dir /s /b"), ("find", "find on Linux")):
        table.ratio_row(None, f"  against {what} (ms)", ms(m("tool")), ms(m(method)),
                        Summary(res.ratios(row, "tool", method)), None)


def usual_folder_row(table, res):
    """Client in a usual folder: the window's search from the drive choice to its
    result, against the baseline's whole walk of the same drive."""
    baseline = res.median("walk", "baseline")
    times = res.values("usual", "tool")
    found_usual = all(f == 1.0 for f in res.values("usual", "found_usual"))
    folder = res.extra["usual_placed"][:-len("\\LeagueClient\\system.yaml")]
    label = (f"Client in a usual folder ({folder}), a decoy met before it: the window's search / "
             "baseline's whole walk (ms)")
    if found_usual:
        table.ratio_row("usual_folder", label, ms(statistics.median(times)), ms(baseline),
                        Summary([t / baseline for t in times]), TARGETS["usual_folder"], digits=4)
    else:
        # A search that only walks meets the decoy first: the row fails whatever the time.
        s = Summary([t / baseline for t in times])
        table.plain_row(label + ", the decoy was returned", ms(statistics.median(times)), ms(baseline),
                        f"{s.median:.4f}", f"≤ {TARGETS['usual_folder']}", "MISSED (decoy returned)",
                        name="usual_folder", holds=False)


def cleanup_rows(table, res):
    m = lambda method: res.median("cleanup", method)  # noqa: E731
    logs = res.extra["logs"]
    table.ratio_row("cleanup", f"Log cleanup, {logs} files, same files deleted (ms)", ms(m("tool")),
                    ms(m("baseline")), Summary(res.ratios("cleanup", "tool", "baseline")), TARGETS["cleanup"])
    table.ratio_row(None, "  its walk alone, nothing deleted (ms)", ms(m("walk_tool")), ms(m("walk_baseline")),
                    Summary(res.ratios("cleanup", "walk_tool", "walk_baseline")), None)
    # The platform's own cost of deleting these files, which no walk can save: its
    # share of the baseline's cleanup is the least any cleanup could reach.
    floor = m("floor")
    table.ratio_row(None, "  the same files deleted by path alone, no walk, one thread (ms; µs per file); "
                    "against the baseline's cleanup", f"{floor:.0f} ({floor * 1000 / logs:.0f})", ms(m("baseline")),
                    Summary(res.ratios("cleanup", "floor", "baseline")), None)


def build_table(res, judge_rows):
    table = Table(judge_rows)
    walk_rows(table, res, "walk", "Whole-drive walk, no client (ms)", "walk")
    walk_rows(table, res, "halfway", "Client halfway: time to the result / baseline's whole walk (ms)", "halfway")
    usual_folder_row(table, res)
    cleanup_rows(table, res)
    table.ratio_row("start_up", "Start-up to the window shown (ms), against the minimal program",
                    ms(res.median("start_up", "trivane")), ms(res.median("start_up", "minimal")),
                    Summary(res.ratios("start_up", "trivane", "minimal")), TARGETS["start_up"])
    mb = lambda v: f"{v / 2**20:.1f}"  # noqa: E731
    table.ratio_row("start_up_memory", "Peak working set after start-up (MB), against the minimal program",
                    mb(res.median("start_up_memory", "trivane")), mb(res.median("start_up_memory", "minimal")),
                    Summary(res.ratios("start_up_memory", "trivane", "minimal")), TARGETS["start_up_memory"])
    trips = res.extra["round_trips"]
    p99 = percentile(trips, 99)
    per_round = Summary(res.values("respond", "p99"))
    holds = p99 < TARGETS["round_trip_p99_ms"]
    table.plain_row(f"Message round trip during a search, {len(trips)} samples (ms): median / 99th percentile "
                    f"(rounds' 99th percentiles {per_round.minimum:.1f} to {per_round.maximum:.1f})",
                    f"{statistics.median(trips):.1f} / {p99:.1f}", target=f"p99 < {TARGETS['round_trip_p99_ms']:.0f}",
                    verdict="holds" if holds else "MISSED", name="round_trip", holds=holds)
    cleanup_round_trip_row(table, res)
    full, tenth = res.median("search_memory", "full"), res.median("search_memory", "tenth")
    growth = (full - tenth) / 2**20
    holds = growth < TARGETS["search_memory_growth_mb"]
    table.plain_row("Search peak working set (MB): full tree / a tenth of it, growth", f"{mb(full)} / {mb(tenth)}",
                    median=f"{growth:+.2f}", target=f"< {TARGETS['search_memory_growth_mb']:.0f} MB",
                    verdict="holds" if holds else "MISSED", name="search_memory", holds=holds)
    return table


# The rows --only can run alone: what it measures, how, and the rows it prints.
ONLY_ROWS = {
    "cleanup": ("log cleanup on fresh copies, its walk alone first",
                lambda bench, tree, scratch, exe, rounds, res: cleanup_rounds(bench, tree, scratch,
                                                                              rounds["cleanup"], res),
                cleanup_rows),
    "cleanup-respond": ("message round trips during the window's log cleanup",
                        lambda bench, tree, scratch, exe, rounds, res: cleanup_round_trip_rounds(
                            bench, exe, tree, scratch, rounds["respond_cleanup"], res),
                        cleanup_round_trip_row),
}


def only_rows(args, bench, tree, scratch, trivane_exe, rounds):
    what, measure, rows = ONLY_ROWS[args.only]
    results = Results()
    try:
        print(f"bench: {what}", flush=True)
        measure(bench, tree, scratch, trivane_exe, rounds, results)
    except Failure as failure:
        print(f"bench: FAILED: {failure}", file=sys.stderr)
        return 2
    finally:
        bench.close()
    table = Table(judge_rows=args.size == "full")
    rows(table, results)
    print()
    for line in table.lines():
        print(line)
    print(f"Load average at the end: {load_average()}")
    missed = [name for name, ok in table.verdicts if not ok]
    return 1 if missed and args.size == "full" else 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--size", choices=["full", "small"], required=True)
    parser.add_argument("--bench-exe", required=True)
    parser.add_argument("--trivane-exe", required=True)
    parser.add_argument("--minimal-exe", required=True)
    parser.add_argument("--tree", required=True, help="folder mapped as W:")
    parser.add_argument("--tenth", required=True, help="folder mapped as X:")
    parser.add_argument("--scratch", required=True, help="folder mapped as V:")
    parser.add_argument("--tree-summary", default="")
    parser.add_argument("--only", choices=sorted(ONLY_ROWS),
                        help="one row alone, judged on its own (the full run stays the record)")
    args = parser.parse_args()

    full = args.size == "full"
    rounds = FULL_ROUNDS if full else SMALL_ROUNDS
    tree, tenth, scratch = Drive("W", args.tree), Drive("X", args.tenth), Drive("V", args.scratch)
    trivane_exe, minimal_exe = windows_path(args.trivane_exe), windows_path(args.minimal_exe)
    bench = Bench(args.bench_exe)
    results = Results()
    for line in machine_lines(args):
        print(line, flush=True)

    if args.only:
        return only_rows(args, bench, tree, scratch, trivane_exe, rounds)

    placed_unix = []
    try:
        print("bench: whole-drive walks, no client", flush=True)
        walk_rounds(bench, tree, rounds["walk"], results, "walk", "")
        print("bench: message round trips during a search", flush=True)
        round_trip_rounds(bench, trivane_exe, tree, rounds["respond"], results, NOT_FOUND)
        print("bench: peak working set of a search, full tree and a tenth of it", flush=True)
        memory_rounds(bench, tree, tenth, rounds["memory"], results)

        rep = bench.run("place-client", tree.root)
        placed, later_copy = one(rep, "placed"), one(rep, "later_copy")
        placed_unix = [os.path.dirname(tree.to_unix(p)) for p in (placed, later_copy)]
        print(f"bench: a client halfway in walk order ({one(rep, 'entries_before')} of "
              f"{one(rep, 'entries_total')} entries before it): {placed}; a copy further on: {later_copy}",
              flush=True)
        walk_rounds(bench, tree, rounds["halfway"], results, "halfway", placed)
        # The window finds the same client as the tool's own search code.
        install = placed[:-len("\\LeagueClient\\system.yaml")]
        round_trip_rounds(bench, trivane_exe, tree, 1, Results(), install)
        for folder in placed_unix:
            shutil.rmtree(folder)
        placed_unix = []

        print("bench: the window's search with a client in a usual folder", flush=True)
        placed_unix = usual_folder_rounds(bench, tree, rounds["usual"], results)
        for folder in placed_unix:
            shutil.rmtree(folder)
        placed_unix = []

        print("bench: log cleanup on fresh copies, its walk alone first", flush=True)
        cleanup_rounds(bench, tree, scratch, rounds["cleanup"], results)
        print("bench: message round trips during the window's log cleanup", flush=True)
        cleanup_round_trip_rounds(bench, trivane_exe, tree, scratch, rounds["respond_cleanup"], results)
        print("bench: start-up", flush=True)
        start_up_rounds(bench, trivane_exe, minimal_exe, rounds["start_up"], results)
    except Failure as failure:
        print(f"bench: FAILED: {failure}", file=sys.stderr)
        return 2
    finally:
        for folder in placed_unix:
            shutil.rmtree(folder, ignore_errors=True)
        bench.close()

    table = build_table(results, judge_rows=full)
    print()
    for line in table.lines():
        print(line)
    print(f"\nRounds: {', '.join(f'{k} {v}' for k, v in rounds.items())}; ratios per round, "
          f"verdicts by the median.")
    print(f"File system settled before each timed deletion: at most {results.extra['settle_s']:.1f} s waited, "
          f"at most {results.extra['settle_kb']} kB still to write when timing began.")
    print(f"Load average at the end: {load_average()}")
    if not full:
        print("bench: small size, the methods agree (no targets at this size)")
        return 0
    missed = [name for name, ok in table.verdicts if not ok]
    if missed:
        print("bench: targets missed: " + ", ".join(missed), file=sys.stderr)
        return 1
    print("bench: every target holds")
    return 0


if __name__ == "__main__":
    sys.exit(main())
