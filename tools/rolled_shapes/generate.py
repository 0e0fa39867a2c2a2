#!/usr/bin/env python3
"""Builds the catalogue tables of rolled and cold-formed shapes.

Input: the transcriptions of the standards in sources/ (copied unchanged from the
shared reference folder; see sources/PROVENANCE.md).  Output: eight tables in
catalogue/tables/ in the catalogue text format.  Every correction of a source value
and every derived value is made here, in code, so that it can be reviewed.

    generate.py            write the tables
    generate.py --check    compare the tables with what would be written (exit 1 on a difference)
"""

import argparse
import csv
import math
import os
import sys
from decimal import ROUND_HALF_UP, Decimal

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
TABLES = os.path.join(ROOT, "catalogue", "tables")
SOURCES = os.path.join(HERE, "sources")

X = "\u00d7"  # dimension separator of designations

# ---------------------------------------------------------------------------
# number formatting


def fixed(value, decimals):
    """Rounds half away from zero to a fixed number of decimals, trailing zeros kept."""
    q = Decimal(1).scaleb(-decimals)
    return str(Decimal(str(value)).quantize(q, rounding=ROUND_HALF_UP))


def area4(value):
    """Cross-section areas as GB/T 706 and GB/T 11263 print them: four significant digits."""
    v = float(value)
    return fixed(value, 3 if v < 10 else 2 if v < 100 else 1)


def weight3(value):
    """Weights per metre: two decimals below 10 kg/m, one below 100, none above."""
    v = float(value)
    return fixed(value, 2 if v < 10 else 1 if v < 100 else 0)


def surface_h(value):
    """Surfaces of H and T sections: three significant digits."""
    return fixed(value, 3 if float(value) < 1 else 2)


def surface3(value):
    return fixed(value, 3)


REROUNDED = []  # (table, designation, column, source text, catalogue text)


def shown(table, designation, column, source, text):
    """Notes where the catalogue's printed precision differs from the source text."""
    if Decimal(source) != Decimal(text):
        REROUNDED.append((table, designation, column, source, text))
    return text


def read(name):
    with open(os.path.join(SOURCES, name), encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f))


# ---------------------------------------------------------------------------
# catalogue text


def record(values):
    out = []
    for v in values:
        assert '"' not in v and "'" not in v, v
        out.append('"' + v + '"' if v != "" else "")
    return ",".join(out) + "\r\n"


class Table:
    def __init__(self, name, header):
        self.name = name
        self.header = header
        self.rows = []  # (id, values)

    def add(self, row_id, values):
        assert len(values) == len(self.header), (self.name, values)
        assert not self.rows or row_id > self.rows[-1][0], (self.name, row_id)
        self.rows.append((row_id, [str(row_id)] + values[1:]))

    def text(self):
        lines = [record(self.header)] + [record(v) for _, v in self.rows]
        return "".join(lines).encode("utf-8")

    def keep(self, existing):
        """Takes a record of the current table unchanged (the records other parts of the
        program and its documentation rely on)."""
        self.rows.append((int(existing[0]), list(existing)))


# Records fixed before this generator existed; they are reproduced byte for byte and
# the generated neighbours must agree with them.
FIXED = {
    "热轧_工字钢": ['"1","1","I10","11.3 ","0.432 ","14.33 ","100","68","4.5","7.6","6.5"',
                 '"46","2","I10×100","9.46",,,,,,,'],
    "热轧_槽钢": ['"1","4","[5","5.44 ","0.226 ","6.925 ","50","37","4.5","7","7"',
                '"42","5","[10Q","7.56",,,,,,,'],
    "热轧_角钢": ['"1","8","L20×3","0.89 ","0.078 ","1.132 ","20","3","3.5"',
                '"115","9","2","0.889",,,"20","3",'],
    "热轧_不等边": ['"1","15","L25×16×3","0.91","0.080 ","1.162","25","16",,,"3.5","3"',
                 '"72","16","L250×90×9×13","26.2","0.682","33.4","250","90","9","13","15",'],
    "热轧H": ['"1","29","HW100×100  ","100×100×6×8","16.9","0.57 ","21.58","100","100","6","8","8",'],
}


