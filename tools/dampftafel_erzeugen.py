#!/usr/bin/python3
"""Writes the two saturated-steam tables shipped in data/.

    tools/dampftafel_erzeugen.py [output folder]     (default: data/ beside tools/)

Run by hand; the output is committed. Properties come from the IAPWS-IF97
industrial formulation as implemented by Debian's python3-iapws
(apt-get install python3-iapws).

File format read by the program: comma-separated fields (commas or line ends
separate, texts in double quotes), in this order: title; "Zeilen", N (grid
rows after heading row 0); "Spalten", M; "Fixierte Zeilen", 2;
"Fixierte Spalten", 1; M pairs of column label and decimals (0..6); then
N + 1 rows of M cells: names, units, data rows by ascending pressure.
Column 1 is the pressure, column 2 the saturation temperature; v'' is column
4 of the SI table and column 6 of the US table (the pressure-table layout of
Marks & Davis). Every number is written with exactly its column's decimals,
so the program shows the text of the file unchanged.
"""

import math
import os
import sys

from iapws import IAPWS97
from iapws.iapws97 import Pc, _TSat_P

# Exact unit factors (international foot and pound, IT Btu).
PA_PER_PSI = 0.45359237 * 9.80665 / 0.0254**2
M3KG_PER_FT3LB = 0.3048**3 / 0.45359237
KJKG_PER_BTULB = 2.326
KJKGK_PER_BTULBF = 4.1868
KGM3_PER_LBFT3 = 0.45359237 / 0.3048**3

# Next row may lie at most this fraction above the previous one, so a
# requested pressure never picks a row more than 2 % above it.
MAX_STEP = 0.02


def pressure_rows(first, critical, decimals):
    """Round pressures from `first` up to the critical pressure: each step is
    the largest of 1, 2, 5 x 10^k not above MAX_STEP of the current value,
    and every row lies on a multiple of its step. The critical pressure,
    rounded to the column's decimals, closes the list."""
    rows = []
    unit = 10.0 ** -decimals
    p = first
    while p < critical - 0.5 * unit:
        rows.append(p)
        limit = MAX_STEP * p
        step = unit
        for exp in range(-decimals, 6):
            for mant in (1, 2, 5):
                s = mant * 10.0**exp
                if s <= limit * (1 + 1e-12):
                    step = max(step, s)
        nxt = (math.floor(p / step + 1e-9) + 1) * step
        p = round(nxt, decimals)
    rows.append(round(critical, decimals))
    return rows


def saturation(p_mpa, last):
    """Saturated liquid and vapour at a pressure in MPa. The last row stands
    for the critical point itself, whatever its rounded pressure says."""
    p = Pc if last else min(p_mpa, Pc)
    liq = IAPWS97(P=p, x=0)
    vap = IAPWS97(P=p, x=1)
    return liq, vap


def fmt(value, decimals):
    return f"{value:.{decimals}f}"


def quoted(text):
    return '"' + text.replace('"', '""') + '"'


def write_table(path, title, columns, rows):
    """columns: (name, unit, decimals); rows: lists of numbers."""
    lines = [quoted(title)]
    lines.append(f'"Zeilen",{len(rows) + 1}')
    lines.append(f'"Spalten",{len(columns)}')
    lines.append('"Fixierte Zeilen",2')
    lines.append('"Fixierte Spalten",1')
    for name, _, decimals in columns:
        lines.append(f"{quoted(name)},{decimals}")
    lines.append(",".join(quoted(name) for name, _, _ in columns))
    lines.append(",".join(quoted(unit) for _, unit, _ in columns))
    for row in rows:
        lines.append(",".join(fmt(v, c[2]) for v, c in zip(row, columns)))
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


SI_COLUMNS = [
    ("p", "bar", 3),
    ("t", "°C", 2),
    ("v'", "m³/kg", 6),
    ("v''", "m³/kg", 5),
    ("ρ''", "kg/m³", 5),
    ("h'", "kJ/kg", 2),
    ("h''", "kJ/kg", 2),
    ("r", "kJ/kg", 2),
    ("s'", "kJ/(kg K)", 4),
    ("s''", "kJ/(kg K)", 4),
]

US_COLUMNS = [
    ("p", "psia", 2),
    ("t", "°F", 2),
    ("h'", "Btu/lb", 2),
    ("r", "Btu/lb", 2),
    ("h''", "Btu/lb", 2),
    ("v''", "cu ft/lb", 4),
    ("ρ''", "lb/cu ft", 5),
    ("s'", "Btu/(lb °F)", 4),
    ("s''-s'", "Btu/(lb °F)", 4),
    ("s''", "Btu/(lb °F)", 4),
]


def si_rows():
    rows = []
    pressures = pressure_rows(0.05, Pc * 10.0, SI_COLUMNS[0][2])
    for i, p_bar in enumerate(pressures):
        liq, vap = saturation(p_bar / 10.0, i == len(pressures) - 1)
        rows.append([p_bar, liq.T - 273.15, liq.v, vap.v, 1.0 / vap.v,
                     liq.h, vap.h, vap.h - liq.h, liq.s, vap.s])
    return rows


def us_rows():
    rows = []
    pressures = pressure_rows(1.0, Pc * 1e6 / PA_PER_PSI, US_COLUMNS[0][2])
    for i, p_psi in enumerate(pressures):
        liq, vap = saturation(p_psi * PA_PER_PSI / 1e6, i == len(pressures) - 1)
        t_f = (liq.T - 273.15) * 1.8 + 32.0
        hl, hv = liq.h / KJKG_PER_BTULB, vap.h / KJKG_PER_BTULB
        sl, sv = liq.s / KJKGK_PER_BTULBF, vap.s / KJKGK_PER_BTULBF
        rows.append([p_psi, t_f, hl, hv - hl, hv, vap.v / M3KG_PER_FT3LB,
                     vap.rho / KGM3_PER_LBFT3, sl, sv - sl, sv])
    return rows


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data")
    # Guard against a changed library: IF97 verification value, Ts(1 MPa).
    assert abs(_TSat_P(1.0) - 453.035632) < 1e-6
    si = si_rows()
    us = us_rows()
    write_table(os.path.join(out, "Dampftafel SI.txt"),
                "Dampftafel SI - Sattdampf nach IAPWS-IF97 (Druckreihe)",
                SI_COLUMNS, si)
    write_table(os.path.join(out, "Dampftafel US.txt"),
                "Dampftafel US - Sattdampf nach IAPWS-IF97 (Druckreihe)",
                US_COLUMNS, us)
    print(f"SI: {len(si)} rows, {si[0][0]} .. {si[-1][0]} bar")
    print(f"US: {len(us)} rows, {us[0][0]} .. {us[-1][0]} psia")


if __name__ == "__main__":
    main()
