#!/usr/bin/env python3
"""Draws Quandrel's sample art into bg/, bmbrush/ and clipart/ beside this script.

bg/       card backgrounds, 336 x 192 pixels (3.5 x 2 inches at 96 per inch):
          palettised BMP pictures and one placeable metafile, all light enough
          for black text.
bmbrush/  64 x 64 textures for shape fills; every one tiles without a seam,
          as its patterns repeat every 64 pixels both ways.
clipart/  placeable metafiles, plus one BMP and one PCX picture, so that the
          picture choosers show several formats.

The output depends on nothing but this script: the noise comes from a fixed
integer hash, never from the clock. Run it again after changing a picture and
commit what it writes; it needs only the standard library.
"""
import math
import os
import struct

CARD_WIDTH, CARD_HEIGHT = 336, 192
TEXTURE_SIZE = 64

# ---------------------------------------------------------------------------
# Helpers: numbers and colours


def clamp(value, low=0.0, high=1.0):
    return max(low, min(high, value))


def smoothstep(edge0, edge1, value):
    t = clamp((value - edge0) / (edge1 - edge0))
    return t * t * (3 - 2 * t)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def ramp(stops, count=256):
    """count colours along a gradient; stops are (position 0..1, (r, g, b))."""
    colours = []
    for i in range(count):
        t = i / (count - 1)
        for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
            if t <= p1:
                colours.append(mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 0))
                break
    return colours


# ---------------------------------------------------------------------------
# Noise that wraps: lattice values repeat every `cells` steps, so a texture
# whose period is a whole number of cells has no seam.


def lattice(i, j, seed):
    h = (i * 374761393 + j * 668265263 + seed * 2147483647) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((h ^ (h >> 16)) & 0xFFFF) / 0xFFFF


def value_noise(x, y, cells_x, cells_y, period_x, period_y, seed):
    """Smoothly interpolated noise in 0..1 repeating every period_x, period_y pixels."""
    gx = x * cells_x / period_x
    gy = y * cells_y / period_y
    i, j = math.floor(gx), math.floor(gy)
    fx, fy = smoothstep(0, 1, gx - i), smoothstep(0, 1, gy - j)

    def corner(di, dj):
        return lattice((i + di) % cells_x, (j + dj) % cells_y, seed)

    top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * fx
    bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * fx
    return top + (bottom - top) * fy


def fractal_noise(x, y, period_x, period_y, seed, octaves=4, cells=4):
    """Octaves of value noise, each twice as fine and half as strong; 0..1."""
    total, weight, scale = 0.0, 0.0, 1.0
    for octave in range(octaves):
        factor = 2 ** octave
        total += scale * value_noise(x, y, cells * factor, cells * factor, period_x, period_y, seed + octave)
        weight += scale
        scale /= 2
    return total / weight


# ---------------------------------------------------------------------------
# File writers


def bmp_file(width, height, bits, palette, rows):
    """A BMP with a 40-byte info header; rows are given top first and stored bottom-up."""
    stride = (width * bits // 8 + 3) & ~3
    pixels = b"".join(row + b"\0" * (stride - len(row)) for row in reversed(rows))
    colour_table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(colour_table)
    pixels_per_metre = 3780  # 96 per inch
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels),
                       pixels_per_metre, pixels_per_metre, len(palette), 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + colour_table + pixels


def palettised_bmp(width, height, palette, index_at):
    rows = [bytes(index_at(x, y) for x in range(width)) for y in range(height)]
    return bmp_file(width, height, 8, palette, rows)


def true_colour_bmp(width, height, colour_at):
    rows = []
    for y in range(height):
        row = bytearray()
        for x in range(width):
            r, g, b = colour_at(x, y)
            row += bytes((b, g, r))
        rows.append(bytes(row))
    return bmp_file(width, height, 24, [], rows)