def fixed_record(table, row_id):
    for line in FIXED[table]:
        fields = next(csv.reader([line]))
        if fields[0] == str(row_id):
            return fields
    raise KeyError((table, row_id))


def expect_fixed(table, values):
    """The generated record for a fixed row must equal the stored one."""
    want = fixed_record(table, values[0])
    assert values == want, (table, values, want)


# ---------------------------------------------------------------------------
# GB/T 706-2016 I-beams, channels, equal and unequal angles

# Misprints in the transcriptions, corrected from the dimensions (and confirmed by the
# independent GB/T 706-2008 transcription).  key: (designation, column) -> value
CORRECTIONS = {
    # unequal angles: area 2.33 lost a digit; A = d(B+b-d) + 0.215(r^2 - 2 r1^2) = 23.35
    ("L125×80×12", "area"): "23.35",
    # unequal angles: area 22.26 is the neighbour's; the formula and GB/T 706-2008 give 23.26
    ("L150×90×10", "area"): "23.26",
    # unequal angles: weight 25.7; 0.785 x 33.95 = 26.65, GB/T 706-2008 26.652
    ("L150×90×15", "weight"): "26.7",
    # equal angles: area 37.37 fails both the formula (37.57) and its own weight 29.5
    # (29.5 / 0.785 = 37.58); GB/T 706-2008 gives 3756.7 mm²
    ("L140×14", "area"): "37.57",
    # channels: surface 0.722 breaks the series [25a/b/c (outline +4 mm per size: 0.772,
    # 0.776, 0.780) and the outline of [24a (0.752 at h - 10 mm, i.e. 0.772 at h = 250)
    ("[25a", "surface"): "0.772",
    # GB 50018 cold-formed channel 160x60x3.5: both editions print 7.20 kg/m, but its own
    # area 9.29 cm² (which the centre-line length confirms) gives 0.785 x 9.29 = 7.29
    ("[160×60×3.5", "weight"): "7.29",
}

# GB/T 706-2016 lists 114 equal angles; the transcription carries one row that neither
# the 2016 designation list nor the 2008 table has.
DROPPED = {"L250×22"}


def corrected(designation, column, value):
    return CORRECTIONS.get((designation, column), value)


def ibeams(t):
    rid = 0
    for row in read("gbt706-2016_ibeam.csv"):
        rid += 1
        des = "I" + row["型号"]
        w = shown(t.name, des, "重量", row["理论重量_kg_per_m"], weight3(row["理论重量_kg_per_m"]))
        s = shown(t.name, des, "表面积", row["外表面积_m2_per_m"], surface3(row["外表面积_m2_per_m"]))
        a = shown(t.name, des, "截面积", row["截面面积_cm2"], area4(row["截面面积_cm2"]))
        values = [str(rid), "1", des, w + " ", s + " ", a + " ",
                  row["h_mm"], row["b_mm"], row["d_mm"], row["t_mm"], row["r_mm"]]
        if rid == 1:
            expect_fixed(t.name, values)
        t.add(rid, values)
    assert rid == 45
    # light I-beams: designation number x height, weight as printed
    rid = 45
    for row in read("yb163-63_light_ibeam_arxrle.csv"):
        rid += 1
        des = "I" + row["型号 (derived)"] + X + row["h"]
        values = [str(rid), "2", des, fixed(row["G_kg_m"], 2)] + [""] * 7
        if rid == 46:
            expect_fixed(t.name, values)
        t.add(rid, values)
    assert rid == 72


