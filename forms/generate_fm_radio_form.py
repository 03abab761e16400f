#!/usr/bin/env python3
"""Writes forms/fm_radio_form.ui, the FM receiver page with its 32 channel rows.

The rows differ only in their numbers, so the form is generated; the build
uses the committed .ui. Run from the repository root:

    python3 forms/generate_fm_radio_form.py > forms/fm_radio_form.ui

or name the file to write: python3 forms/generate_fm_radio_form.py output.ui
"""

import sys
from xml.sax.saxutils import escape

CHANNELS = 32

TITLE_STYLE = ("color: rgb(255, 255, 255);\n"
               "background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:1, y2:0, "
               "stop:0 rgba(30, 90, 160, 255), stop:1 rgba(76, 76, 76, 255));")
GROUP_STYLE = ("color: rgb(255, 255, 255);\n"
               "padding: 2px;\n"
               "background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:1, y2:0, "
               "stop:0 rgba(30, 90, 160, 255), stop:1 rgba(76, 76, 76, 0));")
CELL_STYLE = "color: rgb(56, 245, 250);\nbackground-color: rgb(76, 76, 76);"
COMBO_STYLE = "color: rgb(0, 0, 0);\nbackground-color: rgb(255, 255, 255);"


def row_label(k):
    """Number label of channel row k; rows 17 and 18 carry label_33 and label_32."""
    fixed = {0: 9, 1: 14, 2: 10, 3: 15, 17: 33, 18: 32}
    return "label_%d" % fixed.get(k, k + 15)


def name_field(k):
    return "lineEdit" if k == 0 else "lineEdit_%d" % (2 * k + 1)


def freq_field(k):
    return "lineEdit_%d" % (2 * k + 2)


class Writer:
    def __init__(self):
        self.lines = []
        self.depth = 0
        self.line_no = 0

    def put(self, text):
        self.lines.append(" " * self.depth + text)

    def open(self, text):
        self.put(text)
        self.depth += 1

    def close(self, text):
        self.depth -= 1
        self.put(text)

    def prop(self, name, body):
        self.put('<property name="%s">%s</property>' % (name, body))

    def string(self, name, text, notr=False):
        attr = ' notr="true"' if notr else ""
        self.prop(name, "<string%s>%s</string>" % (attr, escape(text)))

    def number(self, name, value):
        self.prop(name, "<number>%d</number>" % value)

    def size(self, name, width, height):
        self.prop(name, "<size><width>%d</width><height>%d</height></size>" % (width, height))

    def font(self, family, points, bold):
        self.prop("font", "<font><family>%s</family><pointsize>%d</pointsize><bold>%s</bold></font>"
                  % (family, points, "true" if bold else "false"))

    def set(self, name, value):
        self.prop(name, "<set>%s</set>" % value)

    def enum(self, name, value):
        self.prop(name, "<enum>%s</enum>" % value)

    def boolean(self, name, value):
        self.prop(name, "<bool>%s</bool>" % ("true" if value else "false"))

    # ---- widgets --------------------------------------------------------------

    def item(self, extra=""):
        self.open("<item%s>" % extra)

    def end_item(self):
        self.close("</item>")

    def line(self, name, vertical=False, extra=""):
        self.item(extra)
        self.open('<widget class="Line" name="%s">' % name)
        self.enum("orientation", "Qt::Vertical" if vertical else "Qt::Horizontal")
        self.close("</widget>")
        self.end_item()

    def next_line(self, vertical=False, extra=""):
        self.line_no += 1
        self.line("line_row_%d" % self.line_no, vertical, extra)

    def label(self, name, text, style=None, align=None, fixed_height=None, fixed_width=None, extra=""):
        self.item(extra)
        self.open('<widget class="QLabel" name="%s">' % name)
        if fixed_height is not None:
            self.size("minimumSize", 0, fixed_height)
            self.size("maximumSize", 16777215, fixed_height)
        if fixed_width is not None:
            self.size("minimumSize", fixed_width, 0)
            self.size("maximumSize", fixed_width, 16777215)
        if style:
            self.string("styleSheet", style, notr=True)
        self.string("text", text)
        if align:
            self.set("alignment", align)
        self.close("</widget>")
        self.end_item()

    def line_edit(self, name, max_length, text=None, centred=True, extra=""):
        self.item(extra)
        self.open('<widget class="QLineEdit" name="%s">' % name)
        self.size("maximumSize", 180, 16777215)
        self.font("Segoe UI", 10, True)
        if text is not None:
            self.string("text", text)
        self.number("maxLength", max_length)
        self.boolean("frame", False)
        self.set("alignment", "Qt::AlignCenter" if centred else "Qt::AlignLeading|Qt::AlignLeft|Qt::AlignVCenter")
        self.close("</widget>")
        self.end_item()

    def combo(self, name):
        self.item()
        self.open('<widget class="QComboBox" name="%s">' % name)
        self.size("minimumSize", 120, 22)
        self.size("maximumSize", 180, 22)
        self.font("Microsoft YaHei", 11, False)
        self.string("styleSheet", COMBO_STYLE, notr=True)
        self.boolean("editable", False)
        self.boolean("frame", False)
        self.close("</widget>")
        self.end_item()

    def spacer(self, name, vertical, width, height, policy="Expanding"):
        self.item()
        self.open('<spacer name="%s">' % name)
        self.enum("orientation", "Qt::Vertical" if vertical else "Qt::Horizontal")
        self.enum("sizeType", "QSizePolicy::" + policy)
        self.size("sizeHint", width, height)
        self.close("</spacer>")
        self.end_item()