def pcx_run_length(line):
    """One scan line in PCX runs: a run never crosses the line's end."""
    out = bytearray()
    x = 0
    while x < len(line):
        run = 1
        while x + run < len(line) and run < 63 and line[x + run] == line[x]:
            run += 1
        if run > 1 or line[x] >= 0xC0:
            out += bytes((0xC0 | run, line[x]))
        else:
            out.append(line[x])
        x += run
    return bytes(out)


def pcx_file(width, height, palette, index_at):
    """Version 5, one 8-bit plane, run-length encoded, 256 colours after the pixels."""
    bytes_per_line = width + width % 2
    header = struct.pack("<BBBBHHHHHH48sBBHHHH", 0x0A, 5, 1, 8, 0, 0, width - 1, height - 1, 96, 96,
                         b"\0" * 48, 0, 1, bytes_per_line, 1, 0, 0)
    header += b"\0" * (128 - len(header))
    data = b"".join(pcx_run_length(bytes(index_at(x, y) for x in range(width)) + b"\0" * (bytes_per_line - width))
                    for y in range(height))
    colours = palette + [(0, 0, 0)] * (256 - len(palette))
    return header + data + b"\x0C" + b"".join(bytes(c) for c in colours)


def colour_ref(rgb):
    r, g, b = rgb
    return r | g << 8 | b << 16


class Metafile:
    """Writes a placeable Windows metafile record by record.

    Objects take the lowest free slot of the object table, as they do when the
    metafile is played, so SELECTOBJECT and DELETEOBJECT can name them.
    """

    PS_SOLID, PS_NULL = 0, 5
    BS_SOLID, BS_NULL = 0, 1
    TRANSPARENT = 1
    TA_CENTER_BASELINE = 0x0006 | 0x0018

    def __init__(self, width, height, units_per_inch):
        self.width, self.height, self.units_per_inch = width, height, units_per_inch
        self.records = b""
        self.largest_record = 0
        self.slots = []
        self.record(0x020B, struct.pack("<hh", 0, 0))  # SETWINDOWORG: y, x
        self.record(0x020C, struct.pack("<hh", height, width))  # SETWINDOWEXT: y, x

    def record(self, function, parameters):
        if len(parameters) % 2:
            parameters += b"\0"
        words = 3 + len(parameters) // 2
        self.records += struct.pack("<IH", words, function) + parameters
        self.largest_record = max(self.largest_record, words)

    def create(self, function, parameters):
        if False in self.slots:
            slot = self.slots.index(False)
            self.slots[slot] = True
        else:
            slot = len(self.slots)
            self.slots.append(True)
        self.record(function, parameters)
        self.record(0x012D, struct.pack("<H", slot))  # SELECTOBJECT
        return slot

    def delete(self, slot):
        self.record(0x01F0, struct.pack("<H", slot))  # DELETEOBJECT
        self.slots[slot] = False

    def pen(self, rgb, width=0, style=PS_SOLID):
        return self.create(0x02FA, struct.pack("<HhhI", style, width, 0, colour_ref(rgb)))

    def brush(self, rgb, style=BS_SOLID):
        return self.create(0x02FC, struct.pack("<HIH", style, colour_ref(rgb), 0))

    def font(self, height, face, weight=400):
        # Height, width, escapement, orientation, weight, then eight flag and
        # precision bytes left at their defaults, then the face name.
        name = face.encode("cp1252").ljust(32, b"\0")
        return self.create(0x02FB, struct.pack("<5h8B", height, 0, 0, 0, weight, *[0] * 8) + name)

    def paint(self, pen, brush, draw):
        """Draws with a pen and a brush made for it alone, then frees them."""
        pen_slot = self.pen(*pen)
        brush_slot = self.brush(*brush)
        draw()
        self.delete(brush_slot)
        self.delete(pen_slot)

    def points_record(self, function, points):
        self.record(function, struct.pack("<h", len(points))
                    + b"".join(struct.pack("<hh", round(x), round(y)) for x, y in points))

    def polygon(self, points):
        self.points_record(0x0324, points)

    def polyline(self, points):
        self.points_record(0x0325, points)

    def box_record(self, function, left, top, right, bottom):
        self.record(function, struct.pack("<hhhh", round(bottom), round(right), round(top), round(left)))

    def rectangle(self, left, top, right, bottom):
        self.box_record(0x041B, left, top, right, bottom)

    def ellipse(self, left, top, right, bottom):
        self.box_record(0x0418, left, top, right, bottom)

    def centred_text(self, x, y, text, rgb):
        """Text centred on (x, baseline y), drawn without a background box."""
        self.record(0x0102, struct.pack("<H", self.TRANSPARENT))  # SETBKMODE
        self.record(0x012E, struct.pack("<H", self.TA_CENTER_BASELINE))  # SETTEXTALIGN
        self.record(0x0209, struct.pack("<I", colour_ref(rgb)))  # SETTEXTCOLOR
        encoded = text.encode("cp1252")
        self.record(0x0A32, struct.pack("<hhhH", round(y), round(x), len(encoded), 0) + encoded)  # EXTTEXTOUT

    def placeable(self):
        records = self.records + struct.pack("<IH", 3, 0)  # EOF
        header = struct.pack("<HHHIHIH", 1, 9, 0x0300, (18 + len(records)) // 2, len(self.slots),
                             max(self.largest_record, 3), 0)
        key = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, self.width, self.height, self.units_per_inch, 0)
        checksum = 0
        for (word,) in struct.iter_unpack("<H", key):
            checksum ^= word
        return key + struct.pack("<H", checksum) + header + records


