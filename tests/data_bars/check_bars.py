#!/usr/bin/env python3
"""Checks the bar, plate, wire, rail, bolt, sheet and panel catalogue tables.

1. The generator in tools/bars reproduces the checked-in tables byte for byte.
2. Every row of every table: text format, filled shown columns, weight against the
   formula within the printed rounding, area and surface against the dimensions,
   no duplicate size within a subtype, sizes ascending, and for tabulated values
   their internal consistency.

Usage: check_bars.py <repository root> [--self-test]; --self-test feeds each row check
a row that is wrong in its own way and fails if the check lets it through. Every failing row is reported by table,
subtype and size with the two values; the exit status is the number of failures
(capped at 1).
"""

import math
import os
import re
import subprocess
import sys
import tempfile

ARGS = [a for a in sys.argv[1:] if not a.startswith("--")]
ROOT = os.path.abspath(ARGS[0] if ARGS else os.path.join(os.path.dirname(__file__), "..", ".."))
TABLES_DIR = os.path.join(ROOT, "catalogue", "tables")
GENERATOR = os.path.join(ROOT, "tools", "bars", "gen_bars.py")

TABLES = {
    "热轧_圆钢": {21, 22, 23, 24, 49},
    "热轧_多边形钢": {62, 63, 64, 65, 66, 67, 68, 69, 70, 71},
    "热轧_钢板": {42, 43, 44, 45, 46, 47, 48},
    "热轧_钢轨": {54, 55},
    "热轧_钢丝": {56, 57, 58, 59, 60, 61},
    "热轧_螺栓": {77, 78},
    "热轧_压型钢板": {51},
    "热轧_夹芯板": {50},
}

TELLING = {
    "热轧_钢板": ['"1","42","0.20 ","1.570 ",', '"184","47",,"0.71","0.3×0.3×100/500"', '"254",,,,'],
    "热轧_螺栓": ['"1","77","M16","45","221.3"'],
    "热轧_压型钢板": ['"1","51","YX100-600","600","900","0.75","5.299"'],
}

# Id ranges kept for subtypes (first id, last id), by table.
ID_RANGES = {
    "热轧_钢板": {43: (96, 117), 44: (118, 139), 45: (140, 161), 46: (162, 183), 47: (184, 223), 48: (224, 10 ** 9)},
}

RHO = 7.85e-3  # kg per m per mm² of section (7.85 g/cm³)
SQRT3 = math.sqrt(3.0)
OCT = 2.0 * (math.sqrt(2.0) - 1.0)
# area factor (× s²) and perimeter factor (× s) by shape
SHAPES = {
    "round": (math.pi / 4.0, math.pi),
    "square": (1.0, 4.0),
    "hexagon": (SQRT3 / 2.0, 2.0 * SQRT3),
    "octagon": (OCT, 4.0 * OCT),
}
# the size column and shape of every formula-derived subtype
DERIVED = {
    21: ("直径", "round"),
    22: ("直径", "round"),
    23: ("直径", "round"),
    24: ("直径", "round"),
    49: ("直径", "round"),
    62: ("边长", "square"),
    63: ("边长", "square"),
    64: ("边长", "square"),
    65: ("对边距离", "hexagon"),
    66: ("对边距离", "hexagon"),
    67: ("对边距离", "octagon"),
    56: ("直径", "round"),
    57: ("直径", "square"),
    58: ("直径", "hexagon"),
    59: ("直径", "round"),
    60: ("直径", "round"),
}

failures = []


def fail(table, subtype, size, what, stored, expected):
    failures.append("%s subtype %s %s: %s stored %s, expected %s" % (table, subtype, size, what, stored, expected))


def half_unit(text):
    """Half a unit of the last printed digit of a decimal text."""
    text = text.strip()
    if "." in text:
        return 0.5 * 10.0 ** -(len(text) - text.index(".") - 1)
    return 0.5


def within(stored, expected):
    """True if `stored` is `expected` rounded to the digits printed (half to even ties allowed)."""
    return abs(float(stored) - expected) <= half_unit(stored) * (1 + 1e-9) + 1e-12


