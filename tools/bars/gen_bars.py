#!/usr/bin/env python3
"""Writes the eight bar, plate, wire, rail, bolt, sheet and panel catalogue tables.

Derived tables (bars, wire, plates) are computed from the size series in series/
with the standards' formulas (density 7.85 g/cm³); tabulated values (rails, grating,
bolt sets, profiled sheet, panels) are read from tabulated/. Usage:

    gen_bars.py [--out DIR]     (default: catalogue/tables of this checkout)
"""

import argparse
import csv
import os
import sys
from decimal import ROUND_HALF_EVEN, Decimal, getcontext

getcontext().prec = 40

HERE = os.path.dirname(os.path.abspath(__file__))
SERIES = os.path.join(HERE, "series")
TABULATED = os.path.join(HERE, "tabulated")

PI = Decimal("3.141592653589793238462643383279502884197")
DENSITY = Decimal("7.85")  # g/cm³; kg/m per cm² of section is DENSITY / 10
SQRT2 = Decimal(2).sqrt()
SQRT3 = Decimal(3).sqrt()

# Cross-section area (mm²) and perimeter (mm) per unit size, by shape.
SHAPES = {
    "round": (PI / 4, PI),
    "square": (Decimal(1), Decimal(4)),
    "hexagon": (SQRT3 / 2, 2 * SQRT3),  # s = across flats
    "octagon": (2 * (SQRT2 - 1), 8 * (SQRT2 - 1)),  # s = across flats
}


def rounded(value, sig, maxdec):
    """Rounds to `sig` significant digits, at most `maxdec` decimals and never
    beyond the units digit, half to even (GB/T 8170); returns the printed text."""
    value = Decimal(value)
    if value == 0:
        return "0"
    exponent = value.adjusted() - sig + 1
    exponent = max(-maxdec, min(0, exponent))
    return format(value.quantize(Decimal(1).scaleb(exponent), rounding=ROUND_HALF_EVEN), "f")


def decimals(value, places):
    return format(Decimal(value).quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_EVEN), "f")


