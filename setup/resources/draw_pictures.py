#!/usr/bin/env python3
"""Draws the program's pictures and the stand-in files that go with them.

Writes, from the repository root given as the only argument (default: two levels
above this file):
  setup/resources/bitmaps/   the program's bitmaps (device pictures, double-click
                             test frames, finish animation, page pictures)
  standins/cursors/          the default cursors P1.cur..P14.cur and an animated
                             cursor, Spinner.ani
  standins/driver/Orvdrv.vxd a stand-in driver file carrying a version stamp

Standard library only. The output is the same on every run, so the written files
can be kept under version control and rewritten at will.
"""

import math
import os
import random
import struct
import sys

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)

# The 16 colours of the standard VGA palette, for the 16-colour pictures.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

BODY = (214, 214, 220)
BODY_SHADE = (172, 172, 184)
EDGE = (60, 60, 70)
BUTTON = (236, 236, 240)
BALL = (196, 36, 44)
BALL_LIGHT = (244, 150, 150)
DARK = (96, 96, 108)
BLUE = (28, 64, 160)
SKY_TOP = (84, 132, 214)
SKY_BOTTOM = (232, 240, 252)
GREEN = (40, 132, 56)
GREEN_DARK = (20, 88, 36)


# --- canvas -------------------------------------------------------------------

class Canvas:
    """A picture of RGB pixels (or None for 'nothing here'), (0, 0) at top left."""

    def __init__(self, width, height, background=WHITE):
        self.width = width
        self.height = height
        self.pixels = [[background] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def get(self, x, y):
        return self.pixels[y][x]

    def fill(self, mask, colour):
        for x, y in mask:
            self.put(x, y, colour)

    def outline(self, mask, colour):
        """Paints the pixels just outside the mask (8-neighbourhood)."""
        self.fill(ring(mask), colour)


def ring(mask):
    around = set()
    for x, y in mask:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                if (x + dx, y + dy) not in mask:
                    around.add((x + dx, y + dy))
    return around


def inner_edge(mask):
    """The pixels of the mask that touch the outside (4-neighbourhood)."""
    return {(x, y) for x, y in mask
            if any((x + dx, y + dy) not in mask for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))}


def ellipse(cx, cy, rx, ry):
    return {(x, y)
            for y in range(int(cy - ry) - 1, int(cy + ry) + 2)
            for x in range(int(cx - rx) - 1, int(cx + rx) + 2)
            if ((x + 0.5 - cx) / rx) ** 2 + ((y + 0.5 - cy) / ry) ** 2 <= 1.0}


def rect(left, top, right, bottom):
    """Pixels with left <= x < right and top <= y < bottom."""
    return {(x, y) for y in range(top, bottom) for x in range(left, right)}


def rounded_rect(left, top, right, bottom, radius):
    shape = rect(left + radius, top, right - radius, bottom) | rect(left, top + radius, right,
                                                                   bottom - radius)
    for cx, cy in ((left + radius, top + radius), (right - radius, top + radius),
                   (left + radius, bottom - radius), (right - radius, bottom - radius)):
        shape |= ellipse(cx, cy, radius, radius)
    return shape


def polygon(points):
    """Pixels whose centres lie inside the polygon (even-odd rule)."""
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    inside = set()
    for y in range(int(min(ys)) - 1, int(max(ys)) + 2):
        cy = y + 0.5
        crossings = []
        for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
            if (y1 <= cy < y2) or (y2 <= cy < y1):
                crossings.append(x1 + (cy - y1) * (x2 - x1) / (y2 - y1))
        crossings.sort()
        for start, end in zip(crossings[0::2], crossings[1::2]):
            for x in range(int(math.floor(start)) - 1, int(math.ceil(end)) + 1):
                if start <= x + 0.5 < end:
                    inside.add((x, y))
    return inside


