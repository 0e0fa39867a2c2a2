#!/usr/bin/env python3
"""Writes the four tube tables of the catalogue from the size series in series/.

    generate_tubes.py            write catalogue/tables/<table>.csv
    generate_tubes.py --check    regenerate in memory and compare byte for byte
    generate_tubes.py --summary  print the rows per subtype

Every size series file names its standard and table. Dimensions are taken as the series
gives them; areas, weights and surfaces are derived by the standards' own formulas and
printed with the precision of the standard. Where a series also gives the value printed in
the standard, the derived value must agree with it within one unit of the printed last
digit, unless the series row carries a note "doubt <quantity>: <reason>".
"""

import argparse
import csv
import math
import sys
from decimal import ROUND_HALF_UP, Decimal
from pathlib import Path

HERE = Path(__file__).resolve().parent
SERIES = HERE / "series"
TABLES = HERE.parent.parent / "catalogue" / "tables"

# kg/m per mm² of wall: pi × 7.85 / 1000, as GB/T 17395, GB/T 3091 and GB/T 6728 print it.
ROUND_TUBE_FACTOR = 0.0246615
# kg/m per cm² of cross-section at a density of 7.85 g/cm³.
WEIGHT_PER_CM2 = 0.785

HEADERS = {
    "热轧_圆管": ["ID", "SUBTYPEID", "规格", "重量", "表面积", "截面积", "公称外径", "公称壁厚",
                "公称口径"],
    "热轧方": ["ID", "SUBTYPEID", "规格", "重量", "表面积", "截面积", "边长B/mm", "壁厚t/mm"],
    "热轧_矩形管": ["ID", "SUBTYPEID", "规格", "重量", "表面积", "截面积", "长边(mm)", "短边(mm)",
                  "公称壁厚(mm)"],
    "热轧_其他钢管": ["ID", "SUBTYPEID", "外径", "公称壁厚", "重量", "截面积", "表面积", "长边外径",
                    "短边外径", "长轴外径", "短轴外径", "型号", "对边距离"],
}


class Problems(list):
    def add(self, text):
        self.append(text)


def read_series(name):
    """Rows of a size series file as dicts; lines starting with # are comments."""
    with open(SERIES / name, encoding="utf-8", newline="") as f:
        lines = [line for line in f if line.strip() and not line.startswith("#")]
    return list(csv.DictReader(lines))


def dim(text):
    """A dimension as the catalogue writes it: no trailing zeros ("2.0" -> "2")."""
    text = text.strip()
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return text


def fixed(value, decimals):
    """value rounded half away from zero to a fixed number of decimals."""
    quantum = Decimal(1).scaleb(-decimals)
    return str(Decimal(repr(value)).quantize(quantum, rounding=ROUND_HALF_UP))


def significant(value, digits, max_decimals):
    """value rounded half away from zero to `digits` significant digits, at most `max_decimals`
    decimals: how tables that print 0.347 and 10.57 side by side round."""
    places = digits - 1 - math.floor(math.log10(abs(value))) if value else max_decimals
    return fixed(value, max(0, min(max_decimals, places)))


def printed(value, style):
    """A derived value printed in the table's style: a number of decimals, or a function."""
    return style(value) if callable(style) else fixed(value, style)


def decimals_of(text):
    text = text.strip()
    return len(text.split(".")[1]) if "." in text else 0


def check_printed(problems, where, what, computed, printed, note):
    """The derived value must match the one the standard prints, unless the row is a doubt."""
    if not printed.strip():
        return
    unit = 10.0 ** -decimals_of(printed)
    agrees = abs(computed - float(printed)) <= unit + 1e-9
    doubt = note.strip().startswith(f"doubt {what}:")
    if not agrees and not doubt:
        problems.add(f"{where}: {what} derived {computed:.4f}, printed {printed}")
    if agrees and doubt:
        problems.add(f"{where}: {what} noted as doubt but agrees ({computed:.4f} / {printed})")


