#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the sample lens catalogue and its datasheets under data/.

data/Obbiettivi2.txt has decimal points, data/Obbiettivi1.txt decimal commas; otherwise they
are the same. Every lens with a datasheet folder gets a one-page PDF under
data/cd/Pdf/Obiettivi/<folder><name>.pdf, so choosing data/cd/ as the CD folder opens them.
Run it again after changing the table; the output is deterministic.
"""

from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent / "data"

# TypeCode, Name, Iris, FocalMin, FocalMax, FStop, MinFocus, PdfFolder, Note
# Grouped by type, ascending focal length within a type. FocalMax repeats FocalMin for fixed
# lenses. Numbers are written with "." here; the comma file swaps the separator.
LENSES = [
    ("FF", "T2812MI", "MI", "2.8", "2.8", "1.2", "0.2", "FF\\", "Wide angle"),
    ("FF", "T2812DD", "DD", "2.8", "2.8", "1.2", "0.2", "FF\\", "no"),
    ("FF", "T3614VD", "VD", "3.6", "3.6", "1.4", "0.2", "FF\\", "no"),
    ("FF", "T4012DD", "DD", "4", "4", "1.2", "0.25", "FF\\", "no"),
    ("FF", "H4014MI", "MI", "4", "4", "1.4", "0.25", "FF\\", "Metal mount"),
    ("FF", "H6012DD", "DD", "6", "6", "1.2", "0.3", "FF\\", "no"),
    ("FF", "T6014VD", "VD", "6", "6", "1.4", "0", "XX", "no"),
    ("FF", "M6014MI", "MI", "6", "6", "1.4", "0.3", "FF\\", "no"),
    ("FF", "H8012DD", "DD", "8", "8", "1.2", "0.3", "FF\\", "IR corrected"),
    ("FF", "M8014VD", "VD", "8", "8", "1.4", "0.3", "FF\\", "no"),
    ("FF", "V8016MI", "MI", "8", "8", "1.6", "0.4", "FF\\", "no"),
    ("FF", "H12014DD", "DD", "12", "12", "1.4", "0.4", "FF\\", "no"),
    ("FF", "M12014VD", "VD", "12", "12", "1.4", "0.5", "FF\\", "no"),
    ("FF", "M16014DD", "DD", "16", "16", "1.4", "0.5", "FF\\", "no"),
    ("FF", "V16014MI", "MI", "16", "16", "1.4", "0.5", "XX", "no"),
    ("FF", "M25014DD", "DD", "25", "25", "1.4", "0.6", "FF\\", "Megapixel"),
    ("FF", "V25014VD", "VD", "25", "25", "1.4", "0.6", "FF\\", "no"),
    ("FF", "V35016DD", "DD", "35", "35", "1.6", "0", "FF\\", "no"),
    ("FF", "V50018MI", "MI", "50", "50", "1.8", "1", "FF\\", "no"),
    ("FF", "V50018VD", "VD", "50", "50", "1.8", "1", "FF\\", "no"),
    ("HSP", "T2212ADD", "DD", "2.2", "2.2", "1.2", "0.1", "HSP\\", "Aspherical wide angle"),
    ("HSP", "T2612AVD", "VD", "2.6", "2.6", "1.2", "0.1", "HSP\\", "no"),
    ("HSP", "H3010AMI", "MI", "3", "3", "1", "0.15", "HSP\\", "no"),
    ("HSP", "H3510ADD", "DD", "3.5", "3.5", "1", "0.15", "HSP\\", "no"),
    ("HSP", "H4010AVD", "VD", "4", "4", "1", "0.2", "XX", "no"),
    ("HSP", "M4510ADD", "DD", "4.5", "4.5", "1", "0.2", "HSP\\", "Low light"),
    ("HSP", "M6010AMI", "MI", "6", "6", "1", "0.25", "HSP\\", "no"),
    ("HSP", "M8012AVD", "VD", "8", "8", "1.2", "0.3", "HSP\\", "no"),
    ("HSP", "V8512ADD", "DD", "8.5", "8.5", "1.2", "0.3", "HSP\\", "no"),
    ("HSP", "V12514AVD", "VD", "12.5", "12.5", "1.4", "0", "HSP\\", "no"),
    ("VAR", "T2860VMI", "MI", "2.8", "6", "1.4", "0.2", "VAR\\", "no"),
    ("VAR", "T2860VDD", "DD", "2.8", "6", "1.4", "0.2", "VAR\\", "no"),
    ("VAR", "H2890VDD", "DD", "2.8", "9", "1.2", "0.3", "VAR\\", "no"),
    ("VAR", "T3580VDD", "DD", "3.5", "8", "1.4", "0.3", "VAR\\", "no"),
    ("VAR", "H3580VVD", "VD", "3.5", "8", "1.4", "0.3", "VAR\\", "IR corrected"),
    ("VAR", "H4090VMI", "MI", "4", "9", "1.6", "0.3", "XX", "no"),
    ("VAR", "H5050VDD", "DD", "5", "50", "1.6", "1", "VAR\\", "no"),
    ("VAR", "M5050VVD", "VD", "5", "50", "1.6", "1", "VAR\\", "no"),
    ("VAR", "M6012VDD", "DD", "6", "12", "1.4", "0.5", "VAR\\", "Megapixel"),
    ("VAR", "M6012VMI", "MI", "6", "12", "1.4", "0.5", "VAR\\", "no"),
    ("VAR", "V8016VDD", "DD", "8", "16", "1.6", "0.6", "VAR\\", "no"),
    ("VAR", "V8016VVD", "VD", "8", "16", "1.6", "0.6", "XX", "no"),
    ("VAR", "M1050VDD", "DD", "10", "50", "1.8", "1.2", "VAR\\", "no"),
    ("VAR", "V1250VMI", "MI", "12", "50", "1.8", "1.2", "VAR\\", "no"),
    ("ZOOM", "T5533ZM", "M", "5.5", "33", "1.4", "0.8", "ZOOM\\", "no"),
    ("ZOOM", "T5533ZDD", "DD", "5.5", "33", "1.4", "0.8", "ZOOM\\", "no"),
    ("ZOOM", "H6060ZM", "M", "6", "60", "1.2", "1", "ZOOM\\", "Motorised focus"),
    ("ZOOM", "H6060ZDD", "DD", "6", "60", "1.2", "1", "ZOOM\\", "no"),
    ("ZOOM", "H6060ZVD", "VD", "6", "60", "1.2", "1", "XX", "no"),
    ("ZOOM", "M6072ZM", "M", "6", "72", "1.2", "1.2", "ZOOM\\", "no"),
    ("ZOOM", "M8080ZM", "M", "8", "80", "1.6", "1.5", "ZOOM\\", "no"),
    ("ZOOM", "M8080ZDD", "DD", "8", "80", "1.6", "1.5", "ZOOM\\", "Preset positions"),
    ("ZOOM", "H8551ZMI", "MI", "8.5", "51", "1.6", "1.2", "ZOOM\\", "no"),
    ("ZOOM", "V10120ZM", "M", "10", "120", "1.8", "2", "ZOOM\\", "no"),
    ("ZOOM", "V10120ZVD", "VD", "10", "120", "1.8", "2", "ZOOM\\", "no"),
    ("ZOOM", "M12240ZM", "M", "12.5", "240", "1.6", "2.5", "ZOOM\\", "Long range"),
    ("ZOOM", "M12240ZDD", "DD", "12.5", "240", "1.6", "2.5", "XX", "no"),
    ("ZOOM", "V16160ZM", "M", "16", "160", "1.8", "2", "ZOOM\\", "no"),
    ("ZOOM", "V16160ZMI", "MI", "16", "160", "1.8", "2", "ZOOM\\", "no"),
    ("ZOOM", "V20300ZM", "M", "20", "300", "2", "3", "ZOOM\\", "no"),
]

NUMERIC_COLUMNS = (3, 4, 5, 6)  # FocalMin, FocalMax, FStop, MinFocus
SENSORS = {"T": '1/3"', "H": '1/2"', "M": '2/3"', "V": '1"'}
IRIS = {"MI": "manual", "DD": "direct drive", "VD": "video drive", "M": "motorised"}
KINDS = {"FF": "fixed focal length", "HSP": "aspherical", "VAR": "varifocal", "ZOOM": "zoom"}


def catalogue_text(separator):
    lines = []
    for lens in LENSES:
        fields = [
            value.replace(".", separator) if column in NUMERIC_COLUMNS else value
            for column, value in enumerate(lens)
        ]
        lines.append("\t".join(fields) + "\r\n")
    return "".join(lines)


def pdf_escape(text):
    return text.replace("\\", "\\\\").replace("(", "\\(").replace(")", "\\)")


def datasheet(lens):
    """One A4 page with the lens name and its main figures, xref offsets exact."""
    type_code, name, iris, fmin, fmax, fstop, min_focus, _, note = lens
    focal = f"{fmin}-{fmax} mm" if type_code in ("VAR", "ZOOM") else f"{fmin} mm"
    rows = [
        ("Type", KINDS[type_code]),
        ("Focal length", focal),
        ("Aperture", f"F{fstop}"),
        ("Iris control", IRIS[iris]),
        ("Largest sensor", SENSORS[name[0]]),
        ("Minimum focus", f"{min_focus} m" if min_focus != "0" else "not stated"),
    ]
    if note != "no":
        rows.append(("Remark", note))
    ops = ["BT", "/F2 26 Tf", "56 770 Td", f"({pdf_escape(name)}) Tj", "/F1 12 Tf",
           "0 -22 Td", "(marvanto CCTV lens datasheet) Tj", "0 -36 Td"]
    for label, value in rows:
        ops += [f"({pdf_escape(label)}:) Tj", "160 0 Td", f"({pdf_escape(value)}) Tj",
                "-160 -20 Td"]
    ops.append("ET")
    content = "\n".join(ops).encode("latin-1")
    objects = [
        b"<< /Type /Catalog /Pages 2 0 R >>",
        b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R"
        b" /Resources << /Font << /F1 5 0 R /F2 6 0 R >> >> >>",
        b"<< /Length " + str(len(content)).encode() + b" >>\nstream\n" + content
        + b"\nendstream",
        b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
        b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold"
        b" /Encoding /WinAnsiEncoding >>",
    ]
    out = bytearray(b"%PDF-1.4\n")
    offsets = []
    for number, body in enumerate(objects, start=1):
        offsets.append(len(out))
        out += f"{number} 0 obj\n".encode() + body + b"\nendobj\n"
    xref = len(out)
    out += f"xref\n0 {len(objects) + 1}\n".encode()
    out += b"0000000000 65535 f \n"
    for offset in offsets:
        out += f"{offset:010d} 00000 n \n".encode()
    out += f"trailer\n<< /Size {len(objects) + 1} /Root 1 0 R >>\n".encode()
    out += f"startxref\n{xref}\n%%EOF\n".encode()
    return bytes(out)


def main():
    ROOT.mkdir(exist_ok=True)
    (ROOT / "Obbiettivi2.txt").write_bytes(catalogue_text(".").encode("latin-1"))
    (ROOT / "Obbiettivi1.txt").write_bytes(catalogue_text(",").encode("latin-1"))
    for lens in LENSES:
        folder = lens[7]
        if folder == "XX":
            continue
        path = ROOT / "cd" / "Pdf" / "Obiettivi" / (folder + lens[1] + ".pdf").replace("\\", "/")
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(datasheet(lens))


if __name__ == "__main__":
    main()