def line(x1, y1, x2, y2, width=1):
    """A straight stroke of the given width."""
    steps = max(abs(x2 - x1), abs(y2 - y1), 1) * 2
    pen = ellipse(0, 0, width / 2, width / 2) if width > 1 else {(0, 0)}
    shape = set()
    for i in range(int(steps) + 1):
        t = i / steps
        px = round(x1 + (x2 - x1) * t)
        py = round(y1 + (y2 - y1) * t)
        shape |= {(px + dx, py + dy) for dx, dy in pen}
    return shape


def polyline(points, width=1):
    shape = set()
    for (x1, y1), (x2, y2) in zip(points, points[1:]):
        shape |= line(x1, y1, x2, y2, width)
    return shape


def curve(points, width=1, steps=24):
    """A smooth quadratic curve through the control points (start, control, end)."""
    (x0, y0), (x1, y1), (x2, y2) = points
    samples = []
    for i in range(steps + 1):
        t = i / steps
        samples.append((round((1 - t) ** 2 * x0 + 2 * (1 - t) * t * x1 + t * t * x2),
                        round((1 - t) ** 2 * y0 + 2 * (1 - t) * t * y1 + t * t * y2)))
    return polyline(samples, width)


def moved(mask, dx, dy):
    return {(x + dx, y + dy) for x, y in mask}


def rotated_points(points, degrees, cx, cy):
    a = math.radians(degrees)
    return [(cx + (x - cx) * math.cos(a) - (y - cy) * math.sin(a),
             cy + (x - cx) * math.sin(a) + (y - cy) * math.cos(a)) for x, y in points]


def art(rows, left, top, mark="#"):
    """The pixels marked in a small drawing given as text rows."""
    return {(left + x, top + y) for y, row in enumerate(rows) for x, c in enumerate(row)
            if c == mark}


# A 5 x 7 font for the few letters the pictures write.
FONT = {
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "N": ["#...#", "##..#", "#.#.#", "#.#.#", "#..##", "#...#", "#...#"],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "?": [".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."],
}


def text(word, left, top, scale=1):
    shape = set()
    for i, letter in enumerate(word):
        for x, y in art(FONT[letter], 0, 0):
            shape |= rect(left + (i * 6 + x) * scale, top + y * scale,
                          left + (i * 6 + x + 1) * scale, top + (y + 1) * scale)
    return shape


# --- file formats -------------------------------------------------------------

def bmp_24(canvas):
    row_size = (canvas.width * 3 + 3) // 4 * 4
    data = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray()
        for x in range(canvas.width):
            r, g, b = canvas.get(x, y)
            row += bytes((b, g, r))
        data += row + bytes(row_size - len(row))
    return bmp_file(canvas, 24, b"", data)


def nearest_vga(colour):
    return min(range(16), key=lambda i: sum((a - b) ** 2 for a, b in zip(VGA[i], colour)))