def channels(t, existing):
    rid = 0
    for row in read("gbt706-2016_channel.csv"):
        rid += 1
        des = "[" + row["型号"]
        w = shown(t.name, des, "重量", row["理论重量_kg_per_m"], weight3(row["理论重量_kg_per_m"]))
        s = shown(t.name, des, "表面积", row["外表面积_m2_per_m"],
                  surface3(corrected(des, "surface", row["外表面积_m2_per_m"])))
        a = shown(t.name, des, "截面积", row["截面面积_cm2"], area4(row["截面面积_cm2"]))
        values = [str(rid), "4", des, w + " ", s + " ", a + " ",
                  row["h_mm"], row["b_mm"], row["d_mm"], row["t_mm"], row["r_mm"]]
        if rid == 1:
            expect_fixed(t.name, values)
        t.add(rid, values)
    assert rid == 41
    # low-alloy light channels: only the stored record (no source of the series at hand)
    t.keep(existing["42"])
    rid = 51
    for row in read("yb164-63_light_channel_arxrle.csv"):
        rid += 1
        t.add(rid, [str(rid), "6", "[" + row["型号 (derived)"], fixed(row["G_kg_m"], 2)] + [""] * 7)
    assert rid == 73
    for row in read("gb50018-2002_channel.csv"):
        rid += 1
        h, b, th = row["h_mm"], row["b_mm"], row["t_mm"]
        des = "[" + h + X + b + X + th
        s = fixed(cold_surface("channel", float(h), float(b), 0, float(th)), 3)
        w = shown(t.name, des, "重量", row["weight_kg_per_m"], corrected(des, "weight", row["weight_kg_per_m"]))
        t.add(rid, [str(rid), "7", des, w, s, row["A_cm2"], h, b, th, th, ""])
    assert rid == 84


def cold_surface(kind, h, b, a, t):
    """Surface per metre (m²) of a cold-formed open section: both faces and the two
    edges over the sharp-corner outline, as the program's C and Z calculator counts it
    ((2h + 4b + 4c - 6t) for lipped sections)."""
    if kind == "channel":
        mm = 2 * h + 4 * b - 2 * t
    elif kind == "angle":
        mm = 4 * b
    elif kind == "lipped_angle":
        mm = 4 * b + 4 * a - 4 * t
    elif kind == "lipped":
        mm = 2 * h + 4 * b + 4 * a - 6 * t
    else:
        raise ValueError(kind)
    return mm / 1000.0


def equal_angles(t, existing):
    rid = 0
    for row in read("gbt706-2016_equal_angle.csv"):
        des = row["规格(derived)"]
        if des in DROPPED:
            continue
        rid += 1
        w = shown(t.name, des, "重量", row["理论重量_kg_per_m"], weight3(row["理论重量_kg_per_m"]))
        s = shown(t.name, des, "表面积", row["外表面积_m2_per_m"], surface3(row["外表面积_m2_per_m"]))
        a = shown(t.name, des, "截面积", row["截面面积_cm2"], area4(corrected(des, "area", row["截面面积_cm2"])))
        values = [str(rid), "8", des, w + " ", s + " ", a + " ", row["b_mm"], row["d_mm"], row["r_mm"]]
        if rid == 1:
            expect_fixed(t.name, values)
        t.add(rid, values)
    assert rid == 114
    # low-alloy equal angles: only the stored record (no source of the series at hand)
    t.keep(existing["115"])
    rid = 254
    for row in read("gb50018-2002_equal_angle.csv"):
        rid += 1
        b, th = row["b_mm"], row["t_mm"]
        s = fixed(cold_surface("angle", float(b), float(b), 0, float(th)), 3)
        t.add(rid, [str(rid), "13", "L" + b + X + th, row["weight_kg_per_m"], s, row["A_cm2"], b, th, ""])
    assert rid == 264
    for row in read("gb50018-2002_lipped_equal_angle.csv"):
        rid += 1
        b, a_, th = row["b_mm"], row["a_mm"], row["t_mm"]
        s = fixed(cold_surface("lipped_angle", 0, float(b), float(a_), float(th)), 3)
        t.add(rid, [str(rid), "14", "L" + b + X + a_ + X + th, row["weight_kg_per_m"], s,
                    row["A_cm2"], b, th, ""])
    assert rid == 268


# GB/T 706-2008 L-sections: the source lists the sizes only.  Root radius r and toe
# radius r1 = r/2 of the standard's size table; area by the standard's formula
# A = B*D + (b - D)*d + 0.215*(r^2 - r1^2), weight = 0.785 A, surface from the
# sharp-corner outline 2(B + b).
L_SECTION_R = {250: 15, 300: 15, 350: 20, 400: 20, 450: 20, 500: 20}


