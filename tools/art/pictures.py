from common import *
from icons import ruler_arm, program_mark
SWB = 5
W, H = 481, 530

def frame(body, caption, accent, gid):
    b = []
    b.append(f'<defs><linearGradient id="{gid}" x1="0" y1="0" x2="0" y2="1">'
             f'<stop offset="0" stop-color="{CREAM_T}"/><stop offset="1" stop-color="{CREAM_B}"/></linearGradient></defs>')
    b.append(f'<rect x="0" y="0" width="{W}" height="{H}" fill="url(#{gid})"/>')
    b.append(f'<circle cx="240.5" cy="214" r="176" fill="{PAPER}" fill-opacity="0.6"/>')
    b.append(f'<ellipse cx="240.5" cy="394" rx="170" ry="15" fill="{FLOOR}"/>')
    b.append(body)
    b.append(f'<rect x="0" y="430" width="{W}" height="100" fill="{INK}"/>')
    b.append(f'<rect x="0" y="430" width="{W}" height="8" fill="{accent}"/>')
    b.append(f'<text x="240.5" y="496" text-anchor="middle" font-family="{FONT}" font-size="34" '
             f'font-weight="bold" fill="{PAPER}">{caption}</text>')
    return "".join(b)

def big_doc(x, y, w, h, ch, color, sw=SWB):
    """A large Vorlane document: mark, ruled lines, coloured band with the kind's letter, figures."""
    fold = w * 0.25
    s = w / 200.0
    b = []
    b.append(f'<path d="{page_path(x, y, w, h, fold, 14*s)}" fill="{PAPER}"/>')
    b.append(f'<rect x="{f(x+22*s)}" y="{f(y+24*s)}" width="{f(56*s)}" height="{f(56*s)}" rx="{f(10*s)}" fill="{NAVY_T}"/>')
    b.append(f'<path d="M{f(x+36*s)},{f(y+38*s)} L{f(x+50*s)},{f(y+66*s)} L{f(x+64*s)},{f(y+38*s)}" fill="none" stroke="{AMBER}" '
             f'stroke-width="{f(10*s)}" stroke-linecap="round" stroke-linejoin="round"/>')
    b.append(f'<path d="M{f(x+96*s)},{f(y+40*s)} H{f(x+140*s)} M{f(x+96*s)},{f(y+62*s)} H{f(x+170*s)}" fill="none" stroke="{LINE}" '
             f'stroke-width="{f(9*s)}" stroke-linecap="round"/>')
    by = y + 100 * s
    b.append(f'<rect x="{f(x)}" y="{f(by)}" width="{f(w)}" height="{f(66*s)}" fill="{color}"/>')
    lh = 42 * s
    b.append(letter(ch, x + w/2 - lh*0.31, by + 12*s, lh, PAPER, 11*s))
    rows = []
    for i in range(3):
        ry = y + (194 + 24*i) * s
        rows.append(f"M{f(x+22*s)},{f(ry)} H{f(x+112*s)} M{f(x+140*s)},{f(ry)} H{f(x+178*s)}")
    b.append(f'<path d="{" ".join(rows)}" fill="none" stroke="{LINE}" stroke-width="{f(9*s)}" stroke-linecap="round"/>')
    ty = y + 272 * s
    b.append(f'<path d="M{f(x+22*s)},{f(ty)} H{f(x+78*s)}" fill="none" stroke="{SLATE}" stroke-width="{f(10*s)}" stroke-linecap="round"/>')
    b.append(f'<path d="M{f(x+128*s)},{f(ty)} H{f(x+178*s)}" fill="none" stroke="{color}" stroke-width="{f(12*s)}" stroke-linecap="round"/>')
    b.append(f'<path d="M{f(x+120*s)},{f(ty-14*s)} H{f(x+182*s)}" fill="none" stroke="{INK}" stroke-width="{f(3*s)}" stroke-linecap="round"/>')
    b.append(f'<path d="{page_path(x, y, w, h, fold, 14*s)}" fill="none" stroke="{INK}" stroke-width="{sw}" stroke-linejoin="round"/>')
    b.append(f'<path d="{fold_path(x, y, w, fold, 8*s)}" fill="{LINE}" stroke="{INK}" stroke-width="{sw}" stroke-linejoin="round"/>')
    return "".join(b)

