#!/usr/bin/env python3
"""Concurrent replaces and appends on one tape file, with random kills.

Each round starts 2 to 8 runs of the built program on one TAP file, some
replacing it and some appending to it, and sends SIGTERM or SIGKILL to a
few of them at random moments. Afterwards the file must be whole blocks
that some serial order of the runs explains:

- every block pair is exactly one run's tape (nothing torn, nothing twice);
- the file starts with the old content or with one replacing run's tape,
  and every pair after it is an appending run's;
- every append that exited 0 is in the file, unless a replace came after
  it (only possible when the file starts with a replace);
- a replace that exited 0 was not lost behind the old content;
- no run left an empty file, and no lock file exists.

Usage: scripts/output-stress.py [rounds] [program]   (defaults: 200, build/default/vendrel)
"""
import os
import random
import signal
import subprocess
import sys
import tempfile
import time

ROUNDS = int(sys.argv[1]) if len(sys.argv) > 1 else 200
PROGRAM = sys.argv[2] if len(sys.argv) > 2 else os.path.join(
    os.path.dirname(__file__), "..", "build", "default", "vendrel")


def tape_pairs(data):
    """Splits a TAP file into (header, data) block pairs; None when torn."""
    blocks, at = [], 0
    while at < len(data):
        if at + 2 > len(data):
            return None
        length = data[at] | data[at + 1] << 8
        if at + 2 + length > len(data):
            return None
        blocks.append(data[at:at + 2 + length])
        at += 2 + length
    if len(blocks) % 2:
        return None
    return [blocks[i] + blocks[i + 1] for i in range(0, len(blocks), 2)]


def make_tape(directory, name, text):
    source = os.path.join(directory, name + ".txt")
    with open(source, "wb") as f:
        f.write(text)
    tape = os.path.join(directory, name + ".tap")
    subprocess.run([PROGRAM, "-z80", "-tap", "-n", name, "-o", tape, source],
                   stdout=subprocess.DEVNULL, check=True)
    with open(tape, "rb") as f:
        return source, f.read()


def one_round(number, counts):
    with tempfile.TemporaryDirectory() as directory:
        target = os.path.join(directory, "t.tap")
        _, initial = make_tape(directory, "OLD", b"|old text|")
        with open(target, "wb") as f:
            f.write(initial)

        runs = []
        for i in range(random.randint(2, 8)):
            name = "R%dx%d" % (number % 1000, i)
            # Some texts are long, so that a run spends a while writing.
            text = ("|%s %s|" % (name, "word " * random.choice((2, 200, 4000)))).encode()
            source, tape = make_tape(directory, name, text)
            append = random.random() < 0.6
            runs.append({"name": name, "source": source, "tape": tape, "append": append})

        for run in runs:
            args = [PROGRAM, "-z80", "-tap", "-n", run["name"], "-o", target, run["source"]]
            if run["append"]:
                args.insert(1, "-append")
            run["process"] = subprocess.Popen(args, stdout=subprocess.DEVNULL,
                                              stderr=subprocess.DEVNULL)
        for run in random.sample(runs, random.randint(0, len(runs))):
            if random.random() < 0.5:
                continue
            time.sleep(random.uniform(0, 0.02))
            which = random.choice((signal.SIGTERM, signal.SIGKILL))
            try:
                run["process"].send_signal(which)
                counts["killed"] += 1
            except ProcessLookupError:
                pass
        for run in runs:
            run["status"] = run["process"].wait()

        with open(target, "rb") as f:
            final = f.read()
        pairs = tape_pairs(final)
        problems = []
        by_tape = {run["tape"]: run for run in runs}
        if pairs is None or not pairs:
            problems.append("torn or empty file (%d bytes)" % len(final))
        else:
            seen = [by_tape.get(pair) for pair in pairs]
            starts_old = pairs[0] == initial
            if not starts_old and (seen[0] is None or seen[0]["append"]):
                problems.append("the file does not start with the old content or a replace")
            for run in seen[1:]:
                if run is None or not run["append"]:
                    problems.append("a block pair after the first is no append's")
            names = [run["name"] for run in seen if run is not None]
            if len(names) != len(set(names)):
                problems.append("a run's blocks are there twice")
            for run in runs:
                if run["status"] != 0:
                    continue
                counts["succeeded"] += 1
                present = run["name"] in names
                if run["append"] and not present and starts_old:
                    problems.append("append %s exited 0 but is missing" % run["name"])
                if not run["append"] and starts_old:
                    problems.append("replace %s exited 0 but the old content is still there" % run["name"])
        leftovers = [n for n in os.listdir(directory) if n.startswith(".t.tap.vendrel-")]
        counts["leftover temporary files"] += len(leftovers)
        counts["rounds"] += 1
        counts["runs"] += len(runs)
        counts["killed by SIGKILL or SIGTERM"] += sum(1 for r in runs if r["status"] < 0)
        counts["interrupted (status 39)"] += sum(1 for r in runs if r["status"] == 39)
        if problems:
            counts["failed rounds"] += 1
            print("round %d: %s" % (number, "; ".join(problems)))


def main():
    random.seed(int(os.environ.get("STRESS_SEED", "1")))
    counts = {key: 0 for key in ("rounds", "runs", "succeeded", "killed", "killed by SIGKILL or SIGTERM",
                                 "interrupted (status 39)", "leftover temporary files", "failed rounds")}
    for number in range(ROUNDS):
        one_round(number, counts)
    for key, value in counts.items():
        print("%-32s %d" % (key, value))
    return 1 if counts["failed rounds"] else 0


if __name__ == "__main__":
    sys.exit(main())