def significant_digits(text):
    digits = text.strip().replace(".", "").lstrip("0")
    return len(digits)


def precise_enough(text, sig):
    """A derived value keeps at least `sig` significant digits (whole numbers of at
    least `sig` digits count as precise enough)."""
    return significant_digits(text) >= sig or float(text) >= 10 ** (sig - 1)


def parse(name, text):
    """Parses one catalogue text strictly; returns (header, rows) with rows as dicts."""
    raw = text
    if raw.startswith(b"\xef\xbb\xbf"):
        fail(name, "-", "-", "byte-order mark", "present", "none")
    text = raw.decode("utf-8")
    if not text.endswith("\r\n"):
        fail(name, "-", "-", "last record end", repr(text[-2:]), "CR LF")
    records = text.split("\r\n")[:-1]
    field = re.compile(r'"[^"]*"|')
    parsed = []
    for number, record in enumerate(records):
        if record == "":
            fail(name, "-", "record %d" % number, "empty line", "", "a record")
            continue
        values = []
        pos = 0
        while True:
            m = field.match(record, pos)
            token = m.group(0)
            if token == '""':
                fail(name, "-", "record %d" % number, "empty value", '""', "nothing")
            values.append(token[1:-1] if token else "")
            pos = m.end()
            if pos == len(record):
                break
            if record[pos] != ",":
                fail(name, "-", "record %d" % number, "field syntax", record, "quoted values")
                break
            pos += 1
            if pos == len(record):
                values.append("")
                break
        for value in values:
            if "'" in value:
                fail(name, "-", "record %d" % number, "apostrophe", value, "none")
        parsed.append(values)
    header = parsed[0]
    rows = []
    last_id = 0
    for values in parsed[1:]:
        if len(values) != len(header):
            fail(name, "-", values[0], "field count", len(values), len(header))
            continue
        row = dict(zip(header, values))
        if not re.fullmatch(r"[1-9][0-9]*", row["ID"]) or int(row["ID"]) <= last_id:
            fail(name, row["SUBTYPEID"], row["ID"], "ID", row["ID"], "increasing, greater than %d" % last_id)
        else:
            last_id = int(row["ID"])
        rows.append(row)
    return header, rows


def read_subtypes():
    """SHOWCOLS by subtype id, from the SUBTYPES control table."""
    # The control table is checked elsewhere; only the rows of the subtypes here matter.
    global failures
    kept = failures
    failures = []
    with open(os.path.join(TABLES_DIR, "SUBTYPES.csv"), "rb") as f:
        header, rows = parse("SUBTYPES", f.read())
    failures = kept
    wanted = set().union(*TABLES.values())
    out = {int(r["ID"]): r["SHOWCOLS"].split(",") for r in rows if r.get("SHOWCOLS") and r["ID"].isdigit()}
    for subtype in sorted(wanted):
        if subtype not in out:
            fail("SUBTYPES", subtype, "-", "SHOWCOLS", "missing", "the shown columns")
    return out


def check_regeneration():
    with tempfile.TemporaryDirectory() as out:
        subprocess.run([sys.executable, GENERATOR, "--out", out], check=True)
        for name in TABLES:
            with open(os.path.join(out, name + ".csv"), "rb") as f:
                generated = f.read()
            with open(os.path.join(TABLES_DIR, name + ".csv"), "rb") as f:
                stored = f.read()
            if generated != stored:
                gen_lines = generated.decode("utf-8").split("\r\n")
                old_lines = stored.decode("utf-8").split("\r\n")
                for i, (a, b) in enumerate(zip(old_lines, gen_lines)):
                    if a != b:
                        fail(name, "-", "record %d" % i, "checked-in text differs from generator", a, b)
                        break
                else:
                    fail(name, "-", "-", "record count", len(old_lines) - 1, len(gen_lines) - 1)


def by_subtype(rows):
    groups = {}
    for row in rows:
        if row["SUBTYPEID"]:
            groups.setdefault(int(row["SUBTYPEID"]), []).append(row)
    return groups


