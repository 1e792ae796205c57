#!/usr/bin/env python3
"""Writes the SVG sources of the PV 8120 front artwork into src/front/art/.

The SVG files are committed and rendered to PNG by artgen at build time; run
this script again only after changing the drawing here. Coordinates follow
the 520 x 480 frame of the front widget as "frontshot --geometry" reports
them: the display label sits at (124, 132) 272 x 85, the LED label at
(32, 152) 62 x 45, and the key icons (86 x 86, centred in 90 px wide
buttons) at (161, 251) and (273, 251).
"""
import os
import random
import sys

LCD = (124, 132, 272, 85)
LED = (32, 152, 62, 45)
KEYS = ((161, 251), (273, 251))
KEY_SIZE = 86
FONT = "DejaVu Sans"


def svg(width, height, body, view=None):
    view = view or f"0 0 {width} {height}"
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
            f'version="1.2" baseProfile="tiny" width="{width}" height="{height}" viewBox="{view}">\n'
            f'{body}\n</svg>\n')


def stops(*pairs):
    out = ""
    for offset, colour, *opacity in pairs:
        alpha = f' stop-opacity="{opacity[0]}"' if opacity else ""
        out += f'<stop offset="{offset}" stop-color="{colour}"{alpha}/>'
    return out


def linear(name, x1, y1, x2, y2, *pairs):
    return (f'<linearGradient id="{name}" gradientUnits="userSpaceOnUse" x1="{x1}" y1="{y1}" '
            f'x2="{x2}" y2="{y2}">{stops(*pairs)}</linearGradient>')


def radial(name, cx, cy, r, *pairs, fx=None, fy=None):
    focus = f' fx="{fx}" fy="{fy}"' if fx is not None else ""
    return (f'<radialGradient id="{name}" gradientUnits="userSpaceOnUse" cx="{cx}" cy="{cy}" r="{r}"'
            f'{focus}>{stops(*pairs)}</radialGradient>')


def text(x, y, size, content, colour, weight="normal", anchor="start", spacing=0, opacity=1):
    return (f'<text x="{x}" y="{y}" font-family="{FONT}" font-size="{size}" font-weight="{weight}" '
            f'text-anchor="{anchor}" letter-spacing="{spacing}" fill="{colour}" fill-opacity="{opacity}">'
            f'{content}</text>')


def embossed(x, y, size, content, colour, weight="bold", anchor="start", spacing=0):
    # Light below, shade above: lettering pressed into the metal.
    return (text(x, y + 1, size, content, "#ffffff", weight, anchor, spacing, 0.55)
            + text(x, y - 0.6, size, content, "#000000", weight, anchor, spacing, 0.25)
            + text(x, y, size, content, colour, weight, anchor, spacing))


def screw(cx, cy, r=11):
    slot = r * 0.62
    tag = f"{cx}_{cy}"
    return (radial(f"screwWell{tag}", cx + 2, cy + 3, r + 2, (0, "#5f656b"), (1, "#a4aab0"))
            + radial(f"screwHead{tag}", cx - r * 0.3, cy - r * 0.35, r * 1.5, (0, "#f4f5f6"), (0.6, "#b8bdc2"),
                     (1, "#7d838a"))
            + f'<circle cx="{cx}" cy="{cy + 1.5}" r="{r + 2.5}" fill="#000000" fill-opacity="0.18"/>'
            f'<circle cx="{cx}" cy="{cy}" r="{r + 2}" fill="url(#screwWell{tag})"/>'
            f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="url(#screwHead{tag})" stroke="#6d7277" stroke-width="0.8"/>'
            f'<path d="M{cx - slot} {cy}h{2 * slot}M{cx} {cy - slot}v{2 * slot}" stroke="#4a4e52" '
            f'stroke-width="2.6" stroke-linecap="round"/>'
            f'<path d="M{cx - slot + 0.6} {cy + 1}h{2 * slot - 1.2}M{cx + 1} {cy - slot + 0.6}v{2 * slot - 1.2}" '
            f'stroke="#e8eaec" stroke-width="0.8" stroke-opacity="0.7"/>'
            f'<ellipse cx="{cx - r * 0.35}" cy="{cy - r * 0.4}" rx="{r * 0.45}" ry="{r * 0.25}" fill="#ffffff" '
            f'fill-opacity="0.35"/>')


