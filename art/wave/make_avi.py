#!/usr/bin/env python3
"""Writes an uncompressed 8-bit AVI from binary PPM frames of one size.

    usage: make_avi.py OUT.avi MICROSECONDS_PER_FRAME FRAME.ppm...

The Windows animation control plays uncompressed (or RLE8) video without sound, so
the file is the plainest AVI there is: one video stream of palette DIBs ('00db'
chunks), the palette in the stream format, and an idx1 index. The palette holds the
256 colours the frames use most, exactly; rarer ones (edge pixels of anti-aliased
drawing) take the nearest of those. It is ordered so the same frames always give the
same bytes.
"""
from collections import Counter
import struct
import sys

AVIF_HASINDEX = 0x10
AVIIF_KEYFRAME = 0x10


def read_ppm(path):
    """Returns (width, height, rows of (r, g, b) tuples, top row first)."""
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    if fields[0] != b"P6" or int(fields[3]) != 255:
        sys.exit(f"{path}: not a binary 8-bit PPM")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:pos + 1 + width * height * 3]
    if len(pixels) != width * height * 3:
        sys.exit(f"{path}: the pixels are cut short")
    rows = []
    for y in range(height):
        row = pixels[y * width * 3:(y + 1) * width * 3]
        rows.append([tuple(row[x * 3:x * 3 + 3]) for x in range(width)])
    return width, height, rows


def chunk(fourcc, payload):
    """A RIFF chunk; odd payloads get the pad byte RIFF asks for."""
    pad = b"\0" if len(payload) % 2 else b""
    return fourcc + struct.pack("<I", len(payload)) + payload + pad


def riff_list(kind, fourcc, payload):
    return kind + struct.pack("<I", len(payload) + 4) + fourcc + payload


def make_palette(frames):
    """Returns (palette, index of every colour the frames use)."""
    uses = Counter(pixel for _, _, rows in frames for row in rows for pixel in row)
    ranked = sorted(uses, key=lambda colour: (-uses[colour], colour))
    palette = sorted(ranked[:256])
    index_of = {colour: i for i, colour in enumerate(palette)}
    for colour in ranked[256:]:
        index_of[colour] = min(range(len(palette)), key=lambda i: sum(
            (a - b) ** 2 for a, b in zip(colour, palette[i])))
    return palette, index_of


def make_avi(frames, width, height, us_per_frame):
    palette, index_of = make_palette(frames)

    # DIB rows run bottom-up, each padded to a multiple of 4 bytes.
    stride = (width + 3) & ~3
    images = []
    for _, _, rows in frames:
        image = bytearray()
        for row in reversed(rows):
            image += bytes(index_of[pixel] for pixel in row)
            image += b"\0" * (stride - width)
        images.append(bytes(image))
    image_size = stride * height
    count = len(images)

    avih = struct.pack("<14I", us_per_frame, image_size * 1000000 // us_per_frame, 0,
                       AVIF_HASINDEX, count, 0, 1, image_size, width, height, 0, 0, 0, 0)
    strh = struct.pack("<4s4sIHHIIIIIIII4h", b"vids", b"DIB ", 0, 0, 0, 0, us_per_frame,
                       1000000, 0, count, image_size, 0xFFFFFFFF, 0, 0, 0, width, height)
    bitmap_info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, image_size, 0, 0,
                              len(palette), 0)
    bitmap_info += b"".join(struct.pack("<4B", b, g, r, 0) for r, g, b in palette)
    strl = riff_list(b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", bitmap_info))
    hdrl = riff_list(b"LIST", b"hdrl", chunk(b"avih", avih) + strl)

    movi = b""
    index = b""
    for image in images:
        # Index offsets count from the 'movi' four-character code.
        index += struct.pack("<4sIII", b"00db", AVIIF_KEYFRAME, 4 + len(movi), len(image))
        movi += chunk(b"00db", image)
    body = hdrl + riff_list(b"LIST", b"movi", movi) + chunk(b"idx1", index)
    return riff_list(b"RIFF", b"AVI ", body)


def main(argv):
    if len(argv) < 4:
        sys.exit(__doc__)
    out, us_per_frame, paths = argv[1], int(argv[2]), argv[3:]
    frames = [read_ppm(path) for path in paths]
    width, height, _ = frames[0]
    for path, (w, h, _) in zip(paths, frames):
        if (w, h) != (width, height):
            sys.exit(f"{path}: {w} x {h}, the first frame is {width} x {height}")
    with open(out, "wb") as f:
        f.write(make_avi(frames, width, height, us_per_frame))


if __name__ == "__main__":
    main(sys.argv)