def check_ascending(name, subtype, keys, label):
    seen = set()
    previous = None
    for key, size in keys:
        if key in seen:
            fail(name, subtype, size, "duplicate " + label, size, "unique")
        seen.add(key)
        if previous is not None and key <= previous[0]:
            fail(name, subtype, size, label + " order", size, "after " + previous[1])
        previous = (key, size)


def check_derived(name, subtype, rows):
    column, shape = DERIVED[subtype]
    area_factor, perimeter_factor = SHAPES[shape]
    keys = []
    for row in rows:
        size_text = row[column]
        size = float(size_text)
        keys.append((size, size_text))
        area_mm2 = area_factor * size * size
        weight = area_mm2 * RHO
        if not within(row["重量"], weight):
            fail(name, subtype, size_text, "重量", row["重量"], "%.6g" % weight)
        if not within(row["截面积"], area_mm2 / 100.0):
            fail(name, subtype, size_text, "截面积", row["截面积"], "%.6g" % (area_mm2 / 100.0))
        if "表面积" in row and row["表面积"] and not within(row["表面积"], perimeter_factor * size / 1000.0):
            fail(name, subtype, size_text, "表面积", row["表面积"], "%.6g" % (perimeter_factor * size / 1000.0))
        for what in ("重量", "截面积", "表面积"):
            if what in row and row[what] and not precise_enough(row[what], 3):
                fail(name, subtype, size_text, what, row[what], "at least 3 significant digits")
    check_ascending(name, subtype, keys, column)


def check_flat(name, subtype, rows):
    keys = []
    for row in rows:
        width, thickness = float(row["宽度"]), float(row["厚度"])
        size = "%s×%s" % (row["宽度"], row["厚度"])
        keys.append(((width, thickness), size))
        weight = width * thickness * RHO
        if not within(row["重量"], weight):
            fail(name, subtype, size, "重量", row["重量"], "%.6g" % weight)
        if thickness >= width:
            fail(name, subtype, size, "厚度", row["厚度"], "less than the width")
    check_ascending(name, subtype, keys, "宽度×厚度")


def check_plates(name, subtype, rows):
    keys = []
    for row in rows:
        t_text = row["厚度"]
        t = float(t_text)
        keys.append((t, t_text))
        if not within(row["钢板重量"], 7.85 * t):
            fail(name, subtype, t_text, "钢板重量", row["钢板重量"], "%.6g" % (7.85 * t))
        hundredths = round(t * 100)
        # GB/T 708: steps of 0.05 below 1 mm, 0.1 up to 4 mm; GB/T 709: 0.5 below 30 mm, 1 from 30 mm
        if t < 1:
            step = 5
        elif t <= 4:
            step = 10
        elif t < 30:
            step = 50
        else:
            step = 100
        if abs(t * 100 - hundredths) > 1e-6 or hundredths % step:
            fail(name, subtype, t_text, "厚度 step", t_text, "a multiple of %.2f mm" % (step / 100.0))
    check_ascending(name, subtype, keys, "厚度")


def check_checkered(name, subtype, rows):
    """Checkered plate: base thickness plus the ribs, so more than the plain plate of the
    base thickness by at most what ribs of up to 2.5 mm add; heavier as it gets thicker,
    by at least the plain plate's difference (less the printed rounding)."""
    keys = []
    previous = None
    for row in rows:
        t_text = row["厚度"]
        t, weight = float(t_text), float(row["钢板重量"])
        keys.append((t, t_text))
        plain = 7.85 * t
        if not plain < weight <= plain + 5.0:
            fail(name, subtype, t_text, "钢板重量", row["钢板重量"], "between %.3f and %.3f (plain plate plus ribs)" % (plain, plain + 5.0))
        if previous is not None and t > previous[0]:
            least = 7.85 * (t - previous[0]) - 0.1
            if not weight - previous[1] >= least:
                fail(name, subtype, t_text, "钢板重量", row["钢板重量"],
                     "at least %.2f more than %s (%s)" % (least, previous[1], previous[2]))
        previous = (t, weight, t_text)
    check_ascending(name, subtype, keys, "厚度")


GRATING = re.compile(r"G(\d+)(\d)/(\d+)/(\d+)W")


