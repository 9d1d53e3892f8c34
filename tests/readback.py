#!/usr/bin/env python3
"""Reads every record of a run in CSV and in JSON back with Python's own
readers and checks each field: the entry and code as given, each quantity
bit for bit the single-precision value worked out here by the program's
rules. Usage: readback.py PROGRAM"""
import csv
import io
import json
import math
import random
import struct
import subprocess
import sys

INF, NAN = math.inf, math.nan
SCALES = {"G": 1e9, "M": 1e6, "K": 1e3, "m": 1e-3, "u": 1e-6, "n": 1e-9, "p": 1e-12}
PAIRS = ["LC", "LF", "CF", "RC", "RL", "RF"]
TWO_PI = 2 * 3.14159265
FOUR_PI_SQUARED = TWO_PI * TWO_PI
INVERSE_TWO_PI = 1 / TWO_PI


def f32(x):
    """Rounds a double to single precision, as a store to a float does."""
    try:
        return struct.unpack("<f", struct.pack("<f", x))[0]
    except OverflowError:
        return math.copysign(INF, x)


def div(a, b):
    """IEEE division: by zero gives infinity, or NaN for 0/0."""
    if b != 0 or math.isnan(b):
        return a / b
    return NAN if a == 0 or math.isnan(a) else math.copysign(INF, a) * math.copysign(1, b)


def parse(line):
    values, counts = dict.fromkeys("LCFR", 0.0), dict.fromkeys("LCFR", 0)
    temp, scale, divisor, point, significant = 0.0, 1.0, 1.0, False, ""
    for ch in line:
        if ch.isdigit():
            if point and len(significant) >= 10:
                continue
            significant = (significant + ch).lstrip("0")
            temp = f32(temp * 10 + int(ch))
            divisor *= 10 if point else 1
        elif ch == ".":
            point = True
        elif ch in values:
            counts[ch] += 1
            values[ch] = f32(temp * scale / divisor)
            temp, scale, divisor, point, significant = 0.0, 1.0, 1.0, False, ""
        else:
            scale = f32(SCALES[ch])
    code = 0
    if max(counts.values()) == 1 and sum(counts.values()) == 2:
        code = next(i + 1 for i, p in enumerate(PAIRS) if counts[p[0]] and counts[p[1]])
    return code, values


def partner(f, other):
    return f32(div(1, f * FOUR_PI_SQUARED * f * other))


def compute(code, v):
    L, C, F, R = v["L"], v["C"], v["F"], v["R"]
    if code == 1:
        F = f32(div(INVERSE_TWO_PI, math.sqrt(L * C)))
        R = f32(F * TWO_PI * L)
    elif code == 2:
        C, R = partner(F, L), f32(F * TWO_PI * L)
    elif code == 3:
        L = partner(F, C)
        R = f32(F * TWO_PI * L)
    elif code == 4:
        F = f32(div(1, C * TWO_PI * R))
        L = partner(F, C)
    elif code == 5:
        F = f32(div(R, L * TWO_PI))
        C = partner(F, L)
    elif code == 6:
        L, C = f32(div(R, F * TWO_PI)), f32(div(1, F * TWO_PI * R))
    return [L, C, F, R]


def entries(n):
    rng = random.Random(2026)
    for _ in range(n):
        markers = rng.sample("LCFR", rng.choice([1, 2, 2, 2, 2, 3]))
        line = ""
        for m in markers:
            digits = "".join(rng.choice("0123456789") for _ in range(rng.randint(1, 12)))
            if rng.random() < 0.5:
                cut = rng.randint(0, len(digits))
                digits = digits[:cut] + "." + digits[cut:]
            line += digits + rng.choice(["", *SCALES]) + m
        yield line


def same(text, expected):
    """A field read back is the expected float to the bit; an infinite or
    undefined one is written as it is."""
    if not math.isfinite(expected):
        return text is None or (math.isnan(expected) and text == "nan") or text == repr(expected)
    return struct.pack("<f", float(text)) == struct.pack("<f", expected)


def main():
    program = sys.argv[1]
    lines = list(entries(3000))
    expected = [(line, *parse(line)) for line in lines]
    failures = 0
    nonfinite = sum(not math.isfinite(x) for _, c, v in expected if c for x in compute(c, v))
    for fmt in ("csv", "json"):
        out = subprocess.run([program, "--format=" + fmt], input="\n".join(lines) + "\nq\n",
                             capture_output=True, text=True, env={}).stdout
        if fmt == "csv":
            rows = list(csv.reader(io.StringIO(out)))
            assert rows[0] == ["entry", "code", "L", "C", "F", "R"], rows[0]
            records = [dict(zip(rows[0], r)) for r in rows[1:]]
        else:
            records = [json.loads(r) for r in out.splitlines()]
            assert all(list(r) == ["entry", "code", "L", "C", "F", "R"] for r in records)
        assert len(records) == len(expected), (fmt, len(records))
        for record, (line, code, values) in zip(records, expected):
            want = compute(code, values) if code else [None] * 4
            fields = [record[k] for k in "LCFR"]
            ok = record["entry"] == line and int(record["code"]) == code and all(
                (g in ("", None)) if w is None else same(g, w) for g, w in zip(fields, want))
            if not ok:
                failures += 1
                print(f"{fmt}: {line}: got {record}, expected code {code} {want}")
    print(f"{len(lines)} entries ({nonfinite} infinite or undefined quantities), "
          f"{failures} records differ")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