# ---------------------------------------------------------------------------
# Shapes


def circle_points(cx, cy, rx, ry, count, start=0.0):
    return [(cx + rx * math.cos(start + 2 * math.pi * i / count), cy + ry * math.sin(start + 2 * math.pi * i / count))
            for i in range(count)]


def star_points(cx, cy, outer, inner, tips):
    """A star pointing up, alternating between the outer and the inner radius."""
    points = []
    for i in range(2 * tips):
        radius = outer if i % 2 == 0 else inner
        angle = -math.pi / 2 + math.pi * i / tips
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return points


def arc_points(cx, cy, radius, start_degrees, end_degrees, count):
    return [(cx + radius * math.cos(math.radians(a)), cy + radius * math.sin(math.radians(a)))
            for a in (start_degrees + (end_degrees - start_degrees) * i / (count - 1) for i in range(count))]


# ---------------------------------------------------------------------------
# Backgrounds: each is a gradient of 256 colours and a field that picks a
# place along it for every pixel, so a palette of 256 holds it without bands.


def sky_field(x, y):
    height = y / (CARD_HEIGHT - 1)
    clouds = smoothstep(0.55, 0.8, fractal_noise(x, y, CARD_WIDTH, CARD_HEIGHT, 11, cells=3))
    return clamp((1 - height) * 0.9 + 0.1 - clouds * 0.7)


def stripes_field(x, y):
    # Stripes at 45 degrees, 28 pixels apart, with soft edges; fainter at the
    # bottom, where the card's small print usually goes.
    wave = 0.5 + 0.5 * math.sin(2 * math.pi * (x + y) / 28)
    return smoothstep(0.35, 0.65, wave) * (1 - 0.5 * y / CARD_HEIGHT)


def swoosh_depth(x, y):
    """How far (pixels) a point lies inside the lower-left swoosh; negative outside."""
    u = x / CARD_WIDTH
    crest = CARD_HEIGHT * (0.62 + 0.35 * u * u) - 14 * math.sin(2 * math.pi * u * 1.3)
    return y - crest


def wave_field(x, y):
    lower = swoosh_depth(x, y)
    upper = swoosh_depth(CARD_WIDTH - 1 - x, CARD_HEIGHT - 1 - y) - 22  # the same, turned round, smaller
    depth = max(lower, upper)
    rim = 1 - smoothstep(0, 3, abs(depth - 4))  # a highlight just inside the edge
    body = smoothstep(-1, 1, depth) * (0.45 + 0.4 * smoothstep(0, 60, depth))
    return clamp(max(body, rim))


