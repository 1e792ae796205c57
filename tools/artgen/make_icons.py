#!/usr/bin/env python3
"""Writes the flat icon set of the family into src/widgets/icons/.

The SVG files are committed; run this script again only after changing a
glyph here. Colours: grey #a3a3a3 / #4d4d4d, white, yellow #ffd500.
"""
import os
import sys

GREY, DARK, WHITE, YELLOW, LIGHT = "#a3a3a3", "#4d4d4d", "#ffffff", "#ffd500", "#e4e4e4"

# Glyphs on a 24 x 24 grid; "C" stands for the glyph colour, "B" for the
# background colour behind it (used for cut-outs).
GLYPHS = {
    "record": '<circle cx="12" cy="12" r="7" fill="C"/>',
    "play": '<path d="M8 5 L19 12 L8 19 Z" fill="C"/>',
    "gear": ('<path d="M10.5 2h3l.5 2.6 1.9.8 2.2-1.5 2.1 2.1-1.5 2.2.8 1.9 2.5.4v3l-2.5.5-.8 1.9 '
             '1.5 2.2-2.1 2.1-2.2-1.5-1.9.8-.5 2.5h-3l-.5-2.5-1.9-.8-2.2 1.5-2.1-2.1 1.5-2.2-.8-1.9'
             'L2 13.5v-3l2.6-.5.8-1.9-1.5-2.2 2.1-2.1 2.2 1.5 1.9-.8z" fill="C"/>'
             '<circle cx="12" cy="12" r="3.5" fill="B"/>'),
    "chip": ('<rect x="6" y="6" width="12" height="12" rx="1.5" fill="C"/>'
             '<path d="M9 3v3M12 3v3M15 3v3M9 18v3M12 18v3M15 18v3M3 9h3M3 12h3M3 15h3M18 9h3M18 12h3M18 15h3" '
             'stroke="C" stroke-width="1.6"/><path d="M12 8.5v6M9.5 12.5l2.5 2.5 2.5-2.5" stroke="B" '
             'stroke-width="1.6" fill="none"/>'),
    "device_remove": ('<rect x="4" y="5" width="12" height="15" rx="1.5" fill="none" stroke="C" stroke-width="1.8"/>'
                      '<rect x="6.5" y="8" width="7" height="3.5" fill="C"/>'
                      '<path d="M15 14l6 6M21 14l-6 6" stroke="C" stroke-width="2.2"/>'),
    "empty": "",
    "search": ('<circle cx="10" cy="10" r="6" fill="none" stroke="C" stroke-width="2.4"/>'
               '<path d="M14.5 14.5L20.5 20.5" stroke="C" stroke-width="3" stroke-linecap="round"/>'),
    "plug": ('<path d="M9 3v5M15 3v5" stroke="C" stroke-width="2" stroke-linecap="round"/>'
             '<path d="M6 8h12v3a6 6 0 0 1-12 0z" fill="C"/><path d="M12 17v4" stroke="C" stroke-width="2.4"/>'),
    "follow": ('<path d="M3 16l4-5 4 3 5-7" fill="none" stroke="C" stroke-width="2"/>'
               '<path d="M16 12h5M18.5 9.5L21 12l-2.5 2.5" fill="none" stroke="C" stroke-width="2"/>'
               '<path d="M3 20h18" stroke="C" stroke-width="1.5"/>'),
    "load_recording": ('<path d="M2 6h7l2 2h11v12H2z" fill="C"/>'
                       '<path d="M5 16l3-4 3 2 4-5 4 3" fill="none" stroke="B" stroke-width="1.6"/>'),
    "autoscale": ('<path d="M4 4h6M4 4v6M20 4h-6M20 4v6M4 20h6M4 20v-6M20 20h-6M20 20v-6" '
                  'stroke="C" stroke-width="2"/><path d="M5 5l5 5M19 5l-5 5M5 19l5-5M19 19l-5-5" '
                  'stroke="C" stroke-width="1.6"/>'),
    "copy": ('<rect x="8" y="8" width="12" height="13" rx="1" fill="none" stroke="C" stroke-width="1.8"/>'
             '<path d="M5 16V4h11" fill="none" stroke="C" stroke-width="1.8"/>'),
    "print": ('<rect x="7" y="3" width="10" height="5" fill="none" stroke="C" stroke-width="1.6"/>'
              '<rect x="3" y="8" width="18" height="9" rx="1.5" fill="C"/>'
              '<rect x="7" y="14" width="10" height="7" fill="B" stroke="C" stroke-width="1.6"/>'),
    "open": ('<path d="M2 5h7l2 2h9v3H7l-3 9H2z" fill="C"/><path d="M7 11h15l-4 9H4z" fill="C"/>'),
    "delete": ('<path d="M4 6h16M9 6V3.5h6V6" fill="none" stroke="C" stroke-width="1.8"/>'
               '<path d="M6 7h12l-1 14H7z" fill="C"/><path d="M10 10v8M14 10v8" stroke="B" stroke-width="1.4"/>'),
    "marker_delete": ('<path d="M6 3v18" stroke="C" stroke-width="2"/><path d="M7 4h10l-3 3.5 3 3.5H7z" fill="C"/>'
                      '<path d="M13 14l6 6M19 14l-6 6" stroke="C" stroke-width="2"/>'),
    "eye": ('<path d="M2 12s4-6.5 10-6.5S22 12 22 12s-4 6.5-10 6.5S2 12 2 12z" fill="C"/>'
            '<circle cx="12" cy="12" r="3.6" fill="B"/><circle cx="12" cy="12" r="1.6" fill="C"/>'),
    "eye_off": ('<path d="M2 12s4-6.5 10-6.5S22 12 22 12s-4 6.5-10 6.5S2 12 2 12z" fill="C"/>'
                '<circle cx="12" cy="12" r="3.6" fill="B"/><path d="M4 20L20 4" stroke="B" stroke-width="3.5"/>'
                '<path d="M4 20L20 4" stroke="C" stroke-width="1.8"/>'),
    "param_load": ('<path d="M5 2h9l5 5v15H5z" fill="C"/><path d="M14 2v5h5" fill="B"/>'
                   '<path d="M12 9v8M8.5 13.5L12 17l3.5-3.5" fill="none" stroke="B" stroke-width="2"/>'),
    "param_desc": ('<path d="M5 2h9l5 5v15H5z" fill="C"/><path d="M14 2v5h5" fill="B"/>'
                   '<path d="M8 11h8M8 14h8M8 17h5" stroke="B" stroke-width="1.5"/>'),
    "param_save": ('<path d="M5 2h9l5 5v15H5z" fill="C"/><path d="M14 2v5h5" fill="B"/>'
                   '<path d="M12 18v-8M8.5 13.5L12 10l3.5 3.5" fill="none" stroke="B" stroke-width="2"/>'),
    "pdf": ('<path d="M5 2h9l5 5v15H5z" fill="C"/><path d="M14 2v5h5" fill="B"/>'
            '<text x="12" y="17.5" font-family="DejaVu Sans" font-weight="bold" font-size="6" '
            'text-anchor="middle" fill="B">PDF</text>'),
    "save": ('<path d="M12 3v11M7.5 9.5L12 14l4.5-4.5" fill="none" stroke="C" stroke-width="2.2"/>'
             '<path d="M3 14v6h18v-6" fill="none" stroke="C" stroke-width="2.2"/>'),
    "floppy": ('<path d="M3 3h15l3 3v15H3z" fill="C"/><rect x="7" y="3" width="9" height="6" fill="B"/>'
               '<rect x="13" y="4" width="2" height="4" fill="C"/><rect x="6" y="13" width="12" height="8" fill="B"/>'),
    "user": ('<circle cx="12" cy="8" r="4.5" fill="C"/><path d="M3.5 21a8.5 7 0 0 1 17 0z" fill="C"/>'),
}