# --- formulas --------------------------------------------------------------------------------


def round_tube(D, S):
    """Weight (kg/m), area (cm²) and surface (m²/m) of a round tube, D and S in mm."""
    weight = ROUND_TUBE_FACTOR * (D - S) * S
    area = math.pi * (D - S) * S / 100.0
    surface = math.pi * D / 1000.0
    return weight, area, surface


def hollow_section(H, B, t, r_outer, r_inner):
    """Weight, area and surface of a square or rectangular hollow section with rounded corners.

    A = 2t(H + B - 2t) - (4 - pi)(R² - r²), outer perimeter 2(H + B) - (8 - 2pi)R.
    """
    area_mm2 = 2 * t * (H + B - 2 * t) - (4 - math.pi) * (r_outer**2 - r_inner**2)
    area = area_mm2 / 100.0
    surface = (2 * (H + B) - (8 - 2 * math.pi) * r_outer) / 1000.0
    return area * WEIGHT_PER_CM2, area, surface


def radii_gbt6728(t):
    """Corner radii GB/T 6728 computes its sections with: R = 2t, 2.5t or 3t, r = R - t."""
    if t <= 6:
        k = 2.0
    elif t <= 10:
        k = 2.5
    else:
        k = 3.0
    return k * t, (k - 1) * t


def radii_gb50018(t):
    """Corner radii of the GB 50018 square tubes: outer 3t, inner 2t."""
    return 3 * t, 2 * t


def radii_cold_drawn(t):
    """Corner radii every printed area of the cold-drawn square tubes fits: outer 1.5t, inner 0.5t."""
    return 1.5 * t, 0.5 * t


def flat_oval(A, B, S):
    """Weight (kg/m) and area (cm²) of a flat-oval tube: two half rings of outer diameter B joined
    by two straight walls of length A - B."""
    area = (math.pi * S * (B - S) + 2 * S * (A - B)) / 100.0
    return area * WEIGHT_PER_CM2, area


# --- subtypes --------------------------------------------------------------------------------
# Each builder returns (subtype, rows without ID, size keys for the duplicate check).


def gbt3091(kind, subtype, problems):
    zinc = {Decimal(r["S"]): float(r["c"]) for r in read_series("gbt3091-2015_zinc.csv")}
    rows, keys = [], []
    for r in read_series("gbt3091-2015_dn.csv"):
        wall = r["S_thickened"] if kind == "thickened" else r["S_ordinary"]
        D, S = float(r["D"]), float(wall)
        weight = ROUND_TUBE_FACTOR * (D - S) * S
        if kind == "galvanised":
            c = zinc.get(Decimal(wall))
            if c is None:
                problems.add(f"GB/T 3091 DN{r['DN']}: no zinc factor for wall {wall}")
                continue
            weight *= c
        rows.append([str(subtype), "", fixed(weight, 3), "", "", dim(r["D"]), dim(wall),
                     r["DN"]])
        keys.append((r["DN"],))
    return rows, keys


def round_series(file, d_col, subtype, w_dec, a_dec, problems):
    rows, keys = [], []
    for r in read_series(file):
        D, S = float(r[d_col]), float(r["t"])
        weight, area, surface = round_tube(D, S)
        name = f"D{dim(r[d_col])}×{dim(r['t'])}"
        where = f"{file} {name}"
        note = r.get("note") or ""
        check_printed(problems, where, "weight", weight, r.get("printed_weight") or "", note)
        check_printed(problems, where, "area", area, r.get("printed_area") or "", note)
        rows.append([str(subtype), name, fixed(weight, w_dec), fixed(surface, 3),
                     fixed(area, a_dec), dim(r[d_col]), dim(r["t"]), ""])
        keys.append((Decimal(r[d_col]), Decimal(r["t"])))
    return rows, keys