def parchment_field(x, y):
    fibres = fractal_noise(x, y, CARD_WIDTH, CARD_HEIGHT, 31, octaves=5, cells=6)
    edge = min(x, y, CARD_WIDTH - 1 - x, CARD_HEIGHT - 1 - y)
    darkened_edge = 1 - smoothstep(0, 26, edge)
    return clamp(0.15 + 0.6 * (fibres - 0.3) + 0.45 * darkened_edge)


BACKGROUNDS = {
    "sky.bmp": ([(0, (252, 253, 255)), (0.5, (214, 232, 250)), (1, (168, 204, 240))], sky_field),
    "stripes.bmp": ([(0, (255, 255, 255)), (1, (214, 238, 226))], stripes_field),
    # The last colour is the highlight along the swooshes' edges.
    "wave.bmp": ([(0, (255, 255, 255)), (0.5, (200, 222, 244)), (0.9, (150, 186, 228)), (1, (236, 244, 252))],
                 wave_field),
    "parchment.bmp": ([(0, (252, 246, 228)), (0.6, (240, 226, 192)), (1, (214, 192, 150))], parchment_field),
}


def background_picture(stops, field):
    return palettised_bmp(CARD_WIDTH, CARD_HEIGHT, ramp(stops), lambda x, y: round(255 * field(x, y)))


def corners_metafile():
    """Soft triangles and circles in two corners, framed by a thin line."""
    card = Metafile(3500, 2000, 1000)  # 1000 units an inch
    no_pen = ((0, 0, 0), 0, Metafile.PS_NULL)
    card.paint(no_pen, ((255, 255, 255),), lambda: card.rectangle(0, 0, 3501, 2001))
    card.paint(no_pen, ((226, 236, 248),), lambda: card.polygon([(0, 0), (1400, 0), (0, 900)]))
    card.paint(no_pen, ((200, 220, 242),), lambda: card.polygon([(0, 0), (800, 0), (0, 520)]))
    card.paint(no_pen, ((252, 232, 204),), lambda: card.polygon([(3500, 2000), (2000, 2000), (3500, 1050)]))
    card.paint(no_pen, ((246, 214, 176),), lambda: card.polygon([(3500, 2000), (2800, 2000), (3500, 1560)]))
    card.paint(no_pen, ((236, 244, 252),), lambda: card.ellipse(2950, 150, 3350, 550))
    card.paint(no_pen, ((253, 240, 222),), lambda: card.ellipse(150, 1500, 450, 1800))
    card.paint(((176, 196, 222), 12), ((0, 0, 0), Metafile.BS_NULL), lambda: card.rectangle(60, 60, 3440, 1940))
    return card.placeable()


# ---------------------------------------------------------------------------
# Textures: every pattern repeats every 64 pixels both ways.


def periodic(x, y, cycles_x, cycles_y):
    """A phase that advances by whole turns across the texture."""
    return 2 * math.pi * (cycles_x * x + cycles_y * y) / TEXTURE_SIZE


def texture_noise(x, y, seed, octaves=4, cells=4):
    return fractal_noise(x, y, TEXTURE_SIZE, TEXTURE_SIZE, seed, octaves, cells)


def marble(x, y):
    turbulence = texture_noise(x, y, 41, octaves=4, cells=2)
    vein = abs(math.sin(periodic(x, y, 1, 2) + 7 * turbulence))
    return mix((128, 130, 142), (242, 240, 236), vein ** 0.35)


