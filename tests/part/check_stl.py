"""The solids read back by admesh: one closed part, no degenerate facet, no normal or winding that
admesh had to fix, and the volume of the exact solid of revolution within 0.5 %. The file's own
layout is read here too: the header, the facet count, the extent. The sub-reflector's solid has a
flat back; the main reflector's shell a back at an even thickness along the paraboloid's normal."""

import math
import re
import struct
import subprocess
import sys

from part_files import Design

# admesh's report line -> the value a closed, consistently wound solid shows.
CLEAN = {
    "Number of parts": 1,
    "Total disconnected facets": 0,
    "Degenerate facets": 0,
    "Edges fixed": 0,
    "Facets removed": 0,
    "Facets added": 0,
    "Facets reversed": 0,
    "Backwards edges": 0,
    "Normals fixed": 0,
}


def report_value(report, name):
    match = re.search(rf"(?:^|\s){re.escape(name)}\s*[:=]\s*([-+0-9.eE]+)", report, re.MULTILINE)
    return float(match.group(1)) if match else None


def exact_volume(design, thickness):
    """A cylinder to the back, less the space between the surface and the vertex plane."""
    a, b2, rim = abs(design.a), design.b2, design.rim
    h = design.depth(rim)
    under = (2 / 3) * math.pi * a * b2 * ((1 + rim * rim / b2) ** 1.5 - 1) - math.pi * a * rim**2
    return math.pi * rim**2 * (h + thickness) - under


def read_stl(path):
    data = path.read_bytes()
    (count,) = struct.unpack_from("<I", data, 80)
    corners = [struct.unpack_from("<9f", data, 84 + 50 * i + 12) for i in range(count)]
    return data[:80], count, len(data), corners


def admesh_problems(path, count):
    report = subprocess.run(["admesh", str(path)], capture_output=True, text=True, errors="replace",
                            check=True).stdout
    problems = []
    for name, clean in CLEAN.items():
        value = report_value(report, name)
        if value != clean:
            problems.append(f"{path.name}: admesh: {name} {value}, expected {clean}")
    if report_value(report, "Number of facets") != count:
        problems.append(f"{path.name}: admesh read a different number of facets")
    return report, problems


def shell_section(main, thickness, samples=20000):
    """The shell's section, counter-clockwise: the back (each point of the paraboloid moved
    `thickness` along its normal, away from the focus) out to the rim, then the front back in."""
    front, back = [], []
    for i in range(samples + 1):
        r = main.rim * i / samples
        z = main.depth(r)
        slope = r / (2 * main.focal_length)  # dz/dr
        n = math.hypot(1, slope)
        front.append((r, z))
        back.append((r + thickness * slope / n, z - thickness / n))
    return back + front[::-1]


def revolved_volume(section):
    """Pappus: 2 pi times the integral of r over the section, by Green's theorem over its edges
    (the closing edge lies on the axis)."""
    total = sum((z1 - z0) * (r0 * r0 + r0 * r1 + r1 * r1)
                for (r0, z0), (r1, z1) in zip(section, section[1:]))
    return 2 * math.pi * abs(total) / 6


def check_main(design):
    path = design.path("main.stl")
    data = path.read_bytes()
    (count,) = struct.unpack_from("<I", data, 80)
    problems = []
    if not data.startswith(b"velmora main reflector") or len(data) != 84 + 50 * count:
        problems.append(f"main.stl: layout: header {data[:24]!r}, {count} facets in {len(data)}")
    report, found = admesh_problems(path, count)
    problems += found
    section = shell_section(design.main, design.main_thickness)
    extent = {"Min Z": min(z for _, z in section), "Max Z": max(z for _, z in section),
              "Max X": max(r for r, _ in section)}
    for name, expected in extent.items():
        value = report_value(report, name)
        if value is None or abs(value - expected) > 1e-3 * max(1, abs(expected)):
            problems.append(f"main.stl: {name} {value}, the shell reaches {expected}")
    volume, exact = report_value(report, "Volume"), revolved_volume(section)
    if volume is None or abs(volume - exact) > 0.005 * exact:
        problems.append(f"main.stl: volume {volume} mm^3, the shell of revolution has {exact}")
    return problems


def main(directory):
    design = Design(directory)
    path = design.path("part.stl")
    header, count, size, corners = read_stl(path)
    problems = []
    if not header.startswith(b"velmora") or size != 84 + 50 * count:
        problems.append(f"layout: header {header[:20]!r}, {count} facets in {size} bytes")
    zs = [c[i] for c in corners for i in (2, 5, 8)]
    radii = [math.hypot(c[i], c[i + 1]) for c in corners for i in (0, 3, 6)]
    back = design.depth(design.rim) + design.thickness
    if min(zs) != 0 or abs(max(zs) - back) > 1e-4 or abs(max(radii) - design.rim) > 1e-4:
        problems.append(f"extent: z {min(zs)} to {max(zs)}, radius to {max(radii)}")

    report, found = admesh_problems(path, count)
    problems += found
    volume, exact = report_value(report, "Volume"), exact_volume(design, design.thickness)
    if volume is None or abs(volume - exact) > 0.005 * exact:
        problems.append(f"volume {volume} mm^3, the solid of revolution has {exact}")
    problems += check_main(design)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