def check_grating(name, subtype, rows):
    groups = {}
    weights = {}
    for row in rows:
        m = GRATING.fullmatch(row["规格"])
        if not m:
            fail(name, subtype, row["规格"], "规格", row["规格"], "G<width><thickness>/<pitch>/<cross pitch>W")
            continue
        width, thickness, pitch, cross = (int(g) for g in m.groups())
        weight = float(row["钢板重量"])
        groups.setdefault((pitch, cross), []).append(((width, thickness), row["规格"]))
        weights[(pitch, cross, width, thickness)] = (weight, row["规格"])
        # bearing bars alone weigh width × thickness × 7.85 / pitch kg/m²; cross bars add
        # a few kg/m² (at most 10 at 50 mm) and galvanising a few per cent
        bars = width * thickness * 7.85 / pitch
        if not bars < weight < bars * 1.2 + 10:
            fail(name, subtype, row["规格"], "钢板重量", row["钢板重量"], "between %.1f and %.1f" % (bars, bars * 1.2 + 10))
    for (pitch, cross), keys in groups.items():
        check_ascending(name, subtype, keys, "width×thickness in pitch %d/%d" % (pitch, cross))
    for (pitch, cross, width, thickness), (weight, code) in weights.items():
        if cross == 50:
            other = weights.get((pitch, 100, width, thickness))
            # twice the cross bars: the difference is the weight of one set of cross bars
            if other and not 1.5 < weight - other[0] < 5:
                fail(name, subtype, code, "钢板重量 against " + other[1], weight, "1.5 to 5 more than %s" % other[0])
        for (p2, c2, w2, t2), (weight2, code2) in weights.items():
            if (p2, c2) == (pitch, cross) and (w2, t2) > (width, thickness) and w2 >= width and t2 >= thickness:
                if not weight2 > weight:
                    fail(name, subtype, code2, "钢板重量 against " + code, weight2, "more than %s" % weight)


RAILS = os.path.join(ROOT, "tools", "bars", "tabulated", "rails.txt")


def rail_areas():
    """The cross-section area (cm², as printed) each rail's source gives, by designation."""
    areas = {}
    with open(RAILS, encoding="utf-8") as f:
        for line in f:
            fields = line.split("#", 1)[0].split()
            if len(fields) == 4 and fields[3] != "-":
                areas[fields[1]] = fields[3]
    return areas


def check_rail_area(name, subtype, designation, weight_text, area_text):
    """Weight against the printed area. Railway rails of 33 kg/m and more are computed at
    7.83 g/cm³, so their weight is 0.783 × area within the area's printed rounding; light
    and crane rails are 0.785 × area within 0.3 %."""
    weight, area = float(weight_text), float(area_text)
    number = re.fullmatch(r"(\d+)kg/m", designation)
    if number and int(number.group(1)) >= 33:
        slack = 0.783 * half_unit(area_text) + half_unit(weight_text)
        if abs(weight - 0.783 * area) > slack + 1e-9:
            fail(name, subtype, designation, "重量", weight_text,
                 "0.783 × area %s = %.3f (± %.3f)" % (area_text, 0.783 * area, slack))
    elif abs(weight - 0.785 * area) > 0.003 * weight:
        fail(name, subtype, designation, "重量", weight_text,
             "0.785 × area %s = %.3f (± 0.3 %%)" % (area_text, 0.785 * area))


def check_rails(name, subtype, rows, areas=None):
    if areas is None:
        areas = rail_areas()
    keys = []
    for row in rows:
        number = float(re.search(r"\d+", row["规格"]).group(0))
        keys.append((number, row["规格"]))
        weight = float(row["重量"])
        if row["规格"].endswith("kg/m") and not 0.9 * number < weight < 1.1 * number:
            fail(name, subtype, row["规格"], "重量", row["重量"], "within 10 %% of the nominal %g kg/m" % number)
        if row["规格"] in areas:
            check_rail_area(name, subtype, row["规格"], row["重量"], areas[row["规格"]])
    check_ascending(name, subtype, keys, "规格")
    weights = [float(r["重量"]) for r in rows]
    for a, b, row in zip(weights, weights[1:], rows[1:]):
        if not b > a:
            fail(name, subtype, row["规格"], "重量", b, "more than the previous %s" % a)