def canvas(x, y):
    # Threads 4 pixels wide, going over and under each other by turns; each
    # is rounded across its width and a little uneven along it.
    across = (x // 4 + y // 4) % 2 == 0
    position = (x % 4 if across else y % 4) + 0.5
    rounded = math.sin(math.pi * position / 4)
    unevenness = texture_noise(x, y, 53, octaves=2, cells=8)
    shade = 0.55 + 0.3 * rounded + 0.15 * unevenness
    return mix((150, 130, 100), (236, 224, 196), shade)


def wood(x, y):
    warp = texture_noise(x, y, 61, octaves=3, cells=2)
    rings = (3 * y / TEXTURE_SIZE + 0.8 * warp + 0.08 * math.sin(periodic(x, y, 1, 0))) % 1
    grain = value_noise(x, y, 4, 64, TEXTURE_SIZE, TEXTURE_SIZE, 67)  # fibres along the board
    shade = smoothstep(0.0, 0.7, rings) * (1 - smoothstep(0.85, 1.0, rings)) * 0.85 + 0.15 * grain
    return mix((132, 82, 44), (214, 164, 108), shade)


def brushed_metal(x, y):
    # Streaks: coarse along the rows, fine across them.
    streaks = value_noise(x, y, 4, 64, TEXTURE_SIZE, TEXTURE_SIZE, 71)
    fine = value_noise(x, y, 16, 64, TEXTURE_SIZE, TEXTURE_SIZE, 73)
    sheen = 0.5 + 0.5 * math.cos(periodic(x, y, 0, 1))
    shade = 0.45 + 0.25 * streaks + 0.1 * fine + 0.2 * sheen
    return mix((120, 124, 132), (236, 238, 242), shade)


TEXTURES = {"marble.bmp": marble, "canvas.bmp": canvas, "wood.bmp": wood, "metal.bmp": brushed_metal}


# ---------------------------------------------------------------------------
# Clip art. Metafiles use 1000 units an inch.


def star_metafile():
    art = Metafile(1000, 1000, 1000)
    art.paint(((176, 112, 0), 24), ((255, 200, 40),), lambda: art.polygon(star_points(500, 530, 480, 190, 5)))
    art.paint(((176, 112, 0), 0, Metafile.PS_NULL), ((255, 232, 140),),
              lambda: art.polygon(star_points(500, 530, 250, 100, 5)))
    return art.placeable()


def handset_cup(cx, cy, degrees):
    """The ear or mouth piece at one end of the handle, widening towards the arc's centre."""
    ux, uy = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))
    corners = [(460, -90), (460, 90), (220, 150), (220, -150)]  # (distance from centre, across)
    return [(cx + r * ux - t * uy, cy + r * uy + t * ux) for r, t in corners]


def handset_metafile():
    """A telephone handset: a thick arc with a cup at each end."""
    art = Metafile(1000, 1000, 1000)
    cx, cy = 500, 700
    dark, body = ((40, 44, 52), 16), ((64, 70, 84),)
    handle = arc_points(cx, cy, 440, 200, 340, 24) + arc_points(cx, cy, 330, 340, 200, 24)
    art.paint(dark, body, lambda: art.polygon(handle))
    for degrees in (200, 340):
        art.paint(dark, body, lambda: art.polygon(handset_cup(cx, cy, degrees)))
    art.paint(((0, 0, 0), 0, Metafile.PS_NULL), ((120, 128, 146),),
              lambda: art.polygon(arc_points(cx, cy, 420, 222, 318, 16) + arc_points(cx, cy, 400, 318, 222, 16)))
    return art.placeable()


def envelope_metafile():
    art = Metafile(1400, 1000, 1000)
    outline = ((90, 80, 60), 20)
    art.paint(outline, ((250, 244, 226),), lambda: art.rectangle(60, 160, 1340, 940))
    art.paint(outline, ((236, 226, 200),), lambda: art.polygon([(60, 160), (700, 600), (1340, 160)]))
    art.paint(((160, 40, 40), 10), ((220, 70, 60),), lambda: art.rectangle(1080, 660, 1280, 900))
    font = art.font(-130, "Arial", weight=700)
    art.centred_text(1180, 820, "AIR", (255, 255, 255))
    art.delete(font)
    return art.placeable()