def l_section_area_mm2(B, b, D, d, r):
    r1 = r / 2.0
    return B * D + (b - D) * d + (1 - math.pi / 4) * (r * r - r1 * r1)


def unequal_angles(t):
    rid = 0
    for row in read("gbt706-2016_unequal_angle.csv"):
        rid += 1
        des = row["规格(derived)"]
        w = shown(t.name, des, "重量", row["理论重量_kg_per_m"],
                  weight3(corrected(des, "weight", row["理论重量_kg_per_m"])))
        s = shown(t.name, des, "表面积", row["外表面积_m2_per_m"], surface3(row["外表面积_m2_per_m"]))
        a = shown(t.name, des, "截面积", row["截面面积_cm2"],
                  area4(corrected(des, "area", row["截面面积_cm2"])))
        values = [str(rid), "15", des, w, s + " ", a, row["B_mm"], row["b_mm"], "", "",
                  row["r_mm"], row["d_mm"]]
        if rid == 1:
            expect_fixed(t.name, values)
        t.add(rid, values)
    assert rid == 71
    for row in read("gbt706-2008_l_section_sizes.csv"):
        rid += 1
        B, b = row["B_mm(derived)"], row["b_mm(derived)"]
        D, d = row["D_mm(derived)"], row["d_mm(derived)"]
        r = L_SECTION_R[int(B)]
        area = l_section_area_mm2(float(B), float(b), float(D), float(d), r) / 100.0
        des = "L" + B + X + b + X + D + X + d
        values = [str(rid), "16", des, fixed(0.785 * area, 1), fixed(2 * (float(B) + float(b)) / 1000, 3),
                  fixed(area, 1), B, b, D, d, str(r), ""]
        if rid == 72:
            # the stored record carries the surface 0.682 of the catalogue's first edition;
            # it is kept as it stands (the outline gives 0.680)
            want = fixed_record(t.name, 72)
            assert values[:4] + values[5:] == want[:4] + want[5:], (values, want)
            values = want
        t.add(rid, values)
    assert rid == 82


# ---------------------------------------------------------------------------
# GB/T 11263-2017 H and T sections


def regroup(rows, hkey):
    """Puts every size under the nominal designation (型号) of its group.

    The transcription fills an empty 型号 cell with the one above; the standard prints
    the 型号 beside the principal size of each group, and the sizes before it in the
    same group (for instance HW 244×252×11×11 in group 250×250) would inherit the
    wrong 型号.  A size belongs to the nominal of its class with the nearest flange
    width, then the nearest height."""
    nominals = []
    for row in rows:
        src = row["型号(source, blank=same as above)"]
        if src:
            h, b = (float(v) for v in src.split(X))
            nominals.append((row["类别"], h, b, src))
    out = []
    for row in rows:
        cls, h, b = row["类别"], float(row[hkey]), float(row["B_mm"])
        best = min((n for n in nominals if n[0] == cls),
                   key=lambda n: (abs(n[2] - b), abs(n[1] - h)))
        out.append((cls + best[3], row))
    return out