def svg(width, height, body, view=None):
    view = view or f"0 0 {width} {height}"
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{width}" height="{height}" viewBox="{view}">\n{body}\n</svg>\n')


def glyph(name, colour, background):
    return GLYPHS[name].replace('"C"', f'"{colour}"').replace('"B"', f'"{background}"')


def button(name, state, size=50):
    fill, stroke, colour = {"": (WHITE, GREY, DARK), "aktiv": (YELLOW, YELLOW, DARK),
                            "inaktiv": (LIGHT, LIGHT, GREY)}[state]
    scale = size * 0.52 / 24
    offset = (size - 24 * scale) / 2
    body = (f'<rect x="0.5" y="0.5" width="{size - 1}" height="{size - 1}" rx="4" fill="{fill}" '
            f'stroke="{stroke}"/>\n<g transform="translate({offset:.2f} {offset:.2f}) scale({scale:.4f})">'
            f'{glyph(name, colour, fill)}</g>')
    return body


def tool(name, size, colour=DARK, background=WHITE):
    return f'<g transform="scale({size / 24:.4f})">{glyph(name, colour, background)}</g>'


def files():
    out = {}
    for base, g in [("aufzeichnen", "record"), ("einstellungen", "gear"), ("firmware", "chip"),
                    ("geraet_entfernen", "device_remove"), ("leer", "empty"), ("start", "play"),
                    ("suchen", "search")]:
        for state in ("", "aktiv", "inaktiv"):
            suffix = f"_{state}" if state else ""
            out[f"button_{base}{suffix}.svg"] = svg(50, 50, button(g, state))
    for state in ("aktiv", "inaktiv"):
        out[f"button_verbinden_{state}.svg"] = svg(37, 38, button("plug", state, 37))
    tools = [("aufzeichnen", "record", 24), ("aufzeichnnung_folgen", "follow", 24),
             ("aufzeichnung_laden", "load_recording", 24), ("autoskalierung", "autoscale", 24),
             ("copy", "copy", 22), ("drucken", "print", 24), ("laden", "open", 24),
             ("loeschen", "delete", 22), ("maerker_loeschen", "marker_delete", 24),
             ("nicht_sichtbar", "eye_off", 24), ("parameter_laden", "param_load", 26),
             ("parameterbeschreibung", "param_desc", 26), ("paramter_speichern", "param_save", 26),
             ("pdf_speichern", "pdf", 26), ("sichtbar", "eye", 24), ("speichern", "save", 24),
             ("speichern_diskette", "floppy", 24), ("suchen", "search", 21)]
    for name, g, size in tools:
        out[f"icon_{name}.svg"] = svg(size, size, tool(g, size))
    out["icon_suchen_aktiv.svg"] = svg(30, 30, f'<rect width="30" height="30" rx="4" fill="{YELLOW}"/>'
                                       f'<g transform="translate(4 4) scale(0.9167)">{glyph("search", DARK, YELLOW)}</g>')
    out["icon_suchen_inaktiv.svg"] = svg(30, 30, f'<rect width="30" height="30" rx="4" fill="{LIGHT}"/>'
                                         f'<g transform="translate(4 4) scale(0.9167)">{glyph("search", GREY, LIGHT)}</g>')
    out["icon_user_weiss.svg"] = svg(24, 24, tool("user", 24, WHITE))
    out["icon_start.svg"] = svg(26, 26, tool("play", 26, DARK))
    out["icon_info.svg"] = svg(34, 34, f'<circle cx="17" cy="17" r="16" fill="{GREY}"/>'
                               f'<circle cx="17" cy="9.5" r="2.3" fill="{WHITE}"/>'
                               f'<rect x="15" y="14" width="4" height="12" rx="1" fill="{WHITE}"/>')
    out["icon_frage.svg"] = svg(34, 34, f'<circle cx="17" cy="17" r="16" fill="{GREY}"/>'
                                f'<path d="M12 13a5 5 0 1 1 7 4.6c-1.4.7-2 1.4-2 3v1" fill="none" '
                                f'stroke="{WHITE}" stroke-width="3.2" stroke-linecap="round"/>'
                                f'<circle cx="17" cy="26.5" r="2" fill="{WHITE}"/>')
    triangle = 'M19.2485 1.5 L37.2 34.7 H1.3 Z'
    for name, fill, mark in (("icon_warnung.svg", YELLOW, DARK), ("icon_kritische_warnung.svg", DARK, YELLOW)):
        out[name] = svg(38.497, 36.231, f'<path d="{triangle}" fill="{fill}" stroke="{fill}" stroke-width="2.5" '
                        f'stroke-linejoin="round"/><rect x="17.4" y="11" width="3.7" height="13" rx="1" fill="{mark}"/>'
                        f'<circle cx="19.25" cy="29" r="2.2" fill="{mark}"/>')
    for name, colour in (("icon_up", GREY), ("icon_up_black", DARK)):
        out[f"{name}.svg"] = svg(12, 7, f'<path d="M0 7 L6 0 L12 7 Z" fill="{colour}"/>')
        down = name.replace("up", "down")
        out[f"{down}.svg"] = svg(12, 7, f'<path d="M0 0 L6 7 L12 0 Z" fill="{colour}"/>')
    for name, colour in (("led_grau", GREY), ("led_gruen", "#3fb449")):
        out[f"{name}.svg"] = svg(16, 8, f'<rect x="0.5" y="0.5" width="15" height="7" rx="3.5" fill="{colour}" '
                                 f'stroke="{DARK}" stroke-opacity="0.35"/>')
    out["status_back.svg"] = svg(380, 50, f'<rect width="380" height="50" fill="#f5f5f5"/>'
                                 f'<rect y="47" width="380" height="3" fill="{YELLOW}"/>'
                                 f'<rect y="0" width="380" height="1" fill="{GREY}"/>')
    out["logo.svg"] = svg(120, 40, f'<rect width="40" height="40" rx="6" fill="{YELLOW}"/>'
                          f'<path d="M9 10l11 20 11-20" fill="none" stroke="{DARK}" stroke-width="5" '
                          f'stroke-linejoin="round"/><text x="48" y="28" font-family="DejaVu Sans" '
                          f'font-weight="bold" font-size="17" fill="{DARK}">loom</text>')
    out["vardo_logo.svg"] = svg(160, 40, f'<path d="M4 6h9l9 20 9-20h9L26 34h-8z" fill="{DARK}"/>'
                                f'<rect x="2" y="36" width="40" height="3" fill="{YELLOW}"/>'
                                f'<text x="50" y="30" font-family="DejaVu Sans" font-weight="bold" '
                                f'font-size="24" letter-spacing="1" fill="{DARK}">vardo</text>')
    return out


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "..", "src", "widgets", "icons")
    os.makedirs(target, exist_ok=True)
    generated = files()
    for name, text in sorted(generated.items()):
        with open(os.path.join(target, name), "w", encoding="utf-8") as handle:
            handle.write(text)
    print(f"{len(generated)} icons written to {target}")


if __name__ == "__main__":
    main()
