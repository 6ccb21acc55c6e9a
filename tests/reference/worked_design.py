#!/usr/bin/env python3
"""The calculation of one antenna redone outside the C++ core, for the worked designs in the
tests: Python's IEEE doubles for the arithmetic, its correctly rounded repr for the 15 digits and
its decimal module for the display patterns.

usage: worked_design.py D F/D d FEED_F/D [START STOP STEP]
Prints every field's final text, then the table's rows."""
import math
import sys
from decimal import ROUND_HALF_UP, Decimal


def general(x):
    """At most 15 significant digits from the exact binary value, trailing zeros dropped."""
    if x == 0:
        return "0"
    mantissa, exponent = f"{x:.14e}".split("e")
    exponent = int(exponent)
    digits = mantissa.replace("-", "").replace(".", "").rstrip("0") or "0"
    sign = "-" if x < 0 else ""
    if exponent < -4 or exponent > 14:
        rest = "." + digits[1:] if len(digits) > 1 else ""
        return f"{sign}{digits[0]}{rest}E{'-' if exponent < 0 else '+'}{abs(exponent):02d}"
    if exponent < 0:
        return f"{sign}0.{'0' * (-exponent - 1)}{digits}"
    whole = digits[: exponent + 1].ljust(exponent + 1, "0")
    fraction = digits[exponent + 1 :]
    return sign + whole + ("." + fraction if fraction else "")


def pattern(x, decimals):
    text = str(Decimal(general(x)).quantize(Decimal(1).scaleb(-decimals), ROUND_HALF_UP))
    return text[1:] if text.startswith("-") and Decimal(text) == 0 else text


def cell(text):
    return text[:7].rjust(7)


def main(argv):
    fields = {1: argv[0], 2: argv[1], 3: argv[2], 4: argv[3]}
    n = lambda k: float(fields[k])  # noqa: E731
    cut = lambda x: general(x)[:10]  # noqa: E731
    focal = n(1) * n(2)
    fields[5] = pattern(focal, 3)
    deg = lambda r: ((math.atan(r) * 4) * 180) / 3.14159  # noqa: E731
    rad = lambda a: ((a / 2) * 3.14) / 180  # noqa: E731
    fields[6] = pattern(deg(n(1) / (n(5) * 4)), 3)
    fields[7] = pattern(deg(n(3) / (n(4) * (n(3) * 4))), 3)
    fields[16] = pattern((n(1) * n(1)) / (n(5) * 16), 3)
    qf = (n(3) / 2) / math.tan(rad(n(6)))
    fq = (n(3) / 2) / math.tan(rad(n(7)))
    fields[8], fields[9] = cut(qf), cut(fq)
    c = (n(9) / 2) + (n(8) / 2)
    fields[10] = cut(c)
    fields[11] = cut((n(3) / 2) / math.sin(rad(n(7))))
    fields[12] = cut((n(3) / 2) / math.sin(rad(n(6))))
    a = (n(11) - n(12)) / 2
    fields[13] = cut(a)
    fields[14] = cut((n(10) * n(10)) - (n(13) * n(13)))
    start, stop, step = (float(v) for v in (argv[4:7] if len(argv) >= 7 else ("0", "35", "1")))
    vertex = math.sqrt((n(13) * n(13)) * ((0.0 * 0.0) / n(14) + 1))
    rows, y = [], start
    while (y <= stop) if step >= 0 else (y >= stop):
        s = math.sqrt((((y * y) / n(14)) + 1) * (n(13) * n(13)))
        rows.append(cell(pattern(y, 2)) + " " + cell(pattern(s - vertex, 3)))
        y += step
    fields[20] = pattern(c + a, 2)
    fields[21] = pattern(focal - (qf + fq), 2)
    for k in sorted(fields):
        print(f"Text{k}: {fields[k]!r}")
    for row in rows:
        print(repr(row))


if __name__ == "__main__":
    main(sys.argv[1:])
