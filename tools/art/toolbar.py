from common import *
SW = 1.5

def wr(name, body, title):
    write(name, body, 24, 24, title)

def new_doc(name, color, title):
    b = []
    b.append(f'<path d="{page_path(3.75, 2.75, 13.5, 18.5, 4, 1.5)}" fill="{PAPER}"/>')
    b.append(f'<rect x="3.75" y="11" width="13.5" height="4.5" fill="{color}"/>')
    b.append(f'<path d="M6.5,6.5 H11 M6.5,8.75 H13.5" fill="none" stroke="{LINE}" stroke-width="1.5" stroke-linecap="round"/>')
    b.append(f'<path d="{page_path(3.75, 2.75, 13.5, 18.5, 4, 1.5)}" fill="none" stroke="{INK}" stroke-width="{SW}" stroke-linejoin="round"/>')
    b.append(f'<path d="{fold_path(3.75, 2.75, 13.5, 4, 0.8)}" fill="{LINE}" stroke="{INK}" stroke-width="{SW}" stroke-linejoin="round"/>')
    b.append(f'<circle cx="17.5" cy="17.5" r="5.25" fill="{color}" stroke="{INK}" stroke-width="{SW}"/>')
    b.append(f'<path d="M17.5,14.75 V20.25 M14.75,17.5 H20.25" fill="none" stroke="{PAPER}" stroke-width="1.75" stroke-linecap="round"/>')
    wr(name, "".join(b), title)

def open_doc():
    b = []
    b.append(f'<path d="M2.75,19.25 V5 Q2.75,4 3.75,4 H8.5 L10.5,6 H18.25 Q19.25,6 19.25,7 V10.25" fill="{AMBER_D}" stroke="{INK}" stroke-width="{SW}" stroke-linejoin="round"/>')
    b.append(f'<rect x="5.75" y="7.75" width="11" height="8" fill="{PAPER}" stroke="{INK}" stroke-width="{SW}" stroke-linejoin="round"/>')
    b.append(f'<path d="M2.75,19.75 L5.6,11.1 Q5.85,10.25 6.75,10.25 H20.9 Q22,10.25 21.7,11.3 L19.1,19.75 Z" fill="{AMBER}" stroke="{INK}" stroke-width="{SW}" stroke-linejoin="round"/>')
    wr("tb-open.svg", "".join(b), "Open")

def save_doc():
    b = []
    b.append(f'<path d="M4.25,3 H16.75 L21,7.25 V19.75 Q21,21 19.75,21 H4.25 Q3,21 3,19.75 V4.25 Q3,3 4.25,3 Z" fill="{SLATE}" stroke="{INK}" stroke-width="{SW}" stroke-linejoin="round"/>')
    b.append(f'<rect x="7" y="3" width="9" height="5.5" fill="{SLATE_L}" stroke="{INK}" stroke-width="{SW}"/>')
    b.append(f'<rect x="12.5" y="4.25" width="1.75" height="3" fill="{INK}"/>')
    b.append(f'<rect x="6" y="12.25" width="12" height="8.75" rx="0.75" fill="{PAPER}" stroke="{INK}" stroke-width="{SW}"/>')
    b.append(f'<path d="M8.5,15.25 H15.5 M8.5,18 H13.5" fill="none" stroke="{LINE}" stroke-width="1.25" stroke-linecap="round"/>')
    wr("tb-save.svg", "".join(b), "Save")

def print_doc():
    b = []
    b.append(f'<rect x="6.75" y="2.75" width="10.5" height="7" fill="{PAPER}" stroke="{INK}" stroke-width="{SW}"/>')
    b.append(f'<rect x="2.75" y="8.75" width="18.5" height="9" rx="1.5" fill="{SLATE}" stroke="{INK}" stroke-width="{SW}"/>')
    b.append(f'<circle cx="17.75" cy="11.75" r="1" fill="{AMBER}"/>')
    b.append(f'<rect x="6.75" y="14.25" width="10.5" height="7" fill="{PAPER}" stroke="{INK}" stroke-width="{SW}"/>')
    b.append(f'<path d="M8.75,17 H15.25 M8.75,19.25 H13" fill="none" stroke="{LINE}" stroke-width="1.25" stroke-linecap="round"/>')
    wr("tb-print.svg", "".join(b), "Print")

def options():
    b = []
    b.append(f'<path d="{gear_path(12, 12, 10, 7.4, 8, 0.5, 0.16)}" fill="{AMBER}" stroke="{INK}" stroke-width="{SW}" stroke-linejoin="round"/>')
    b.append(f'<circle cx="12" cy="12" r="3" fill="{PAPER}" stroke="{INK}" stroke-width="{SW}"/>')
    wr("tb-options.svg", "".join(b), "Options")

def help_():
    b = []
    b.append(f'<circle cx="12" cy="12" r="9.25" fill="{NAVY_T}" stroke="{INK}" stroke-width="{SW}"/>')
    b.append(f'<path d="M9.1,9.4 Q9.1,6.4 12,6.4 Q14.9,6.4 14.9,9.1 Q14.9,10.9 13,11.8 Q12,12.3 12,13.7 V14.1" fill="none" stroke="{PAPER}" stroke-width="2" stroke-linecap="round" stroke-linejoin="round"/>')
    b.append(f'<circle cx="12" cy="17.3" r="1.3" fill="{AMBER}"/>')
    wr("tb-help.svg", "".join(b), "Help")

def customers():
    b = []
    b.append(f'<path d="M1.75,20.25 Q1.75,14.25 7.5,14.25 Q13.25,14.25 13.25,20.25 Z" fill="{SLATE_L}" stroke="{INK}" stroke-width="{SW}" stroke-linejoin="round"/>')
    b.append(f'<circle cx="7.5" cy="9" r="3.25" fill="{PAPER}" stroke="{INK}" stroke-width="{SW}"/>')
    b.append(f'<path d="M10.75,20.25 Q10.75,13.25 16.5,13.25 Q22.25,13.25 22.25,20.25 Z" fill="{AMBER}" stroke="{INK}" stroke-width="{SW}" stroke-linejoin="round"/>')
    b.append(f'<circle cx="16.5" cy="7.75" r="3.5" fill="{PAPER}" stroke="{INK}" stroke-width="{SW}"/>')
    wr("tb-customers.svg", "".join(b), "Customers")

if __name__ == "__main__":
    new_doc("tb-new-estimate.svg", EST, "New estimate")
    new_doc("tb-new-quote.svg", QUO, "New quote")
    new_doc("tb-new-invoice.svg", INV, "New invoice")
    open_doc(); save_doc(); print_doc(); options(); help_(); customers()
