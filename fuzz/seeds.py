#!/usr/bin/env python3
"""Writes the seed corpora of fuzz/corpus/<target>/ (run from anywhere; the files are kept in
the repository, so run it again only to change them). Inputs for the targets that read through
FuzzedDataProvider are composed as it takes them apart: strings from the front, each ended by a
backslash and another character; numbers and flags from the back, in the order the target asks.
fuzz_datafile's Access seeds are our own test fixture and parts of it; fuzz_mdb_dump also gets
what rusk-mdb-dump writes for it, when a built helper is named: seeds.py [RUSK_MDB_DUMP]."""

import os
import re
import sqlite3
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORPUS = os.path.join(ROOT, "fuzz", "corpus")
JET4 = os.path.join(ROOT, "tests", "storage", "fixtures", "node-adodb.mdb")


class Input:
    """An input as FuzzedDataProvider will read it."""

    def __init__(self):
        self.front = b""
        self.back = []  # bytes in the order they are taken from the end

    def text(self, s):
        b = s if isinstance(s, bytes) else s.encode("utf-8")
        self.front += b.replace(b"\\", b"\\\\") + b"\\;"
        return self

    def raw(self, b):
        self.front += b
        return self

    def int(self, value, lo, hi):
        span, v, n = hi - lo, value - lo, 0
        while n < 8 and span >> (8 * n):
            n += 1
        self.back += [(v >> (8 * (n - 1 - i))) & 0xFF for i in range(n)]
        return self

    def flag(self, on):
        return self.int(1 if on else 0, 0, 255)

    def bytes(self):
        return self.front + bytes(reversed(self.back))


