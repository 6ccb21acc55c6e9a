"""The section drawings of both reflectors read back by ezdxf: no audit error, millimetres, one
curve on each section layer, every vertex within a micrometre of the surface, the curve between
vertices too, and a header extent that holds the drawing."""

import sys

import ezdxf

from part_files import Design

MICROMETRE = 0.001


def chord_error(design, p, q):
    """Largest gap between the chord p-q and the convex curve under it, by ternary search."""
    (x0, y0), (x1, y1) = p, q

    def gap(x):
        return (y0 + (y1 - y0) * (x - x0) / (x1 - x0)) - design.depth(x)

    lo, hi = x0, x1
    for _ in range(100):
        m1, m2 = lo + (hi - lo) / 3, hi - (hi - lo) / 3
        if gap(m1) < gap(m2):
            lo = m1
        else:
            hi = m2
    return abs(gap((lo + hi) / 2))


def check_curve(design, name, points, first_radius):
    problems = []
    if len(points) < 2:
        return [f"{name}: {len(points)} vertices"]
    if points[0][0] != first_radius or points[-1][0] != design.rim:
        problems.append(f"{name}: runs from {points[0][0]} to {points[-1][0]}")
    if (0.0, 0.0) not in points:
        problems.append(f"{name}: the vertex (0, 0) is not one of its points")
    if any(q[0] <= p[0] for p, q in zip(points, points[1:])):
        problems.append(f"{name}: radii do not increase")
    worst = max(abs(y - design.depth(x)) for x, y in points)
    if worst > MICROMETRE:
        problems.append(f"{name}: a vertex lies {worst} mm off the surface")
    chord = max(chord_error(design, p, q) for p, q in zip(points, points[1:]))
    if chord >= MICROMETRE:
        problems.append(f"{name}: a chord strays {chord} mm from the surface")
    return problems


def read_checked(path):
    """The drawing, and what ezdxf's audit, units and measurement say against it."""
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    problems = [f"audit: {error.message}" for error in auditor.errors]
    problems += [f"audit had to fix: {fix.message}" for fix in auditor.fixes]
    if doc.header.get("$INSUNITS") != 4 or doc.units != 4:
        problems.append(f"units: $INSUNITS {doc.header.get('$INSUNITS')}, not millimetres")
    if doc.header.get("$MEASUREMENT") != 1:
        problems.append("$MEASUREMENT is not metric")
    return doc, problems


def check_extent(doc, points):
    """The header's $EXTMIN and $EXTMAX hold every point drawn."""
    (x0, y0, _), (x1, y1, _) = doc.header.get("$EXTMIN"), doc.header.get("$EXTMAX")
    outside = [p for p in points if not (x0 <= p[0] <= x1 and y0 <= p[1] <= y1)]
    return [f"extent ({x0}, {y0}) to ({x1}, {y1}) leaves out {outside[:1]}"] if outside else []


def check_section(path, surface):
    doc, problems = read_checked(path)
    msp = doc.modelspace()
    drawn = []
    for layer, first in (("HALF_SECTION", 0.0), ("WHOLE_SECTION", -surface.rim)):
        curves = msp.query(f'POLYLINE[layer=="{layer}"]')
        if len(curves) != 1:
            problems.append(f"{layer}: {len(curves)} polylines")
            continue
        points = [(v.dxf.location.x, v.dxf.location.y) for v in curves[0].vertices]
        problems += check_curve(surface, layer, points, first)
        drawn += points
    axes = msp.query('LINE[layer=="AXIS"]')
    if len(axes) != 1 or axes[0].dxf.start.x != 0 or axes[0].dxf.end.x != 0:
        problems.append("AXIS: not one line on the axis")
    problems += check_extent(doc, drawn)
    return [f"{path.name}: {problem}" for problem in problems]


def main(directory):
    design = Design(directory)
    problems = check_section(design.path("design.dxf"), design)
    problems += check_section(design.path("main.dxf"), design.main)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
