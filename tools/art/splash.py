from common import *
from icons import program_mark

def grid(w, h, step):
    d = " ".join([f"M{x},0 V{h}" for x in range(step, w, step)] + [f"M0,{y} H{w}" for y in range(step, h, step)])
    return f'<path d="{d}" fill="none" stroke="{PAPER}" stroke-opacity="0.06" stroke-width="1"/>'

def splash():
    W, H = 480, 300
    b = []
    b.append('<defs><linearGradient id="spBg" x1="0" y1="0" x2="1" y2="1">'
             f'<stop offset="0" stop-color="{NAVY_T}"/><stop offset="1" stop-color="{NAVY_B}"/></linearGradient></defs>')
    b.append(f'<rect x="0" y="0" width="{W}" height="{H}" fill="url(#spBg)"/>')
    b.append(grid(W, H, 20))
    b.append(program_mark(0.66, 30, 52, badge=False))
    b.append(f'<text x="214" y="138" font-family="{FONT}" font-size="64" font-weight="bold" fill="{PAPER}">Vorlane</text>')
    b.append(f'<rect x="218" y="156" width="96" height="6" rx="3" fill="{AMBER}"/>')
    b.append(f'<text x="218" y="192" font-family="{FONT}" font-size="17" fill="{SLATE_L}">Estimates \u00b7 Quotes \u00b7 Invoices</text>')
    b.append(f'<rect x="0" y="{H-8}" width="{W}" height="8" fill="{AMBER}"/>')
    write("splash.svg", "".join(b), W, H, "Vorlane")

def wizard():
    """Background of the business information wizard (486 x 326): a navy strip on the left."""
    W, H = 486, 326
    b = []
    b.append('<defs><linearGradient id="wzBg" x1="0" y1="0" x2="0" y2="1">'
             f'<stop offset="0" stop-color="{NAVY_T}"/><stop offset="1" stop-color="{NAVY_B}"/></linearGradient></defs>')
    b.append(f'<rect x="0" y="0" width="{W}" height="{H}" fill="{PAPER}"/>')
    b.append(f'<rect x="0" y="0" width="158" height="{H}" fill="url(#wzBg)"/>')
    b.append(grid(158, H, 20))
    b.append(f'<rect x="158" y="0" width="6" height="{H}" fill="{AMBER}"/>')
    b.append(program_mark(0.5, 15, 40, badge=False))
    b.append(f'<text x="79" y="210" text-anchor="middle" font-family="{FONT}" font-size="24" font-weight="bold" fill="{PAPER}">Vorlane</text>')
    write("wizard.svg", "".join(b), W, H, "Vorlane business information")

if __name__ == "__main__":
    splash(); wizard()
