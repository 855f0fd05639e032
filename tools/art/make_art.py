#!/usr/bin/env python3
"""Writes every SVG of src/resources/art from the drawings in this folder.

The SVG files are the sources the program uses (Qt SVG renders them at run
time); this script only keeps the set consistent: one palette, one stroke
weight, one corner radius.  Run it after changing a drawing and look at the
result, for example with rsvg-convert.
"""
import icons, toolbar, pictures, splash
from common import EST, QUO, INV, CRN

icons.program_icon()
icons.doc_icon("vorlane-estimate.svg", "E", EST, "Vorlane estimate")
icons.doc_icon("vorlane-quote.svg", "Q", QUO, "Vorlane quote")
icons.doc_icon("vorlane-invoice.svg", "I", INV, "Vorlane invoice")
icons.doc_icon("vorlane-creditnote.svg", "C", CRN, "Vorlane credit note")
toolbar.new_doc("tb-new-estimate.svg", EST, "New estimate")
toolbar.new_doc("tb-new-quote.svg", QUO, "New quote")
toolbar.new_doc("tb-new-invoice.svg", INV, "New invoice")
toolbar.open_doc(); toolbar.save_doc(); toolbar.print_doc(); toolbar.options(); toolbar.help_()
pictures.pic_new("start-new-estimate.svg", "E", EST, "Create new estimate", "ruler")
pictures.pic_new("start-new-quote.svg", "Q", QUO, "Create new quote", "pencil")
pictures.pic_new("start-new-invoice.svg", "I", INV, "Create new invoice", "coins")
pictures.pic_open(); pictures.pic_business(); pictures.pic_options()
splash.splash(); splash.wizard()