def square_series(file, side_col, radii, subtype, w_dec, a_dec, problems, wall_col="t"):
    rows, keys = [], []
    for r in read_series(file):
        wall = r[wall_col]
        B, t = float(r[side_col]), float(wall)
        weight, area, surface = hollow_section(B, B, t, *radii(t))
        name = f"口{dim(r[side_col])}×{dim(wall)}"
        where = f"{file} {name}"
        note = r.get("note") or ""
        check_printed(problems, where, "weight", weight, r.get("printed_weight") or "", note)
        check_printed(problems, where, "area", area, r.get("printed_area") or "", note)
        rows.append([str(subtype), name, printed(weight, w_dec), fixed(surface, 3),
                     printed(area, a_dec), dim(r[side_col]), dim(wall)])
        keys.append((Decimal(r[side_col]), Decimal(wall)))
    return rows, keys


def rect_series(file, radii, subtype, w_dec, a_dec, problems):
    rows, keys = [], []
    for r in read_series(file):
        H, B, t = float(r["H"]), float(r["B"]), float(r["t"])
        weight, area, surface = hollow_section(H, B, t, *radii(t))
        name = f"口{dim(r['H'])}×{dim(r['B'])}×{dim(r['t'])}"
        where = f"{file} {name}"
        note = r.get("note") or ""
        check_printed(problems, where, "weight", weight, r.get("printed_weight") or "", note)
        rows.append([str(subtype), name, fixed(weight, w_dec), fixed(surface, 3),
                     fixed(area, a_dec), dim(r["H"]), dim(r["B"]), dim(r["t"])])
        keys.append((Decimal(r["H"]), Decimal(r["B"]), Decimal(r["t"])))
    return rows, keys


def three_digits(value):
    """Three significant digits, as the flat-oval table prints 0.0811 and 0.903."""
    return significant(value, 3, 4)


def four_digits(value):
    """Four significant digits, at most three decimals: 0.347 and 10.57."""
    return significant(value, 4, 3)


def flat_oval_series(file, subtype, problems):
    """Flat-oval tubes: 型号 is long × short axis, as the catalogue names its other shaped tubes;
    the wall stands in its own column."""
    rows, keys = [], []
    for r in read_series(file):
        A, B, S = float(r["A"]), float(r["B"]), float(r["S"])
        weight, area = flat_oval(A, B, S)
        where = f"{file} {dim(r['A'])}×{dim(r['B'])}×{dim(r['S'])}"
        note = r.get("note") or ""
        check_printed(problems, where, "weight", weight, r.get("printed_weight") or "", note)
        check_printed(problems, where, "area", area, r.get("printed_area") or "", note)
        # 外径, 公称壁厚, 重量, 截面积, 表面积, 长边外径, 短边外径, 长轴外径, 短轴外径, 型号, 对边距离
        rows.append([str(subtype), "", dim(r["S"]), printed(weight, three_digits),
                     printed(area, three_digits),
                     "", "", "", dim(r["A"]), dim(r["B"]), f"{dim(r['A'])}×{dim(r['B'])}", ""])
        keys.append((Decimal(r["A"]), Decimal(r["B"]), Decimal(r["S"])))
    return rows, keys


# Subtypes of each table, in the order their rows stand in the text. "carried" marks a
# subtype whose only row is a carried record.
def plan(problems):
    return {
        "热轧_圆管": [
            (33, lambda: gbt3091("galvanised", 33, problems)),
            (34, lambda: gbt3091("thickened", 34, problems)),
            (35, lambda: gbt3091("ordinary", 35, problems)),
            (36, "carried"),
            (40, lambda: round_series("gb50018-2002_round.csv", "d", 40, 2, 2, problems)),
            (41, lambda: round_series("gbt6728-2017_round.csv", "D", 41, 2, 2, problems)),
        ],
        "热轧方": [
            (25, "carried"),
            (27, lambda: square_series("gb50018-2002_square.csv", "h", radii_gb50018, 27, 2, 2,
                                       problems)),
            (28, lambda: square_series("gbt6728-2017_square.csv", "B", radii_gbt6728, 28, 3, 3,
                                       problems)),
            # After the others, so that their row ids stay as they were.
            (26, lambda: square_series("gbt3094_cold_drawn_square.csv", "A", radii_cold_drawn, 26,
                                       3, four_digits, problems,
                                       wall_col="S")),
        ],
        "热轧_矩形管": [
            (53, lambda: rect_series("gbt6728-2017_rect.csv", radii_gbt6728, 53, 3, 3, problems)),
        ],
        "热轧_其他钢管": [
            (73, "carried"),
            (76, lambda: flat_oval_series("cold_drawn_flat_oval.csv", 76, problems)),
        ],
    }


