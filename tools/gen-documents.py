#!/usr/bin/env python3
"""Writes a reproducible set of varied estimates, quotes and invoices.

    tools/gen-documents.py OUTDIR [COUNT] [SEED]

Used by tools/compare-outputs.sh to hold the report and the printed pages
to the same results before and after a change.
"""
import os
import random
import sys

WORDS = ("copper pipe valve boiler radiator fitting socket cable tile grout "
         "joist plaster screed gutter flue cylinder pump thermostat timber "
         "sealant bracket").split()
NAMES = ["Okafor", "Dunmore", "Hughes", "Ng", "O'Brien", "Smith & Sons Ltd", ""]


def text(rng, words=4):
    return " ".join(rng.choice(WORDS) for _ in range(rng.randint(1, words))).capitalize()


def money(rng, top=500):
    return "%d.%02d" % (rng.randint(0, top), rng.randint(0, 99))


def hours(rng):
    return "%.6f" % rng.choice([0, 0.5, 1, 1.15, 2.333333, 7.5, 25.15, rng.uniform(0, 40)])


def stamp(rng):
    return "2026%02d%02d%02d%02d%02d" % (rng.randint(1, 12), rng.randint(1, 28),
                                         rng.randint(0, 23), rng.randint(0, 59), rng.randint(0, 59))


def customer(rng, section):
    surname = rng.choice(NAMES)
    return [f"[{section}]", "custno=0", "company=" + (surname if "Ltd" in surname else ""),
            "title=" + rng.choice(["Mr", "Mrs", "Ms", "Dr", ""]), "name=" + rng.choice(["Ann", "Raj", ""]),
            "initial=", "surname=" + ("" if "Ltd" in surname else surname),
            "first=%d %s Road|Flat %d" % (rng.randint(1, 99), text(rng, 1), rng.randint(1, 9)),
            "town=Harrogate", "county=", "postcode=HG%d %dQT" % (rng.randint(1, 9), rng.randint(1, 9)),
            "phone=01423 555 %03d" % rng.randint(0, 999), "fax=", "mobile=", ""]


def items(rng, section, count, withCost=True):
    out = []
    for _ in range(count):
        out += [f"[{section}]", "desc=" + text(rng, 6)]
        if rng.random() < 0.8:
            out.append("count=" + hours(rng))
        if withCost and rng.random() < 0.5:
            out.append("cost=" + money(rng))
        out += ["price=" + money(rng), "rate=" + rng.choice(["20", "5", "0", "12.5"]), ""]
    return out


def base(rng, kind, number):
    created = stamp(rng)
    return [f"[{kind}]", "version=1", "", "[base]", f"number={number}", f"created={created}",
            f"updated={created}", "hasVATInfo=%d" % rng.randint(0, 1), "ownDocReference=0",
            f"docReference={number}", "date=2026%02d%02d" % (rng.randint(1, 12), rng.randint(1, 28)), ""]


def job(rng, kind, number):
    lines = base(rng, kind, number) + [
        "[job]", "reference=" + text(rng, 2).upper(), "hourlyRate=" + money(rng, 60)]
    for key in ("hoursResearch", "hoursPurchase", "hoursWork", "hoursInspection", "hoursAdmin",
                "hoursTravel"):
        lines.append(f"{key}=" + hours(rng))
    lines += ["costPerMile=0.%02d" % rng.randint(0, 99), "distance=" + hours(rng),
              "daysOnSite=%d" % rng.choice([0, 0, 3]), "daysValid=%d" % rng.choice([30, 60]),
              "chargeTravelTime=%d" % rng.randint(0, 1), "chargeTravelDistance=%d" % rng.randint(0, 1),
              "displayEAOE=%d" % rng.randint(0, 1), "description=" + text(rng, 12) + "|" + text(rng, 8), ""]
    lines += customer(rng, "customer")
    lines += items(rng, "hours-item", rng.randint(0, 3))
    lines += items(rng, "materials-item", rng.randint(0, 25))
    lines += items(rng, "hire-item", rng.randint(0, 4))
    return lines


def invoice(rng, number):
    lines = base(rng, "invoice", number) + [
        "[details]", "description=" + text(rng, 12), "reference=" + text(rng, 2),
        "daysToPay=%d" % rng.choice([0, 14, 30]), "displayEAOE=%d" % rng.randint(0, 1),
        "addOverduePercentage=%d" % rng.randint(0, 1), "overduePercentage=" + rng.choice(["8", "12.5"]),
        "extraTerms=" + text(rng, 6), ""]
    lines += customer(rng, "customer")
    lines += items(rng, "invoice-item", rng.randint(0, 40))
    for _ in range(rng.randint(0, 3)):
        lines += ["[payment-item]", "desc=" + rng.choice(["Deposit", "Cash", "Transfer"]),
                  "date=2026%02d%02d" % (rng.randint(1, 12), rng.randint(1, 28)),
                  "price=" + money(rng, 2000), ""]
    return lines


def main():
    out = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 12
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 19)
    os.makedirs(out, exist_ok=True)
    for i in range(count):
        for ext, make in (("vle", lambda n: job(rng, "estimate", n)),
                          ("vlq", lambda n: job(rng, "quote", n)),
                          ("vli", lambda n: invoice(rng, n))):
            with open(os.path.join(out, f"gen-{i:02d}.{ext}"), "w", encoding="utf-8") as f:
                f.write("\n".join(make(1000 + i)) + "\n")


if __name__ == "__main__":
    main()
