"""What the read-back checks share: the design's numbers as the fields hold them, and the surface
computed from them here, independently of the program."""

import math
import pathlib


class Design:
    def __init__(self, directory):
        self.directory = pathlib.Path(directory)
        a, b2, d, thickness = (self.directory / "fields.txt").read_text().split()
        self.thickness = float(thickness)
        self.a = float(a)
        self.b2 = float(b2)
        self.rim = float(d) / 2

    def depth(self, radius):
        """The hyperboloid's depth below the vertex plane at a radius."""
        return math.sqrt(self.a * self.a * (1 + radius * radius / self.b2)) - abs(self.a)

    def path(self, name):
        return self.directory / name
