#!/usr/bin/env python3
"""Draws the window's two design pictures: the customer logo (217 x 163) and the 16 x 16 printer
icon. Run it from this folder to make logo.png and printer.png again; plain Python, no libraries."""
import struct
import zlib

# A 5 x 7 block font, just the letters the logo needs.
FONT = {
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "I": ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    "Q": ["01110", "10001", "10001", "10001", "10101", "10010", "01101"],
    "U": ["10001", "10001", "10001", "10001", "10001", "10001", "01110"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    " ": ["00000"] * 7,
}


class Canvas:
    def __init__(self, w, h, colour):
        self.w, self.h = w, h
        self.px = [[colour] * w for _ in range(h)]

    def rect(self, x, y, w, h, colour):
        for j in range(max(0, y), min(self.h, y + h)):
            for i in range(max(0, x), min(self.w, x + w)):
                self.px[j][i] = colour

    def ellipse(self, cx, cy, rx, ry, colour):
        for j in range(self.h):
            for i in range(self.w):
                if ((i - cx) / rx) ** 2 + ((j - cy) / ry) ** 2 <= 1.0:
                    self.px[j][i] = colour

    def text(self, x, y, s, scale, colour):
        for ch in s:
            for row, bits in enumerate(FONT[ch]):
                for col, bit in enumerate(bits):
                    if bit == "1":
                        self.rect(x + col * scale, y + row * scale, scale, scale, colour)
            x += 6 * scale

    def png(self, path):
        raw = b"".join(b"\x00" + b"".join(struct.pack("BBB", *c) for c in row) for row in self.px)

        def chunk(kind, data):
            return (struct.pack(">I", len(data)) + kind + data
                    + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n")
            f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", self.w, self.h, 8, 2, 0, 0, 0)))
            f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
            f.write(chunk(b"IEND", b""))


NAVY = (24, 46, 96)
GOLD = (214, 168, 60)
WHITE = (255, 255, 255)
GREY = (150, 150, 150)


def logo():
    c = Canvas(217, 163, WHITE)
    c.rect(0, 0, 217, 163, NAVY)
    c.rect(4, 4, 209, 155, WHITE)
    c.rect(8, 8, 201, 147, NAVY)
    # A shoe: the upper from ankle to toe, laces, and the sole under it.
    c.ellipse(122, 76, 54, 15, WHITE)
    c.rect(62, 42, 34, 40, WHITE)
    c.ellipse(79, 42, 17, 5, WHITE)
    for k in range(4):
        c.rect(98 + 10 * k, 63 + 2 * k, 7, 2, NAVY)
    c.rect(60, 88, 120, 7, GOLD)
    c.ellipse(174, 88, 6, 3.5, GOLD)
    c.text(24, 114, "ORVENNA", 4, GOLD)
    c.text(68, 20, "ETIQUETAS", 1, WHITE)
    c.png("logo.png")


def printer():
    c = Canvas(16, 16, WHITE)
    c.rect(4, 1, 8, 5, WHITE)
    c.rect(4, 1, 8, 1, GREY)
    c.rect(4, 1, 1, 5, GREY)
    c.rect(11, 1, 1, 5, GREY)
    c.rect(1, 6, 14, 6, NAVY)
    c.rect(12, 7, 2, 1, GOLD)
    c.rect(3, 10, 10, 1, (10, 20, 50))
    c.rect(4, 11, 8, 4, WHITE)
    c.rect(4, 14, 8, 1, GREY)
    c.rect(5, 12, 6, 1, GREY)
    c.png("printer.png")


if __name__ == "__main__":
    logo()
    printer()
