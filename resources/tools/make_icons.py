#!/usr/bin/env python3
"""Writes the program's icon, hair type and cursor pictures (SVG).

One flat style for every icon: a 32 x 32 rounded tile in the colour of the
command's family with a white line glyph. Run it from the resources folder;
it rewrites icons/*.svg, hairtypes/*.svg and cursors/*.svg.
"""
import os

FAMILY = {
    "file": "#2f6fb5", "edit": "#2a8c82", "view": "#5a5fc8", "tools": "#d9644a",
    "gallery": "#8a4fb0", "help": "#4f7f5a", "exit": "#c0392b", "colour": "#c7962b",
}
S = 'fill="none" stroke="#fff" stroke-width="2.2" stroke-linecap="round" stroke-linejoin="round"'
F = 'fill="#fff" stroke="none"'

def tile(family, body):
    c = FAMILY[family]
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">'
            f'<rect x="1" y="1" width="30" height="30" rx="6" fill="{c}"/>'
            f'<rect x="1" y="1" width="30" height="15" rx="6" fill="#fff" opacity="0.12"/>'
            f'{body}</svg>\n')

folder = f'<path {S} d="M6 10h7l2 2h11v12H6z"/>'
printer = f'<path {S} d="M10 12V6h12v6M8 21H6v-9h20v9h-2M10 18h12v8H10z"/>'
magnifier = f'<circle {S} cx="14" cy="14" r="7"/><path {S} d="M19 19l7 7"/>'
eye = f'<path {S} d="M4 16c4-6 8-8 12-8s8 2 12 8c-4 6-8 8-12 8s-8-2-12-8z"/><circle {F} cx="16" cy="16" r="3.5"/>'
picture = f'<rect {S} x="5" y="7" width="18" height="15"/><path {S} d="M5 19l5-5 4 4 3-3 6 6"/>'
camera = f'<path {S} d="M5 11h5l2-3h8l2 3h5v13H5z"/><circle {S} cx="16" cy="17" r="4"/>'
gear_spokes = "".join(
    f'<rect {F} x="14.5" y="4" width="3" height="6" rx="1" transform="rotate({a} 16 16)"/>'
    for a in range(0, 360, 45))