def h_sections(t):
    rows = read("gbt11263-2017_h.csv")
    rid = 1
    t.keep(fixed_record(t.name, 1))
    for des, row in regroup(rows, "H_mm"):
        rid += 1
        detail = X.join([row["H_mm"], row["B_mm"], row["t1_mm"], row["t2_mm"]])
        w = shown(t.name, detail, "重量", row["理论重量_kg_per_m"], weight3(row["理论重量_kg_per_m"]))
        s = shown(t.name, detail, "表面积", row["表面积_m2_per_m"], surface_h(row["表面积_m2_per_m"]))
        a = shown(t.name, detail, "截面积", row["截面面积_cm2"], area4(row["截面面积_cm2"]))
        t.add(rid, [str(rid), "79", des, detail, w, s, a + " ", row["H_mm"], row["B_mm"],
                    row["t1_mm"], row["t2_mm"], row["r_mm"], row["类别"]])
    assert rid == 131
    # GB/T 11263-2010 (subtype 29): its first record is record 1 above; the further
    # rows follow the 2017 block (IDs 132-271), then the gaps kept for subtypes 30
    # (272-336), 31 (337-477) and 32 (478-493), which have no rows yet.
    rid = 131
    for n, (des, row) in enumerate(h_sections_2010()):
        detail = X.join([row["H_mm"], row["B_mm"], row["t1_mm"], row["t2_mm"]])
        w, s, a = row["weight"], row["surface"], row["area"]
        if n == 0:
            # the stored first record: same size and values, printed in its own way
            want = fixed_record(t.name, 1)
            assert [want[3], want[4], want[6]] == [detail, w, a], (want, detail, w, a)
            assert Decimal(want[5]) == Decimal(s).quantize(Decimal("0.01")), (want, s)
            continue
        rid += 1
        t.add(rid, [str(rid), "29", des, detail, w, s, a, row["H_mm"], row["B_mm"],
                    row["t1_mm"], row["t2_mm"], row["r_mm"], row["类别"]])
    assert rid <= 271, rid


# GB/T 11263-2010 H sections.  The 2010 table is not transcribed; it is rebuilt from
# the 2017 transcription and the WS transcription (gbt11263_h_wsection.csv), which
# carries the 2010-edition sizes where the two editions differ: in the HN 650×300
# group the 2010 sizes 646×299×10×15, 650×300×11×17 and 656×301×12×20 (r 13) stand
# where 2017 has 646×299×12×18, 650×300×13×20 and 654×301×14×22 (r 18), and the HN
# 500×150 group also has 500×150×10×16 (r 20).  Every other HW, HM and HN size of WS
# equals the 2017 size in dimensions, radius and area; WS has no HT sizes, so the HT
# rows are the 2017 ones.  Rows shared with 2017 take its printed values; the WS-only
# rows take the WS area and derive weight 0.785 A and the surface from the outline.
H2010_DROPPED = {"646×299×12×18", "650×300×13×20", "654×301×14×22"}
# where the WS-only sizes stand: after the size of the same group named here
H2010_AFTER = {"500×150×10×16": "492×150×7×12", "646×299×10×15": "638×202×17×24",
               "650×300×11×17": "646×299×10×15", "656×301×12×20": "650×300×11×17"}


def h_outline(H, B, t1, r):
    """Surface per metre of an H section (m²): the outline 2H + 4B - 2 t1 less what the
    four root fillets of radius r save."""
    return (2 * H + 4 * B - 2 * t1 - 4 * (2 - math.pi / 2) * r) / 1000


def wsection_only():
    """The WS sizes that the 2017 table does not have, as rows of the 2017 columns."""
    known = {X.join([r["H_mm"], r["B_mm"], r["t1_mm"], r["t2_mm"]]) for r in read("gbt11263-2017_h.csv")}
    out = []
    for r in read("gbt11263_h_wsection.csv"):
        detail = X.join([r["d_mm"], r["bf_mm"], r["tw_mm"], r["tf_mm"]])
        if detail in known:
            continue
        H, B, t1, t2, rr = (float(r[c]) for c in ("d_mm", "bf_mm", "tw_mm", "tf_mm", "r_mm"))
        formula = 2 * B * t2 + (H - 2 * t2) * t1 + 4 * (1 - math.pi / 4) * rr * rr
        # the WS area is the formula's, rounded to four significant digits
        assert abs(float(r["A_mm2"]) - formula) <= 5, (detail, r["A_mm2"], formula)
        area = area4(float(r["A_mm2"]) / 100)
        out.append({"类别": r["section"][:2], "H_mm": r["d_mm"], "B_mm": r["bf_mm"],
                    "t1_mm": r["tw_mm"], "t2_mm": r["tf_mm"], "r_mm": r["r_mm"],
                    "area": area, "weight": weight3(0.785 * float(area)),
                    "surface": surface_h(h_outline(H, B, t1, rr))})
    return out


