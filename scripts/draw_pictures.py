#!/usr/bin/env python3
"""Draws the program's pictures as SVG files under res/.

The keypad keys come in a normal and a pressed look; the toolbar icons share
one tile style. Run from the repository root after changing a design:
    python3 scripts/draw_pictures.py
"""
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def project_version():
    """The version as the build defines it, in the project() line."""
    import re
    with open(os.path.join(ROOT, "CMakeLists.txt"), encoding="utf-8") as f:
        return re.search(r"project\(Zentova VERSION ([0-9.]+)", f.read()).group(1)


VERSION = project_version()
RES = os.path.join(ROOT, "res")

# ---------------------------------------------------------------- keypad keys
# Sizes in pixels of the four key shapes of the calculator page.
NARROW, WIDE, NORMAL, TALL = (60, 27), (69, 27), (75, 27), (75, 87)

KEYS = {  # id: (caption, group, size)
    1001: ("0", "digit", NORMAL), 1002: ("1", "digit", NORMAL), 1003: ("2", "digit", NORMAL),
    1004: ("3", "digit", NORMAL), 1005: ("4", "digit", NORMAL), 1006: ("5", "digit", NORMAL),
    1007: ("6", "digit", NORMAL), 1008: ("7", "digit", NORMAL), 1009: ("8", "digit", NORMAL),
    1010: ("9", "digit", NORMAL), 1011: ("+", "operator", NORMAL), 1012: ("-", "operator", NORMAL),
    1013: ("*", "operator", NORMAL), 1014: (".", "digit", NORMAL), 1015: ("/", "operator", NORMAL),
    1016: ("(", "operator", NORMAL), 1017: ("00", "digit", NORMAL), 1018: ("^3", "operator", NORMAL),
    1019: (")", "operator", NORMAL), 1020: ("^2", "operator", NORMAL), 1021: ("^", "operator", NORMAL),
    1022: ("ceil", "function", NORMAL), 1023: ("sin", "function", NARROW),
    1024: ("cos", "function", NARROW), 1025: ("tan", "function", NARROW),
    1026: ("cot", "function", NARROW), 1027: ("gcd", "function", NORMAL),
    1028: ("lcm", "function", NORMAL), 1029: ("log", "function", NORMAL),
    1030: ("ci", "function", NORMAL), 1031: ("lg", "function", NORMAL),
    1032: ("ln", "function", NORMAL), 1033: ("arcsin", "function", WIDE),
    1034: ("arccos", "function", WIDE), 1035: ("arctan", "function", WIDE),
    1036: ("sqrt", "function", NORMAL), 1037: ("floor", "function", NORMAL),
    1038: ("abs", "function", NORMAL), 1039: ("←", "edit", NORMAL), 1040: ("C", "edit", NORMAL),
    1041: ("=", "equals", TALL), 1042: ("arccot", "function", WIDE),
}

# group: (top colour, bottom colour, border, text)
GROUPS = {
    "digit": ("#ffffff", "#e4e9f0", "#9aa6b6", "#1f2a37"),
    "operator": ("#eef3fc", "#cfdcf2", "#8ea3c6", "#1d3d6b"),
    "function": ("#eef8f6", "#cde6e1", "#8bb5ad", "#124b45"),
    "edit": ("#fff1ee", "#f6cbc2", "#cf9385", "#8a2415"),
    "equals": ("#4b8ae0", "#2a5fb0", "#1f4a8c", "#ffffff"),
}


def darker(colour, factor):
    r, g, b = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    return "#%02x%02x%02x" % tuple(int(c * factor) for c in (r, g, b))


