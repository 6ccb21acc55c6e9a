"""What the read-back checks share: the design's numbers as the fields hold them, and the surfaces
computed from them here, independently of the program."""

import math
import pathlib


class Paraboloid:
    """The main reflector as a designer writes it: z = r^2 / 4F, out to the rim D/2."""

    def __init__(self, focal_length, diameter):
        self.focal_length = focal_length
        self.rim = diameter / 2

    def depth(self, radius):
        return radius * radius / (4 * self.focal_length)


class Design:
    def __init__(self, directory):
        self.directory = pathlib.Path(directory)
        fields = (self.directory / "fields.txt").read_text().split()
        a, b2, d, thickness = fields[:4]
        self.thickness = float(thickness)
        self.a = float(a)
        self.b2 = float(b2)
        self.rim = float(d) / 2
        # F (Text5), D (Text1), B = F'A (Text20), A (Text21), 2Θ' (Text7), QF (Text8), and the
        # main reflector's CSV step and shell thickness.
        (self.focal_length, self.main_diameter, self.feed_to_sub_vertex, self.vertex_to_feed,
         self.radiation_angle, self.focus_to_rim, self.main_step,
         self.main_thickness) = map(float, fields[4:12])
        self.main = Paraboloid(self.focal_length, self.main_diameter)

    def depth(self, radius):
        """The hyperboloid's depth below the vertex plane at a radius."""
        return math.sqrt(self.a * self.a * (1 + radius * radius / self.b2)) - abs(self.a)

    def path(self, name):
        return self.directory / name
