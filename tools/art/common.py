import math, os
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "resources", "art")

# One palette for the whole set
INK      = "#243447"   # outlines, text
SLATE    = "#4A6076"
SLATE_L  = "#C9D3DC"
LINE     = "#D5DCE3"   # ruled lines on paper
PAPER    = "#FFFFFF"
CREAM_T  = "#FBF7F0"
CREAM_B  = "#F1E7D6"
FLOOR    = "#E4D7C1"
AMBER    = "#F2A516"
AMBER_D  = "#C98505"
NAVY_T   = "#2E4A6B"
NAVY_B   = "#1B2C45"
EST      = "#1F8A70"   # estimate: green
QUO      = "#2F6DB5"   # quote: blue
INV      = "#C2452D"   # invoice: brick red
CRN      = "#7B4F9E"   # credit note: plum
GLASS    = "#CFE3F2"

FONT = "Liberation Sans"

def write(name, body, w, h, title):
    svg = ('<?xml version="1.0" encoding="UTF-8"?>\n'
           f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
           f'width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n'
           f'<title>{title}</title>\n{body}\n</svg>\n')
    with open(os.path.join(OUT, name), "w") as f:
        f.write(svg)

def f(v):
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s == "-0" else s

def page_path(x, y, w, h, fold, r):
    """A sheet of paper with a folded top-right corner; r = corner radius."""
    x2, y2 = x + w, y + h
    return (f"M{f(x+r)},{f(y)} H{f(x2-fold)} L{f(x2)},{f(y+fold)} V{f(y2-r)} "
            f"Q{f(x2)},{f(y2)} {f(x2-r)},{f(y2)} H{f(x+r)} Q{f(x)},{f(y2)} {f(x)},{f(y2-r)} "
            f"V{f(y+r)} Q{f(x)},{f(y)} {f(x+r)},{f(y)} Z")

def fold_path(x, y, w, fold, r):
    x2 = x + w
    return (f"M{f(x2-fold)},{f(y)} V{f(y+fold-r)} Q{f(x2-fold)},{f(y+fold)} {f(x2-fold+r)},{f(y+fold)} H{f(x2)} Z")

def gear_path(cx, cy, R, r, n, tooth=0.5, bevel=0.18):
    """Gear outline: n teeth between radius r (root) and R (tip)."""
    pts = []
    step = 2 * math.pi / n
    for i in range(n):
        a0 = i * step - math.pi / 2
        half = step * tooth / 2
        b = step * bevel / 2
        # root before tooth, tip start, tip end, root after
        for a, rad in ((a0 - half - b, r), (a0 - half + b * 0.2, R), (a0 + half - b * 0.2, R), (a0 + half + b, r)):
            pts.append((cx + rad * math.cos(a), cy + rad * math.sin(a)))
    d = "M" + " L".join(f"{f(px)},{f(py)}" for px, py in pts) + " Z"
    return d

def letter(ch, x, y, h, color, sw):
    """Geometric capital letters E, Q, I, C drawn as strokes (no fonts needed).
    (x, y) top-left of the letter box; h its height."""
    w = h * 0.62
    if ch == "E":
        return (f'<path d="M{f(x+w)},{f(y)} H{f(x)} V{f(y+h)} H{f(x+w)} M{f(x)},{f(y+h/2)} H{f(x+w*0.85)}" '
                f'fill="none" stroke="{color}" stroke-width="{f(sw)}" stroke-linecap="butt" stroke-linejoin="miter"/>')
    if ch == "I":
        c = x + w / 2
        return (f'<path d="M{f(c)},{f(y)} V{f(y+h)} M{f(c-w*0.38)},{f(y)} H{f(c+w*0.38)} M{f(c-w*0.38)},{f(y+h)} H{f(c+w*0.38)}" '
                f'fill="none" stroke="{color}" stroke-width="{f(sw)}" stroke-linecap="butt"/>')
    if ch == "Q":
        rx = h * 0.40
        cx, cy = x + w / 2, y + h / 2
        return (f'<ellipse cx="{f(cx)}" cy="{f(cy)}" rx="{f(rx)}" ry="{f(h/2)}" fill="none" stroke="{color}" stroke-width="{f(sw)}"/>'
                f'<path d="M{f(cx+rx*0.15)},{f(cy+h*0.18)} L{f(cx+rx*1.05)},{f(y+h*1.05)}" fill="none" stroke="{color}" '
                f'stroke-width="{f(sw)}" stroke-linecap="round"/>')
    if ch == "C":
        # An open arc: the ellipse of the Q with its right side left out.
        rx, ry = h * 0.40, h / 2
        cx, cy = x + w / 2, y + h / 2
        dx, dy = rx * 0.75, ry * 0.66
        return (f'<path d="M{f(cx+dx)},{f(cy-dy)} A{f(rx)},{f(ry)} 0 1 0 {f(cx+dx)},{f(cy+dy)}" '
                f'fill="none" stroke="{color}" stroke-width="{f(sw)}" stroke-linecap="butt"/>')
    raise ValueError(ch)