ICONS = {
    "open": ("file", folder + f'<path {S} d="M16 22v-8M12.5 17.5L16 14l3.5 3.5"/>'),
    "save": ("file", f'<path {S} d="M6 6h16l4 4v16H6z"/><path {S} d="M11 6v6h9V6M10 26v-8h12v8"/>'),
    "print": ("file", printer),
    "printsetup": ("file", printer + f'<path {S} d="M13 21h6M13 24h4"/>'),
    "exit": ("exit", f'<path {S} d="M13 6H7v20h6"/><path {S} d="M14 16h12M21 11l5 5-5 5"/>'),
    "undo": ("edit", f'<path {S} d="M10 13h10a6 6 0 0 1 0 12h-7"/><path {S} d="M14 8l-5 5 5 5"/>'),
    "copy": ("edit", f'<rect {S} x="6" y="6" width="13" height="15" rx="1"/><rect {S} x="13" y="11" width="13" height="15" rx="1"/>'),
    "paste": ("edit", f'<path {S} d="M11 8H7v18h18V8h-4"/><rect {S} x="11" y="5" width="10" height="5" rx="1"/><path {S} d="M11 16h10M11 20h7"/>'),
    "showhair": ("edit", eye),
    "hidehair": ("edit", eye + f'<path {S} d="M6 26L26 6"/>'),
    "flip": ("view", f'<path {S} d="M16 4v24"/><path {S} d="M13 8L5 24h8z"/><path {F} d="M19 8l8 16h-8z"/>'),
    "camera": ("file", camera),
    "zoomout": ("view", magnifier + f'<path {S} d="M10.5 14h7"/>'),
    "zoomin": ("view", magnifier + f'<path {S} d="M10.5 14h7M14 10.5v7"/>'),
    "original": ("view", f'<path {S} d="M6 11V6h5M21 6h5v5M26 21v5h-5M11 26H6v-5"/><path {S} d="M12 13l2-1.5V21M18 13l2-1.5V21"/>'),
    "auto": ("tools", f'<circle {S} cx="16" cy="16" r="10"/><path {F} d="M13 10.5l8.5 5.5-8.5 5.5z"/>'),
    "colorpreview": ("colour", '<circle cx="11" cy="12" r="5" fill="#e74c3c" stroke="#fff" stroke-width="1.5"/>'
                     '<circle cx="21" cy="12" r="5" fill="#f1c40f" stroke="#fff" stroke-width="1.5"/>'
                     '<circle cx="16" cy="21" r="5" fill="#8e44ad" stroke="#fff" stroke-width="1.5"/>'),
    "hairpreview": ("view", f'<rect {S} x="6" y="6" width="8" height="8"/><rect {S} x="18" y="6" width="8" height="8"/>'
                    f'<rect {S} x="6" y="18" width="8" height="8"/><rect {S} x="18" y="18" width="8" height="8"/>'),
    "preferences": ("tools", gear_spokes + f'<circle {F} cx="16" cy="16" r="8"/><circle cx="16" cy="16" r="3.5" fill="{FAMILY["tools"]}"/>'),
    "haircut": ("tools", f'<circle {S} cx="9" cy="22" r="3.5"/><circle {S} cx="23" cy="22" r="3.5"/><path {S} d="M11.5 19.5L22 6M20.5 19.5L10 6"/>'),
    "eyedropper": ("tools", f'<path {S} d="M19 7l6 6M17 9l6 6M20 12L9 23l-3 3-1-1 3-3 11-11"/><path {F} d="M22 4.5a3 3 0 0 1 5.5 5.5L24 13.5 18.5 8z"/>'),
    "bucket": ("tools", f'<path {S} d="M8 14l8-8 9 9-8 8z"/><path {S} d="M8 14h17"/><path {F} d="M26 19c1.5 2.5 2.5 4 2.5 5a2.5 2.5 0 0 1-5 0c0-1 1-2.5 2.5-5z"/>'),
    "blur": ("tools", f'<path {F} d="M16 5c4 6 7 10 7 14a7 7 0 0 1-14 0c0-4 3-8 7-14z" opacity="0.55"/><path {S} d="M16 5c4 6 7 10 7 14a7 7 0 0 1-14 0c0-4 3-8 7-14z"/>'),
    "smudge": ("tools", f'<path {S} d="M5 20c3-3 5-3 8 0s5 3 8 0 4-3 6-1"/><path {S} d="M14 14V7a2 2 0 0 1 4 0v7"/>'),
    "duplicate": ("tools", f'<path {S} d="M13 5h6v7l4 3v4H9v-4l4-3z"/><path {S} d="M7 24h18"/>'),
    "makeup": ("tools", f'<rect {S} x="6" y="13" width="9" height="13" rx="2"/><path {S} d="M9 13V9h3v4"/>'
               f'<circle {F} cx="20" cy="10" r="1.3"/><circle {F} cx="24" cy="13" r="1.3"/><circle {F} cx="22" cy="17" r="1.3"/><circle {F} cx="26" cy="8" r="1.3"/><circle {F} cx="27" cy="17" r="1.3"/>'),
    "addgallery": ("gallery", picture + f'<circle cx="23" cy="22" r="6" fill="#fff"/><path stroke="{FAMILY["gallery"]}" stroke-width="2.2" stroke-linecap="round" d="M23 19v6M20 22h6"/>'),
    "newfolder": ("gallery", folder + f'<path {S} d="M16 14v8M12 18h8"/>'),
    "deletephotos": ("gallery", f'<path {S} d="M7 9h18M13 9V6h6v3M9 9l1.5 17h11L23 9"/><path {S} d="M14 13v9M18 13v9"/>'),
    "deletefolder": ("gallery", folder + f'<path {S} d="M13 15l6 6M19 15l-6 6"/>'),
    "help": ("help", f'<path {S} d="M11.5 12a4.5 4.5 0 1 1 6.5 4c-1.5 .8-2 1.8-2 3.5"/><circle {F} cx="16" cy="24.5" r="1.6"/>'),
    "about": ("help", f'<circle {F} cx="16" cy="9" r="2"/><path {S} d="M13 14h3v11M13 25h6"/>'),
    "move": ("tools", f'<path {S} d="M16 5v22M5 16h22M12.5 8.5L16 5l3.5 3.5M12.5 23.5L16 27l3.5-3.5M8.5 12.5L5 16l3.5 3.5M23.5 12.5L27 16l-3.5 3.5"/>'),
    "lasso": ("tools", f'<ellipse {S} cx="16" cy="12" rx="10" ry="6" stroke-dasharray="3 2.5"/><path {S} d="M10 17c-2 3 0 6 3 6 2 0 2 3 0 4"/>'),
    "lock": ("colour", f'<rect {S} x="8" y="14" width="16" height="12" rx="2"/><path {S} d="M11 14v-3a5 5 0 0 1 10 0v3"/><circle {F} cx="16" cy="20" r="1.8"/>'),
    "updatecolour": ("colour", f'<path {S} d="M24 12a8.5 8.5 0 0 0-15-2M8 20a8.5 8.5 0 0 0 15 2"/><path {S} d="M9 5v5h5M23 27v-5h-5"/>'),
    "hideselection": ("colour", f'<rect {S} x="6" y="8" width="20" height="16" stroke-dasharray="3 2.5"/><path {S} d="M6 26L26 6"/>'),
    "maximize": ("view", f'<path {S} d="M6 12V6h6M20 6h6v6M26 20v6h-6M12 26H6v-6"/><path {S} d="M6 6l7 7M26 6l-7 7M26 26l-7-7M6 26l7-7"/>'),
    "photosdir": ("file", folder + f'<circle {F} cx="13" cy="17" r="2"/><path {F} d="M9 23l5-4 3 2 3-3 4 5z"/>'),
    "transfer": ("file", f'<path {S} d="M4 10h4l1.5-2.5h5L16 10h3v9H4z"/><circle {S} cx="11.5" cy="14.5" r="2.5"/><path {S} d="M20 23h8M25 20l3 3-3 3"/><path {S} d="M12 22v3h6"/>'),
}