def h_sections_2010():
    """(designation, row) of the 2010 table in the standard's order."""
    rows = []
    for row in read("gbt11263-2017_h.csv"):
        detail = X.join([row["H_mm"], row["B_mm"], row["t1_mm"], row["t2_mm"]])
        if detail in H2010_DROPPED:
            continue
        row = dict(row)
        row["area"] = area4(row["截面面积_cm2"])
        row["weight"] = weight3(row["理论重量_kg_per_m"])
        row["surface"] = surface_h(row["表面积_m2_per_m"])
        rows.append(row)
    extra = wsection_only()
    assert sorted(X.join([r["H_mm"], r["B_mm"], r["t1_mm"], r["t2_mm"]]) for r in extra) == \
        ["500×150×10×16", "646×299×10×15", "650×300×11×17", "656×301×12×20"], extra
    def detail_of(r):
        return X.join([r["H_mm"], r["B_mm"], r["t1_mm"], r["t2_mm"]])
    for e in sorted(extra, key=lambda r: float(r["H_mm"])):
        at = [detail_of(r) for r in rows].index(H2010_AFTER[detail_of(e)])
        rows.insert(at + 1, e)
    out = regroup_2010(rows)
    assert len(out) == 131, len(out)
    return out


def regroup_2010(rows):
    """Nominal designations as regroup() gives them, for rows that may lack a source 型号
    (the WS-only sizes are grouped by the 2017 nominals of their class)."""
    src = read("gbt11263-2017_h.csv")
    nominals = [(r["类别"],) + tuple(float(v) for v in r["型号(source, blank=same as above)"].split(X)) +
                (r["型号(source, blank=same as above)"],)
                for r in src if r["型号(source, blank=same as above)"]]
    out = []
    for row in rows:
        cls, h, b = row["类别"], float(row["H_mm"]), float(row["B_mm"])
        best = min((n for n in nominals if n[0] == cls), key=lambda n: (abs(n[2] - b), abs(n[1] - h)))
        out.append((cls + best[3], row))
    return out


def t_sections(t):
    rows = read("gbt11263-2017_t.csv")
    rid = 0
    for des, row in regroup(rows, "h_mm"):
        rid += 1
        detail = X.join([row["h_mm"], row["B_mm"], row["t1_mm"], row["t2_mm"]])
        w = shown(t.name, detail, "重量", row["理论重量_kg_per_m"], weight3(row["理论重量_kg_per_m"]))
        s = shown(t.name, detail, "表面积", row["表面积_m2_per_m"], surface_h(row["表面积_m2_per_m"]))
        a = shown(t.name, detail, "截面积", row["截面面积_cm2"], area4(row["截面面积_cm2"]))
        t.add(rid, [str(rid), "80", des, detail, w, s, a, row["h_mm"], row["B_mm"],
                    row["t1_mm"], row["t2_mm"], row["r_mm"]])
    assert rid == 80
    # GB/T 11263-2010 (subtype 18), IDs 81-160
    for des, row in t_sections_2010():
        rid += 1
        detail = X.join([row["h_mm"], row["B_mm"], row["t1_mm"], row["t2_mm"]])
        t.add(rid, [str(rid), "18", des, detail, row["weight"], row["surface"], row["area"],
                    row["h_mm"], row["B_mm"], row["t1_mm"], row["t2_mm"], row["r_mm"]])
    assert rid == 160


# GB/T 11263-2010 T sections, rebuilt like the H sections: a T section is half of an
# H section, and the 2017 TN 325×300 group (323×299×12×18, 325×300×13×20,
# 327×301×14×22) halves the 2017 HN 650×300 sizes that the 2010 table does not have.
# In their place stand the halves of the 2010 HN 650×300 sizes (h = H/2, same B, t1,
# t2, r): area half the H area by the formula, weight 0.785 A, surface from the
# outline 2B + 2h less the two root fillets (the cut face of the web counted).
T2010_REPLACED = {"323×299×12×18": "646×299×10×15", "325×300×13×20": "650×300×11×17",
                  "327×301×14×22": "656×301×12×20"}


def number_text(value):
    return ("%.1f" % value).rstrip("0").rstrip(".")


