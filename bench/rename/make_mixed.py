"""Writes N files of today's mixed camera folder, each with its own capture
time, in turn: a JPEG (200 KB), a CR2-like TIFF RAW (25 MB, its Exif directory
and maker note after IFD0), a HEIC (2 MB, a grid of 48 tiles and the Exif
item in its mdat) and a MOV (50 MB, moov after mdat, QuickTime creationdate).
The large files are sparse: only their metadata is written.
Usage: make_mixed.py OUT_DIR N
"""
import datetime
import os
import struct
import sys

out, n = sys.argv[1], int(sys.argv[2])


def tiff(moment, model=b"Canon EOS R6\0", maker_note=0, cr2=False, base=0):
    """Little-endian TIFF: IFD0 (Make, Model, DateTime, ExifOffset), then the
    Exif directory (ExposureTime, FNumber, ISO, DateTimeOriginal, MakerNote),
    then the values. Offsets count from the header, which lies at `base` in
    the file only for the caller's bookkeeping."""
    ifd0 = [(271, 2, b"Canon\0"), (272, 2, model), (306, 2, moment + b"\0")]
    exif = [(33434, 5, struct.pack("<II", 1, 250)), (33437, 5, struct.pack("<II", 28, 10)),
            (34855, 3, struct.pack("<H", 100)), (36867, 2, moment + b"\0")]
    if maker_note:
        exif.append((37500, 7, b"\x01" * maker_note))
    head = b"II*\0" + struct.pack("<I", 16) + (b"CR\x02\0\0\0\0\0" if cr2 else b"\0" * 8)
    ifd0_size = 2 + 12 * (len(ifd0) + 1) + 4
    exif_at = len(head) + ifd0_size
    data_at = exif_at + 2 + 12 * len(exif) + 4
    data = b""

    def directory(entries, extra=b""):
        nonlocal data
        out = struct.pack("<H", len(entries) + (1 if extra else 0))
        for tag, typ, value in entries:
            size = {2: 1, 3: 2, 5: 8, 7: 1}[typ]
            count = len(value) // size
            if len(value) <= 4:
                out += struct.pack("<HHI", tag, typ, count) + value.ljust(4, b"\0")
            else:
                out += struct.pack("<HHII", tag, typ, count, data_at + len(data))
                data += value
        return out + extra + b"\0\0\0\0"

    first = directory(ifd0, struct.pack("<HHII", 34665, 4, 1, exif_at))
    second = directory(exif)
    return head + first + second + data


def box(kind, payload):
    return struct.pack(">I", 8 + len(payload)) + kind + payload


def full_box(kind, version, payload):
    return box(kind, struct.pack(">I", version << 24) + payload)


def heic(moment):
    exif = struct.pack(">I", 6) + b"Exif\0\0" + tiff(moment, b"iPhone 15\0")
    items = 48
    infes = b"".join(full_box(b"infe", 2, struct.pack(">HH", i, 0) + b"hvc1\0") for i in range(1, items + 1))
    infes += full_box(b"infe", 2, struct.pack(">HH", items + 1, 0) + b"Exif\0")
    iinf = full_box(b"iinf", 0, struct.pack(">H", items + 1) + infes)

    def iloc(data_at):
        entries = b""
        for i in range(1, items + 1):
            entries += struct.pack(">HHHIHII", i, 0, 0, data_at, 1, 4096 + 30000 * (i - 1), 30000)
        entries += struct.pack(">HHHIHII", items + 1, 0, 0, data_at, 1, 0, len(exif))
        return full_box(b"iloc", 1, b"\x44\x40" + struct.pack(">H", items + 1) + entries)

    hdlr = full_box(b"hdlr", 0, b"\0\0\0\0pict" + b"\0" * 13)
    ftyp = box(b"ftyp", b"heic\0\0\0\0mif1heic")
    meta_size = len(full_box(b"meta", 0, hdlr + iinf + iloc(0)))
    data_at = len(ftyp) + meta_size + 16
    return ftyp + full_box(b"meta", 0, hdlr + iinf + iloc(data_at)), data_at, exif


def mov_moov(moment):
    stamp = moment.decode().replace(":", "-", 2).replace(" ", "T") + "+0100"
    key = b"com.apple.quicktime.creationdate"
    keys = full_box(b"keys", 0, struct.pack(">I", 1) + struct.pack(">I", 8 + len(key)) + b"mdta" + key)
    value = box(b"data", struct.pack(">II", 1, 0) + stamp.encode())
    ilst = box(b"ilst", struct.pack(">I", 8 + len(value)) + struct.pack(">I", 1) + value)
    meta = box(b"meta", full_box(b"hdlr", 0, b"\0\0\0\0mdta" + b"\0" * 13) + keys + ilst)
    mvhd = full_box(b"mvhd", 0, struct.pack(">II", 3600000000, 3600000000) + b"\0" * 88)
    trak = box(b"trak", b"\0" * 20000)
    return box(b"moov", mvhd + trak + trak + meta)


def write(path, parts, size):
    with open(path, "wb") as f:
        for offset, data in parts:
            f.seek(offset)
            f.write(data)
        f.truncate(size)


os.makedirs(out, exist_ok=True)
start = datetime.datetime(2001, 1, 1)
for i in range(n):
    moment = (start + datetime.timedelta(seconds=61 * i)).strftime("%Y:%m:%d %H:%M:%S").encode()
    name = os.path.join(out, "IMG_%05d" % i)
    kind = i % 4
    if kind == 0:
        t = tiff(moment, b"Canon EOS 40D\0")
        app1 = b"Exif\0\0" + t
        jpeg = b"\xff\xd8\xff\xe1" + struct.pack(">H", len(app1) + 2) + app1 + b"\xff\xda\0\x02"
        write(name + ".jpg", [(0, jpeg + b"\x11" * (200000 - len(jpeg)))], 200000)
    elif kind == 1:
        write(name + ".cr2", [(0, tiff(moment, maker_note=30000, cr2=True))], 25 * 1024 * 1024)
    elif kind == 2:
        head, data_at, exif = heic(moment)
        mdat = struct.pack(">I", 2 * 1024 * 1024 - len(head)) + b"mdat"
        write(name + ".heic", [(0, head + mdat), (data_at, exif)], 2 * 1024 * 1024)
    else:
        ftyp = box(b"ftyp", b"qt  \0\0\0\0qt  ")
        media = 50 * 1024 * 1024
        mdat = struct.pack(">I", 1) + b"mdat" + struct.pack(">Q", media)
        moov = mov_moov(moment)
        write(name + ".mov", [(0, ftyp + mdat), (len(ftyp) + media, moov)], len(ftyp) + media + len(moov))
