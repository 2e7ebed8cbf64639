#!/usr/bin/env python3
"""Draws the dialogs' pictures once: the six image buttons' released pictures
(24 x 20, 24-bit BMP) and the four category icons (32 x 32, 32-bit ICO with
its AND mask). Run from this folder: python3 draw_pictures.py . (the files it writes are committed;
rerun it only to change a picture)"""
import math, struct, sys, os

FACE = (0xE1, 0xE6, 0xEE)
INK = (0x33, 0x4E, 0x68)
BLUE = (0x2F, 0x6F, 0xB0)
GREEN = (0x2E, 0x8B, 0x57)
RED = (0xC0, 0x39, 0x2B)
PAPER = (0xFF, 0xFF, 0xFF)
BOOK = (0x8E, 0x44, 0xAD)
BOOK2 = (0xD3, 0x84, 0x2E)
GLASS = (0xCF, 0xE8, 0xFA)
CHIP = (0x2B, 0x2F, 0x36)
PIN = (0xA8, 0xB0, 0xBA)

class Canvas:
    def __init__(s, w, h, bg):
        s.w, s.h = w, h
        s.p = [[bg] * w for _ in range(h)]
    def set(s, x, y, c):
        if 0 <= x < s.w and 0 <= y < s.h: s.p[y][x] = c
    def rect(s, l, t, r, b, c):  # filled, right/bottom exclusive
        for y in range(t, b):
            for x in range(l, r): s.set(x, y, c)
    def frame(s, l, t, r, b, c):
        for x in range(l, r): s.set(x, t, c); s.set(x, b - 1, c)
        for y in range(t, b): s.set(l, y, c); s.set(r - 1, y, c)
    def line(s, x0, y0, x1, y1, c, thick=1):
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(n + 1):
            x = round(x0 + (x1 - x0) * i / n); y = round(y0 + (y1 - y0) * i / n)
            for dx in range(thick):
                for dy in range(thick): s.set(x + dx, y + dy, c)
    def ring(s, cx, cy, r, c, fill=None):
        for y in range(s.h):
            for x in range(s.w):
                d = math.hypot(x - cx, y - cy)
                if fill and d < r - 0.5: s.set(x, y, fill)
                if r - 1.0 <= d < r + 0.5: s.set(x, y, c)
    def arrow_right(s, x, y, length, c):  # shaft at row y, head at x+length
        s.rect(x, y - 1, x + length - 2, y + 1, c)
        for i in range(4): s.rect(x + length - 4 + i, y - 3 + i, x + length - 3 + i, y + 3 - i, c)
    def arrow_left(s, x, y, length, c):  # head at x
        s.rect(x + 2, y - 1, x + length, y + 1, c)
        for i in range(4): s.rect(x + 3 - i, y - 3 + i, x + 4 - i, y + 3 - i, c)

def book(cv, l, t, color):
    cv.rect(l, t, l + 9, t + 14, color)
    cv.frame(l, t, l + 9, t + 14, INK)
    cv.rect(l + 2, t + 3, l + 7, t + 5, PAPER)
    cv.rect(l + 1, t + 12, l + 8, t + 13, PAPER)

def document(cv, l, t, w, h):
    cv.rect(l, t, l + w, t + h, PAPER)
    cv.frame(l, t, l + w, t + h, INK)
    for y in range(t + 3, t + h - 2, 3): cv.rect(l + 2, y, l + w - 2, y + 1, PIN)

def magnifier(cv, cx, cy, r):
    cv.ring(cx, cy, r, INK, GLASS)
    cv.line(cx + r - 1, cy + r - 1, cx + r + 4, cy + r + 4, INK, 2)