# Hair type pictures: a face with the hair's length and shade.
def hair_type(length, shade, men=False):
    hair = {"light": "#e8c27a", "dark": "#3b2416"}[shade]
    face = '<ellipse cx="16" cy="17" rx="6.5" ry="8" fill="#f4cfae" stroke="#a87b5a" stroke-width="0.8"/>'
    if men:
        shape = f'<path fill="{hair}" d="M9 15c0-7 3-10 7-10s7 3 7 10c-1-3-3-5-7-5s-6 2-7 5z"/>'
    elif length == "short":
        shape = f'<path fill="{hair}" d="M8.5 18c-1-9 2.5-13 7.5-13s8.5 4 7.5 13c-1-4-2-6-3.5-7-2 2-6 2-9 1-1 1.5-2 3.5-2.5 6z"/>'
    elif length == "medium":
        shape = f'<path fill="{hair}" d="M7 24c-2-12 1-19 9-19s11 7 9 19l-2.5-1c.5-5 0-9-1.5-11-3 2-7 2-10 1-1.5 2-2 6-1.5 10z"/>'
    else:
        shape = f'<path fill="{hair}" d="M6 29c-3-15 0-24 10-24s13 9 10 24l-3-1c1-7 .5-13-1.5-16-3 2-7 2-10 1-2 3-2.5 8-1.5 15z"/>'
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">'
            f'<rect x="0.5" y="0.5" width="31" height="31" rx="4" fill="#fff" stroke="#9fb8c8"/>'
            f'{face}{shape}<path d="M13.5 21.5q2.5 1.5 5 0" fill="none" stroke="#a0523d" stroke-width="0.9"/>'
            f'<circle cx="13.5" cy="17" r="0.9" fill="#333"/><circle cx="18.5" cy="17" r="0.9" fill="#333"/></svg>\n')