def read_series(name):
    """Returns the lines of a series file without comments, split into tokens."""
    lines = []
    with open(os.path.join(SERIES, name), encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if line:
                lines.append(line.split())
    return lines


def plain_series(name):
    return [tok for line in read_series(name) for tok in line]


def keyed_series(name):
    return {line[0]: line[1:] for line in read_series(name)}


def read_tabulated(name):
    rows = []
    with open(os.path.join(TABULATED, name), encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if line:
                rows.append(line.split())
    return rows


# Print precision of the weight column (significant digits, maximum decimals).
WEIGHT_702 = (3, 3)  # GB/T 702, GB/T 908, GB/T 14981: three significant digits
WEIGHT_905 = (4, 6)  # GB/T 905, GB/T 3207: four significant digits
WEIGHT_WIRE = (3, 9)  # GB/T 342, GB/T 5223, YB/T 038: three significant digits
AREA = (4, 6)  # cm²
AREA_WIRE = (4, 9)
SURFACE = (4, 6)  # m²/m


def solid_bar(shape, size_text, weight_precision, area_precision=AREA):
    """Weight kg/m, surface m²/m and area cm² of a solid bar of the given shape."""
    size = Decimal(size_text)
    area_factor, perimeter_factor = SHAPES[shape]
    area_mm2 = area_factor * size * size
    weight = area_mm2 * DENSITY / 1000
    return {
        "重量": rounded(weight, *weight_precision),
        "表面积": rounded(perimeter_factor * size / 1000, *SURFACE),
        "截面积": rounded(area_mm2 / 100, *area_precision),
    }


class Table:
    def __init__(self, name, header):
        self.name = name
        self.header = header
        self.rows = []
        self.next_id = 1

    def add(self, subtype, values, row_id=None):
        if row_id is None:
            row_id = self.next_id
        assert row_id >= self.next_id, (self.name, row_id)
        row = [str(row_id), str(subtype) if subtype else ""]
        for column in self.header[2:]:
            row.append(values.get(column, ""))
        extra = set(values) - set(self.header)
        assert not extra, (self.name, extra)
        self.rows.append(row)
        self.next_id = row_id + 1

    def text(self):
        out = [",".join('"%s"' % h for h in self.header)]
        for row in self.rows:
            for value in row:
                assert '"' not in value and "'" not in value, (self.name, row)
            out.append(",".join('"%s"' % v if v else "" for v in row))
        return "".join(line + "\r\n" for line in out)


def round_bars():
    t = Table("热轧_圆钢", ["ID", "SUBTYPEID", "直径", "重量", "表面积", "截面积"])
    sizes_702 = [tok for line in read_series("gbt702-2017_round_square.txt") if line[0] != "square_max" for tok in line]
    for d in sizes_702:
        t.add(21, dict(直径=d, **solid_bar("round", d, WEIGHT_702)))
    for d in plain_series("gbt14981-2009_wire_rod.txt"):
        t.add(22, dict(直径=d, **solid_bar("round", d, WEIGHT_702)))
    for d in plain_series("gbt905-1994_cold_drawn.txt"):
        t.add(23, dict(直径=d, **solid_bar("round", d, WEIGHT_905)))
    for d in plain_series("gbt3207-2008_silver_bright.txt"):
        t.add(24, dict(直径=d, **solid_bar("round", d, WEIGHT_905)))
    for d in plain_series("gbt908-2019_forged.txt"):
        t.add(49, dict(直径=d, **solid_bar("round", d, WEIGHT_702)))
    return t


def flat_bar(width_text, thickness_text, places):
    weight = Decimal(width_text) * Decimal(thickness_text) * DENSITY / 1000
    return {"宽度": width_text, "厚度": thickness_text, "重量": decimals(weight, places)}


def polygon_bars():
    t = Table("热轧_多边形钢", ["ID", "SUBTYPEID", "边长", "重量", "表面积", "截面积", "宽度", "厚度", "对边距离"])
    lines = read_series("gbt702-2017_round_square.txt")
    square_max = Decimal(next(line[1] for line in lines if line[0] == "square_max"))
    sizes_702 = [tok for line in lines if line[0] != "square_max" for tok in line]
    for a in sizes_702:
        if Decimal(a) <= square_max:
            t.add(62, dict(边长=a, **solid_bar("square", a, WEIGHT_702)))
    cold = plain_series("gbt905-1994_cold_drawn.txt")
    for a in cold:
        t.add(63, dict(边长=a, **solid_bar("square", a, WEIGHT_905)))
    for a in plain_series("gbt908-2019_forged.txt"):
        t.add(64, dict(边长=a, **solid_bar("square", a, WEIGHT_702)))
    for s in cold:
        t.add(65, dict(对边距离=s, **solid_bar("hexagon", s, WEIGHT_905)))
    hexoct = keyed_series("gbt702-2017_hexagon_octagon.txt")
    for s in hexoct["hexagon"]:
        t.add(66, dict(对边距离=s, **solid_bar("hexagon", s, WEIGHT_702)))
    for s in hexoct["octagon"]:
        t.add(67, dict(对边距离=s, **solid_bar("octagon", s, WEIGHT_702)))
    flat = keyed_series("gbt702-2017_flat.txt")
    thicknesses = flat.pop("thicknesses")
    for width, (span,) in flat.items():
        first, last = span.split("-")
        run = thicknesses[thicknesses.index(first) : thicknesses.index(last) + 1]
        for thickness in run:
            t.add(68, flat_bar(width, thickness, 2))
    tool = keyed_series("gbt702-2017_tool_flat.txt")
    for width in tool["widths"]:
        for thickness in tool["thicknesses"]:
            if Decimal(thickness) < Decimal(width):
                t.add(71, flat_bar(width, thickness, 2))
    return t


def plates():
    t = Table("热轧_钢板", ["ID", "SUBTYPEID", "厚度", "钢板重量", "规格"])
    for thickness in plain_series("plate_thickness.txt"):
        weight = Decimal(thickness) * DENSITY
        # The plate rows print a blank after each value.
        t.add(42, {"厚度": thickness + " ", "钢板重量": decimals(weight, 3) + " "})
    # Ids 96-183 hold the four checkered-plate patterns, 22 ids each in subtype order;
    # 184-223 expanded metal.
    checkered = {}
    for subtype, thickness, weight in read_tabulated("gbt33974-2017_checkered.txt"):
        checkered.setdefault(int(subtype), []).append((thickness, weight))
    for index, subtype in enumerate((43, 44, 45, 46)):
        rows = checkered.pop(subtype, [])
        assert len(rows) <= 22, (subtype, len(rows))
        for offset, (thickness, weight) in enumerate(rows):
            t.add(subtype, {"厚度": thickness, "钢板重量": weight}, 96 + 22 * index + offset)
    assert not checkered, sorted(checkered)
    row_id = 184
    for designation, weight in read_tabulated("wire_mesh.txt"):
        t.add(47, {"规格": designation, "钢板重量": weight}, row_id)
        row_id += 1
    grating = []
    with open(os.path.join(TABULATED, "ybt4001.1-2007_grating.csv"), encoding="utf-8") as f:
        reader = csv.DictReader(line for line in f if not line.startswith("#"))
        for r in reader:
            grating.append(r)
    tables = []
    for r in grating:
        if r["appendix_table"] not in tables:
            tables.append(r["appendix_table"])
    ordered = []
    for table in tables:
        rows = [r for r in grating if r["appendix_table"] == table]
        rows.sort(key=lambda r: (Decimal(r["bearing_bar_width_mm"]), Decimal(r["bearing_bar_thickness_mm"])))
        for crossbar in ("50", "100"):
            for r in rows:
                ordered.append((r["model_crossbar_%smm" % crossbar], r["weight_kg_per_m2_crossbar_%smm" % crossbar]))
    # Grating rows start at 224; row 254 stays a blank row.
    row_id = 224
    for designation, weight in ordered:
        if row_id == 254:
            t.add(None, {}, row_id)
            row_id += 1
        t.add(48, {"规格": designation, "钢板重量": weight}, row_id)
        row_id += 1
    if row_id <= 254:
        t.add(None, {}, 254)
    return t


def rails():
    t = Table("热轧_钢轨", ["ID", "SUBTYPEID", "规格", "重量"])
    # The fourth column, the source's area, is only for the row checks.
    for subtype, designation, weight, _area in read_tabulated("rails.txt"):
        t.add(int(subtype), {"规格": designation, "重量": weight})
    return t


def wire():
    t = Table("热轧_钢丝", ["ID", "SUBTYPEID", "直径", "边长", "重量", "截面积", "轧痕深度"])
    series = keyed_series("gbt342-2017_wire.txt")
    for subtype, shape in ((56, "round"), (57, "square"), (58, "hexagon")):
        for size in series[shape]:
            values = solid_bar(shape, size, WEIGHT_WIRE, AREA_WIRE)
            del values["表面积"]
            t.add(subtype, dict(直径=size, **values))
    for subtype, name in ((59, "gbt5223-2014_prestressing_wire.txt"), (60, "ybt038-1993_low_alloy_wire.txt")):
        for d in plain_series(name):
            values = solid_bar("round", d, WEIGHT_WIRE, AREA_WIRE)
            del values["表面积"]
            t.add(subtype, dict(直径=d, **values))
    return t


def bolts():
    t = Table("热轧_螺栓", ["ID", "SUBTYPEID", "规格", "公称长度", "螺栓重量"])
    for subtype, thread, length, weight in read_tabulated("bolt_sets.txt"):
        t.add(int(subtype), {"规格": thread, "公称长度": length, "螺栓重量": weight})
    return t


def profiled_sheet():
    t = Table("热轧_压型钢板", ["ID", "SUBTYPEID", "板型", "有效宽度", "展开宽度", "板厚", "压型钢板板重"])
    for profile, effective, developed, thickness, weight in read_tabulated("profiled_sheet.txt"):
        t.add(51, {"板型": profile, "有效宽度": effective, "展开宽度": developed, "板厚": thickness, "压型钢板板重": weight})
    return t


def sandwich_panels():
    t = Table("热轧_夹芯板", ["ID", "SUBTYPEID", "板型", "板厚", "板重", "材质"])
    for profile, thickness, weight, material in read_tabulated("sandwich_panels.txt"):
        t.add(50, {"板型": profile, "板厚": thickness, "板重": weight, "材质": material})
    return t


GENERATORS = [round_bars, polygon_bars, plates, rails, wire, bolts, profiled_sheet, sandwich_panels]


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    default_out = os.path.normpath(os.path.join(HERE, "..", "..", "catalogue", "tables"))
    parser.add_argument("--out", default=default_out)
    args = parser.parse_args(argv)
    os.makedirs(args.out, exist_ok=True)
    for generate in GENERATORS:
        table = generate()
        with open(os.path.join(args.out, table.name + ".csv"), "wb") as f:
            f.write(table.text().encode("utf-8"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