def check_bolts(name, subtype, rows):
    keys = []
    by_thread = {}
    for row in rows:
        m = re.fullmatch(r"M(\d+)", row["规格"])
        if not m:
            fail(name, subtype, row["规格"], "规格", row["规格"], "M<diameter>")
            continue
        d, length = int(m.group(1)), float(row["公称长度"])
        size = "%s×%s" % (row["规格"], row["公称长度"])
        keys.append(((d, length), size))
        by_thread.setdefault(d, []).append((length, float(row["螺栓重量"]), size))
    check_ascending(name, subtype, keys, "规格×公称长度")
    for d, sets in by_thread.items():
        for (l1, w1, s1), (l2, w2, s2) in zip(sets, sets[1:]):
            if not w2 > w1:
                fail(name, subtype, s2, "螺栓重量", w2, "more than %s (%s)" % (w1, s1))
    lengths = {}
    for d, sets in by_thread.items():
        for length, weight, size in sets:
            lengths.setdefault(length, []).append((d, weight, size))
    for length, sets in lengths.items():
        sets.sort()
        for (d1, w1, s1), (d2, w2, s2) in zip(sets, sets[1:]):
            if not w2 > w1:
                fail(name, subtype, s2, "螺栓重量", w2, "more than %s (%s)" % (w1, s1))


def check_sheet(name, subtype, rows, thickness_col, weight_col, profile_col):
    by_profile = {}
    keys = []
    for row in rows:
        size = "%s %s" % (row[profile_col], row[thickness_col])
        keys.append(((row[profile_col], float(row[thickness_col])), size))
        by_profile.setdefault(row[profile_col], []).append((float(row[thickness_col]), float(row[weight_col]), size))
        if "展开宽度" in row and row["展开宽度"]:
            plain = float(row["展开宽度"]) * float(row[thickness_col]) * RHO
            if not plain * 0.98 <= float(row[weight_col]) <= plain * 1.06:
                fail(name, subtype, size, weight_col, row[weight_col], "about %.3f (developed width × thickness)" % plain)
    seen = set()
    for key, size in keys:
        if key in seen:
            fail(name, subtype, size, "duplicate size", size, "unique")
        seen.add(key)
    for profile, sheets in by_profile.items():
        sheets.sort()
        for (t1, w1, s1), (t2, w2, s2) in zip(sheets, sheets[1:]):
            if not w2 > w1:
                fail(name, subtype, s2, weight_col, w2, "more than %s (%s)" % (w1, s1))


def check_id_range(name, subtype, row):
    span = ID_RANGES.get(name, {}).get(subtype)
    if span and row["ID"].isdigit() and not span[0] <= int(row["ID"]) <= span[1]:
        fail(name, subtype, row["ID"], "ID", row["ID"], "within the ids kept for the subtype, %d to %d" % span)