def key_svg(caption, group, size, pressed):
    w, h = size
    top, bottom, border, ink = GROUPS[group]
    if pressed:
        top, bottom = darker(bottom, 0.93), darker(top, 0.9)
    shift = 1 if pressed else 0
    font = 15 if len(caption) <= 2 else 13
    cx, cy = w / 2, h / 2 + shift
    if caption == "←":  # drawn, so that no font has to carry the arrow
        glyph = (f'<path d="M{cx - 9},{cy} h18 M{cx - 9},{cy} l6,-5 M{cx - 9},{cy} l6,5" '
                 f'stroke="{ink}" stroke-width="2.2" fill="none" stroke-linecap="round" '
                 f'stroke-linejoin="round"/>')
    else:
        text = caption.replace("&", "&amp;").replace("<", "&lt;")
        size_px = 22 if group == "equals" else font
        glyph = (f'<text x="{cx}" y="{cy + size_px * 0.36:.1f}" text-anchor="middle" '
                 f'font-family="Liberation Sans" font-weight="bold" font-size="{size_px}" '
                 f'fill="{ink}">{text}</text>')
    highlight = "" if pressed else (
        f'<rect x="1.5" y="1.5" width="{w - 3}" height="{min(h / 2 - 1, 14):.1f}" rx="3.5" '
        f'fill="url(#shine)"/>')
    shadow = (f'<rect x="1.5" y="1.5" width="{w - 3}" height="3" rx="1.5" fill="#000000" '
              f'fill-opacity="0.12"/>' if pressed else "")
    return f'''<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">
  <defs>
    <linearGradient id="face" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="{top}"/>
      <stop offset="1" stop-color="{bottom}"/>
    </linearGradient>
    <linearGradient id="shine" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#ffffff" stop-opacity="0.5"/>
      <stop offset="1" stop-color="#ffffff" stop-opacity="0"/>
    </linearGradient>
  </defs>
  <rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" rx="5" fill="url(#face)" stroke="{border}"/>
  {highlight}{shadow}
  {glyph}
</svg>
'''


# -------------------------------------------------------------- toolbar icons
def tile(colour, body):
    light = "#" + "".join("%02x" % min(255, int(int(colour[i:i + 2], 16) * 0.6 + 255 * 0.4))
                          for i in (1, 3, 5))
    return f'''<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">
  <defs>
    <linearGradient id="tile" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="{light}"/>
      <stop offset="1" stop-color="{colour}"/>
    </linearGradient>
  </defs>
  <rect x="4" y="5" width="40" height="40" rx="9" fill="#000000" fill-opacity="0.18"/>
  <rect x="4" y="3" width="40" height="40" rx="9" fill="url(#tile)"/>
  <rect x="4.5" y="3.5" width="39" height="39" rx="8.5" fill="none" stroke="#ffffff" stroke-opacity="0.35"/>
  <g fill="none" stroke="#ffffff" stroke-width="2.6" stroke-linecap="round" stroke-linejoin="round">
{body}
  </g>
</svg>
'''


def text(x, y, s, size, family="Liberation Serif", style="italic", weight="bold"):
    return (f'    <text x="{x}" y="{y}" text-anchor="middle" font-family="{family}" '
            f'font-style="{style}" font-weight="{weight}" font-size="{size}" fill="#ffffff" '
            f'stroke="none">{s}</text>')


ICONS = {
    "cover": ("#7b5cd6", "\n".join([
        '    <path d="M15,14 h18 l-18,18 h18"/>',
        '    <circle cx="35" cy="12" r="2" fill="#ffffff" stroke="none"/>',
        '    <path d="M13,37 h22" stroke-opacity="0.6"/>'])),
    "calculator": ("#2f6fd0", "\n".join([
        '    <rect x="14" y="9" width="20" height="28" rx="3"/>',
        '    <rect x="17.5" y="12.5" width="13" height="6" rx="1" fill="#ffffff" stroke="none"/>',
        *[f'    <circle cx="{x}" cy="{y}" r="1.6" fill="#ffffff" stroke="none"/>'
          for y in (24, 29, 34) for x in (19, 24, 29)]])),
    "matrix": ("#1a9c8c", "\n".join([
        '    <path d="M15,11 h-4 v24 h4"/>', '    <path d="M33,11 h4 v24 h-4"/>',
        *[f'    <circle cx="{x}" cy="{y}" r="1.9" fill="#ffffff" stroke="none"/>'
          for y in (16, 23, 30) for x in (18, 24, 30)]])),
    "determinant": ("#168a9c", "\n".join([
        '    <path d="M13,11 v24"/>', '    <path d="M35,11 v24"/>',
        text(24, 22, "a b", 11, "Liberation Serif"), text(24, 34, "c d", 11, "Liberation Serif")])),
    "calculus": ("#e07a1f", "\n".join([
        '    <path d="M27,9 c-4,-1 -5,2 -5.5,6 l-2,17 c-0.5,4 -2,6 -5.5,5"/>',
        text(31, 31, "dx", 12)])),
    "series": ("#d8661c", text(24, 33, "Σ", 26, "Liberation Sans", "normal")),
    "linear_system": ("#21897a", "\n".join([
        '    <path d="M16,10 c-3,0 -3,2 -3,5 v4 c0,2 -1,4 -3,4 c2,0 3,2 3,4 v4 c0,3 0,5 3,5"/>',
        '    <path d="M20,16 h15"/>', '    <path d="M20,23 h11"/>', '    <path d="M20,30 h15"/>'])),
    "statistics": ("#3a9d3a", "\n".join([
        '    <path d="M11,36 h26"/>',
        '    <rect x="13" y="24" width="5" height="12" fill="#ffffff" stroke="none"/>',
        '    <rect x="21.5" y="14" width="5" height="22" fill="#ffffff" stroke="none"/>',
        '    <rect x="30" y="19" width="5" height="17" fill="#ffffff" stroke="none"/>'])),
    "custom_expression": ("#4f5bd5", text(24, 30, "f(x)", 16)),
    "graph": ("#c8425a", "\n".join([
        '    <path d="M14,14 L33,17 L24,33 Z M14,14 L24,33"/>',
        *[f'    <circle cx="{x}" cy="{y}" r="3.6" fill="#ffffff" stroke="none"/>'
          for x, y in ((14, 14), (33, 17), (24, 33))]])),
    "constants": ("#c99a14", text(24, 33, "π", 28, "Liberation Serif", "normal")),
    "polynomial": ("#b8602c", "\n".join([
        text(14, 30, "×", 18, "Liberation Sans", "normal"), text(30, 32, "x²", 20)])),
    "logic": ("#5a6b85", "\n".join([
        '    <path d="M12,30 l5,-14 l5,14"/>', '    <path d="M26,16 l5,14 l5,-14"/>',
        '    <path d="M14,36 h20" stroke-opacity="0.6"/>'])),
    "next_set": ("#6b7785", '    <path d="M16,23 h16 M25,15 l8,8 l-8,8"/>'),
    "previous_set": ("#6b7785", '    <path d="M32,23 h-16 M23,15 l-8,8 l8,8"/>'),
}

