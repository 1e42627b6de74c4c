#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpus under tests/fuzz/corpus/<target>/.

Pictures are made small with ImageMagick, heif-enc and cjxl; metafiles,
settings, list and profile texts are written here by hand. Run it again after
changing a seed; the output is committed, so the fuzz runs need none of the
tools.
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "corpus")


def put(target, name, data):
    folder = os.path.join(CORPUS, target)
    os.makedirs(folder, exist_ok=True)
    if isinstance(data, str):
        data = data.encode("utf-8")
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def inv(data):
    """The program's byte inversion: every byte but the last becomes 255 minus it."""
    return bytes(255 - b for b in data[:-1]) + data[-1:] if data else data


# --- pictures ---------------------------------------------------------------

def pictures(tmp):
    src = os.path.join(tmp, "src.png")
    subprocess.run(["convert", "-size", "16x16", "gradient:red-blue", "-fill", "yellow",
                    "-draw", "rectangle 2,2 5,5", src], check=True)
    made = {
        "small.jpg": ["convert", src, "-quality", "70", "jpg:{out}"],
        "progressive.jpg": ["convert", src, "-interlace", "JPEG", "-orient", "RightTop", "jpg:{out}"],
        "small.png": ["convert", src, "png:{out}"],
        "palette.png": ["convert", src, "-colors", "4", "png8:{out}"],
        "alpha.png": ["convert", src, "-alpha", "set", "-channel", "A", "-evaluate", "set", "50%",
                      "png32:{out}"],
        "small.gif": ["convert", src, "gif:{out}"],
        "small.bmp": ["convert", src, "bmp3:{out}"],
        "rle8.bmp": ["convert", src, "-colors", "8", "-compress", "RLE", "bmp3:{out}"],
        "small.ico": ["convert", src, "ico:{out}"],
        "small.webp": ["convert", src, "-quality", "50", "webp:{out}"],
        "small.tif": ["convert", src, "-compress", "lzw", "tiff:{out}"],
    }
    for name, cmd in made.items():
        out = os.path.join(tmp, name)
        subprocess.run([c.replace("{out}", out) for c in cmd], check=True)
        put("picture", name, open(out, "rb").read())
    for name, cmd in {
        "small.heic": ["heif-enc", "-q", "30", "-o", "{out}", src],
        "small.avif": ["heif-enc", "-A", "-q", "30", "-o", "{out}", src],
        "small.jxl": ["cjxl", src, "{out}", "-d", "3", "--quiet"],
    }.items():
        out = os.path.join(tmp, name)
        subprocess.run([c.replace("{out}", out) for c in cmd], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        put("picture", name, open(out, "rb").read())
    # Hand-made edge cases: a bitmap whose header promises more rows than
    # follow, and one of a huge declared size.
    bmp = open(os.path.join(tmp, "small.bmp"), "rb").read()
    put("picture", "cut.bmp", bmp[: len(bmp) // 2])
    put("picture", "huge.bmp", bmp[:18] + struct.pack("<ii", 30000, 30000) + bmp[26:])


# --- metafiles ----------------------------------------------------------------

def u32(*v):
    return b"".join(struct.pack("<I", x & 0xFFFFFFFF) for x in v)


def i16(*v):
    return b"".join(struct.pack("<H", x & 0xFFFF) for x in v)


def dib():
    # A 2 x 1 bitmap, red then blue, 24 bits a pixel.
    return u32(40, 2, 1) + i16(1, 24) + u32(0, 8, 0, 0, 0, 0), b"\x00\x00\xff\xff\x00\x00\x00\x00"


def emf():
    records = []

    def rec(kind, params=b""):
        records.append(u32(kind, 8 + len(params)) + params)

    rec(37, u32(0x80000008))
    rec(39, u32(1, 0, 0x0000FF, 0)); rec(37, u32(1))
    rec(43, u32(10, 10, 40, 40))
    rec(42, u32(50, 10, 90, 50))
    rec(86, u32(0, 0, 0, 0, 3) + i16(100, 10, 140, 10, 100, 50))
    rec(91, u32(0, 0, 0, 0, 2, 8, 4, 4) + i16(150, 10, 160, 10, 160, 20, 150, 20,
                                              170, 10, 180, 10, 180, 20, 170, 20))
    rec(47, u32(10, 50, 50, 90, 50, 70, 30, 50))
    rec(38, u32(6, 0, 3, 0, 0)); rec(37, u32(6))
    rec(27, u32(60, 60)); rec(54, u32(100, 60))
    rec(59); rec(86, u32(0, 0, 0, 0, 3) + i16(60, 70, 90, 70, 60, 90)); rec(60)
    rec(62, u32(0, 0, 0, 0))
    rec(33); rec(30, u32(110, 60, 120, 70)); rec(43, u32(100, 55, 140, 90)); rec(34, u32(0xFFFFFFFF))
    rec(17, u32(8)); rec(9, u32(1000, 1000)); rec(11, u32(10, 10)); rec(12, u32(150, 40))
    bmi, bits = dib()
    rec(81, u32(0, 0, 0, 0, 150, 60, 0, 0, 2, 1, 80, len(bmi), 80 + len(bmi), len(bits), 0,
                0xCC0020, 40, 20) + bmi + bits)
    rec(82, u32(10, (-20) & 0xFFFFFFFF, 0, 0, 0, 700, 0, 0) + bytes(64))
    rec(37, u32(10)); rec(18, u32(1))
    text = "Hi".encode("utf-16-le")
    rec(84, u32(0, 0, 0, 0, 1, 0, 0, 150, 80, 2, 76, 0, 0, 0, 0, 0, 0) + text)
    rec(14, u32(0, 16, 20))
    body = b"".join(records)
    header = u32(1, 88, 0, 0, 191, 95, 0, 0, 5080, 2540, 0x464D4520, 0x10000)
    header += u32(88 + len(body), len(records) + 1) + i16(16, 0) + u32(0, 0, 0, 960, 960, 254, 254)
    return header + body


def wmf(placeable=True):
    records = []

    def rec(fn, params=b""):
        records.append(u32(3 + len(params) // 2) + i16(fn) + params)

    rec(0x020C, i16(96, 192))
    rec(0x02FC, i16(0) + u32(0x0000FF) + i16(0))
    rec(0x02FA, i16(5, 0, 0) + u32(0))
    rec(0x012D, i16(0)); rec(0x012D, i16(1))
    rec(0x041B, i16(40, 40, 10, 10))
    rec(0x01F0, i16(0))
    rec(0x02FC, i16(0) + u32(0xFF0000) + i16(0)); rec(0x012D, i16(0))
    rec(0x0418, i16(50, 90, 10, 50))
    rec(0x0324, i16(3, 100, 10, 140, 10, 100, 50))
    rec(0x0538, i16(2, 4, 4, 150, 60, 160, 60, 160, 70, 150, 70, 170, 60, 180, 60, 180, 70, 170, 70))
    bmi, bits = dib()
    rec(0x0B41, u32(0xCC0020) + i16(1, 2, 0, 0, 20, 40, 60, 10) + bmi + bits)
    rec(0x0521, i16(2) + b"Hi" + i16(20, 20))
    rec(0)
    body = b"".join(records)
    words = len(body) // 2
    header = i16(1, 9, 0x0300) + u32(9 + words) + i16(2) + u32(64) + i16(0)
    if not placeable:
        return header + body
    p = u32(0x9AC6CDD7) + i16(0, 0, 0, 192, 96, 96) + u32(0)
    s = 0
    for i in range(0, 20, 2):
        s ^= p[i] | (p[i + 1] << 8)
    return p + i16(s) + header + body


def metafiles():
    for target in ("metafile", "picture"):
        put(target, "drawing.emf", emf())
        put(target, "clipart.wmf", wmf())
        put(target, "plain.wmf", wmf(placeable=False))
    put("metafile", "cut.emf", emf()[:200])


# --- texts --------------------------------------------------------------------

def texts():
    sep = "\x01"
    put("picture_list", "both.tsy",
        "/home/user/Pictures/\r\nsea.jpg\r\n/home/user/Pictures/\r\nhills.png\r\n" + sep +
        "\r\n/home/user/Pictures\r\n/media/photos/2019\r\n")
    put("picture_list", "odd.tsy", "/a/\r\nx.jpg\r\n/b/\r\n" + sep + "\r\n/c\r\n")
    put("picture_list", "mixed-ends.tsy", "/a/\nb.jpg\r/c/\r\nd é.jpg\n\x01\n/e\n")
    put("picture_list", "files-only.tsy", "C:\\Pictures\\\r\nold.bmp\r\n")

    put("settings_store", "earlier-run.conf",
        "[Options]\n1strun=False\nWallpaperTimer=True\nIntervalTimer=25\nTechniqueTimer=0\n"
        "WallPaperPosition=Fit screen (Reduce)\nEGamma=1.5\nEBright=120\nWPSource=1\n"
        "WaterMarkText=\"Orvane Tessaly - #fn, #d\"\nWaterMarkColor=16777215\nIntTimeOut=30\n"
        "IntProxy=127.0.0.1:3128\nCurWallPaper=3\n"
        "[frmclock]\nLeft=1200\nTop=800\nTransparency=180\n"
        "[HK0]\nKey=67\nModifiers=6\n[Internet]\nIntCL=1\n1=1\n2=0\n")
    put("settings_store", "hand-edited.conf",
        "[Options]\nIntervalTimer = 1e9\nEGamma=1,25\nAutoStart=yes\nTechniqueTimer=7\n"
        "WaterMarkText=a, b, c\nWaterMarkSize=-3\nIntCoolDown=nan\n%General=x\n"
        "Key\\With\\Slashes=1\nutf8=\xc3\xa9\n")
    put("settings_store", "variants.conf",
        "[Options]\nEGamma=@Variant(\\0\\0\\0\\x87?\\xc0\\0\\0)\nWaterMarkFont=@ByteArray(DejaVu)\n"
        "WaterMarkText=@String(x)\nIntervalTimer=\"12\"\n")

    catalogue = ("[info]\r\ntime=30\r\n[cat1]\r\nname=Landscapes\r\nurl1=http://127.0.0.1:8642/p/1.html\r\n"
                 "url2=http://127.0.0.1:8642/p/2.html\r\n[cat2]\r\nname=Sea\r\nurl1=/p/3.html\r\n"
                 "; a comment\r\n[CAT3]\r\nNAME = Mixed Case \r\nurl1=\r\nurl2=x\r\n")
    put("profile", "catalogue.ini", catalogue)
    put("profile", "edge.ini", "[info]\ntime=-5\n[cat1\nname=x\n[]\nname=y\n[cat1]\n=v\nname=" +
        "n" * 200 + "\nname=second\n")
    put("profile", "internet-list.txt", "http://127.0.0.1:8642/a.jpg\r\n\r\n  http://x/b.jpg  \r\n")

    # Cache: the first byte says where the index ends (out of 255).
    index = ("<http://127.0.0.1:8642/p/1.html>\r\n<pos>0</pos>\r\n<len>5</len>\r\n"
             "</http://127.0.0.1:8642/p/1.html>\r\n<http://x/a.jpg>\r\n<pos>6</pos>\r\n<len>3</len>\r\n"
             "</http://x/a.jpg>\r\n").encode()
    item = inv(b"hello") + inv(b"abc")
    whole = index + item
    put("cache_index", "two-items", bytes([len(index) * 255 // len(whole) + 1]) + whole)
    bad = (b"<k>\r\n<pos>99999999999999999</pos>\r\n<len>9223372036854775807</len>\r\n</k>\r\n"
           b"<j>\r\n<pos>-4</pos>\r\n<len>2</len>\r\n</j>\r\n<open>\r\n<pos>1</pos>\r\n")
    put("cache_index", "bad-records", bytes([230]) + bad + b"xyz")

    put("html_links", "page.html",
        '<html><body><A HREF="a.jpg">a</A> <a href="/img/b.JPG">b</a>\n'
        '<a href="http://127.0.0.1:8642/c.jpg"> <A HREF="../d.png"> <a HREF="https://x/y.jpg">'
        '<a href="?q=1&amp;r=.jpg"><a href="//host/e.jpg"><a href="f.jpg')
    put("html_links", "odd.html", 'A HREF=""A HREF="jpg"A HREF=" spaced name.jpg"'
                                  'A HREF="\\\\server\\share\\x.jpg"')

    put("watermark", "default", "\x05Orvane Tessaly - #fn")
    put("watermark", "fields", "\x03<b>#fp</b> <u>#fd</u> <i>#t #d</i> ##fn #f")
    put("watermark", "unclosed", "\x01<b><i>a long line that wraps around the small canvas "
                                 "several times over and over again </u></b>")
    put("watermark", "spaces", "\x02     \t  ")


def photo_feeds():
    """Photo feeds of the three public shapes, made up, and one cut short."""
    media = ('<?xml version="1.0"?>\n<rss version="2.0" xmlns:media="http://search.yahoo.com/mrss/">'
             '<channel><title>Harbour</title><item><title>Boats</title><media:group>'
             '<media:content url="/p/s.jpg" medium="image" width="320"/>'
             '<media:content url="http://127.0.0.1:8642/p/l.jpg" medium="image" width="1920"/>'
             '</media:group></item><item><media:content url="c.png" type="image/png" '
             'isDefault="true"/></item></channel></rss>\n')
    put("photo_feeds", "media.xml", media)
    put("photo_feeds", "rss2.xml",
        '<rss version="2.0"><channel><title>Lake</title><item><title>Mon</title>'
        '<enclosure url="http://127.0.0.1:8642/p/mon.jpg" type="image/jpeg" length="9"/></item>'
        '<item><enclosure url="x.mp3" type="audio/mpeg"/></item>'
        '<item><link>http://127.0.0.1:8642/p/tue.html</link></item></channel></rss>')
    put("photo_feeds", "atom.xml",
        '<feed xmlns="http://www.w3.org/2005/Atom"><title type="html">F &amp;lt;i&amp;gt;</title>'
        '<entry><link rel="enclosure" type="image/jpeg" href="//127.0.0.1/o.jpg"/>'
        '<link rel="enclosure" href="f.JPEG"/></entry><entry><link href="m.jpg"/></entry></feed>')
    put("photo_feeds", "cut.xml", media[:150])


def main():
    if os.path.isdir(CORPUS):
        shutil.rmtree(CORPUS)
    with tempfile.TemporaryDirectory() as tmp:
        pictures(tmp)
    metafiles()
    texts()
    photo_feeds()
    total = sum(os.path.getsize(os.path.join(d, f)) for d, _, fs in os.walk(CORPUS) for f in fs)
    print(f"corpus written: {total} bytes", file=sys.stderr)


if __name__ == "__main__":
    main()
