#!/usr/bin/env python3
"""The design sheet and templates read back by poppler, not by the program that wrote them.

  design_pdf_check.py WRITER WORKDIR

WRITER writes the PDF of a design (velmora_write_design_pdf OUT.pdf [D]). Checked: the page size
(A4), the faces embedded, every input and result text exactly as the fields hold them and the
Japanese captions (pdftotext), the two 100 mm rules and the sub-reflector's depths measured on the
page rendered at 600 dpi, the number of pieces a large main reflector is cut into, and that the
template of a dish of more pages than the bound is left out with the sentence that says so.
"""
import math
import os
import re
import subprocess
import sys
import time

DPI = 600
PX_PER_MM = DPI / 25.4
TOLERANCE_MM = 0.1

# The default design as the fields hold it after Calculate (the worked example).
DEFAULT_TEXTS = ["370", "0.4323", "70", "0.686", "0", "35", "1", "159.951", "120.164", "80.093",
                 "53.493", "20.1653017", "41.6726638", "30.9189827", "54.4206846", "40.3935563",
                 "7.01356415", "906.793409", "37.93", "98.11"]
CAPTIONS = ["カセグレン副反射鏡 計算プログラム", "主反射鏡直径 mm", "主反射鏡 F/D", "副反射鏡直径 mm",
            "輻射器 F/D", "焦点距離 mm", "開口角２Θ deg", "輻射角２Θ deg", "DISH深さ mm",
            "底面からFEED点", "FEED点から副反射鏡", "OF (c)", "OA (a)", "b^2", "F'Q", "F'P",
            "100 % で印刷してください (実寸)", "velmora-D370-d70"]

# The template page's layout, millimetres: A4's printable area within the PDF's margins, the
# header and the strips of the rules, the room around a section, the pieces' overlap.
MARGIN, HEADER, RULE_STRIP, SIDE_ROOM, END_ROOM, OVERLAP = 10, 20, 16, 34, 14, 10

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


def run(*args):
    return subprocess.run(args, check=True, capture_output=True).stdout.decode("utf-8")


def words(text):
    """Runs of white space, the full-width space too, as one space."""
    return re.sub(r"[\s\u3000]+", " ", text)


def render(pdf, page, prefix):
    subprocess.run(["pdftoppm", "-r", str(DPI), "-gray", "-f", str(page), "-l", str(page), pdf,
                    prefix], check=True)
    name = next(f for f in sorted(os.listdir(os.path.dirname(prefix)))
                if f.startswith(os.path.basename(prefix)) and f.endswith(".pgm"))
    path = os.path.join(os.path.dirname(prefix), name)
    with open(path, "rb") as f:
        data = f.read()
    os.remove(path)
    return Page(data)