def write(target, name, data):
    folder = os.path.join(CORPUS, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


# --- fuzz_link: op, model, pull-out, then per request (at once, reply); extras per op.
READ_SETTINGS, READ_ONE, READ_ALL, LIVE, WRITE = range(5)
CODES = ["2%X" % i for i in range(16)] + ["3%d" % i for i in range(9)] + \
    ["4%d" % i for i in range(5)] + ["5%d" % i for i in range(6)] + \
    ["6%d" % i for i in range(10)] + ["7%d" % i for i in range(5)] + \
    ["8%d" % i for i in range(6)] + ["90", "91"]


def link(op, f800=False, pull=None, replies=(), at_once=255, extra=()):
    i = Input().int(op, 0, 4).flag(f800).flag(pull is not None)
    if pull is not None:
        i.int(pull, 0, 40)
    for lo, hi in extra:
        i.int(lo, 0, hi)
    for r in replies:
        i.int(min(at_once, 255), 0, 255).text(r)
    return i.bytes()


def setting_replies(value="00002", end=b"\r\n"):
    return [b"RA+000123" + end] + [("W" + c + value).encode() + end for c in CODES]


def product_replies(n, end=b"\r\n"):
    return [("W00%05d" % n).encode() + end] + \
        [("W1%d%05d" % (k, n * 10 + k)).encode() + end for k in range(8)]


write("fuzz_link", "read-settings-f805", link(READ_SETTINGS, replies=setting_replies()))
write("fuzz_link", "read-settings-f800", link(READ_SETTINGS, True, replies=setting_replies("00001")))
write("fuzz_link", "read-settings-lone-lf", link(READ_SETTINGS, replies=setting_replies(end=b"\n")))
write("fuzz_link", "read-settings-trickle", link(READ_SETTINGS, replies=setting_replies(), at_once=2))
write("fuzz_link", "read-settings-silent", link(READ_SETTINGS))
write("fuzz_link", "read-settings-odd", link(READ_SETTINGS, replies=[
    b"RA\r\n", b"W20\x0000\r\n", b"W2\r\n", b"X\r\n", b"W21" + b"9" * 300 + b"\r\n",
    b"W2200001", b"\r\n", b"W23\r\r\n", b"W00005\r\n", b"\xff\xfe\r\n"]))
write("fuzz_link", "read-settings-pulled", link(READ_SETTINGS, pull=5, replies=setting_replies()))
write("fuzz_link", "read-one-product", link(READ_ONE, extra=[(5, 99)],
                                            replies=[b"RA0\r\n"] + product_replies(5)))
write("fuzz_link", "read-one-product-other", link(READ_ONE, extra=[(5, 99)],
                                                  replies=[b"RA0\r\n"] + product_replies(12)))
write("fuzz_link", "read-all-products", link(READ_ALL, replies=[b"RA0\r\n"] + sum(
    (product_replies(n) for n in range(4)), [])))
write("fuzz_link", "read-products-long", link(READ_ALL, replies=[b"RA0\r\n", b"W00" + b"7" * 5000]))


def live(presses, f800=False):
    """Live-data presses: (button, probe reply, read reply) each."""
    i = Input().int(LIVE, 0, 4).flag(f800).flag(False).int(len(presses), 1, 8)
    for button, probe, reply in presses:
        i.int(button, 0, 10).int(255, 0, 255).text(probe).int(255, 0, 255).text(reply)
    return i.bytes()


write("fuzz_link", "live-reads", live([(0, b"RA0\r\n", b"RA+000100\r\n"),
                                       (3, b"RA0\r\n", b"RD1100101\r\n"),
                                       (7, b"RA0\r\n", b"RH00012\r\n"),
                                       (10, b"RA0\r\n", b"RK+001234+000010\r\n")]))
write("fuzz_link", "live-status-odd", live([(5, b"RA\n", b"RF\x01\x7f9\r\n"),
                                            (1, b"RA0\r\n", b"W0000012\r\n")], True))
write("fuzz_link", "write-settings", link(WRITE, replies=setting_replies() + [b"RA0\r\n"] +
                                          [b"W0000000\r\n"] * 12))
write("fuzz_link", "write-settings-f800", link(WRITE, True, replies=setting_replies("00003") +
                                               [b"RA0\r\n"] + [b"W0000000\r\n"] * 12))
write("fuzz_link", "write-settings-silent", link(WRITE, replies=setting_replies()))
write("fuzz_link", "write-settings-pulled", link(WRITE, pull=9, replies=setting_replies() +
                                                 [b"RA0\r\n"] + [b"W00\r\n"] * 12))

# --- fuzz_decoding: model, places, text; position; family, index, stored text, mask.


def decoding(text, places=2, f800=False, typed=False, pos=5, family=2, index=0, stored="",
             mask="00999"):
    i = Input().flag(f800).int(places, -1, 9).flag(typed).text(text).int(pos, -2, 12)
    i.int(family, 0, 10).int(index, -1, 16).flag(True).text(stored).flag(True).text(mask)
    return i.bytes()


for name, args in {
    "weight": ("01234",), "weight-negative": ("-0123", 1), "weight-long": ("1" + "0" * 308,),
    "weight-309-nines": ("9" * 309,),  # once shown as 0000inf
    "weight-fraction": ("12.345", 3), "weight-blanks": ("  +00812.5", 0),
    "weight-letters": ("ABCDE",), "places-9": ("01234", 9), "empty": ("",),
    "status": ("1100101",), "status-short": ("10",), "status-letters": ("1A0x",),
    "product-reply": ("W0000005",), "controls": ("W20\r\x00\x7f",),
    "entry": ("00002", 0, False, True, 5, 2, 0), "entry-blanks": ("\u3000 00016 ", 0, False, True,
                                                                  5, 6, 8),
    "entry-f800": ("00001", 0, True, True, 3, 4, 2, "00000"),
    "entry-full-width": ("０００１２", 0, False, True), "mask": ("82312", 0, False, True, 1, 3, 2),
    "product-entry": ("00200", 0, False, True, 5, 1, 0, "", "09999"),
    "nines": ("99999.5", 0), "zone": ("00000", 0, False, True, 5, 6, 8),
}.items():
    write("fuzz_decoding", name, decoding(*args))

# --- fuzz_ini: section, key, value, buffer size, then the file.
SJIS_PATH = b"C:\\\x95\x5c\x8e\xa6\\\xc3\xde\xb0\xc0\x87\x40.mdb"
PORTS = b"[RS232C1]\r\nCommPort= 1\r\nSettings=19200,o,7,1\r\n\r\n[RS232C2]\r\nCommPort= 2\r\n"


def ini(section, key, value, content, size=100):
    return Input().text(section).text(key).text(value).raw(content).int(size, 0, 200).bytes()


for name, args in {
    "replace": ("RS232C1", "CommPort", " 3", PORTS),
    "new-key": ("RS232C2", "Settings", "9600,E,8,2", PORTS),
    "new-section": ("Path", "Path1", "/home/op/データ.mdb", PORTS),
    "empty-file": ("Path", "Path1", "/x", b""),
    "lf": ("s", "K", "v", b"[S]\nK=1\nA=2\n"),
    "cr": ("S", "K", "9", b"[S]\rK=1\rA=2\r"),
    "no-end": ("S", "B", "2", b"[S]\nA=1"),
    "bom": ("S", "K", "表", b"\xef\xbb\xbf[S]\nK=1\n"),
    "sjis": ("RS232C1", "CommPort", " 2", b"[Path]\r\nPath1=" + SJIS_PATH + b"\r\n" + PORTS),
    "sjis-eof": ("RS232C1", "CommPort", " 2", PORTS + b"P=" + SJIS_PATH + b"\r\n\x1a"),
    "sjis-controls": ("S", "K", "1", b"[S]\r\nA=\x1c\x7f\x95\x5c\r\n"),
    "utf8-eof": ("S", "K", "2", b"[S]\nK=1\n\x1a"),
    "undecodable": ("S", "K", "2", b"[S]\nA=\x81\xff\x80\nK=1\n"),
    "quotes": ("S", "K", "' a '", b"[S]\nK=\" b \"\n"),
    "duplicates": ("S", "K", "9", b"[S]\nK=1\n[s]\nK=1\n"),
    "comments": ("S", "K", "2", b"; c\n[S]\n;K=0\n  k = 1 ; old\n"),
    "refused-newline": ("S", "K", "2\n[Evil]", b"[S]\nK=1\n"),
    "refused-key": ("S", "K=1", "2", b"[S]\nK=1\n"),
    "nul": ("S", "K", "2", b"[S]\nA=x\x00y\nK=1\n"),
    "short-buffer": ("S", "K", "abcdef", b"[S]\nK=abcdefgh\n", 3),
    "blank-names": ("  S ", " K\t", "v", b"  [ S ]  \n\t K \t=  x  \n"),
    "open-header": ("S", "K", "v", b"[S\nK=1\n[T]\n"),
}.items():
    write("fuzz_ini", name, ini(*args))

# --- fuzz_datafile: whole files. Field names from each model's file of the program.
def model_fields(model):
    text = open(os.path.join(ROOT, "src", "model", "models", model + ".cpp"),
                encoding="utf-8").read()
    table = text.split("FileField kFields[] = {")[1].split("};")[0]
    return re.findall(r'\{"([^"]+)", \d+, \d+\}', table)


F805 = model_fields("F805")
F800 = model_fields("F800")
PRODUCTS = ["大投入", "定量前", "定量", "過量", "不足", "落差", "自動落差規制値", "補正投入時間"]


def sqlite_file(settings_fields, model, products=100, value="00001", extra=None):
    with tempfile.TemporaryDirectory() as d:
        path = os.path.join(d, "f.mdb")
        db = sqlite3.connect(path)
        cols = lambda names: ", ".join('"%s" VARCHAR(5)' % n for n in names)
        db.execute('CREATE TABLE "銘柄" (%s)' % cols(PRODUCTS))
        for n in range(products):
            db.execute('INSERT INTO "銘柄" VALUES (%s)' % ",".join("?" * 8),
                       [("%05d" % (n * 8 + k))[-5:] for k in range(8)])
        if settings_fields:
            names = settings_fields + ["INDICATOR"]
            db.execute('CREATE TABLE "設定値" (%s)' % cols(names))
            db.execute('INSERT INTO "設定値" VALUES (%s)' % ",".join("?" * len(names)),
                       [value] * len(settings_fields) + [model])
        if extra:
            extra(db)
        db.commit()
        db.close()
        return open(path, "rb").read()


# The size of a file picks the load mode and model (fuzz_datafile.cpp): pad to a size that
# asks for what the seed is for (SQLite ignores bytes past its pages).
def sized(data, mode_index, f800):
    while len(data) % 3 != mode_index or (len(data) // 3 % 2 == 1) != f800:
        data += b"\0"
    return data


write("fuzz_datafile", "f805-all.mdb", sized(sqlite_file(F805, "F805"), 0, False))
write("fuzz_datafile", "f800-all.mdb", sized(sqlite_file(F800, "F800"), 0, True))
write("fuzz_datafile", "f805-as-f800.mdb", sized(sqlite_file(F805, "F805"), 0, True))
write("fuzz_datafile", "products-only.mdb", sized(sqlite_file(None, "", 3), 1, False))
write("fuzz_datafile", "settings-long-value.mdb", sized(sqlite_file(F805, "F805", 1, "123456"), 2, False))
write("fuzz_datafile", "settings-blob.mdb", sized(sqlite_file(F805, "F805", 0, extra=lambda db: db.execute(
    'UPDATE "設定値" SET "上限" = x\'0001\'')), 2, False))
write("fuzz_datafile", "products-control.mdb", sized(sqlite_file(None, "", 2, extra=lambda db: db.execute(
    'UPDATE "銘柄" SET "定量" = \'1\r2\'')), 1, False))
jet4 = open(JET4, "rb").read()
write("fuzz_datafile", "jet4.mdb", jet4)
write("fuzz_datafile", "jet4-cut.mdb", jet4[:8192])
write("fuzz_datafile", "jet4-header-only.mdb", jet4[:4096])
write("fuzz_datafile", "empty", b"")
write("fuzz_datafile", "sqlite-header-only", b"SQLite format 3\0")
write("fuzz_datafile", "text", b"[RS232C1]\r\nCommPort= 1\r\n")

# --- fuzz_datafile_sqlite: model, mode, file model, tables; per table its name, fields (each
# ours or another name, then a type), rows (each cell a kind and a value).


def built(f800, mode, file_f800, tables):
    i = Input().flag(f800).int(mode, 0, 2).flag(file_f800).int(len(tables), 0, 3)
    for kind, fields, rows in tables:
        i.int(kind, 0, 3)
        ours = PRODUCTS if kind == 0 else (F800 if file_f800 else F805) + ["INDICATOR"]
        if kind == 3:
            i.text("other")
        i.int(len(fields), 0, len(ours) + 2)
        for n, typ in enumerate(fields):
            if n < len(ours):
                i.int(1, 0, 7)
            else:
                i.text("x%d" % n)
        for typ in fields:
            i.int(typ, 0, 4)
        i.int(1, 0, 3).int(len(rows), 0, 2)
        for row in rows:
            for cell in row:
                if cell is None:
                    i.int(0, 0, 7)
                else:
                    i.int(4, 0, 7).text(cell)
    return i.bytes()


f805_row = ["00001"] * len(F805) + ["F805"]
f800_row = ["00002"] * len(F800) + ["F800"]
write("fuzz_datafile_sqlite", "f805", built(False, 0, False, [
    (0, [2] * 8, [["00100"] * 8, ["00200"] * 8]), (1, [2] * len(f805_row), [f805_row])]))
write("fuzz_datafile_sqlite", "f800", built(True, 0, True, [
    (0, [0] * 8, [["1"] * 8]), (1, [1] * len(f800_row), [f800_row])]))
write("fuzz_datafile_sqlite", "wrong-model", built(True, 0, False, [
    (0, [2] * 8, [["00100"] * 8]), (1, [2] * len(f805_row), [f805_row])]))
write("fuzz_datafile_sqlite", "products-short", built(False, 1, False, [(0, [2] * 5, [["1"] * 5])]))
write("fuzz_datafile_sqlite", "settings-nulls", built(False, 2, False, [
    (1, [2] * len(f805_row), [[None] * len(F805) + ["F805"]])]))
write("fuzz_datafile_sqlite", "long-value", built(False, 0, False, [
    (0, [2] * 8, [["123456"] + ["1"] * 7])]))
write("fuzz_datafile_sqlite", "non-ascii", built(False, 0, False, [
    (0, [2] * 8, [["１"] + ["1"] * 7]), (1, [2] * len(f805_row), [["ｱ"] + f805_row[1:]])]))
write("fuzz_datafile_sqlite", "other-table", built(False, 0, False, [(3, [0, 0], [["a", "b"]])]))
write("fuzz_datafile_sqlite", "empty", built(False, 0, False, []))

# --- fuzz_mdb_dump: what the helper writes.


def cell(v):
    if v is None:
        return b"-\n"
    if v == "B":
        return b"B\n"
    b = v.encode("utf-8")
    return b"V%d:" % len(b) + b + b"\n"


def table(fields, rows):
    out = b"T%d\n" % len(fields)
    for f in fields:
        b = f.encode("utf-8")
        out += b"F%d:" % len(b) + b + b"\n"
    for row in rows:
        out += b"R\n" + b"".join(cell(v) for v in row)
    return out + b"E\n"


HEAD = b"RUSK-MDB-DUMP 1\n"
products = table(PRODUCTS, [["%05d" % (n + k) for k in range(8)] for n in range(3)])
settings = table(F805 + ["INDICATOR"], [["00001"] * len(F805) + ["F805"]])
write("fuzz_mdb_dump", "both", HEAD + products + settings + b"Z\n")
write("fuzz_mdb_dump", "f800", HEAD + products + table(F800 + ["INDICATOR"],
                                                      [["00002"] * len(F800) + ["F800"]]) + b"Z\n")
write("fuzz_mdb_dump", "no-tables", HEAD + b"N\nN\nZ\n")
write("fuzz_mdb_dump", "unreadable", HEAD + b"X\n")
write("fuzz_mdb_dump", "damaged", HEAD + b"D\n")
write("fuzz_mdb_dump", "damaged-later", HEAD + products + b"D\n")
write("fuzz_mdb_dump", "nulls-and-binary", HEAD + table(PRODUCTS, [[None, "B"] + ["1"] * 6]) +
      b"N\nZ\n")
write("fuzz_mdb_dump", "newline-in-value", HEAD + table(["a", "b"], [["1\n2", "3"]]) + b"N\nZ\n")
write("fuzz_mdb_dump", "no-rows", HEAD + table(["a"], []) + table(["b"], []) + b"Z\n")
write("fuzz_mdb_dump", "too-many-rows", HEAD + table(["a"], [["1"]] * 101) + b"N\nZ\n")
write("fuzz_mdb_dump", "cut", (HEAD + products)[:-20])
write("fuzz_mdb_dump", "long-number", HEAD + b"T0000000001\nF1:a\nE\nN\nZ\n")
write("fuzz_mdb_dump", "bad-utf8", HEAD + b"T1\nF2:\xff\xfe\nE\nN\nZ\n")
write("fuzz_mdb_dump", "trailing", HEAD + b"N\nN\nZ\nZ\n")

# --- fuzz_journal_notes: words a journal of schema 1 kept, a kept note, arguments.
for name, text in {"before-write": "書き込み前",
                   "product-put-back-then-stopped":
                       "指示計の銘柄を 0 に戻しました、Ctrl+C で中断 (最後: 銘柄 15 W17 00015)",
                   "verdict": "照合：1 件が一致しません",
                   "operation": "全銘柄表示ﾃﾞｰﾀ書き込み",
                   "arguments": "5\t12\t（なし）",
                   "kept-note": "product_restored 5;stopped_at_setting 20 a%20b"}.items():
    write("fuzz_journal_notes", name, text.encode("utf-8"))

# --- fuzz_access: a login form, a Cookie header, Authorization headers, a stored password.
for name, text in {"login-form": b"password=correct+horse%21&next=%2F",
                   "bad-escape": b"password=%zz",
                   "cookie": b"theme=dark; rusk_session=\"abc\"; rusk_session=def",
                   "basic": b"Basic cHJvbWV0aGV1czpzZWNyZXQ=",
                   "bearer": b"Bearer  secret ",
                   "stored": b"pbkdf2-sha256$100000$QGM75L6U6j6LuvVBpBk2kQ==$"
                             b"GQBJ5+FJsYIgjWJvrU/gGeN2hzbvLZnNNrdQNTWRQpA=\n",
                   "control": b"/\x1b[2J\r\nforged line"}.items():
    write("fuzz_access", name, text)
if len(sys.argv) > 1:
    for name, args in {"jet4-users": ["Users", "100", "Users", "1"],
                       "jet4-ours": ["銘柄", "100", "設定値", "1"]}.items():
        out = subprocess.run([sys.argv[1], JET4] + args, capture_output=True, check=True).stdout
        write("fuzz_mdb_dump", name, out)
