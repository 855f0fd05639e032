from common import *

def ruler_arm(cx, cy, length, width, angle, sw):
    x = cx - width / 2
    y = cy - length
    h = length + width * 0.4
    ticks = []
    for i, ty in enumerate(range(int(y + 14), int(cy - 14), 16)):
        tl = width * (0.45 if i % 2 == 0 else 0.28)
        ticks.append(f"M{f(x)},{ty} h{f(tl)}")
    return (f'<g transform="rotate({f(angle)} {f(cx)} {f(cy)})">'
            f'<rect x="{f(x)}" y="{f(y)}" width="{f(width)}" height="{f(h)}" rx="{f(width*0.14)}" fill="{AMBER}" stroke="{INK}" stroke-width="{f(sw)}" stroke-linejoin="round"/>'
            f'<path d="{" ".join(ticks)}" fill="none" stroke="{AMBER_D}" stroke-width="{f(sw*0.55)}" stroke-linecap="butt"/>'
            f'</g>')

def program_mark(s=1.0, tx=0, ty=0, badge=True, gid="vlNavy"):
    """The Vorlane mark: a folding rule opened to a V on a clipboard, on a navy tile (256 units)."""
    sw = 8
    out = [f'<g transform="translate({f(tx)} {f(ty)}) scale({f(s)})">']
    if badge:
        out.append(f'<defs><linearGradient id="{gid}" x1="0" y1="0" x2="0" y2="1">'
                   f'<stop offset="0" stop-color="{NAVY_T}"/><stop offset="1" stop-color="{NAVY_B}"/></linearGradient></defs>')
        out.append(f'<rect x="12" y="12" width="232" height="232" rx="44" fill="url(#{gid})"/>')
    out.append(f'<rect x="52" y="44" width="152" height="180" rx="12" fill="{PAPER}" stroke="{INK}" stroke-width="{sw}"/>')
    out.append(f'<rect x="94" y="28" width="68" height="32" rx="10" fill="{SLATE_L}" stroke="{INK}" stroke-width="{sw}"/>')
    out.append(ruler_arm(128, 200, 136, 34, -21, sw))
    out.append(ruler_arm(128, 200, 136, 34, 21, sw))
    out.append(f'<circle cx="128" cy="200" r="17" fill="{AMBER_D}" stroke="{INK}" stroke-width="{sw}"/>')
    out.append(f'<circle cx="128" cy="200" r="5" fill="{INK}"/>')
    out.append('</g>')
    return "".join(out)

def program_icon():
    write("vorlane.svg", program_mark(), 256, 256, "Vorlane")

def doc_icon(name, ch, color, title):
    sw = 8
    x, y, w, h, fold = 40, 12, 176, 232, 52
    body = []
    body.append(f'<path d="{page_path(x, y, w, h, fold, 12)}" fill="{PAPER}"/>')
    # coloured band with the kind's letter
    body.append(f'<rect x="{x}" y="138" width="{w}" height="78" fill="{color}"/>')
    body.append(letter(ch, 128 - 56 * 0.31, 149, 56, PAPER, 13))
    # small Vorlane mark and ruled lines
    body.append(f'<rect x="62" y="34" width="62" height="62" rx="12" fill="{NAVY_T}"/>')
    body.append(f'<path d="M77,49 L93,82 L109,49" fill="none" stroke="{AMBER}" stroke-width="11" stroke-linecap="round" stroke-linejoin="round"/>')
    body.append(f'<path d="M138,70 H164 M138,90 H186 M62,116 H194" fill="none" stroke="{LINE}" stroke-width="9" stroke-linecap="round"/>')
    body.append(f'<path d="M62,232 H140" fill="none" stroke="{LINE}" stroke-width="0"/>')
    body.append(f'<path d="{page_path(x, y, w, h, fold, 12)}" fill="none" stroke="{INK}" stroke-width="{sw}" stroke-linejoin="round"/>')
    body.append(f'<path d="{fold_path(x, y, w, fold, 8)}" fill="{LINE}" stroke="{INK}" stroke-width="{sw}" stroke-linejoin="round"/>')
    write(name, "".join(body), 256, 256, title)

if __name__ == "__main__":
    program_icon()
    doc_icon("vorlane-estimate.svg", "E", EST, "Vorlane estimate")
    doc_icon("vorlane-quote.svg", "Q", QUO, "Vorlane quote")
    doc_icon("vorlane-invoice.svg", "I", INV, "Vorlane invoice")