# ------------------------------------------------------------ other pictures
APP_ICON = '''<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">
  <defs>
    <linearGradient id="bg" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="#5b8def"/>
      <stop offset="1" stop-color="#2a4fa8"/>
    </linearGradient>
  </defs>
  <rect x="4" y="4" width="56" height="56" rx="13" fill="url(#bg)"/>
  <rect x="4.5" y="4.5" width="55" height="55" rx="12.5" fill="none" stroke="#ffffff" stroke-opacity="0.3"/>
  <path d="M19,18 h26 l-26,28 h26" fill="none" stroke="#ffffff" stroke-width="6"
        stroke-linecap="round" stroke-linejoin="round"/>
  <path d="M40,30 h8 M40,35 h8" stroke="#ffd166" stroke-width="3" stroke-linecap="round"/>
</svg>
'''

HAND_CURSOR = '''<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <path d="M10,1.5 c1.4,0 2.3,1 2.3,2.4 v9 c0.4,-1 1.2,-1.5 2.2,-1.5 c1.2,0 2,0.8 2.2,1.8
           c0.4,-0.8 1.1,-1.2 2,-1.2 c1.2,0 2,0.8 2.2,1.9 c0.4,-0.6 1,-0.9 1.8,-0.9
           c1.3,0 2.2,1 2.2,2.4 v6.5 c0,4.5 -2.6,8.1 -7.4,8.1 h-3.2 c-2.7,0 -4.3,-1.2 -5.8,-3.2
           l-4.6,-6.3 c-0.8,-1.1 -0.6,-2.4 0.4,-3.1 c1,-0.7 2.2,-0.4 3,0.5 l1.1,1.3 v-14.3
           c0,-1.4 0.9,-2.4 2.3,-2.4 z"
        fill="#ffffff" stroke="#000000" stroke-width="1.3" stroke-linejoin="round"/>
  <path d="M14.5,17 v5 M18.7,17 v5 M22.9,17 v5" stroke="#000000" stroke-width="1"
        stroke-linecap="round"/>
</svg>
'''


def page_background():
    lines = []
    for x in range(0, 591, 15):
        lines.append(f'<path d="M{x}.5,0 V378"/>')
    for y in range(0, 379, 15):
        lines.append(f'<path d="M0,{y}.5 H590"/>')
    grid = "\n    ".join(lines)
    return f'''<svg xmlns="http://www.w3.org/2000/svg" width="590" height="378" viewBox="0 0 590 378">
  <defs>
    <linearGradient id="paper" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#f6f8fb"/>
      <stop offset="1" stop-color="#e3e9f1"/>
    </linearGradient>
  </defs>
  <rect width="590" height="378" fill="url(#paper)"/>
  <g stroke="#c9d4e3" stroke-opacity="0.45" stroke-width="1" fill="none">
    {grid}
  </g>
  <path d="M0,0.5 H590" stroke="#ffffff" stroke-width="1"/>
</svg>
'''


