"""The profile CSVs read back by Python's csv module, CR LF line ends and no byte-order mark: the
sub-reflector's, a header row, then one row per table row with the table's radius and depth cells
as the window shows them; the main reflector's, a header row, then a row at each step from radius
0 on the paraboloid, the last at the rim."""

import csv
import decimal
import io
import math
import sys

from part_files import Design

HEADER = ["Y (mm)", "X (mm)"]
MAIN_HEADER = ["r (mm)", "z (mm)"]


def table_cells(table):
    """The table's rows: a 7-character radius cell, a space, a 7-character depth cell, CR LF."""
    rows = table.split("\r\n")
    if rows[-1] != "":
        raise ValueError("the table does not end in CR LF")
    return [[row[0:7].strip(), row[8:15].strip()] for row in rows[:-1]]


def read_rows(path, problems):
    raw = path.read_bytes()
    if raw.startswith(b"\xef\xbb\xbf"):
        problems.append(f"{path.name}: a byte-order mark")
    if raw.count(b"\n") != raw.count(b"\r\n") or not raw.endswith(b"\r\n"):
        problems.append(f"{path.name}: a line that does not end in CR LF")
    return list(csv.reader(io.StringIO(raw.decode("utf-8"), newline="")))


def check_main(design, problems):
    rows = read_rows(design.path("main.csv"), problems)
    main, step = design.main, design.main_step
    # Each radius i x step as a designer writes the step, 0.9 for the third of 0.3.
    decimal_step = decimal.Decimal(repr(step))
    radii = [float(i * decimal_step) for i in range(math.ceil(main.rim / step - 1e-6))]
    radii.append(main.rim)
    if not rows or rows[0] != MAIN_HEADER:
        problems.append(f"main.csv: header {rows[:1]}")
    points = [(float(r), float(z)) for r, z in rows[1:]]
    if [r for r, _ in points] != radii:
        problems.append(f"main.csv: radii {[r for r, _ in points][:3]}... for {radii[:3]}...")
    wrong = [(r, z) for r, z in points if abs(z - main.depth(r)) > 1e-9 * max(1, z)]
    if wrong:
        problems.append(f"main.csv: off the paraboloid at {wrong[:1]}")


def main(directory):
    design = Design(directory)
    problems = []
    check_main(design, problems)
    rows = read_rows(design.path("profile.csv"), problems)
    expected = table_cells(design.path("table.txt").read_bytes().decode("ascii"))
    if not rows or rows[0] != HEADER:
        problems.append(f"header {rows[:1]}")
    if rows[1:] != expected:
        wrong = [(i, r, e) for i, (r, e) in enumerate(zip(rows[1:], expected)) if r != e]
        problems.append(f"{len(rows) - 1} rows for {len(expected)} table rows; first wrong: "
                        f"{wrong[:1]}")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