def check_tables():
    showcols = read_subtypes()
    for name, subtypes in TABLES.items():
        with open(os.path.join(TABLES_DIR, name + ".csv"), "rb") as f:
            text = f.read()
        for record in TELLING.get(name, []):
            if ("\r\n" + record + "\r\n").encode("utf-8") not in text:
                fail(name, "-", record.split(",")[0], "telling record", "missing", record)
        header, rows = parse(name, text)
        for row in rows:
            if not row["SUBTYPEID"]:
                if any(row[c] for c in header[1:]):
                    fail(name, "-", row["ID"], "blank row", "filled", "only ID")
                continue
            subtype = int(row["SUBTYPEID"])
            if subtype not in subtypes:
                fail(name, subtype, row["ID"], "SUBTYPEID", subtype, sorted(subtypes))
                continue
            check_id_range(name, subtype, row)
            for column in showcols[subtype]:
                expected_filled = not (subtype == 60 and column == "边长")
                if bool(row[column].strip()) != expected_filled:
                    fail(name, subtype, row["ID"], "shown column " + column, repr(row[column]),
                         "filled" if expected_filled else "empty")
            if subtype == 60 and not row["直径"]:
                fail(name, subtype, row["ID"], "直径", "empty", "filled")
            for column, value in row.items():
                if column in ("ID", "SUBTYPEID", "规格", "板型", "材质"):
                    continue
                if value and not re.fullmatch(r"\d+(\.\d+)? ?", value):
                    fail(name, subtype, row["ID"], column, value, "a decimal number")
        for subtype, group in sorted(by_subtype(rows).items()):
            if subtype in DERIVED:
                check_derived(name, subtype, group)
            elif subtype in (68, 69, 70, 71):
                check_flat(name, subtype, group)
            elif subtype == 42:
                check_plates(name, subtype, group)
            elif subtype in (43, 44, 45, 46):
                check_checkered(name, subtype, group)
            elif subtype == 48:
                check_grating(name, subtype, group)
            elif subtype in (54, 55):
                check_rails(name, subtype, group)
            elif subtype in (77, 78):
                check_bolts(name, subtype, group)
            elif subtype == 51:
                check_sheet(name, subtype, group, "板厚", "压型钢板板重", "板型")
            elif subtype == 50:
                check_sheet(name, subtype, group, "板厚", "板重", "板型")


