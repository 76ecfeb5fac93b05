"""Writes N copies of the sample photos, each with its own capture time.

The seed's DateTimeOriginal text (as ExifTool reports it) is overwritten in
place wherever it occurs in the file's head, so DateTime and CreateDate, which
cameras write with the same text, change along with it.
Usage: make_photos.py PHOTOS_DIR OUT_DIR N SEED_TIMES_FILE
"""
import datetime
import os
import sys

photos, out, n, seed_file = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
seeds = []
with open(seed_file, encoding="utf-8") as f:
    for line in f:
        name, value = line.rstrip("\n").split("\t")
        data = open(os.path.join(photos, name), "rb").read()
        stamp = value.encode()
        if len(stamp) == 19 and stamp in data[:65536]:
            seeds.append((data, stamp))
os.makedirs(out, exist_ok=True)
start = datetime.datetime(2001, 1, 1)
for i in range(n):
    data, stamp = seeds[i % len(seeds)]
    moment = (start + datetime.timedelta(seconds=61 * i)).strftime("%Y:%m:%d %H:%M:%S").encode()
    head = data[:65536].replace(stamp, moment)
    with open(os.path.join(out, "IMG_%05d.jpg" % i), "wb") as f:
        f.write(head + data[65536:])