COVER = '''<svg xmlns="http://www.w3.org/2000/svg" width="590" height="378" viewBox="0 0 590 378">
  <defs>
    <linearGradient id="sky" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="#25478f"/>
      <stop offset="0.6" stop-color="#3a6fc9"/>
      <stop offset="1" stop-color="#6fa3e8"/>
    </linearGradient>
    <linearGradient id="floor" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#f7f9fc"/>
      <stop offset="1" stop-color="#e2e8f1"/>
    </linearGradient>
  </defs>
  <rect width="590" height="378" fill="url(#floor)"/>
  <path d="M0,0 H590 V236 C470,270 330,250 230,262 C140,272 60,262 0,248 Z" fill="url(#sky)"/>
  <g fill="none" stroke="#ffffff" stroke-opacity="0.13" stroke-width="1">
    <path d="M0,60 H590 M0,120 H590 M0,180 H590"/>
    <path d="M60,0 V250 M150,0 V262 M240,0 V262 M330,0 V256 M420,0 V248 M510,0 V240"/>
  </g>
  <path d="M20,200 C80,120 130,120 180,170 S290,230 340,150 S450,60 570,110" fill="none"
        stroke="#ffd166" stroke-width="3" stroke-opacity="0.85" stroke-linecap="round"/>
  <path d="M20,150 C90,190 160,70 250,110 S400,190 570,60" fill="none"
        stroke="#9be7d8" stroke-width="2" stroke-opacity="0.7" stroke-linecap="round"/>
  <g font-family="Liberation Serif" font-style="italic" fill="#ffffff" fill-opacity="0.22">
    <text x="470" y="200" font-size="64">∫</text>
    <text x="515" y="190" font-size="44">π</text>
    <text x="40" y="70" font-size="48">Σ</text>
    <text x="100" y="230" font-size="30">f(x)</text>
    <text x="400" y="70" font-size="28">√x</text>
  </g>
  <g transform="translate(150,66)">
    <rect x="0" y="0" width="72" height="72" rx="16" fill="#ffffff" fill-opacity="0.16"/>
    <path d="M18,18 h36 l-36,36 h36" fill="none" stroke="#ffffff" stroke-width="8"
          stroke-linecap="round" stroke-linejoin="round"/>
    <path d="M56,36 h10 M56,43 h10" stroke="#ffd166" stroke-width="4" stroke-linecap="round"/>
  </g>
  <text x="240" y="122" font-family="Liberation Sans" font-weight="bold" font-size="52"
        fill="#ffffff">Zentova</text>
  <text x="243" y="150" font-family="Liberation Sans" font-size="18" fill="#dbe7fb"
        letter-spacing="2">CALCULATOR  {VERSION}</text>
  <rect x="128" y="276" width="334" height="94" rx="12" fill="#ffffff" fill-opacity="0.85"
        stroke="#c9d4e3"/>
</svg>
'''.replace("{VERSION}", VERSION)


def write(path, content):
    full = os.path.join(RES, path)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, "w", encoding="utf-8") as f:
        f.write(content)


def main():
    for key_id, (caption, group, size) in KEYS.items():
        write(f"keys/key{key_id}.svg", key_svg(caption, group, size, False))
        write(f"keys/key{key_id}_down.svg", key_svg(caption, group, size, True))
    for name, (colour, body) in ICONS.items():
        write(f"toolbar/{name}.svg", tile(colour, body))
    write("zentova.svg", APP_ICON)
    write("hand_cursor.svg", HAND_CURSOR)
    write("page_background.svg", page_background())
    write("cover.svg", COVER)
    files = sorted(os.path.relpath(os.path.join(d, f), RES)
                   for d, _, fs in os.walk(RES) for f in fs if f.endswith(".svg"))
    qrc = ['<!DOCTYPE RCC><RCC version="1.0">', '<qresource prefix="/">']
    for f in files:
        alias = f if f.startswith("keys/") else "res/" + f
        qrc.append(f'    <file alias="{alias}">{f}</file>')
    qrc += ["</qresource>", "</RCC>", ""]
    write("zentova.qrc", "\n".join(qrc))
    return 0


if __name__ == "__main__":
    sys.exit(main())
