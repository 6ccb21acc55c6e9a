#!/usr/bin/env python3
"""The design sheet and templates read back by poppler, not by the program that wrote them.

  design_pdf_check.py WRITER WORKDIR

WRITER writes the PDF of a design (velmora_write_design_pdf OUT.pdf [D [F]]). Checked: the page size
(A4), the faces embedded, every input and result text exactly as the fields hold them and the
Japanese captions (pdftotext), the two 100 mm rules, the sub-reflector's depths and the main
reflector's depth between its vertex and rim planes measured on the page rendered at 600 dpi, each
template's pieces numbered in turn and no fewer than the paper needs, and that the template of a
dish of more pages than the bound is left out with the sentence that says so. At a frequency F:
the electrical block and the templates' accuracy line by their formulas.
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

# D, F typed into the frequency window, and whether d 70 is under 10 wavelengths (None: no block).
ELECTRICAL_ROWS = [("370", "10", True), ("1200", "30", True), ("370", "100", False),
                   ("370", "abc", None), ("370", "2000", None)]

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


def page_text(pdf, page):
    return words(run("pdftotext", "-f", str(page), "-l", str(page), pdf, "-"))


def templates(pdf):
    """The pieces' numbers "k / n" as each page after the sheet prints them, grouped into one list
    of k's a template; None where a page holds none."""
    groups = []
    for page in range(2, pages_of(pdf) + 1):
        found = re.search(r"(?:^|\s)(\d+)\s*/\s*(\d+)(?:\s|$)", page_text(pdf, page))
        if found is None:
            return None
        k, n = int(found.group(1)), int(found.group(2))
        if k == 1:
            groups.append((n, []))
        groups[-1][1].append(k)
    return [numbers if numbers == list(range(1, n + 1)) else None for n, numbers in groups]


def paper_bound(pdf, span, depth):
    """The fewest pages a template of this span and depth could take at 1:1: the paper's own size
    taken whole, without a margin."""
    size = re.search(r"Page size:\s+([\d.]+) x ([\d.]+) pts", run("pdfinfo", pdf))
    width, height = (float(size.group(i)) * 25.4 / 72 for i in (1, 2))
    return math.ceil(span / width) * math.ceil(depth / height)


def check_pieces(pdf, diameter, sub_depth):
    """The sheet, then each template's pieces numbered 1 / n to n / n, as many as the paper needs
    at least."""
    found = templates(pdf)
    check(found is not None and len(found) == 2 and None not in found,
          f"D {diameter}: after the sheet, two templates numbered 1 / n to n / n")
    if found is None or len(found) != 2 or None in found:
        return []
    sub, main = (len(numbers) for numbers in found)
    check(pages_of(pdf) == 1 + sub + main, f"D {diameter}: {pages_of(pdf)} pages: 1 + {sub} + {main}")
    check(sub >= paper_bound(pdf, 70, sub_depth)
          and main >= paper_bound(pdf, diameter, diameter * diameter / (16 * diameter * 0.4323)),
          f"D {diameter}: each template has at least the pages its size needs on this paper")
    return found