def self_test():
    """The row checks themselves: each must flag a row that is wrong in its own way."""
    global failures
    cases = [
        ("round weight", lambda: check_derived("t", 21, [dict(直径="10", 重量="0.627", 表面积="0.03142", 截面积="0.7854")])),
        ("round area", lambda: check_derived("t", 21, [dict(直径="10", 重量="0.617", 表面积="0.03142", 截面积="0.7954")])),
        ("surface", lambda: check_derived("t", 66, [dict(对边距离="10", 重量="0.680", 表面积="0.04000", 截面积="0.8660")])),
        ("imprecise", lambda: check_derived("t", 56, [dict(直径="0.050", 重量="0.00002", 截面积="0.0000196")])),
        ("duplicate", lambda: check_derived("t", 62, [dict(边长="10", 重量="0.785", 表面积="0.04000", 截面积="1.000")] * 2)),
        ("descending", lambda: check_derived("t", 62, [dict(边长="11", 重量="0.950", 表面积="0.04400", 截面积="1.210"),
                                                       dict(边长="10", 重量="0.785", 表面积="0.04000", 截面积="1.000")])),
        ("flat weight", lambda: check_flat("t", 68, [dict(宽度="20", 厚度="5", 重量="0.80")])),
        ("flat shape", lambda: check_flat("t", 71, [dict(宽度="10", 厚度="10", 重量="0.79")])),
        ("plate weight", lambda: check_plates("t", 42, [dict(厚度="2.00 ", 钢板重量="15.750 ")])),
        ("plate step", lambda: check_plates("t", 42, [dict(厚度="4.20 ", 钢板重量="32.970 ")])),
        ("checkered plain", lambda: check_checkered("t", 44, [dict(厚度="3.0", 钢板重量="23.5")])),
        ("checkered ribs", lambda: check_checkered("t", 44, [dict(厚度="3.0", 钢板重量="29.6")])),
        ("checkered thicker", lambda: check_checkered("t", 44, [dict(厚度="3.0", 钢板重量="25.6"),
                                                                dict(厚度="4.0", 钢板重量="31.6")])),
        ("checkered order", lambda: check_checkered("t", 44, [dict(厚度="4.0", 钢板重量="33.4"),
                                                              dict(厚度="3.0", 钢板重量="25.6")])),
        ("id range", lambda: check_id_range("热轧_钢板", 45, dict(ID="139", SUBTYPEID="45"))),
        ("grating cross bars", lambda: check_grating("t", 48, [dict(规格="G325/30/50W", 钢板重量="50.9"),
                                                               dict(规格="G325/30/100W", 钢板重量="50.9")])),
        ("grating thicker", lambda: check_grating("t", 48, [dict(规格="G323/30/100W", 钢板重量="52.8"),
                                                            dict(规格="G325/30/100W", 钢板重量="50.9")])),
        ("rail weight", lambda: check_rails("t", 54, [dict(规格="43kg/m", 重量="54.653")])),
        ("rail order", lambda: check_rails("t", 55, [dict(规格="QU70", 重量="52.80"), dict(规格="QU80", 重量="51.69")])),
        ("heavy rail against its area", lambda: check_rails("t", 54, [dict(规格="38kg/m", 重量="38.933")], {"38kg/m": "49.5"})),
        ("heavy rail at 7.85", lambda: check_rails("t", 54, [dict(规格="43kg/m", 重量="44.745")], {"43kg/m": "57.0"})),
        ("light rail against its area", lambda: check_rails("t", 54, [dict(规格="15kg/m", 重量="15.50")], {"15kg/m": "19.33"})),
        ("crane rail against its area", lambda: check_rails("t", 55, [dict(规格="QU70", 重量="53.80")], {"QU70": "67.30"})),
        ("bolt longer", lambda: check_bolts("t", 77, [dict(规格="M16", 公称长度="45", 螺栓重量="221.3"),
                                                      dict(规格="M16", 公称长度="50", 螺栓重量="220.0")])),
        ("bolt thicker", lambda: check_bolts("t", 77, [dict(规格="M16", 公称长度="50", 螺栓重量="229.2"),
                                                       dict(规格="M20", 公称长度="50", 螺栓重量="229.0")])),
        ("sheet thicker", lambda: check_sheet("t", 51, [dict(板型="YX100-600", 有效宽度="600", 展开宽度="900", 板厚="0.75", 压型钢板板重="5.299"),
                                                        dict(板型="YX100-600", 有效宽度="600", 展开宽度="900", 板厚="0.80", 压型钢板板重="5.299")],
                                              "板厚", "压型钢板板重", "板型")),
        ("sheet weight", lambda: check_sheet("t", 51, [dict(板型="YX100-600", 有效宽度="600", 展开宽度="900", 板厚="0.75", 压型钢板板重="6.299")],
                                             "板厚", "压型钢板板重", "板型")),
        ("panel thicker", lambda: check_sheet("t", 50, [dict(板型="JxB-1000", 板厚="50", 板重="12.0", 材质="EPS"),
                                                        dict(板型="JxB-1000", 板厚="75", 板重="11.0", 材质="EPS")],
                                              "板厚", "板重", "板型")),
    ]
    good = [
        ("round", lambda: check_derived("t", 21, [dict(直径="10", 重量="0.617", 表面积="0.03142", 截面积="0.7854")])),
        ("id range", lambda: check_id_range("热轧_钢板", 44, dict(ID="139", SUBTYPEID="44"))),
        ("heavy rail", lambda: check_rails("t", 54, [dict(规格="38kg/m", 重量="38.733"), dict(规格="43kg/m", 重量="44.653")],
                                           {"38kg/m": "49.5", "43kg/m": "57.0"})),
        ("light rail", lambda: check_rails("t", 54, [dict(规格="15kg/m", 重量="15.20")], {"15kg/m": "19.33"})),
        ("checkered", lambda: check_checkered("t", 44, [dict(厚度="2.5", 钢板重量="21.6"), dict(厚度="3.0", 钢板重量="25.6")])),
        ("sheet", lambda: check_sheet("t", 51, [dict(板型="YX100-600", 有效宽度="600", 展开宽度="900", 板厚="0.75", 压型钢板板重="5.299")],
                                      "板厚", "压型钢板板重", "板型")),
    ]
    missed = []
    for label, case in cases:
        failures = []
        case()
        if not failures:
            missed.append("check did not flag: " + label)
    for label, case in good:
        failures = []
        case()
        if failures:
            missed.append("check flagged a good row: %s (%s)" % (label, failures[0]))
    failures = []
    for line in missed:
        print("FAIL " + line)
    print("%d of %d checks missed" % (len(missed), len(cases) + len(good)))
    return 1 if missed else 0


def main():
    if "--self-test" in sys.argv:
        return self_test()
    check_regeneration()
    check_tables()
    for line in failures:
        print("FAIL " + line)
    print("%d failure(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
