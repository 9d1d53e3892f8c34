#!/usr/bin/env python3
"""Reads every record of a run in CSV and in JSON back with Python's own
readers and checks each field: the entry and code as given, each quantity
bit for bit the single-precision value worked out here by the program's
rules; then the circuit as built and the coil measured, against the
formulas worked out here in double precision. Usage: readback.py PROGRAM"""
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


def run(program, args, text):
    out = subprocess.run([program, *args], input=text, capture_output=True, text=True, env={}).stdout
    return list(csv.DictReader(io.StringIO(out)))


def close(got, want, within):
    return abs(float(got) - want) <= abs(want) * within


def circuit(program, lines):
    """The circuit as built, worked out here in double precision from each
    record: a stray of 0 changes none of the four quantities; a part and the
    stray give back the answer's F; Q gives the bandwidth, its edges and the
    dynamic resistance. Returns how many records differ."""
    text = "\n".join(lines) + "\nq\n"
    bare = run(program, ["--format=csv"], text)
    failures = 0
    for zero, record in zip(run(program, ["--format=csv", "--stray=0"], text), bare):
        if [zero[k] for k in "LCFR"] != [record[k] for k in "LCFR"]:
            failures += 1
            print(f"--stray=0: {zero}, without it {record}")
    stray = 12.5e-12
    checked = 0
    for r in run(program, ["--format=csv", "--stray=12,5p", "--quality=87.5"], text):
        values = [f32(float(r[k])) if r[k] else NAN for k in ("L", "C", "F", "R", "C_circuit")]
        if not all(math.isfinite(v) and abs(v) > 1.2e-38 for v in values):
            continue
        L, C, F, R, circuit_c = values
        q = float(r["Q"])
        a = 1 / (2 * q)
        ok = (close(1 / (2 * math.pi * math.sqrt(L * (C + stray))), F, 1e-6)
              and close(circuit_c, C + stray, 1e-6)
              and close(r["bandwidth"], F / q, 1e-12)
              and close(r["F_minus3dB"], F * (math.sqrt(1 + a * a) - a), 1e-9)
              and close(r["F_plus3dB"], F * (math.sqrt(1 + a * a) + a), 1e-12)
              and close(r["R_dynamic"], q * R, 1e-12))
        checked += 1
        if not ok:
            failures += 1
            print(f"--stray=12,5p --quality=87.5: {r}")
    print(f"{checked} circuits with a stray and a Q checked")
    return failures + (checked < 500)


def measurements(program, n):
    """Two readings made here from a coil and a stray, with two capacitors,
    back to that coil and stray; and the formulas as the readings give them,
    each the double nearest the digits typed. Returns how many differ."""
    rng = random.Random(38)
    failures = 0
    for _ in range(n):
        # Strays near the capacitors: much smaller ones are lost in the
        # rounding of the readings, as on any bench.
        L, stray = 10 ** rng.uniform(-7, -3), 10 ** rng.uniform(-12, -10.5)
        c1 = 10 ** rng.uniform(-11.5, -10)
        c2 = c1 * rng.uniform(2, 10)
        # At most ten significant digits each, all of which the reader takes.
        typed = [(f"{c * 1e12:.6f}", f"{1e-6 / (2 * math.pi * math.sqrt(L * (c + stray))):.10g}")
                 for c in (c1, c2)]
        entries = [f"{c}pC{f}MF" for c, f in typed]
        (C1, F1), (C2, F2) = [(float(c + "e-12"), float(f + "e6")) for c, f in typed]
        k1, k2 = F1 * F1, F2 * F2
        cs = (k2 * C2 - k1 * C1) / (k1 - k2)
        w = TWO_PI * F1
        read = 1 / ((w * w) * (C1 + cs))
        r = run(program, ["--measure", "--format=csv", *entries], "")
        ok = (len(r) == 1 and [r[0]["entry1"], r[0]["entry2"]] == entries
              and close(r[0]["L"], read, 1e-15) and close(r[0]["stray"], cs, 1e-15)
              and close(r[0]["L"], L, 1e-6) and close(r[0]["stray"], stray, 5e-6))
        if not ok:
            failures += 1
            print(f"--measure {entries}: {r}, made from L={L} stray={stray}")
    return failures


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
    failures += circuit(program, lines) + measurements(program, 200)
    print(f"with the circuit as built, {failures} records differ in all")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