class Page:
    """A binary PGM (P5, 8 bits), with a dark/light copy for fast run searches."""

    def __init__(self, data):
        fields = re.match(rb"P5\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
        self.width, self.height = int(fields.group(1)), int(fields.group(2))
        self.gray = data[fields.end():]
        table = bytes(ord("#") if v < 128 else ord(".") for v in range(256))
        self.ink = self.gray.translate(table)

    def row(self, y):
        return self.ink[y * self.width:(y + 1) * self.width]

    def column(self, x):
        return self.ink[x::self.width]

    def gray_line(self, index, vertical):
        return self.gray[index::self.width] if vertical else \
            self.gray[index * self.width:(index + 1) * self.width]


def runs(line):
    return [(m.start(), m.end()) for m in re.finditer(rb"#+", line)]


def centroid(gray, start, end):
    """The darkness-weighted centre of pixels start..end-1, widened by a pixel each side."""
    lo, hi = max(0, start - 1), min(len(gray), end + 1)
    weights = [255 - gray[i] for i in range(lo, hi)]
    return sum(w * i for w, i in zip(weights, range(lo, hi))) / sum(weights) + 0.5


def find_rule(page, vertical):
    """A 100 mm rule: a line 90 to 110 mm long with about a hundred ticks beside it. Returns its
    measured length by the baseline and by the first and last tick, in mm."""
    count = page.width if vertical else page.height
    line = page.column if vertical else page.row
    lo, hi = 90 * PX_PER_MM, 110 * PX_PER_MM
    candidates = [i for i in range(count) if any(lo <= e - s <= hi for s, e in runs(line(i)))]
    for base in candidates:
        for side in (-1, 1):
            tick_line = base + side * round(1.0 * PX_PER_MM)
            if not 0 <= tick_line < count:
                continue
            ticks = runs(line(tick_line))
            if len(ticks) < 95:
                continue
            s, e = max((r for r in runs(line(base)) if lo <= r[1] - r[0] <= hi),
                       key=lambda r: r[1] - r[0])
            # The tick row nearest the baseline run's middle span: the ticks within its ends.
            ticks = [t for t in ticks if s - 10 <= t[0] and t[1] <= e + 10]
            gray = page.gray_line(tick_line, vertical)
            first, last = centroid(gray, *ticks[0]), centroid(gray, *ticks[-1])
            # The baseline is a few pixels thick; its half away from the ticks is the bare line.
            group = [i for i in candidates if abs(i - base) <= 0.5 * PX_PER_MM]
            middle = (group[0] + group[-1]) / 2
            bare = round(middle - side * 0.05 * PX_PER_MM)
            bs, be = max(runs(line(bare)), key=lambda r: r[1] - r[0])
            return (be - bs) / PX_PER_MM, (last - first) / PX_PER_MM, len(ticks)
    return None


def check_rules(page, where):
    for vertical, name in ((False, "horizontal"), (True, "vertical")):
        found = find_rule(page, vertical)
        check(found is not None, f"{where}: a {name} 100 mm rule is found")
        if found:
            line, ticks, count = found
            check(abs(line - 100) <= TOLERANCE_MM,
                  f"{where}: the {name} rule's line measures {line:.3f} mm")
            check(abs(ticks - 100) <= TOLERANCE_MM and count == 101,
                  f"{where}: its ticks 0 to 100 are {ticks:.3f} mm apart ({count} ticks)")


def axis_column(page):
    """The sub-reflector's axis: the column with the most ink in one stretch, rules aside."""
    best = (0, 0, None)
    for x in range(round(20 * PX_PER_MM), page.width):
        col = page.column(x)
        stretch = [r for r in runs(col)]
        # Join the axis's dashes (gaps well under a millimetre) into stretches.
        joined, cur = [], None
        for s, e in stretch:
            if cur and s - cur[1] < 0.8 * PX_PER_MM:
                cur = (cur[0], e, cur[2] + e - s)
            else:
                if cur:
                    joined.append(cur)
                cur = (s, e, e - s)
        if cur:
            joined.append(cur)
        for s, e, ink in joined:
            if 110 * PX_PER_MM > e - s and ink > best[0]:
                best = (ink, x, (s, e))
    return best[1], best[2]


def curve_row(page, x, rows):
    gray = page.gray_line(x, True)
    col = page.column(x)[rows[0]:rows[1]]
    found = runs(col)
    if len(found) != 1:
        return None
    s, e = found[0]
    return centroid(gray, s + rows[0], e + rows[0])


def check_sub_reflector(page, a, b2, d):
    depth = lambda r: math.sqrt(a * a * (r * r / b2 + 1)) - abs(a)
    x, rows = axis_column(page)
    # The axis is a few pixels wide: its middle.
    left = x
    while page.column(left - 1)[rows[0]:rows[1]].count(b"#") > 0.5 * (rows[1] - rows[0]) * 0.5:
        left -= 1
    right = x
    while page.column(right + 1)[rows[0]:rows[1]].count(b"#") > 0.5 * (rows[1] - rows[0]) * 0.5:
        right += 1
    axis = (left + right + 1) / 2
    reference = 1.0  # the vertex's neighbourhood, off the axis line itself
    top = curve_row(page, round(axis - reference * PX_PER_MM), rows)
    check(top is not None, "the sub-reflector's curve is found beside its axis")
    if top is None:
        return
    for r in (d / 2, d / 4):
        for sign, side in ((-1, "left"), (1, "right")):
            row = curve_row(page, math.floor(axis + sign * r * PX_PER_MM), rows)
            if row is None:
                check(False, f"the curve is found {r} mm {side} of the axis")
                continue
            measured = (row - top) / PX_PER_MM
            expected = depth(r) - depth(reference)
            check(abs(measured - expected) <= TOLERANCE_MM,
                  f"depth at radius {r} mm, {side}: {measured:.3f} mm measured, "
                  f"{expected:.3f} mm of the hyperbola")


def pages_of(pdf):
    return int(re.search(r"Pages:\s+(\d+)", run("pdfinfo", pdf)).group(1))


def pieces(extent, window):
    return 1 if extent <= window else math.ceil((extent - OVERLAP) / (window - OVERLAP))


def template_pages(pdf, span, depth):
    size = re.search(r"Page size:\s+([\d.]+) x ([\d.]+) pts", run("pdfinfo", pdf))
    width = float(size.group(1)) * 25.4 / 72 - 2 * MARGIN - RULE_STRIP
    height = float(size.group(2)) * 25.4 / 72 - 2 * MARGIN - HEADER - RULE_STRIP
    return pieces(span + 2 * SIDE_ROOM, width) * pieces(depth + 2 * END_ROOM, height)


def expected_pages(pdf, diameter, focal_ratio, sub_diameter, sub_depth):
    focal = diameter * focal_ratio
    main_depth = diameter * diameter / (16 * focal)
    return 1 + sum(template_pages(pdf, span, depth)
                   for span, depth in ((sub_diameter, sub_depth), (diameter, main_depth)))


def check_left_out(writer, work, diameter, sub_depth):
    """A dish whose template would take more pages than anyone tapes together: the sheet and the
    sub-reflector's template, and a sentence naming the main reflector's page count instead."""
    pdf = os.path.join(work, f"dish-{diameter}.pdf")
    started = time.monotonic()
    subprocess.run(tool(writer, pdf) + [str(diameter)], check=True)
    seconds = time.monotonic() - started
    if not writer.endswith(".exe"):  # Wine's own start takes longer than that
        check(seconds < 1.0, f"D {diameter}: the PDF is written in {seconds:.2f} s")
    main = template_pages(pdf, diameter, diameter / (16 * 0.4323))
    sub = template_pages(pdf, 70, sub_depth)
    check(pages_of(pdf) == 1 + sub, f"D {diameter}: the sheet and the sub-reflector's template")
    sheet = words(run("pdftotext", "-f", "1", "-l", "1", pdf, "-"))
    check("主反射鏡の実寸型紙" in sheet and f" {main} ページ" in sheet and "省きました" in sheet
          and "DXF" in sheet and "CSV" in sheet,
          f"D {diameter}: page 1 says the {main}-page main reflector template is left out")


def tool(writer, path):
    """The writer's command line; velmora.exe's writer runs under Wine and takes Windows paths."""
    if not writer.endswith(".exe"):
        return [writer, path]
    windows_path = subprocess.run(["winepath", "-w", path], check=True, capture_output=True)
    return ["wine", writer, windows_path.stdout.decode().strip()]


def main():
    writer, work = sys.argv[1], sys.argv[2]
    os.makedirs(work, exist_ok=True)
    default, large = os.path.join(work, "default.pdf"), os.path.join(work, "large.pdf")
    subprocess.run(tool(writer, default), check=True)
    subprocess.run(tool(writer, large) + ["1200"], check=True)

    info = run("pdfinfo", default)
    check(re.search(r"Page size:\s+595(\.\d+)? x 842(\.\d+)? pts \(A4\)", info) is not None,
          "the page size is A4")
    fonts = run("pdffonts", default).splitlines()[2:]
    check(len(fonts) > 0 and all(f.split()[-5] == "yes" for f in fonts),
          f"every face is embedded ({len(fonts)} faces)")
    sheet = words(run("pdftotext", "-f", "1", "-l", "1", default, "-")).split(" ")
    for text in DEFAULT_TEXTS:
        check(text in sheet, f"page 1 holds the field's text {text!r} as a word of its own")
    text = words(run("pdftotext", default, "-"))
    for caption in CAPTIONS:
        check(words(caption) in text, f"the PDF holds the caption {caption!r}")

    page = render(default, 2, os.path.join(work, "sub"))
    check_rules(page, "sub-reflector template")
    check_sub_reflector(page, a=7.01356415, b2=906.793409, d=70.0)
    del page

    a, b2 = 7.01356415, 906.793409
    sub_depth = math.sqrt(a * a * (35 * 35 / b2 + 1)) - a
    for pdf, diameter in ((default, 370), (large, 1200)):
        want, got = expected_pages(pdf, diameter, 0.4323, 70, sub_depth), pages_of(pdf)
        check(want == got, f"D {diameter}: {got} pages, the printable area implies {want}")
    count = pages_of(large)
    main_pieces = count - 2
    labels = [words(run("pdftotext", "-f", str(p), "-l", str(p), large, "-")) for p in (3, count)]
    numbered = lambda k, text: re.search(rf"(^|\s){k}\s*/\s*{main_pieces}(\s|$)", text)
    check(numbered(1, labels[0]) and numbered(main_pieces, labels[1]),
          f"the main reflector's pieces are numbered 1 / {main_pieces} to "
          f"{main_pieces} / {main_pieces}")
    check("1200" in words(run("pdftotext", "-f", "1", "-l", "1", large, "-")).split(" "),
          "the large design's sheet shows D 1200")
    check_rules(render(large, 4, os.path.join(work, "tile")), "a piece of the main reflector")
    for diameter in (20000, 100000):
        check_left_out(writer, work, diameter, sub_depth)

    print(f"{len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