def plus_badge(cx, cy, r, color):
    a = r * 0.5
    return (f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}" fill="{color}" stroke="{INK}" stroke-width="{SWB}"/>'
            f'<path d="M{f(cx)},{f(cy-a)} V{f(cy+a)} M{f(cx-a)},{f(cy)} H{f(cx+a)}" fill="none" stroke="{PAPER}" '
            f'stroke-width="{f(r*0.26)}" stroke-linecap="round"/>')

def straight_rule(cx, cy, length, width, angle):
    x, y = cx - length/2, cy - width/2
    ticks = []
    for i, tx in enumerate(range(int(x + 16), int(x + length - 8), 16)):
        tl = width * (0.45 if i % 2 == 0 else 0.28)
        ticks.append(f"M{tx},{f(y)} v{f(tl)}")
    return (f'<g transform="rotate({f(angle)} {f(cx)} {f(cy)})">'
            f'<rect x="{f(x)}" y="{f(y)}" width="{f(length)}" height="{f(width)}" rx="5" fill="{AMBER}" stroke="{INK}" stroke-width="{SWB}" stroke-linejoin="round"/>'
            f'<path d="{" ".join(ticks)}" fill="none" stroke="{AMBER_D}" stroke-width="3"/>'
            f'<path d="M{f(x+length*0.5)},{f(y)} V{f(y+width)}" fill="none" stroke="{INK}" stroke-width="{SWB}"/>'
            f'<circle cx="{f(x+length*0.5)}" cy="{f(cy)}" r="6" fill="{AMBER_D}" stroke="{INK}" stroke-width="3"/>'
            f'</g>')

def pencil(tipx, tipy, length, width, angle):
    """A carpenter's pencil lying with its tip at (tipx, tipy), rotated by angle (0 = pointing left)."""
    x0 = tipx
    y0 = tipy - width/2
    cone = width * 1.3
    b = [f'<g transform="rotate({f(angle)} {f(tipx)} {f(tipy)})">']
    b.append(f'<path d="M{f(x0)},{f(tipy)} L{f(x0+cone)},{f(y0)} V{f(y0+width)} Z" fill="{CREAM_B}" stroke="{INK}" stroke-width="{SWB}" stroke-linejoin="round"/>')
    b.append(f'<path d="M{f(x0)},{f(tipy)} L{f(x0+cone*0.38)},{f(tipy-width*0.19)} V{f(tipy+width*0.19)} Z" fill="{INK}"/>')
    body = length - cone - width*0.9
    b.append(f'<rect x="{f(x0+cone)}" y="{f(y0)}" width="{f(body)}" height="{f(width)}" fill="{AMBER}" stroke="{INK}" stroke-width="{SWB}"/>')
    b.append(f'<path d="M{f(x0+cone)},{f(tipy)} H{f(x0+cone+body)}" fill="none" stroke="{AMBER_D}" stroke-width="4"/>')
    b.append(f'<rect x="{f(x0+cone+body)}" y="{f(y0)}" width="{f(width*0.45)}" height="{f(width)}" fill="{SLATE_L}" stroke="{INK}" stroke-width="{SWB}"/>')
    b.append(f'<path d="M{f(x0+cone+body+width*0.45)},{f(y0)} H{f(x0+length-6)} Q{f(x0+length)},{f(y0)} {f(x0+length)},{f(y0+6)} '
             f'V{f(y0+width-6)} Q{f(x0+length)},{f(y0+width)} {f(x0+length-6)},{f(y0+width)} H{f(x0+cone+body+width*0.45)} Z" '
             f'fill="{INV}" stroke="{INK}" stroke-width="{SWB}" stroke-linejoin="round"/>')
    b.append('</g>')
    return "".join(b)

def coin_stack(cx, bottom, rx, ry, t, n):
    K = 0.5523
    b = []
    for i in range(n):
        top = bottom - t * (i + 1)
        b.append(f'<path d="M{f(cx-rx)},{f(top)} V{f(top+t)} C{f(cx-rx)},{f(top+t+K*ry)} {f(cx-K*rx)},{f(top+t+ry)} {f(cx)},{f(top+t+ry)} C{f(cx+K*rx)},{f(top+t+ry)} {f(cx+rx)},{f(top+t+K*ry)} {f(cx+rx)},{f(top+t)} V{f(top)}" fill="{AMBER_D}" stroke="{INK}" stroke-width="{SWB}" stroke-linejoin="round"/>')
        b.append(f'<ellipse cx="{f(cx)}" cy="{f(top)}" rx="{f(rx)}" ry="{f(ry)}" fill="{AMBER}" stroke="{INK}" stroke-width="{SWB}"/>')
    top = bottom - t * n
    b.append(f'<ellipse cx="{f(cx)}" cy="{f(top)}" rx="{f(rx*0.62)}" ry="{f(ry*0.58)}" fill="none" stroke="{AMBER_D}" stroke-width="4"/>')
    return "".join(b)