def brushed_lines(x0, y0, x1, y1, seed, count):
    rnd = random.Random(seed)
    out = []
    for _ in range(count):
        y = rnd.uniform(y0, y1)
        start = rnd.uniform(x0, x0 + (x1 - x0) * 0.4)
        length = rnd.uniform((x1 - x0) * 0.3, x1 - start)
        shade = "#ffffff" if rnd.random() < 0.55 else "#59606a"
        out.append(f'<path d="M{start:.1f} {y:.2f}h{length:.1f}" stroke="{shade}" '
                   f'stroke-width="{rnd.uniform(0.4, 1.1):.2f}" stroke-opacity="{rnd.uniform(0.04, 0.13):.3f}"/>')
    return "".join(out)


def defs():
    return ("<defs>"
            + linear("body", 0, 0, 0, 480, (0, "#e3e6e9"), (0.08, "#d2d6da"), (0.45, "#bfc4c9"),
                     (0.8, "#aeb3b8"), (1, "#9aa0a6"))
            + linear("bodyEdge", 0, 0, 520, 480, (0, "#ffffff", 0.9), (0.5, "#c9cdd1", 0.2), (1, "#40454a", 0.9))
            + linear("foil", 0, 100, 0, 370, (0, "#454a50"), (0.5, "#383c41"), (1, "#2c3034"))
            + linear("foilEdge", 0, 100, 0, 370, (0, "#1c1f22"), (1, "#62686e"))
            + linear("glass", 0, 114, 0, 232, (0, "#121416"), (1, "#1d2023"))
            + linear("glassShine", 12, 114, 200, 232, (0, "#ffffff", 0.16), (0.5, "#ffffff", 0.04),
                     (1, "#ffffff", 0))
            + linear("plate", 0, 378, 0, 446, (0, "#f1f2f3"), (0.5, "#dcdfe2"), (1, "#c7cbcf"))
            + radial("light", 150, 40, 520, (0, "#ffffff", 0.35), (0.6, "#ffffff", 0.05), (1, "#000000", 0.18))
            + "</defs>")




def housing(blind=False):
    parts = [defs()]
    # Soft shadow under the housing, built from widening translucent outlines.
    for i, alpha in enumerate((0.10, 0.07, 0.05, 0.03)):
        grow = 2 + 2 * i
        parts.append(f'<rect x="{6 - grow / 2}" y="{9 - grow / 3}" width="{508 + grow}" height="{467 + grow / 2}" '
                     f'rx="{30 + grow}" fill="#000000" fill-opacity="{alpha}"/>')
    parts.append('<rect x="6" y="4" width="508" height="466" rx="30" fill="url(#body)"/>')
    parts.append(brushed_lines(10, 8, 510, 466, 8120, 420))
    parts.append('<rect x="6.75" y="4.75" width="506.5" height="464.5" rx="29.5" fill="none" '
                 'stroke="url(#bodyEdge)" stroke-width="1.5"/>')
    parts.append('<rect x="11" y="9" width="498" height="456" rx="26" fill="none" stroke="#ffffff" '
                 'stroke-opacity="0.35" stroke-width="1"/>')
    parts.extend(top_band())
    parts.extend(front_foil(blind))
    parts.extend(name_plate())
    parts.extend(screw(x, y) for x, y in ((36, 34), (484, 34), (36, 440), (484, 440)))
    parts.append('<rect x="6" y="4" width="508" height="466" rx="30" fill="url(#light)"/>')
    return "\n".join(parts)


def top_band():
    return [embossed(62, 58, 30, "vardo", "#3f454b", spacing=1),
            '<rect x="64" y="66" width="92" height="3.5" fill="#ffd500"/>',
            embossed(456, 50, 22, "PV 8120", "#3f454b", anchor="end"),
            text(456, 70, 11, "Differenzdruck-Transmitter", "#4d535a", anchor="end", spacing=0.4),
            '<path d="M22 94h476" stroke="#7c8288" stroke-opacity="0.55" stroke-width="1"/>',
            '<path d="M22 95.2h476" stroke="#ffffff" stroke-opacity="0.6" stroke-width="1"/>']


def front_foil(blind):
    parts = ['<rect x="13" y="103" width="494" height="262" rx="14" fill="url(#foilEdge)"/>',
             '<rect x="14.5" y="104.5" width="491" height="259" rx="13" fill="url(#foil)"/>',
             brushed_lines(16, 106, 504, 362, 17, 60).replace('#ffffff', '#8a9096')]
    if blind:
        # The variant without display and keys shows only the model name.
        parts.append(text(205, 180, 20, "PV 8120", "#c9cdd1", weight="bold", anchor="middle"))
    else:
        parts.extend(display_window())
        parts.extend(key_wells())
        parts.append(text(30, 345, 8.5, "SET: \u25b2 + \u25bc  3 s", "#8a9096", spacing=0.4))
    parts.extend(legend())
    return parts