HAIR_TYPES = {
    "BTCC": ("short", "light"), "BTCE": ("short", "dark"), "BTMC": ("medium", "light"),
    "BTME": ("medium", "dark"), "BTLC": ("long", "light"), "BTLE": ("long", "dark"),
    "BTFM": ("short", "dark", True),
}

# Cursors: 32 x 32 black and white pictures; the hot spot is listed in
# app/Cursors.cpp beside each name.
CW = 'fill="#fff" stroke="#000" stroke-width="1.3" stroke-linejoin="round"'
CB = 'fill="none" stroke="#000" stroke-width="1.3" stroke-linecap="round"'
def arrow(rotation):
    return (f'<g transform="rotate({rotation} 16 16)"><path {CW} d="M16 2l8 10h-5v14h-6V12H8z"/></g>')
CURSORS = {
    "PEN": f'<path {CW} d="M2 30l2-8L22 4l6 6-18 18z"/><path {CB} d="M4 22l6 6M19 7l6 6"/>',
    "FLOOD": f'<path {CW} d="M6 14l9-9 10 10-9 9z"/><path {CB} d="M6 14h19"/><path {CW} d="M2 24c1.5 2.5 2.5 4 2.5 5a2 2 0 0 1-4 0c0-1 .8-2.5 1.5-5z"/>',
    "SMOOTH": f'<path {CW} d="M16 4c5 7 8 12 8 16a8 8 0 0 1-16 0c0-4 3-9 8-16z"/><circle {CB} cx="16" cy="20" r="1.5"/>',
    "CLONE": f'<path {CW} d="M12 3h8v9l5 4v5H7v-5l5-4z"/><path {CB} d="M6 26h20"/><path {CB} d="M16 27v4"/>',
    "NORTH": arrow(0), "EAST": arrow(90), "SOUTH": arrow(180), "WEST": arrow(270),
    "DROP": f'<path {CW} d="M2 30l1-4L17 12l3 3L6 29z"/><path {CW} d="M18 8a4 4 0 0 1 0 0l5-5a3 3 0 0 1 6 6l-5 5 1 1-2 2-9-9 2-2z"/>',
    "SPRAY": f'<circle {CB} cx="16" cy="16" r="9" stroke-dasharray="2 3"/><path {CB} d="M16 12v8M12 16h8"/>',
}

def cursor_svg(body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">{body}</svg>\n')

def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.dirname(here)
    for sub in ("icons", "hairtypes", "cursors"):
        os.makedirs(os.path.join(root, sub), exist_ok=True)
    for name, (family, body) in ICONS.items():
        open(os.path.join(root, "icons", name + ".svg"), "w").write(tile(family, body))
    for name, args in HAIR_TYPES.items():
        open(os.path.join(root, "hairtypes", name + ".svg"), "w").write(hair_type(*args))
    for name, body in CURSORS.items():
        open(os.path.join(root, "cursors", name + ".svg"), "w").write(cursor_svg(body))
    files = ([f"icons/{n}.svg" for n in ICONS] + [f"hairtypes/{n}.svg" for n in HAIR_TYPES]
             + [f"cursors/{n}.svg" for n in CURSORS])
    with open(os.path.join(root, "resources.qrc"), "w") as qrc:
        qrc.write("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n")
        for f in files:
            qrc.write(f"    <file>{f}</file>\n")
        qrc.write("</qresource>\n</RCC>\n")

if __name__ == "__main__":
    main()