def pic_new(name, ch, color, caption, prop):
    b = []
    if prop == "coins":
        b.append(big_doc(150, 56, 200, 300, ch, color))
        b.append(coin_stack(128, 396, 58, 18, 16, 3))
    elif prop == "ruler":
        b.append(big_doc(150, 56, 200, 300, ch, color))
        b.append(straight_rule(176, 364, 250, 38, -12))
    elif prop == "pencil":
        b.append(big_doc(150, 56, 200, 300, ch, color))
        b.append(pencil(246, 322, 250, 34, -38))
    b.append(plus_badge(350, 318, 46, color))
    write(name, frame("".join(b), caption, color, "bg" + ch), W, H, caption)

def mini_doc(x, y, w, h, ch, color, angle):
    s = w / 120.0
    fold = 28 * s
    b = [f'<g transform="rotate({f(angle)} {f(x+w/2)} {f(y+h/2)})">']
    b.append(f'<path d="{page_path(x, y, w, h, fold, 10*s)}" fill="{PAPER}"/>')
    b.append(f'<path d="M{f(x+16*s)},{f(y+26*s)} H{f(x+66*s)} M{f(x+16*s)},{f(y+44*s)} H{f(x+92*s)}" fill="none" stroke="{LINE}" stroke-width="8" stroke-linecap="round"/>')
    b.append(f'<rect x="{f(x)}" y="{f(y+62*s)}" width="{f(w)}" height="{f(44*s)}" fill="{color}"/>')
    lh = 28 * s
    b.append(letter(ch, x + w/2 - lh*0.31, y + 70*s, lh, PAPER, 8*s))
    b.append(f'<path d="{page_path(x, y, w, h, fold, 10*s)}" fill="none" stroke="{INK}" stroke-width="{SWB}" stroke-linejoin="round"/>')
    b.append(f'<path d="{fold_path(x, y, w, fold, 6*s)}" fill="{LINE}" stroke="{INK}" stroke-width="{SWB}" stroke-linejoin="round"/>')
    b.append('</g>')
    return "".join(b)

def pic_open():
    b = []
    b.append(f'<path d="M84,384 V136 Q84,118 102,118 H188 L214,144 H380 Q398,144 398,162 V384 Z" fill="{AMBER_D}" stroke="{INK}" stroke-width="{SWB}" stroke-linejoin="round"/>')
    b.append(mini_doc(110, 66, 120, 170, "E", EST, -9))
    b.append(mini_doc(181, 50, 120, 170, "Q", QUO, 0))
    b.append(mini_doc(252, 66, 120, 170, "I", INV, 9))
    b.append(f'<path d="M64,388 L106,240 Q110,226 126,226 H418 Q436,226 431,243 L392,374 Q388,388 374,388 H64 Z" fill="{AMBER}" stroke="{INK}" stroke-width="{SWB}" stroke-linejoin="round"/>')
    b.append(f'<path d="M146,264 H398" fill="none" stroke="{PAPER}" stroke-opacity="0.45" stroke-width="8" stroke-linecap="round"/>')
    write("start-open.svg", frame("".join(b), "Open document", AMBER, "bgO"), W, H, "Open document")