def display_window():
    x, y, w, h = LCD
    lx, ly, lw, lh = LED
    return [f'<rect x="{lx - 11}" y="{y - 16}" width="{x + w - lx + 24}" height="{h + 32}" rx="9" fill="#0b0c0d"/>',
            f'<rect x="{lx - 10}" y="{y - 15}" width="{x + w - lx + 22}" height="{h + 30}" rx="8" fill="url(#glass)"/>',
            f'<rect x="{x - 5}" y="{y - 5}" width="{w + 10}" height="{h + 10}" rx="3" fill="#2a2b2a" '
            f'stroke="#000000" stroke-opacity="0.6"/>',
            f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="#3d3d3c"/>',
            f'<rect x="{lx - 3}" y="{ly - 3}" width="{lw + 6}" height="{lh + 6}" rx="5" fill="#070808"/>',
            f'<path d="M{lx - 10} {y - 15}h{x + w - lx + 22}l-150 {h + 30}H{lx - 10}z" fill="url(#glassShine)"/>',
            f'<rect x="{lx - 10.5}" y="{y - 15.5}" width="{x + w - lx + 23}" height="{h + 31}" rx="8.5" '
            f'fill="none" stroke="#ffffff" stroke-opacity="0.12"/>',
            text(lx + lw / 2, ly + lh + 17, 8.5, "STATUS", "#9aa0a6", anchor="middle", spacing=1)]