def globe_metafile():
    art = Metafile(1000, 1000, 1000)
    no_pen = ((0, 0, 0), 0, Metafile.PS_NULL)
    art.paint(((30, 70, 130), 20), ((90, 150, 220),), lambda: art.ellipse(60, 60, 940, 940))
    land = ((60, 150, 80),)
    art.paint(no_pen, land, lambda: art.polygon([(260, 200), (430, 160), (470, 300), (380, 420), (420, 560),
                                                 (330, 700), (250, 560), (200, 380)]))
    art.paint(no_pen, land, lambda: art.polygon([(560, 230), (760, 210), (820, 380), (700, 450), (720, 640),
                                                 (600, 780), (560, 600), (600, 420)]))
    grid = ((220, 236, 252), 8)
    hollow = ((0, 0, 0), Metafile.BS_NULL)
    for half_width in (180, 330):
        art.paint(grid, hollow, lambda: art.ellipse(500 - half_width, 60, 500 + half_width, 940))

    def parallels():
        for y in (280, 500, 720):
            reach = math.sqrt(440 ** 2 - (y - 500) ** 2)
            art.polyline([(500 - reach, y), (500 + reach, y)])

    art.paint(grid, hollow, parallels)
    return art.placeable()


def badge_metafile():
    """A burst with "NEW" across it, for announcements on a card."""
    art = Metafile(1000, 1000, 1000)
    art.paint(((150, 20, 20), 16), ((220, 40, 40),), lambda: art.polygon(star_points(500, 500, 480, 380, 16)))
    font = art.font(-280, "Arial", weight=700)
    art.centred_text(500, 600, "NEW", (255, 255, 255))
    art.delete(font)
    return art.placeable()


def sun_colour(x, y):
    """A shaded sun with rays on white, antialiased by its soft edges."""
    dx, dy = x - 47.5, y - 47.5
    distance = math.hypot(dx, dy)
    angle = math.atan2(dy, dx)
    ray_reach = 34 + 10 * max(0.0, math.cos(12 * angle)) ** 3
    ray = 1 - smoothstep(ray_reach - 1, ray_reach + 1, distance)
    disc = 1 - smoothstep(26, 28, distance)
    light = clamp(math.hypot(x - 38, y - 38) / 30)
    face = mix((255, 240, 120), (246, 160, 30), light)
    colour = mix((255, 255, 255), (250, 190, 40), ray)
    return mix(colour, face, disc)


def flower_index(x, y):
    """Palette indexes of a flower; flat colours keep the runs long."""
    white, petal, centre, stem, leaf = 0, 1, 2, 3, 4
    cx, cy = 40, 34
    if math.hypot(x - cx, y - cy) < 9:
        return centre
    for px, py in circle_points(cx, cy, 16, 16, 5, -math.pi / 2):
        if math.hypot(x - px, y - py) < 12:
            return petal
    if abs(x - cx) <= 2 and cy < y < 92:
        return stem
    if ((x - 52) / 14) ** 2 + ((y - 70) / 6) ** 2 < 1:
        return leaf
    return white


FLOWER_PALETTE = [(255, 255, 255), (236, 96, 150), (250, 204, 60), (70, 140, 60), (96, 176, 80)]


# ---------------------------------------------------------------------------


def pictures():
    """Every picture as (folder, file name, bytes)."""
    for name, (stops, field) in BACKGROUNDS.items():
        yield "bg", name, background_picture(stops, field)
    yield "bg", "corners.wmf", corners_metafile()
    for name, colour_at in TEXTURES.items():
        yield "bmbrush", name, true_colour_bmp(TEXTURE_SIZE, TEXTURE_SIZE, colour_at)
    yield "clipart", "star.wmf", star_metafile()
    yield "clipart", "handset.wmf", handset_metafile()
    yield "clipart", "envelope.wmf", envelope_metafile()
    yield "clipart", "globe.wmf", globe_metafile()
    yield "clipart", "badge.wmf", badge_metafile()
    yield "clipart", "sun.bmp", true_colour_bmp(96, 96, sun_colour)
    yield "clipart", "flower.pcx", pcx_file(80, 96, FLOWER_PALETTE, flower_index)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for folder, name, data in pictures():
        os.makedirs(os.path.join(here, folder), exist_ok=True)
        with open(os.path.join(here, folder, name), "wb") as out:
            out.write(data)


main()