def button(name):
    cv = Canvas(24, 20, FACE)
    if name == "GETLIB":    # out of the library
        book(cv, 2, 3, BOOK); cv.arrow_right(12, 10, 10, GREEN)
    elif name == "PUTLIB":  # into the library
        book(cv, 13, 3, BOOK); cv.arrow_right(1, 10, 11, BLUE)
    elif name == "DEFAULT":  # the defaults sheet, ticked
        document(cv, 4, 2, 12, 16)
        cv.line(13, 12, 15, 15, GREEN, 2); cv.line(15, 15, 20, 6, GREEN, 2)
    elif name == "PUTTOXR":  # two names linked both ways
        document(cv, 1, 2, 8, 11); document(cv, 15, 7, 8, 11)
        cv.arrow_right(8, 5, 9, BLUE); cv.arrow_left(7, 15, 9, BLUE)
    elif name == "SEARCH1":  # a search from where the name starts
        cv.rect(2, 3, 4, 17, RED); magnifier(cv, 12, 8, 5)
    elif name == "SEARCH2":  # a search anywhere
        magnifier(cv, 10, 8, 5)
    return cv

def icon(number):
    cv = Canvas(32, 32, None)
    if number == 104:  # a part: a resistor between two leads
        cv.rect(1, 15, 31, 17, PIN)
        cv.rect(7, 10, 25, 22, BOOK2); cv.frame(7, 10, 25, 22, INK)
        for x, c in ((11, RED), (15, (0x1A, 0x1A, 0x1A)), (19, GREEN)): cv.rect(x, 11, x + 2, 21, c)
        return cv
    cv.rect(6, 4, 26, 28, CHIP)  # an integrated circuit with its pins
    for y in range(6, 27, 4): cv.rect(2, y, 6, y + 2, PIN); cv.rect(26, y, 30, y + 2, PIN)
    cv.rect(8, 6, 11, 8, PIN)
    if number == 103:    # digital: a square wave
        pts = [(9, 20), (12, 20), (12, 12), (16, 12), (16, 20), (20, 20), (20, 12), (23, 12)]
        for a, b in zip(pts, pts[1:]): cv.line(*a, *b, (0x7F, 0xD1, 0x8B))
    elif number == 105:  # memory: a grid of cells
        for y in range(11, 24, 4):
            for x in range(9, 23, 4): cv.rect(x, y, x + 3, y + 3, (0x7F, 0xB8, 0xF0))
    elif number == 106:  # analog: a sine
        prev = None
        for x in range(9, 24):
            y = round(16 - 5 * math.sin((x - 9) / 14 * 2 * math.pi))
            if prev: cv.line(prev[0], prev[1], x, y, (0xF5, 0xC1, 0x6C))
            prev = (x, y)
    return cv

def bmp(cv):
    row = (cv.w * 3 + 3) & ~3
    data = b"".join(b"".join(bytes((c[2], c[1], c[0])) for c in cv.p[y]).ljust(row, b"\0") for y in reversed(range(cv.h)))
    header = struct.pack("<IiiHHIIiiII", 40, cv.w, cv.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(header) + len(data), 0, 0, 14 + len(header)) + header + data

def ico(cv):
    xor = b"".join(b"".join(bytes((c[2], c[1], c[0], 255)) if c else b"\0\0\0\0" for c in cv.p[y]) for y in reversed(range(cv.h)))
    mask_row = ((cv.w + 31) // 32) * 4
    mask = b""
    for y in reversed(range(cv.h)):
        bits = 0
        for x in range(cv.w):
            if cv.p[y][x] is None: bits |= 1 << (mask_row * 8 - 1 - x)
        mask += bits.to_bytes(mask_row, "big")
    header = struct.pack("<IiiHHIIiiII", 40, cv.w, cv.h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    return struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", cv.w, cv.h, 0, 0, 1, 32, len(image), 22) + image

out = sys.argv[1]
os.makedirs(out, exist_ok=True)
for name in ("GETLIB", "DEFAULT", "PUTLIB", "PUTTOXR", "SEARCH1", "SEARCH2"):
    open(os.path.join(out, name.lower() + ".bmp"), "wb").write(bmp(button(name)))
for number in (103, 104, 105, 106):
    open(os.path.join(out, f"icon{number}.ico"), "wb").write(ico(icon(number)))