def pic_business():
    b = []
    # roof ladder
    b.append(f'<path d="M118,146 V170 M292,146 V170" fill="none" stroke="{INK}" stroke-width="{SWB}"/>')
    b.append(f'<rect x="92" y="132" width="228" height="20" rx="5" fill="{SLATE_L}" stroke="{INK}" stroke-width="{SWB}"/>')
    rungs = " ".join(f"M{x},132 V152" for x in range(118, 300, 26))
    b.append(f'<path d="{rungs}" fill="none" stroke="{INK}" stroke-width="3"/>')
    van = ("M88,168 H306 Q322,168 322,184 V198 H352 Q364,198 371,208 L404,256 Q420,264 420,284 "
           "V330 Q420,346 404,346 H88 Q72,346 72,330 V184 Q72,168 88,168 Z")
    b.append(f'<path d="{van}" fill="{PAPER}"/>')
    b.append(f'<rect x="74" y="294" width="344" height="18" fill="{AMBER}"/>')
    b.append(f'<path d="{van}" fill="none" stroke="{INK}" stroke-width="{SWB}" stroke-linejoin="round"/>')
    b.append(f'<path d="M334,212 H356 Q360,212 363,216 L390,256 H334 Z" fill="{GLASS}" stroke="{INK}" stroke-width="{SWB}" stroke-linejoin="round"/>')
    b.append(f'<path d="M322,198 V338" fill="none" stroke="{INK}" stroke-width="{SWB}"/>')
    b.append(f'<path d="M336,272 H352" fill="none" stroke="{INK}" stroke-width="{SWB}" stroke-linecap="round"/>')
    b.append(f'<rect x="406" y="270" width="12" height="16" rx="3" fill="{AMBER}" stroke="{INK}" stroke-width="3"/>')
    # sign written on the side: the business's mark, name and phone
    b.append(f'<rect x="98" y="192" width="198" height="84" rx="12" fill="{CREAM_T}" stroke="{INK}" stroke-width="{SWB}"/>')
    b.append(f'<rect x="112" y="206" width="56" height="56" rx="10" fill="{NAVY_T}"/>')
    b.append(f'<path d="M126,220 L140,248 L154,220" fill="none" stroke="{AMBER}" stroke-width="10" stroke-linecap="round" stroke-linejoin="round"/>')
    b.append(f'<path d="M184,222 H276" fill="none" stroke="{INK}" stroke-width="12" stroke-linecap="round"/>')
    b.append(f'<path d="M184,246 H250" fill="none" stroke="{SLATE_L}" stroke-width="9" stroke-linecap="round"/>')
    for cx in (150, 352):
        b.append(f'<circle cx="{cx}" cy="346" r="38" fill="{INK}"/>')
        b.append(f'<circle cx="{cx}" cy="346" r="16" fill="{SLATE_L}" stroke="{INK}" stroke-width="3"/>')
    write("start-business.svg", frame("".join(b), "Business Information", AMBER, "bgB"), W, H, "Business Information")

def pic_options():
    b = []
    card = "M112,70 H320 Q338,70 338,88 V344 Q338,362 320,362 H112 Q94,362 94,344 V88 Q94,70 112,70 Z"
    b.append(f'<path d="{card}" fill="{PAPER}"/>')
    b.append(f'<path d="M94,120 V88 Q94,70 112,70 H320 Q338,70 338,88 V120 Z" fill="{NAVY_T}"/>')
    b.append(f'<path d="M118,95 H214" fill="none" stroke="{PAPER}" stroke-width="10" stroke-linecap="round"/>')
    rows = [(160, EST, True), (218, QUO, True), (276, None, False)]
    for y, col, ticked in rows:
        fill = col if ticked else PAPER
        b.append(f'<rect x="118" y="{y-16}" width="32" height="32" rx="7" fill="{fill}" stroke="{INK}" stroke-width="{SWB}"/>')
        if ticked:
            b.append(f'<path d="M125,{y} L132,{y+8} L144,{y-8}" fill="none" stroke="{PAPER}" stroke-width="6" stroke-linecap="round" stroke-linejoin="round"/>')
        b.append(f'<path d="M170,{y} H{300 if y != 218 else 270}" fill="none" stroke="{LINE}" stroke-width="10" stroke-linecap="round"/>')
    b.append(f'<path d="{card}" fill="none" stroke="{INK}" stroke-width="{SWB}" stroke-linejoin="round"/>')
    b.append(f'<path d="{gear_path(322, 312, 84, 64, 10, 0.5, 0.16)}" fill="{AMBER}" stroke="{INK}" stroke-width="{SWB}" stroke-linejoin="round"/>')
    b.append(f'<circle cx="322" cy="312" r="40" fill="none" stroke="{AMBER_D}" stroke-width="6"/>')
    b.append(f'<circle cx="322" cy="312" r="22" fill="{CREAM_T}" stroke="{INK}" stroke-width="{SWB}"/>')
    write("start-options.svg", frame("".join(b), "Program Options", SLATE, "bgP"), W, H, "Program Options")

if __name__ == "__main__":
    pic_new("start-new-estimate.svg", "E", EST, "Create new estimate", "ruler")
    pic_new("start-new-quote.svg", "Q", QUO, "Create new quote", "pencil")
    pic_new("start-new-invoice.svg", "I", INV, "Create new invoice", "coins")
    pic_open(); pic_business(); pic_options()