def key_wells():
    parts = []
    for index, (kx, ky) in enumerate(KEYS):
        cx, cy = kx + KEY_SIZE / 2, ky + KEY_SIZE / 2
        r = KEY_SIZE / 2 + 4
        parts.append(f'<circle cx="{cx}" cy="{cy + 1.5}" r="{r + 1.5}" fill="#ffffff" fill-opacity="0.10"/>')
        parts.append(f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="#16181b"/>')
        parts.append(f'<circle cx="{cx}" cy="{cy}" r="{r - 1}" fill="none" stroke="#000000" stroke-opacity="0.5" '
                     f'stroke-width="2"/>')
        label = "\u25b2" if index == 0 else "\u25bc"
        parts.append(text(cx, ky - 8, 9, label, "#c9cdd1", anchor="middle"))
    return parts


def legend():
    x = 422
    return [text(x, 150, 26, "\u0394p", "#e7eaee", weight="bold"),
            text(x, 172, 9, "Differenzdruck", "#aeb3b8", spacing=0.2),
            f'<path d="M{x} 186h74" stroke="#ffd500" stroke-width="2"/>',
            text(x, 206, 9, "0 \u2026 250 mbar", "#c9cdd1"),
            text(x + 10, 288, 9, "Grenzwert", "#c9cdd1"),
            text(x + 10, 303, 9, "Alarm", "#c9cdd1"),
            text(x + 10, 318, 9, "Betrieb", "#c9cdd1"),
            f'<circle cx="{x + 3.5}" cy="285" r="3.3" fill="#f2c200"/>',
            f'<circle cx="{x + 3.5}" cy="300" r="3.3" fill="#d8262b"/>',
            f'<circle cx="{x + 3.5}" cy="315" r="3.3" fill="#3fb449"/>']


def name_plate():
    return ['<rect x="78" y="381" width="364" height="66" rx="5" fill="#000000" fill-opacity="0.18"/>',
            '<rect x="78" y="379" width="364" height="66" rx="5" fill="url(#plate)" stroke="#8a9096" '
            'stroke-width="0.8"/>',
            text(92, 400, 12, "PV 8120", "#2f3338", weight="bold"),
            text(158, 400, 10, "Differenzdruck-Messumformer", "#3f454b"),
            text(92, 417, 9, "Messbereich 0 \u2026 250 mbar   Ausgang 4 \u2026 20 mA / Modbus RTU", "#4d535a"),
            text(92, 432, 9, "Versorgung 24 V DC   IP65   -20 \u2026 +70 \u00b0C", "#4d535a"),
            '<rect x="396" y="390" width="34" height="34" fill="#ffffff" stroke="#4d535a" stroke-width="0.8"/>',
            qr_like(399, 393, 28)]


def qr_like(x, y, size):
    rnd = random.Random(42)
    cell = size / 7
    out = []
    for row in range(7):
        for col in range(7):
            corner = (row < 2 and col < 2) or (row < 2 and col > 4) or (row > 4 and col < 2)
            if corner or rnd.random() < 0.45:
                out.append(f'<rect x="{x + col * cell:.2f}" y="{y + row * cell:.2f}" width="{cell:.2f}" '
                           f'height="{cell:.2f}" fill="#2f3338"/>')
    return "".join(out)




LED_COLOURS = {
    "white": (None, None),
    "yellow_white": ("yellow", None),
    "green": (None, "green"),
    "yellow_green": ("yellow", "green"),
    "yellow_red": ("yellow", "red"),
    "red": (None, "red"),
}
LIT = {"yellow": ("#fff6b0", "#ffd500", "#c79a00"), "green": ("#d9ffd0", "#3fd04f", "#16802a"),
       "red": ("#ffd2cc", "#ff3b2f", "#a3120c")}
DARK = ("#f4f6f8", "#c9ced3", "#8d959c")


def lens(name, cx, cy, r, colour):
    hi, mid, lo = LIT[colour] if colour else DARK
    glow = ""
    if colour:
        glow = (f'<radialGradient id="{name}Glow" gradientUnits="userSpaceOnUse" cx="{cx}" cy="{cy}" r="{r * 1.9}">'
                f'{stops((0, mid, 0.55), (1, mid, 0))}</radialGradient>'
                f'<circle cx="{cx}" cy="{cy}" r="{r * 1.9}" fill="url(#{name}Glow)"/>')
    return (f'<radialGradient id="{name}" gradientUnits="userSpaceOnUse" cx="{cx - r * 0.25}" cy="{cy - r * 0.3}" '
            f'r="{r * 1.2}">{stops((0, hi), (0.45, mid), (1, lo))}</radialGradient>'
            + glow
            + f'<circle cx="{cx}" cy="{cy}" r="{r + 1.6}" fill="#2b2e31"/>'
            f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="url(#{name})"/>'
            f'<ellipse cx="{cx - r * 0.3}" cy="{cy - r * 0.45}" rx="{r * 0.45}" ry="{r * 0.25}" fill="#ffffff" '
            f'fill-opacity="0.7"/>')


def led(state):
    small, big = LED_COLOURS[state]
    body = ('<rect x="0.5" y="0.5" width="61" height="44" rx="6" fill="#121416" stroke="#3a3f44"/>'
            '<rect x="3" y="3" width="56" height="39" rx="4" fill="#1a1d20"/>'
            + lens("small", 17, 22.5, 7, small) + lens("big", 41, 22.5, 11, big)
            + '<path d="M3 3h56l-40 39H3z" fill="#ffffff" fill-opacity="0.05"/>')
    return svg(62, 45, body)


def key(direction):
    arrow = "M72 46 L96 86 H48 Z" if direction == "up" else "M72 98 L96 58 H48 Z"
    body = (linear("cap", 0, 10, 0, 134, (0, "#f5f6f7"), (0.5, "#c8ccd0"), (1, "#8f959b"))
            + linear("rim", 0, 2, 0, 142, (0, "#5a5f64"), (1, "#1e2124"))
            + radial("dome", 58, 44, 90, (0, "#ffffff", 0.55), (0.5, "#ffffff", 0.08), (1, "#000000", 0.12))
            + '<circle cx="72" cy="74" r="69" fill="#000000" fill-opacity="0.45"/>'
            '<circle cx="72" cy="72" r="70" fill="url(#rim)"/>'
            '<circle cx="72" cy="72" r="62" fill="url(#cap)"/>'
            '<circle cx="72" cy="72" r="62" fill="url(#dome)"/>'
            '<circle cx="72" cy="72" r="61.2" fill="none" stroke="#ffffff" stroke-opacity="0.6" stroke-width="1.5"/>'
            f'<path d="{arrow}" transform="translate(0 1.6)" fill="#ffffff" fill-opacity="0.8"/>'
            f'<path d="{arrow}" fill="#4d535a" stroke="#3a3f44" stroke-width="3" stroke-linejoin="round"/>')
    return svg(144, 144, body)




def main():
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "..", "src", "front", "art")
    os.makedirs(target, exist_ok=True)
    files = {"pv8120_front.svg": svg(520, 480, housing()),
             "pv8120_front2.svg": svg(520, 480, housing(blind=True)),
             "button_up.svg": key("up"), "button_down.svg": key("down")}
    for state in LED_COLOURS:
        files[f"led_{state}.svg"] = led(state)
    for name, content in files.items():
        with open(os.path.join(target, name), "w", encoding="utf-8") as handle:
            handle.write(content)
    print(f"{len(files)} pictures written to {target}")


if __name__ == "__main__":
    main()