def bmp_16_colours(canvas):
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA)
    row_size = ((canvas.width + 1) // 2 + 3) // 4 * 4
    data = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray()
        for x in range(0, canvas.width, 2):
            high = nearest_vga(canvas.get(x, y))
            low = nearest_vga(canvas.get(x + 1, y)) if x + 1 < canvas.width else 0
            row.append(high << 4 | low)
        data += row + bytes(row_size - len(row))
    return bmp_file(canvas, 4, palette, data)


def bmp_file(canvas, bits, palette, data):
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, bits, 0, len(data),
                       2835, 2835, len(palette) // 4, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + palette + bytes(data)


CURSOR_SIZE = 32


def cur_file(cursor):
    """A monochrome .cur of one 32 x 32 image. cursor.pixels: None (see-through),
    BLACK or WHITE."""
    row_bytes = 4
    colour_rows = bytearray()
    mask_rows = bytearray()
    for y in range(CURSOR_SIZE - 1, -1, -1):
        colour = bytearray(row_bytes)
        mask = bytearray(row_bytes)
        for x in range(CURSOR_SIZE):
            pixel = cursor.canvas.get(x, y)
            bit = 0x80 >> (x % 8)
            if pixel is None:
                mask[x // 8] |= bit
            elif pixel == WHITE:
                colour[x // 8] |= bit
        colour_rows += colour
        mask_rows += mask
    info = struct.pack("<IiiHHIIiiII", 40, CURSOR_SIZE, CURSOR_SIZE * 2, 1, 1, 0,
                       len(colour_rows) + len(mask_rows), 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = info + palette + bytes(colour_rows) + bytes(mask_rows)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", CURSOR_SIZE, CURSOR_SIZE, 0, 0, cursor.hot_x, cursor.hot_y,
                        len(image), len(directory) + 16)
    return directory + entry + image


def riff_chunk(chunk_id, data):
    padding = b"\0" if len(data) % 2 else b""
    return chunk_id + struct.pack("<I", len(data)) + data + padding


def ani_file(frames, jiffies_per_frame):
    icon_flag = 1  # the frames are whole cursor files
    header = struct.pack("<9I", 36, len(frames), len(frames), 0, 0, 0, 0, jiffies_per_frame,
                         icon_flag)
    frame_list = b"fram" + b"".join(riff_chunk(b"icon", cur_file(f)) for f in frames)
    body = b"ACON" + riff_chunk(b"anih", header) + riff_chunk(b"LIST", frame_list)
    return riff_chunk(b"RIFF", body)


# --- cursors ------------------------------------------------------------------

class Cursor:
    def __init__(self, hot_x, hot_y):
        self.canvas = Canvas(CURSOR_SIZE, CURSOR_SIZE, background=None)
        self.hot_x = hot_x
        self.hot_y = hot_y

    def white_shape(self, mask):
        """White inside, a black edge around it: how pointers are drawn."""
        self.canvas.outline(mask, BLACK)
        self.canvas.fill(mask, WHITE)
        return self

    def black_shape(self, mask):
        """Black strokes with a white edge, so they show on dark ground too."""
        self.canvas.outline(mask, WHITE)
        self.canvas.fill(mask, BLACK)
        return self


ARROW = [(1, 1), (1, 22), (6, 17), (10, 26), (13, 25), (9, 16), (16, 16)]


def arrow_cursor():
    return Cursor(1, 1).white_shape(polygon(ARROW))


QUESTION = [
    ".####.",
    "##..##",
    "##..##",
    "...##.",
    "..##..",
    "..##..",
    "......",
    "..##..",
    "..##..",
]


def help_cursor():
    cursor = arrow_cursor()
    return cursor.black_shape(art(QUESTION, 20, 3))


def hourglass(left, top, width, height):
    right = left + width
    bottom = top + height
    middle = top + height / 2
    glass = polygon([(left + 1, top + 2), (right - 1, top + 2), (left + width / 2 + 1, middle),
                     (right - 1, bottom - 2), (left + 1, bottom - 2),
                     (left + width / 2 - 1, middle)])
    caps = rect(left, top, right, top + 2) | rect(left, bottom - 2, right, bottom)
    sand = polygon([(left + width / 2 - 2, bottom - 4), (left + width / 2 + 2, bottom - 4),
                    (right - 3, bottom - 2), (left + 3, bottom - 2)])
    return glass, caps, sand


def wait_cursor():
    cursor = Cursor(15, 15)
    glass, caps, sand = hourglass(8, 3, 16, 26)
    cursor.white_shape(glass | caps)
    cursor.canvas.fill(caps | sand | line(16, 14, 16, 22), BLACK)
    return cursor


def app_starting_cursor():
    cursor = arrow_cursor()
    glass, caps, sand = hourglass(18, 15, 11, 15)
    cursor.white_shape(glass | caps)
    cursor.canvas.fill(caps | sand, BLACK)
    return cursor


def cross_cursor():
    return Cursor(15, 15).black_shape(line(15, 2, 15, 28) | line(2, 15, 28, 15))


def ibeam_cursor():
    stem = line(15, 4, 15, 26)
    serifs = line(12, 3, 14, 3) | line(16, 3, 18, 3) | line(12, 27, 14, 27) | line(16, 27, 18, 27)
    return Cursor(15, 15).black_shape(stem | serifs)


HAND = [
    "....##..........",
    "...#..#.........",
    "...#..#.........",
    "...#..#.........",
    "...#..###.......",
    "...#..#..###....",
    "...#..#..#..##..",
    ".###..#..#..#.#.",
    "#..#..........#.",
    "#..#..........#.",
    ".#............#.",
    ".#............#.",
    "..#...........#.",
    "..#..........#..",
    "...#.........#..",
    "...#........#...",
    "....########....",
]


def hand_cursor():
    cursor = Cursor(5, 1)
    edge = art(HAND, 1, 1)
    inside = set()
    for y in range(CURSOR_SIZE):
        row = sorted(x for x, yy in edge if yy == y)
        if len(row) >= 2:
            inside |= {(x, y) for x in range(row[0] + 1, row[-1]) if (x, y) not in edge}
    cursor.canvas.fill(inside, WHITE)
    cursor.canvas.fill(edge, BLACK)
    return cursor


def no_cursor():
    circle = ellipse(15.5, 15.5, 12, 12) - ellipse(15.5, 15.5, 8.5, 8.5)
    bar = polygon(rotated_points([(5, 14), (26, 14), (26, 17.5), (5, 17.5)], 45, 15.5, 15.5))
    return Cursor(15, 15).black_shape(circle | (bar & ellipse(15.5, 15.5, 10, 10)))


DOUBLE_ARROW = [(15.5, 2), (21, 8), (17.5, 8), (17.5, 23), (21, 23), (15.5, 29), (10, 23),
                (13.5, 23), (13.5, 8), (10, 8)]


def size_cursor(degrees):
    return Cursor(15, 15).white_shape(polygon(rotated_points(DOUBLE_ARROW, degrees, 15.5, 15.5)))


def move_cursor():
    both = polygon(DOUBLE_ARROW) | polygon(rotated_points(DOUBLE_ARROW, 90, 15.5, 15.5))
    return Cursor(15, 15).white_shape(both)


def up_arrow_cursor():
    shape = [(15.5, 1), (23, 10), (18, 10), (18, 28), (13, 28), (13, 10), (8, 10)]
    return Cursor(15, 1).white_shape(polygon(shape))


# One per pointer role, in the order of the roles: P1.cur .. P14.cur.
DEFAULT_CURSORS = [
    arrow_cursor, help_cursor, app_starting_cursor, wait_cursor, cross_cursor, ibeam_cursor,
    hand_cursor, no_cursor, lambda: size_cursor(0), lambda: size_cursor(90),
    lambda: size_cursor(-45), lambda: size_cursor(45), move_cursor, up_arrow_cursor,
]


def spinner_frames(count=8):
    frames = []
    for i in range(count):
        cursor = Cursor(15, 15)
        disc = ellipse(15.5, 15.5, 12, 12)
        cursor.white_shape(disc)
        start = math.radians(i * 360 / count)
        wedge = polygon([(15.5, 15.5),
                         (15.5 + 14 * math.cos(start), 15.5 + 14 * math.sin(start)),
                         (15.5 + 14 * math.cos(start + 0.8), 15.5 + 14 * math.sin(start + 0.8))])
        cursor.canvas.fill(wedge & disc, BLACK)
        frames.append(cursor)
    return frames


# --- device pictures (97 x 97) -----------------------------------------------

PICTURE = 97


def shaded(canvas, body, light=BODY, shade=BODY_SHADE):
    """Fills a body with a darker lower-right part, and draws its edge."""
    xs = [x for x, _ in body]
    ys = [y for _, y in body]
    cx = (min(xs) + max(xs)) / 2
    cy = (min(ys) + max(ys)) / 2
    canvas.fill(body, shade)
    canvas.fill({(x, y) for x, y in body
                 if (x - cx) * 0.6 + (y - cy) * 0.4 < (max(xs) - cx) * 0.35}, light)
    canvas.fill(inner_edge(body), EDGE)


def cable(canvas, start, control, end):
    canvas.fill(curve([start, control, end], width=3), DARK)


def mouse_body(extra=frozenset()):
    return ellipse(48.5, 58, 25, 35) | set(extra)


def mouse_picture(buttons, body=None, letter=None):
    """A mouse seen from above with its buttons along the top."""
    canvas = Canvas(PICTURE, PICTURE)
    body = body if body is not None else mouse_body()
    cable(canvas, (48, 24), (44, 8), (64, 2))
    shaded(canvas, body)
    top = min(y for _, y in body)
    button_area = {(x, y) for x, y in body if y < top + 28}
    canvas.fill(button_area - inner_edge(body), BUTTON)
    canvas.fill(inner_edge(body), EDGE)
    canvas.fill({(x, y) for x, y in body if y == top + 28}, EDGE)
    xs = [x for x, y in body if y == top + 14]
    left, right = min(xs), max(xs)
    for i in range(1, buttons):
        split = round(left + (right - left) * i / buttons)
        canvas.fill({(x, y) for x, y in body if x == split and y < top + 28}, EDGE)
    if letter:
        canvas.fill(text(letter, 43, 66, scale=2), BLUE)
    return canvas


def right_hand_body():
    return ellipse(52.5, 56, 24, 35) | ellipse(30, 68, 9, 14)


def two_button_mouse():
    return mouse_picture(2)


def three_button_mouse():
    return mouse_picture(3)


def right_hand_mouse():
    return mouse_picture(3, body=right_hand_body(), letter="R")


def left_hand_mouse():
    picture = mouse_picture(3, body=right_hand_body())
    mirrored_picture = Canvas(PICTURE, PICTURE)
    for y in range(PICTURE):
        for x in range(PICTURE):
            mirrored_picture.put(PICTURE - 1 - x, y, picture.get(x, y))
    mirrored_picture.fill(text("L", 44, 66, scale=2), BLUE)
    return mirrored_picture


def ball(canvas, cx, cy, radius):
    canvas.fill(ellipse(cx, cy, radius, radius), BALL)
    canvas.fill(ellipse(cx - radius / 3, cy - radius / 3, radius / 3, radius / 4), BALL_LIGHT)
    canvas.fill(inner_edge(ellipse(cx, cy, radius, radius)), EDGE)


def trackball(buttons=2):
    canvas = Canvas(PICTURE, PICTURE)
    cable(canvas, (48, 22), (60, 6), (80, 2))
    base = rounded_rect(8, 20, 89, 90, 14)
    shaded(canvas, base)
    if buttons == 2:
        keys = [rect(13, 25, 36, 44), rect(61, 25, 84, 44)]
    else:
        keys = [rect(13, 25, 34, 42), rect(63, 25, 84, 42), rect(13, 70, 34, 86),
                rect(63, 70, 84, 86)]
    for key in keys:
        canvas.fill(key, BUTTON)
        canvas.fill(inner_edge(key), EDGE)
    ball(canvas, 48.5, 57, 20)
    return canvas


def touchpad():
    canvas = Canvas(PICTURE, PICTURE)
    base = rounded_rect(10, 8, 87, 90, 8)
    shaded(canvas, base, light=(150, 150, 160), shade=(120, 120, 132))
    pad = rounded_rect(19, 16, 78, 62, 4)
    canvas.fill(pad, (196, 200, 210))
    canvas.fill(inner_edge(pad), EDGE)
    canvas.fill(ellipse(56, 38, 6, 8), (232, 196, 168))  # a fingertip on the pad
    canvas.fill(inner_edge(ellipse(56, 38, 6, 8)), (150, 110, 90))
    for key in (rect(19, 68, 47, 82), rect(50, 68, 78, 82)):
        canvas.fill(key, BUTTON)
        canvas.fill(inner_edge(key), EDGE)
    return canvas


def pointing_stick():
    canvas = Canvas(PICTURE, PICTURE)
    board = rect(4, 10, 93, 88)
    canvas.fill(board, (70, 70, 80))
    for row in range(4):
        for column in range(6):
            key = rect(8 + column * 14 + (row % 2) * 4, 14 + row * 14,
                       19 + column * 14 + (row % 2) * 4, 25 + row * 14)
            canvas.fill(key & board, (200, 200, 208))
            canvas.fill(inner_edge(key) & board, (40, 40, 48))
    canvas.fill(ellipse(48, 42, 4.5, 4.5), (210, 30, 40))  # the stick between the keys
    canvas.fill(inner_edge(ellipse(48, 42, 4.5, 4.5)), (110, 0, 10))
    for key in (rect(22, 72, 46, 84), rect(51, 72, 75, 84)):
        canvas.fill(key, BUTTON)
        canvas.fill(inner_edge(key), EDGE)
    return canvas


def unknown_device():
    canvas = mouse_picture(2)
    canvas.fill(text("?", 40, 52, scale=3), BLUE)
    return canvas


# In picture-number order: 1 two-button mouse, 2 three-button mouse (also the
# custom device), 3 trackball, 4 touchpad, 5 pointing stick, 6 right-hand mouse,
# 7 left-hand mouse, 8 four-button device, 9 a device of unknown kind.
DEVICE_PICTURES = [
    two_button_mouse, three_button_mouse, trackball, touchpad, pointing_stick,
    right_hand_mouse, left_hand_mouse, lambda: trackball(4), unknown_device,
]


# --- double-click test frames (32 x 32, 16 colours) ---------------------------

SMALL = 32
SMALL_GROUND = VGA[7]  # the colour of the window behind the picture


def small_mouse():
    """The pixels of the small device, each with its colour."""
    canvas = Canvas(SMALL, SMALL, background=SMALL_GROUND)
    body = ellipse(16, 12, 7, 9.5)
    canvas.fill(body, VGA[15])
    canvas.fill({(x, y) for x, y in body if y > 9 and x + y > 27}, VGA[8])
    canvas.fill({(x, y) for x, y in body if y == 9 or (x == 16 and y < 9)}, VGA[8])
    canvas.fill(inner_edge(body), VGA[0])
    canvas.fill(line(16, 2, 16, 0), VGA[0])
    return {(x, y): canvas.get(x, y) for x in range(SMALL) for y in range(SMALL)
            if canvas.get(x, y) != SMALL_GROUND}


def fragments(pixels, count, rng):
    """Splits the pixels into pieces around random seeds."""
    seeds = [(rng.uniform(9, 23), rng.uniform(2, 22)) for _ in range(count)]
    pieces = [dict() for _ in seeds]
    for (x, y), colour in pixels.items():
        nearest = min(range(count), key=lambda i: (x - seeds[i][0]) ** 2 + (y - seeds[i][1]) ** 2)
        pieces[nearest][(x, y)] = colour
    return [p for p in pieces if p]


def settle(pieces):
    """Drops pieces, lowest first, until they rest on the floor or on each other."""
    taken = set()
    placed = []
    for piece in sorted(pieces, key=lambda p: -max(y for _, y in p)):
        drop = 0
        while not any(y + drop + 1 >= SMALL or (x, y + drop + 1) in taken for x, y in piece):
            drop += 1
        settled = {(x, y + drop): c for (x, y), c in piece.items()}
        taken |= set(settled)
        placed.append(settled)
    return placed


def gathered(pieces):
    """Pieces slid halfway towards the middle, every other one tumbled onto its
    side, so that they fall into one untidy heap."""
    parts = []
    for i, piece in enumerate(pieces):
        px = round(sum(x for x, _ in piece) / len(piece))
        py = round(sum(y for _, y in piece) / len(piece))
        if i % 2:
            piece = {(px + (y - py), py - (x - px)): c for (x, y), c in piece.items()}
        dx = round((16 - px) / 2)
        parts.append({(x + dx, y): c for (x, y), c in piece.items()})
    return parts


def cracked(pieces):
    """The pieces still in place, with black cracks where they meet."""
    owner = {point: i for i, piece in enumerate(pieces) for point in piece}
    parts = []
    for i, piece in enumerate(pieces):
        parts.append({(x, y): VGA[0] if owner.get((x + 1, y), i) != i or
                      owner.get((x, y + 1), i) != i else c for (x, y), c in piece.items()})
    return parts


def double_click_frames():
    rng = random.Random(137)
    whole = small_mouse()
    pieces = fragments(whole, 8, rng)
    motions = []
    for piece in pieces:
        px = sum(x for x, _ in piece) / len(piece)
        py = sum(y for _, y in piece) / len(piece)
        motions.append(((px - 16) * 0.45, (py - 12) * 0.25 - 2.0))

    def frame(parts):
        canvas = Canvas(SMALL, SMALL, background=SMALL_GROUND)
        for part in parts:
            for (x, y), colour in part.items():
                canvas.put(x, y, colour)
        return canvas

    def flying(t):
        parts = []
        for piece, (vx, vy) in zip(pieces, motions):
            xs = [x for x, _ in piece]
            dx = max(-min(xs), min(SMALL - 1 - max(xs), round(vx * t)))
            dy = min(round(vy * t + 1.4 * t * t), SMALL - 1 - max(y for _, y in piece))
            parts.append({(x + dx, y + dy): c for (x, y), c in piece.items()})
        return parts

    return [frame([whole]), frame(cracked(pieces)), frame(flying(1.2)), frame(flying(2.4)),
            frame(flying(3.6)), frame(settle(gathered(flying(3.6))))]


# --- finish animation (67 x 85) ----------------------------------------------

SCENE_W = 67
SCENE_H = 85


def walker(step, bow=0):
    """The mouse as a little figure: body, eyes, feet. step moves the feet;
    bow (0..3) tips the body forward."""
    canvas = Canvas(SCENE_W, SCENE_H)
    lean = bow * 7
    cx = 33.5
    top = 14 + bow * 5
    body = ellipse(cx, top + 28, 16, 28)
    body = {(x + round((top + 50 - y) * lean / 60), y) for x, y in body}
    tail = curve([(cx, top + 2), (cx - 10 - bow * 3, 4), (cx + 8, 2)], width=2)
    canvas.fill(tail, DARK)
    shaded(canvas, body)
    eye_shift = round(lean * 0.6)
    for ex in (cx - 6, cx + 6):
        canvas.fill(ellipse(ex + eye_shift, top + 20 + bow, 2.5, 3), BLACK if bow < 3 else EDGE)
    canvas.fill(line(round(cx) - 4 + eye_shift, top + 30 + bow, round(cx) + 4 + eye_shift,
                     top + 30 + bow), EDGE)
    offsets = [(-3, 3), (0, 0), (3, -3)][step] if bow == 0 else (0, 0)
    feet_y = top + 56
    for foot_x, offset in ((cx - 8, offsets[0]), (cx + 8, offsets[1])):
        canvas.fill(line(round(foot_x), feet_y - 4, round(foot_x + offset), feet_y + 6, width=3),
                    DARK)
        canvas.fill(ellipse(foot_x + offset, feet_y + 8, 5, 2.5), EDGE)
    if bow:
        canvas.fill(line(round(cx - 14 + lean), top + 34, round(cx - 20 + lean), top + 44,
                         width=2), DARK)  # an arm sweeping for the bow
    return canvas


def hedge_walk_frames():
    return [walker(step) for step in range(3)]


def hedge_bow_frames():
    return [walker(1, bow) for bow in (1, 2, 3)]


# --- page pictures --------------------------------------------------------------

def gradient(canvas, top_colour, bottom_colour):
    for y in range(canvas.height):
        t = y / max(canvas.height - 1, 1)
        colour = tuple(round(a + (b - a) * t) for a, b in zip(top_colour, bottom_colour))
        for x in range(canvas.width):
            canvas.put(x, y, colour)


def welcome_picture():
    canvas = Canvas(160, 240)
    gradient(canvas, SKY_TOP, SKY_BOTTOM)
    canvas.fill(text("ORVANE", 8, 14, scale=4), WHITE)
    canvas.fill(curve([(80, 104), (60, 70), (140, 60)], width=5), DARK)
    body = ellipse(80, 160, 46, 66)
    shaded(canvas, body)
    buttons = {(x, y) for x, y in body if y < 146}
    canvas.fill(buttons - inner_edge(body), BUTTON)
    canvas.fill({(x, y) for x, y in body if y == 146 or (x == 80 and y < 146)}, EDGE)
    canvas.fill(inner_edge(body), EDGE)
    return canvas


def logo_picture():
    canvas = Canvas(200, 48)
    badge = rounded_rect(2, 2, 198, 46, 10)
    canvas.fill(badge, BLUE)
    canvas.fill(text("ORVANE", 16, 10, scale=4), WHITE)
    canvas.fill(ellipse(178, 24, 7, 7), (230, 60, 60))
    return canvas


def trails_picture():
    canvas = Canvas(96, 48)
    for i, shade in enumerate((200, 160, 110, 0)):
        arrow = moved(polygon([(x * 0.9, y * 0.9) for x, y in ARROW]), 8 + i * 20, 8 + i * 4)
        canvas.fill(ring(arrow), (shade, shade, shade))
        canvas.fill(arrow, WHITE)
    return canvas


def adapter_picture():
    canvas = Canvas(160, 96)
    canvas.fill(curve([(6, 48), (20, 46), (44, 48)], width=4), DARK)
    plug = rect(0, 40, 10, 56)
    canvas.fill(plug, (150, 150, 160))
    canvas.fill(inner_edge(plug), EDGE)
    box = rounded_rect(44, 32, 92, 64, 6)
    shaded(canvas, box, light=(120, 124, 140), shade=(90, 94, 110))
    canvas.fill(text("A", 62, 41, scale=2), WHITE)
    for y, end in ((40, 16), (56, 80)):
        canvas.fill(curve([(92, y), (110, end), (128, end)], width=3), DARK)
        device = ellipse(142, end, 12, 16)
        shaded(canvas, device)
        canvas.fill({(x, yy) for x, yy in device if yy == end - 4}, EDGE)
    return canvas


# --- the stand-in driver file ---------------------------------------------------

def driver_file():
    """Filler bytes with the version stamp 4.2 lying across a 256-byte block boundary."""
    stamp = b"137VERSION" + bytes((4, 2))
    before = (b"Stand-in pointing-device driver for tests and demonstrations.\r\n" * 20)[:1020]
    after = bytes(i % 251 for i in range(1024))
    return before + stamp + after


# --- writing ------------------------------------------------------------------------

def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(data)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(
        os.path.abspath(__file__)), "..", "..")
    bitmaps = os.path.join(root, "setup", "resources", "bitmaps")
    for number, draw in enumerate(DEVICE_PICTURES, start=1):
        write(os.path.join(bitmaps, "mouse%d.bmp" % number), bmp_24(draw()))
    for number, frame in enumerate(double_click_frames(), start=1):
        write(os.path.join(bitmaps, "dbclick%d.bmp" % number), bmp_16_colours(frame))
    for number, frame in enumerate(hedge_walk_frames(), start=1):
        write(os.path.join(bitmaps, "hw%d.bmp" % number), bmp_24(frame))
    for number, frame in enumerate(hedge_bow_frames(), start=1):
        write(os.path.join(bitmaps, "hb%d.bmp" % number), bmp_24(frame))
    write(os.path.join(bitmaps, "welcome.bmp"), bmp_24(welcome_picture()))
    write(os.path.join(bitmaps, "logo.bmp"), bmp_24(logo_picture()))
    write(os.path.join(bitmaps, "trails.bmp"), bmp_24(trails_picture()))
    write(os.path.join(bitmaps, "adapter.bmp"), bmp_24(adapter_picture()))

    cursors = os.path.join(root, "standins", "cursors")
    for number, draw in enumerate(DEFAULT_CURSORS, start=1):
        write(os.path.join(cursors, "P%d.cur" % number), cur_file(draw()))
    write(os.path.join(cursors, "Spinner.ani"), ani_file(spinner_frames(), 6))

    write(os.path.join(root, "standins", "driver", "Orvdrv.vxd"), driver_file())


if __name__ == "__main__":
    main()
