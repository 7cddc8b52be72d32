#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
# SPDX-License-Identifier: LGPL-2.1-or-later

"""Sums up a fuzz campaign from the logs and campaign.tsv that fuzz/run.sh writes.

    fuzz/summary.py <build dir> [target=minutes ...]

Prints one Markdown row per target: runs, wall and CPU minutes, executions, the final
coverage, the working corpus, the largest peak resident size of a run, and where in its
last run the last new edge was found (a late find means the target was still growing).
CPU minutes come from campaign.tsv; a run that has no line there (one stopped from
outside) counts its wall time in the wall column only; target=minutes adds CPU minutes
measured otherwise.
"""
import os
import re
import sys
from collections import defaultdict

DONE = re.compile(r"^Done (\d+) runs in (\d+) second")
PEAK = re.compile(r"^stat::peak_rss_mb:\s+(\d+)")
STATUS = re.compile(r"^#(\d+)\s+(\w+)\s+cov: (\d+) ft: (\d+)(?:.*exec/s: (\d+))?")


def read_log(path):
    run = {"executions": 0, "wall": 0.0, "cov": 0, "ft": 0, "start_cov": None,
           "last_new_edge": 0, "peak_mb": 0}
    previous_cov = None
    rate = 0
    with open(path, errors="replace") as log:
        for line in log:
            done = DONE.match(line)
            if done:
                run["executions"] = int(done.group(1))
                run["wall"] = float(done.group(2))
                continue
            peak = PEAK.match(line)
            if peak:
                run["peak_mb"] = int(peak.group(1))
                continue
            status = STATUS.match(line)
            if not status:
                continue
            executions, cov, ft = int(status.group(1)), int(status.group(3)), int(status.group(4))
            if status.group(5):
                rate = int(status.group(5))
            if run["start_cov"] is None:
                run["start_cov"] = cov
            if previous_cov is not None and cov > previous_cov:
                run["last_new_edge"] = executions
            previous_cov = cov
            run["cov"], run["ft"] = cov, ft
            run["executions"] = max(run["executions"], executions)
    if not run["wall"] and rate:
        run["wall"] = run["executions"] / rate  # stopped from outside: estimated
    return run


def main():
    build = sys.argv[1]
    extra = defaultdict(float)
    for argument in sys.argv[2:]:
        target, minutes = argument.split("=")
        extra[target] += float(minutes)
    cpu = defaultdict(float)
    tsv = os.path.join(build, "campaign.tsv")
    if os.path.exists(tsv):
        with open(tsv) as lines:
            for line in lines:
                fields = line.rstrip("\n").split("\t")
                if len(fields) >= 3 and fields[2]:
                    cpu[fields[0]] += float(fields[2]) / 60
    runs = defaultdict(list)
    logs = os.path.join(build, "logs")
    for name in sorted(os.listdir(logs)):
        target = name.split("-")[0]
        runs[target].append(read_log(os.path.join(logs, name)))
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "targets")) as f:
        targets = f.read().split()
    print("| Target | Runs | Wall minutes | CPU minutes | Executions | Edges / features |"
          " Working corpus | Peak RSS | Last run: edges at its start, last new edge |")
    print("|---|---:|---:|---:|---:|---|---|---:|---|")
    for target in targets:
        if not runs[target]:
            continue
        last = runs[target][-1]
        corpus = os.path.join(build, "corpus", target)
        files = os.listdir(corpus) if os.path.isdir(corpus) else []
        size = sum(os.path.getsize(os.path.join(corpus, f)) for f in files)
        number = lambda n: f"{n:,}".replace(",", " ")
        if last["last_new_edge"]:
            share = 100 * last["last_new_edge"] / last["executions"]
            where = f"after {share:.0f} % of its executions"
        else:
            where = "none"
        print(f"| `{target}` | {len(runs[target])} "
              f"| {sum(r['wall'] for r in runs[target]) / 60:.1f} "
              f"| {cpu[target] + extra[target]:.1f} "
              f"| {number(sum(r['executions'] for r in runs[target]))} "
              f"| {number(last['cov'])} / {number(last['ft'])} "
              f"| {number(len(files))} inputs, {size / 1e6:.1f} MB "
              f"| {max(r['peak_mb'] for r in runs[target])} MB "
              f"| {number(last['start_cov'] or 0)}, {where} |")


if __name__ == "__main__":
    main()