def read_carried():
    carried = {}
    with open(SERIES / "carried_records.txt", encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            table, record = line.split("|", 1)
            fields = [v[1:-1] if v.startswith('"') else v for v in record.split(",")]
            carried.setdefault(table, {})[int(fields[0])] = (record, fields)
    return carried


def same_value(a, b):
    a, b = a.strip(), b.strip()
    if a == b:
        return True
    try:
        unit = 10.0 ** -min(decimals_of(a), decimals_of(b))
        return abs(float(a) - float(b)) <= unit + 1e-9
    except ValueError:
        return False


def quote(fields):
    return ",".join(f'"{v}"' if v != "" else "" for v in fields)


def build(problems):
    carried = read_carried()
    texts, summary = {}, []
    for table, subtypes in plan(problems).items():
        header = HEADERS[table]
        lines = [quote(header)]
        kept = carried.get(table, {})
        next_id = 1
        for subtype, source in subtypes:
            if source == "carried":
                ids = sorted(i for i, (_, f) in kept.items() if f[1] == str(subtype))
                for i in ids:
                    if i < next_id:
                        problems.add(f"{table}: carried record {i} out of order")
                    lines.append(kept[i][0])
                    next_id = i + 1
                summary.append((table, subtype, len(ids)))
                continue
            rows, keys = source()
            if len(set(keys)) != len(keys):
                dupes = sorted({k for k in keys if keys.count(k) > 1})
                problems.add(f"{table} subtype {subtype}: duplicate sizes {dupes}")
            for row in rows:
                fields = [str(next_id)] + row
                if len(fields) != len(header):
                    problems.add(f"{table} {fields}: {len(fields)} fields")
                if next_id in kept:
                    record, old = kept[next_id]
                    if len(old) != len(fields) or not all(
                            same_value(a, b) for a, b in zip(old, fields)):
                        problems.add(f"{table}: carried record {record} does not match the "
                                     f"derived row {quote(fields)}")
                    lines.append(record)
                else:
                    lines.append(quote(fields))
                next_id += 1
            summary.append((table, subtype, len(rows)))
        for i in kept:
            if not any(line.startswith(f'"{i}",') for line in lines[1:]):
                problems.add(f"{table}: carried record {i} has no place")
        texts[table] = ("\r\n".join(lines) + "\r\n").encode("utf-8")
    return texts, summary


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="compare with the checked-in tables instead of writing them")
    parser.add_argument("--summary", action="store_true", help="print rows per subtype")
    args = parser.parse_args()

    problems = Problems()
    texts, summary = build(problems)
    if problems:
        for p in problems:
            print(p, file=sys.stderr)
        return 1
    if args.summary:
        for table, subtype, count in summary:
            print(f"{table}\t{subtype}\t{count}")
    status = 0
    for table, text in texts.items():
        path = TABLES / f"{table}.csv"
        if args.check:
            current = path.read_bytes() if path.exists() else b""
            if current != text:
                print(f"{path.name} differs from the generator's output "
                      f"({len(current)} bytes checked in, {len(text)} generated)",
                      file=sys.stderr)
                status = 1
        else:
            path.write_bytes(text)
    return status


if __name__ == "__main__":
    sys.exit(main())
