#!/usr/bin/env python3
"""Time from the start of an interactive session to its prompt, on a
pseudo-terminal, with an empty history and with a full one (500 entries).
Usage: prompt.py PROGRAM [RUNS]"""
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
    program = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    with tempfile.TemporaryDirectory() as empty, tempfile.TemporaryDirectory() as full:
        folder = os.path.join(full, ".local", "state", "rezonans")
        os.makedirs(folder)
        with open(os.path.join(folder, "history"), "w") as history:
            for i in range(500):
                history.write(f"{i}.5uL{i % 97}nC 1{i}KF\n")
        times = {"empty history": [], "500 entries": []}
        for _ in range(runs):  # in turns, so that a busy moment falls on both
            times["empty history"].append(to_prompt(program, empty))
            times["500 entries"].append(to_prompt(program, full))
    for name, t in times.items():
        print(f"time to the prompt, {name}: median {statistics.median(t) * 1e3:.2f} ms,"
              f" fastest {min(t) * 1e3:.2f} ms ({runs} runs)")


main()