def plane_rows(page):
    """The rows of the template's planes at the rim end: lines 15 to 80 mm long, ending in the
    page's right part (the rules are longer, the crosses and corner marks shorter)."""
    lo, hi = 15 * PX_PER_MM, 80 * PX_PER_MM
    groups = []
    for y in range(page.height):
        found = [r for r in runs(page.row(y)) if lo <= r[1] - r[0] <= hi and r[1] > 0.6 * page.width]
        if not found:
            continue
        if groups and y - groups[-1][1] <= 2:
            groups[-1][1] = y
        else:
            groups.append([y, y, (found[0][0] + found[0][1]) // 2])
    return [centroid(page.gray_line(x, True), top, bottom + 1) for top, bottom, x in groups]


def check_main_depth(pdf, work, dish_depth):
    """The main reflector's rim plane stands the dish's depth, as the window shows it, above its
    vertex plane: measured on the piece that holds both."""
    page = next((p for p in range(3, pages_of(pdf) + 1)
                 if "リム面" in page_text(pdf, p) and "頂点面" in page_text(pdf, p)), None)
    check(page is not None, "a piece of the main reflector holds its rim and vertex planes")
    if page is None:
        return
    rows = plane_rows(render(pdf, page, os.path.join(work, "planes")))
    check(len(rows) == 2, f"page {page}: two plane lines found ({len(rows)})")
    if len(rows) == 2:
        measured = (rows[1] - rows[0]) / PX_PER_MM
        check(abs(measured - float(dish_depth)) <= TOLERANCE_MM,
              f"page {page}: the rim plane is {measured:.3f} mm from the vertex plane, "
              f"the window's DISH depth {dish_depth} mm")


def check_left_out(writer, work, diameter):
    """A dish whose template would take more pages than anyone tapes together: the sheet and the
    sub-reflector's template, and a sentence naming the main reflector's page count instead."""
    pdf = os.path.join(work, f"dish-{diameter}.pdf")
    started = time.monotonic()
    subprocess.run(tool(writer, pdf) + [str(diameter)], check=True)
    seconds = time.monotonic() - started
    if not writer.endswith(".exe"):  # Wine's own start takes longer than that
        check(seconds < 1.0, f"D {diameter}: the PDF is written in {seconds:.2f} s")
    sub = check_pieces_of_sub(pdf, diameter)
    sheet = page_text(pdf, 1)
    said = re.search(r" (\d+) ページになるため省きました \(上限 (\d+) ページ\)", sheet)
    check(said is not None and "主反射鏡の実寸型紙" in sheet and "DXF" in sheet and "CSV" in sheet,
          f"D {diameter}: page 1 says the main reflector's template is left out, and names the files")
    if said:
        count, bound = int(said.group(1)), int(said.group(2))
        least = paper_bound(pdf, diameter, diameter / (16 * 0.4323))
        check(count > bound and count >= least,
              f"D {diameter}: its {count} pages exceed the bound of {bound} and are at least the "
              f"paper's {least}")
    check(pages_of(pdf) == 1 + sub, f"D {diameter}: the sheet and the sub-reflector's template")


def check_pieces_of_sub(pdf, diameter):
    """The one template of a PDF that left the main reflector's out: its number of pieces."""
    found = templates(pdf)
    check(found is not None and len(found) == 1 and None not in found,
          f"D {diameter}: one template after the sheet, numbered 1 / n to n / n")
    return len(found[0]) if found and len(found) == 1 and found[0] else -1


def electrical(diameter, frequency):
    """λ = c / f; η (π D / λ)² less (1 − (d / D)²)² in dBi (η 0.65, d 70); ε for 0.5 dB by Ruze."""
    wavelength = 299792458 / (frequency * 1e9) * 1000
    gain = 10 * math.log10(0.65 * (math.pi * diameter / wavelength) ** 2)
    gain += 10 * math.log10((1 - (70 / diameter) ** 2) ** 2)
    return gain, wavelength / (4 * math.pi) * math.sqrt(0.05 * math.log(10))


def overlapping_words(pdf):
    """The pairs of words above page 1's section that overlap: the blocks stand apart."""
    boxes = [(*map(float, box[:4]), box[4]) for box in re.findall(
        r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>',
        run("pdftotext", "-bbox", "-f", "1", "-l", "1", pdf, "-"))]
    section = next(box[3] for box in boxes if box[4] == "断面図")
    boxes = [box for box in boxes if box[1] <= section]
    return [(a[4], b[4]) for k, a in enumerate(boxes) for b in boxes[k + 1:]
            if a[0] < b[2] - 0.1 and b[0] < a[2] - 0.1 and a[1] < b[3] - 0.1 and b[1] < a[3] - 0.1]


def check_electrical(writer, work, diameter, frequency, small):
    pdf = os.path.join(work, f"electrical-{diameter}-{frequency}.pdf")
    subprocess.run(tool(writer, pdf) + [diameter, frequency], check=True)
    sheet, where = page_text(pdf, 1), f"D {diameter} at {frequency!r} GHz"
    if small is None:
        text = words(run("pdftotext", pdf, "-"))
        return check("電気的な目安" not in text and "面精度" not in text, f"{where}: no figures")
    gain, rms = electrical(float(diameter), float(frequency))
    check(f"電気的な目安 (f = {frequency} GHz)" in sheet and "目安: 開口効率 η を仮定した一次近似" in sheet,
          f"{where}: the block's heading and its first-order line")
    check(f"{gain:.2f}" in sheet.split(" ") and "dBi" in sheet, f"{where}: the gain {gain:.2f} dBi")
    check(("10 波長未満" in sheet) == small, f"{where}: the note of a small sub-reflector: {small}")
    accuracy = f"面精度 0.5 dB: ± {rms:#.3g} mm rms"
    check(all(accuracy in page_text(pdf, p) for p in range(2, pages_of(pdf) + 1)),
          f"{where}: every template says {accuracy!r}")
    check(not overlapping_words(pdf), f"{where}: no word over another {overlapping_words(pdf)}")


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
        check_pieces(pdf, diameter, sub_depth)
    check_main_depth(default, work, dish_depth="53.493")  # the window's DISH深さ, as in the list above
    check("1200" in words(run("pdftotext", "-f", "1", "-l", "1", large, "-")).split(" "),
          "the large design's sheet shows D 1200")
    check_rules(render(large, 4, os.path.join(work, "tile")), "a piece of the main reflector")
    for diameter in (20000, 100000):
        check_left_out(writer, work, diameter)
    for row in ELECTRICAL_ROWS:
        check_electrical(writer, work, *row)
    check(not overlapping_words(default), "the sheet without a frequency: no word over another")

    print(f"{len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
