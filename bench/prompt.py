#!/usr/bin/env python3
"""Time from the start of an interactive session to its prompt, on a
pseudo-terminal, with an empty history and with a full one (500 entries), of
each program named, in turns.
Usage: prompt.py PROGRAM... [RUNS]"""
import os
import pty
import statistics
import sys
import tempfile
import time

PROMPT = "Введите данные.".encode()


def to_prompt(program, home):
    """Seconds until the prompt shows; the session is then ended with q."""
    start = time.perf_counter()
    pid, fd = pty.fork()
    if pid == 0:
        os.execve(program, [program], {"HOME": home, "TERM": "xterm"})
    seen = b""
    while PROMPT not in seen:
        seen += os.read(fd, 65536)
    elapsed = time.perf_counter() - start
    os.write(fd, b"q\n")
    try:
        while os.read(fd, 65536):
            pass
    except OSError:
        pass
    os.waitpid(pid, 0)
    os.close(fd)
    return elapsed


def main():
    args = sys.argv[1:]
    runs = int(args.pop()) if args[-1].isdigit() else 200
    programs = [os.path.abspath(p) for p in args]
    with tempfile.TemporaryDirectory() as empty, tempfile.TemporaryDirectory() as full:
        folder = os.path.join(full, ".local", "state", "rezonans")
        os.makedirs(folder)
        with open(os.path.join(folder, "history"), "w") as history:
            for i in range(500):
                history.write(f"{i}.5uL{i % 97}nC 1{i}KF\n")
        homes = {"empty history": empty, "500 entries": full}
        times = {(p, h): [] for p in programs for h in homes}
        for _ in range(runs):  # in turns, so that a busy moment falls on all
            for (program, home), t in times.items():
                t.append(to_prompt(program, homes[home]))
    for (program, home), t in times.items():
        print(f"time to the prompt, {home}: median {statistics.median(t) * 1e3:.2f} ms,"
              f" fastest {min(t) * 1e3:.2f} ms ({runs} runs) {program}")


main()