def t_sections_2010():
    halves = {}
    for r in read("gbt11263_h_wsection.csv"):
        halves[X.join([r["d_mm"], r["bf_mm"], r["tw_mm"], r["tf_mm"]])] = r
    out = []
    for des, row in regroup(read("gbt11263-2017_t.csv"), "h_mm"):
        detail = X.join([row["h_mm"], row["B_mm"], row["t1_mm"], row["t2_mm"]])
        if detail in T2010_REPLACED:
            w = halves[T2010_REPLACED[detail]]
            h, B, t1, t2, rr = (float(w[c]) for c in ("d_mm", "bf_mm", "tw_mm", "tf_mm", "r_mm"))
            h = h / 2
            area = (B * t2 + (h - t2) * t1 + 2 * (1 - math.pi / 4) * rr * rr) / 100
            row = {"h_mm": number_text(h), "B_mm": w["bf_mm"], "t1_mm": w["tw_mm"], "t2_mm": w["tf_mm"],
                   "r_mm": w["r_mm"], "area": area4(area), "weight": weight3(0.785 * area),
                   "surface": surface_h((2 * B + 2 * h - 2 * (2 - math.pi / 2) * rr) / 1000)}
        else:
            row = dict(row, area=area4(row["截面面积_cm2"]), weight=weight3(row["理论重量_kg_per_m"]),
                       surface=surface_h(row["表面积_m2_per_m"]))
        out.append((des, row))
    assert len(out) == 80
    return out


# ---------------------------------------------------------------------------
# GB 50018-2002 lipped channels and Z sections


def c_sections(t):
    rid = 0
    for row in read("gb50018-2002_lipped_channel.csv"):
        rid += 1
        h, b, a_, th = row["h_mm"], row["b_mm"], row["a_mm"], row["t_mm"]
        s = fixed(cold_surface("lipped", float(h), float(b), float(a_), float(th)), 3)
        t.add(rid, [str(rid), "17", "C" + X.join([h, b, a_, th]), row["weight_kg_per_m"], s,
                    row["A_cm2"], h, b, a_, th])
    assert rid == 21


def z_sections(t):
    rid = 0
    for sub, name in (("19", "gb50018-2002_lipped_z.csv"), ("20", "gb50018-2002_sloped_lipped_z.csv")):
        for row in read(name):
            rid += 1
            h, b, a_, th = row["h_mm"], row["b_mm"], row["a_mm"], row["t_mm"]
            s = fixed(cold_surface("lipped", float(h), float(b), float(a_), float(th)), 3)
            t.add(rid, [str(rid), sub, "Z" + X.join([h, b, a_, th]), row["weight_kg_per_m"], s,
                        row["A_cm2"]])
    assert rid == 31


# ---------------------------------------------------------------------------


def header_of(name):
    path = os.path.join(TABLES, name + ".csv")
    with open(path, encoding="utf-8", newline="") as f:
        return next(csv.reader(f))


def build():
    tables = []
    for name, fill in (("热轧_工字钢", lambda t, e: ibeams(t)),
                       ("热轧_槽钢", channels),
                       ("热轧_角钢", equal_angles),
                       ("热轧_不等边", lambda t, e: unequal_angles(t)),
                       ("热轧H", lambda t, e: h_sections(t)),
                       ("热轧T", lambda t, e: t_sections(t)),
                       ("热轧C", lambda t, e: c_sections(t)),
                       ("热轧Z", lambda t, e: z_sections(t))):
        t = Table(name, header_of(name))
        existing = {line.split(",")[0].strip('"'): next(csv.reader([line]))
                    for line in FIXED.get(name, [])}
        fill(t, existing)
        tables.append(t)
    return tables


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--report", action="store_true", help="list values printed at another precision")
    args = parser.parse_args()
    different = []
    for t in build():
        path = os.path.join(TABLES, t.name + ".csv")
        data = t.text()
        if args.check:
            with open(path, "rb") as f:
                if f.read() != data:
                    different.append(t.name)
        else:
            with open(path, "wb") as f:
                f.write(data)
    if args.report:
        for item in REROUNDED:
            print("\t".join(item))
    if different:
        print("tables differ from the generator's output: " + ", ".join(different))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