def channel_column(w):
    w.item()
    w.open('<layout class="QVBoxLayout" name="verticalLayout_channels">')
    w.label("label_3", "▼『收音机存储信道』", GROUP_STYLE, fixed_height=25)
    w.line("line_10")
    w.item()
    w.open('<widget class="QScrollArea" name="scrollArea">')
    w.size("minimumSize", 325, 0)
    w.size("maximumSize", 325, 16777215)
    w.enum("frameShape", "QFrame::NoFrame")
    w.boolean("widgetResizable", True)
    w.open('<widget class="QWidget" name="scrollAreaWidgetContents">')
    w.open('<layout class="QGridLayout" name="gridLayout_channels">')
    header = ' row="0" column="%d"'
    w.label("label_16", "", CELL_STYLE, "Qt::AlignCenter", extra=header % 0)
    w.label("label_17", "信道名", CELL_STYLE, "Qt::AlignCenter", extra=header % 1)
    w.next_line(True, header % 2)
    w.label("label_18", "信道频率", CELL_STYLE, "Qt::AlignCenter", extra=header % 3)
    w.next_line(False, ' row="1" column="0" colspan="4"')
    for k in range(CHANNELS):
        row = 2 + 2 * k
        at = ' row="%d" column="%%d"' % row
        w.label(row_label(k), str(k), CELL_STYLE, "Qt::AlignRight|Qt::AlignTrailing|Qt::AlignVCenter",
                extra=at % 0)
        w.line_edit(name_field(k), 8, "FM" if k == 0 else None, extra=at % 1)
        w.next_line(True, at % 2)
        w.line_edit(freq_field(k), 5, extra=at % 3)
        w.next_line(False, ' row="%d" column="0" colspan="4"' % (row + 1))
    w.close("</layout>")
    w.close("</widget>")
    w.close("</widget>")
    w.end_item()
    w.close("</layout>")
    w.end_item()


def settings_row(w, label, text, widget):
    w.item()
    w.open('<layout class="QHBoxLayout" name="horizontalLayout_%s">' % label)
    w.label(label, text, CELL_STYLE, "Qt::AlignRight|Qt::AlignTrailing|Qt::AlignVCenter", fixed_width=136)
    widget()
    w.close("</layout>")
    w.end_item()
    w.next_line()


def settings_column(w):
    w.item()
    w.open('<layout class="QVBoxLayout" name="verticalLayout_settings">')
    w.label("label", "▼『收音机设置』", GROUP_STYLE, fixed_height=25)
    w.line("line_6")
    settings_row(w, "label_5", "收音机开关", lambda: w.combo("comboBox_1"))
    settings_row(w, "label_6", "收音机模式", lambda: w.combo("comboBox_2"))
    settings_row(w, "label_7", "VFO模式频率", lambda: w.line_edit("lineEdit_65", 5, "90.4", centred=False))
    w.spacer("verticalSpacer_settings", True, 20, 40)
    w.close("</layout>")
    w.end_item()


def main():
    w = Writer()
    w.put('<?xml version="1.0" encoding="UTF-8"?>')
    w.open('<ui version="4.0">')
    w.put("<class>FM_RADIO_FORM</class>")
    w.open('<widget class="QWidget" name="FM_RADIO_FORM">')
    w.prop("geometry", "<rect><x>0</x><y>0</y><width>923</width><height>919</height></rect>")
    w.string("windowTitle", "Form")
    w.open('<layout class="QVBoxLayout" name="verticalLayout_page">')
    w.item()
    w.open('<widget class="QLabel" name="label_2">')
    w.size("minimumSize", 0, 26)
    w.size("maximumSize", 16777215, 26)
    w.font("微软雅黑", 14, True)
    w.string("styleSheet", TITLE_STYLE, notr=True)
    w.string("text", "|收音机设置|")
    w.set("alignment", "Qt::AlignCenter")
    w.number("indent", 3)
    w.close("</widget>")
    w.end_item()
    w.line("line_17")
    w.label("label_4", "", fixed_height=5)
    w.item()
    w.open('<layout class="QHBoxLayout" name="horizontalLayout_columns">')
    channel_column(w)
    w.spacer("horizontalSpacer_gap", False, 40, 20, "Fixed")
    settings_column(w)
    w.spacer("horizontalSpacer_rest", False, 40, 20)
    w.close("</layout>")
    w.end_item()
    w.close("</layout>")
    w.close("</widget>")
    w.put("<resources/>")
    w.put("<connections/>")
    w.close("</ui>")
    text = "\n".join(w.lines) + "\n"
    if len(sys.argv) > 1:
        with open(sys.argv[1], "w", encoding="utf-8", newline="\n") as ui:
            ui.write(text)
    else:
        sys.stdout.write(text)


if __name__ == "__main__":
    main()
