"""The profile CSV read back by Python's csv module: a header row, then one row per table row with
the table's radius and depth cells as the window shows them, CR LF line ends and no byte-order
mark."""

import csv
import io
import sys

from part_files import Design

HEADER = ["Y (mm)", "X (mm)"]


def table_cells(table):
    """The table's rows: a 7-character radius cell, a space, a 7-character depth cell, CR LF."""
    rows = table.split("\r\n")
    if rows[-1] != "":
        raise ValueError("the table does not end in CR LF")
    return [[row[0:7].strip(), row[8:15].strip()] for row in rows[:-1]]


def main(directory):
    design = Design(directory)
    raw = design.path("profile.csv").read_bytes()
    problems = []
    if raw.startswith(b"\xef\xbb\xbf"):
        problems.append("a byte-order mark")
    if raw.count(b"\n") != raw.count(b"\r\n") or not raw.endswith(b"\r\n"):
        problems.append("a line that does not end in CR LF")
    rows = list(csv.reader(io.StringIO(raw.decode("utf-8"), newline="")))
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
