#!/usr/bin/env python3
"""Writes forms/five_tone_form.ui, the form of the 5-tone page.

The form has 513 objects; they are described here as tables (sections, rows,
widget kinds) and emitted in tree order, which is also the order in which
the generated setupUi creates them. The build uses only the committed .ui:
run this script again after changing a table.

    python3 forms/generate_five_tone_form.py [output.ui]
"""

import os
import sys
from xml.sax.saxutils import escape

# ---- style sheets and fonts ---------------------------------------------------

PAGE_TITLE_STYLE = (
    "QLabel{\n\tcolor: rgb(255, 255, 255);\n\tbackground-color: qlineargradient(spread:pad, "
    "x1:0, y1:0.5, x2:1, y2:0.5, stop:0.0113636 rgba(248, 255, 255, 255), "
    "stop:0.5 rgba(85, 0, 180, 255), stop:1 rgba(255, 255, 255, 255));\n}")
SECTION_TITLE_STYLE = (
    "QLabel{\n    padding: 2px;\n\tcolor: rgb(255, 255, 255);\n\tbackground-color: qlineargradient("
    "spread:pad, x1:0, y1:0.5, x2:1, y2:0.5, stop:0 rgba(85, 0, 180, 255), "
    "stop:1 rgba(255, 255, 255, 255));\n}")
CAPTION_STYLE = "color: rgb(56, 245, 250);\nbackground-color: rgba(76, 76, 76, 255);"
CORNER_STYLE = "color: rgb(56, 245, 250);\nbackground-color: rgba(76, 76, 76, 0);"
OWN_ID_STYLE = "background-color: rgb(255, 255, 255);"
REFERENCE_STYLE = "background-color: rgb(225, 225, 225);"
COMBO_STYLE = "background-color: rgb(255, 255, 255);\ncolor: rgb(0, 0, 0);\n"
LIST_EDIT_STYLE = "font: 700 10pt \"Segoe UI\";"
WHITE_LINE_STYLE = "color: rgb(255, 255, 255);"
BLACK_LINE_STYLE = "color: rgb(0, 0, 0);"

# (family, point size, bold, italic); None leaves that part unset.
TITLE_FONT = ("微软雅黑", 14, True, None)
SECTION_FONT = (None, 12, None, None)
CAPTION_FONT = ("Microsoft YaHei", 11, None, None)
FIELD_FONT = ("Microsoft YaHei", 11, False, None)
LIST_FONT = ("Microsoft YaHei", 10, False, None)
CODE_FONT = ("Segoe UI", 10, True, False)

MAX = 16777215

# ---- the tables of the form -------------------------------------------------

# Encoder settings: row layout, caption, caption text, combo box, rule after,
# current text that the form sets (None: none).
ENCODER_ROWS = [
    ("horizontalLayout_13", "label_17", "侧音", "comboBox_12", "line_73", ""),
    ("horizontalLayout_9", "label_12", "预载波时间", "comboBox_9", "line_71", None),
    ("horizontalLayout_10", "label_13", "结束延迟时间", "comboBox_8", "line_68", None),
    ("horizontalLayout_6", "label_10", "首位数码时间", "comboBox_10", "line_76", None),
    ("horizontalLayout_2", "label_6", "停顿码", "comboBox_1", "line_8", "无"),
    ("horizontalLayout_3", "label_7", "停顿码时间长度", "comboBox_2", "line_7", ""),
    ("horizontalLayout_12", "label_15", "停顿码后首码时间", "comboBox_3", "line_75", ""),
    ("horizontalLayout_11", "label_14", "PTT ID暂停时间", "comboBox_11", "line_11", None),
]
PAUSE_CODE_ITEMS = ["无", "B", "C", "D", "F"]  # the items of comboBox_1

# Decoder settings; the row of label_18 holds the eight digit check boxes.
DECODER_ROWS = [
    ("horizontalLayout_4", "label_8", "解码标准", "comboBox_4", "line_9", ""),
    ("horizontalLayout_31", "label_18", "解码位数设定", None, "line_10", None),
    ("horizontalLayout_5", "label_9", "解码响应", "comboBox_5", "line_69", ""),
    ("horizontalLayout_7", "label_11", "自动复位时间", "comboBox_6", "line_72", None),
    ("horizontalLayout_29", "label_16", "ANI显示", "comboBox_7", "line_70", None),
]
DIGIT_BOXES = ["checkBox"] + ["checkBox_%d" % i for i in range(2, 9)]

# Code memories: row, number label, text, divider, standard, code, divider, name, rule.
CODE_ROWS = [
    ("horizontalLayout_61", "label_76", "0", "line_2", "comboBox_30", "lineEdit_40", "line_112", "lineEdit_72", "line_95"),
    ("horizontalLayout_62", "label_77", "1", "line_3", "comboBox_31", "lineEdit_41", "line_115", "lineEdit_73", "line_96"),
    ("horizontalLayout_63", "label_78", "2", "line_4", "comboBox_32", "lineEdit_42", "line_117", "lineEdit_74", "line_97"),
    ("horizontalLayout_64", "label_79", "3", "line_5", "comboBox_33", "lineEdit_43", "line_119", "lineEdit_75", "line_98"),
    ("horizontalLayout_65", "label_80", "4", "line_29", "comboBox_34", "lineEdit_44", "line_120", "lineEdit_76", "line_99"),
    ("horizontalLayout_66", "label_81", "5", "line_30", "comboBox_35", "lineEdit_45", "line_131", "lineEdit_77", "line_100"),
    ("horizontalLayout_68", "label_83", "6", "line_32", "comboBox_36", "lineEdit_46", "line_136", "lineEdit_78", "line_101"),
    ("horizontalLayout_70", "label_85", "7", "line_34", "comboBox_37", "lineEdit_47", "line_138", "lineEdit_79", "line_102"),
    ("horizontalLayout_72", "label_87", "8", "line_36", "comboBox_38", "lineEdit_48", "line_137", "lineEdit_80", "line_103"),
    ("horizontalLayout_69", "label_84", "9", "line_33", "comboBox_39", "lineEdit_49", "line_135", "lineEdit_81", "line_104"),
    ("horizontalLayout_71", "label_86", "A", "line_35", "comboBox_40", "lineEdit_50", "line_139", "lineEdit_82", "line_105"),
    ("horizontalLayout_67", "label_82", "B", "line_31", "comboBox_41", "lineEdit_51", "line_140", "lineEdit_83", "line_106"),
    ("horizontalLayout_74", "label_89", "C", "line_38", "comboBox_42", "lineEdit_52", "line_141", "lineEdit_84", "line_107"),
    ("horizontalLayout_73", "label_88", "D", "line_37", "comboBox_43", "lineEdit_53", "line_142", "lineEdit_85", "line_108"),
    ("horizontalLayout_75", "label_90", "*", "line_39", "comboBox_44", "lineEdit_54", "line_143", "lineEdit_86", "line_109"),
    ("horizontalLayout_76", "label_91", "#", "line_40", "comboBox_45", "lineEdit_55", "line_144", "lineEdit_87", "line_110"),
]

# PTT ID: row, number label, text, divider, type, standard, start, divider, end, rule.
PTT_ROWS = [
    ("horizontalLayout_21", "label_95", "0", "line_44", "comboBox_14", "comboBox_22", "lineEdit_56", "line_59", "lineEdit_57", "line_46"),
    ("horizontalLayout_22", "label_96", "1", "line_45", "comboBox_15", "comboBox_23", "lineEdit_58", "line_61", "lineEdit_59", "line_47"),
    ("horizontalLayout_23", "label_97", "2", "line_48", "comboBox_16", "comboBox_24", "lineEdit_60", "line_62", "lineEdit_61", "line_49"),
    ("horizontalLayout_24", "label_98", "3", "line_50", "comboBox_17", "comboBox_25", "lineEdit_62", "line_63", "lineEdit_63", "line_51"),
    ("horizontalLayout_25", "label_99", "4", "line_52", "comboBox_18", "comboBox_26", "lineEdit_64", "line_64", "lineEdit_65", "line_54"),
    ("horizontalLayout_26", "label_100", "5", "line_53", "comboBox_19", "comboBox_27", "lineEdit_66", "line_65", "lineEdit_67", "line_56"),
    ("horizontalLayout_27", "label_101", "6", "line_55", "comboBox_20", "comboBox_28", "lineEdit_68", "line_66", "lineEdit_69", "line_57"),
    ("horizontalLayout_28", "label_102", "7", "line_58", "comboBox_21", "comboBox_29", "lineEdit_70", "line_67", "lineEdit_71", "line_22"),
]

# Information codes: row, number label, text, divider, function, code, rule.
INFO_ROWS = [
    ("horizontalLayout_79", "label_126", "0", "line_20", "comboBox_46", "lineEdit_88", "line_151"),
    ("horizontalLayout_80", "label_127", "1", "line_23", "comboBox_47", "lineEdit_90", "line_157"),
    ("horizontalLayout_81", "label_128", "2", "line_25", "comboBox_48", "lineEdit_92", "line_154"),
    ("horizontalLayout_82", "label_129", "3", "line_26", "comboBox_49", "lineEdit_94", "line_160"),
    ("horizontalLayout_83", "label_130", "4", "line_27", "comboBox_50", "lineEdit_96", "line_196"),
    ("horizontalLayout_84", "label_131", "5", "line_163", "comboBox_51", "lineEdit_98", "line_197"),
    ("horizontalLayout_85", "label_132", "6", "line_166", "comboBox_52", "lineEdit_100", "line_198"),
    ("horizontalLayout_86", "label_133", "7", "line_169", "comboBox_53", "lineEdit_102", "line_199"),
    ("horizontalLayout_87", "label_134", "8", "line_172", "comboBox_54", "lineEdit_104", "line_200"),
    ("horizontalLayout_88", "label_135", "9", "line_175", "comboBox_55", "lineEdit_106", "line_201"),
    ("horizontalLayout_89", "label_136", "10", "line_178", "comboBox_56", "lineEdit_108", "line_202"),
    ("horizontalLayout_90", "label_137", "11", "line_181", "comboBox_57", "lineEdit_110", "line_203"),
    ("horizontalLayout_91", "label_138", "12", "line_184", "comboBox_58", "lineEdit_112", "line_204"),
    ("horizontalLayout_92", "label_139", "13", "line_187", "comboBox_59", "lineEdit_114", "line_205"),
    ("horizontalLayout_93", "label_140", "14", "line_190", "comboBox_60", "lineEdit_116", "line_206"),
    ("horizontalLayout_94", "label_141", "15", "line_193", "comboBox_61", "lineEdit_118", "line_207"),
]

# Reference panel: three columns of (row, label, text, value edit, rule).
REFERENCE_COLUMNS = [
    ("verticalLayout_10", [
        ("horizontalLayout", "label_106", "0", "lineEdit_4", "line_18"),
        ("horizontalLayout_14", "label_107", "1", "lineEdit_5", "line_87"),
        ("horizontalLayout_15", "label_108", "2", "lineEdit_6", "line_86"),
        ("horizontalLayout_16", "label_109", "3", "lineEdit_7", "line_84"),
        ("horizontalLayout_17", "label_110", "4", "lineEdit_8", "line_80"),
        ("horizontalLayout_18", "label_111", "5", "lineEdit_9", "line_83"),
        ("horizontalLayout_19", "label_112", "6", "lineEdit_10", "line_85"),
        ("horizontalLayout_20", "label_113", "7", "lineEdit_11", "line_88"),
    ]),
    ("verticalLayout_15", [
        ("horizontalLayout_30", "label_114", "8", "lineEdit_12", "line_208"),
        ("horizontalLayout_36", "label_119", "9", "lineEdit_17", "line_16"),
        ("horizontalLayout_34", "label_117", "A", "lineEdit_15", "line_74"),
        ("horizontalLayout_33", "label_116", "B", "lineEdit_14", "line_77"),
        ("horizontalLayout_38", "label_121", "C", "lineEdit_19", "line_78"),
        ("horizontalLayout_39", "label_122", "D", "lineEdit_20", "line_82"),
        ("horizontalLayout_35", "label_118", "E", "lineEdit_16", "line_81"),
        ("horizontalLayout_37", "label_120", "F", "lineEdit_18", "line_79"),
    ]),
    ("verticalLayout_16", [
        ("horizontalLayout_32", "label_21", "音长", "lineEdit_13", "line_209"),
        ("horizontalLayout_40", "label_22", "组呼码", "lineEdit_21", "line_19"),
        ("horizontalLayout_41", "label_23", "重复码", "lineEdit_22", "line_210"),
    ]),
]

# ---- tree nodes ---------------------------------------------------------------


class Widget:
    def __init__(self, cls, name, props, items=None, child=None):
        self.cls, self.name, self.props = cls, name, props
        self.items = items or []  # combo-box items: texts
        self.child = child  # the one child widget (scroll area)


class Layout:
    def __init__(self, cls, name, items, spacing=None, margins=None):
        self.cls, self.name, self.items = cls, name, items
        self.spacing, self.margins = spacing, margins


class Spacer:
    def __init__(self, orientation, size_type, width, height):
        self.orientation, self.size_type = orientation, size_type
        self.width, self.height = width, height


# Property values: ("kind", payload).
def tr(text):
    return ("string", text)


def plain(text):
    return ("notr", text)


def enum(value):
    return ("enum", value)


def flags(value):
    return ("set", value)


def number(value):
    return ("number", value)


def boolean(value):
    return ("bool", value)


def size(w, h):
    return ("size", (w, h))


def policy(h, v):
    return ("sizepolicy", (h, v))


def font(face):
    return ("font", face)


def rect(x, y, w, h):
    return ("rect", (x, y, w, h))


def fixed_size(w, h):
    return [("minimumSize", size(w, h)), ("maximumSize", size(w, h))]


ALIGN_RIGHT = flags("Qt::AlignRight|Qt::AlignVCenter")
ALIGN_LEFT = flags("Qt::AlignLeft|Qt::AlignVCenter")
ALIGN_CENTER = flags("Qt::AlignHCenter|Qt::AlignVCenter")

# ---- widget kinds ---------------------------------------------------------------


def caption_label(name, text, w, h=22, style=CAPTION_STYLE, hpolicy="Fixed", align=ALIGN_RIGHT,
                  minimum=None, maximum=None):
    props = [("sizePolicy", policy(hpolicy, "Preferred"))]
    props += [("minimumSize", size(*(minimum or (w, h)))), ("maximumSize", size(*(maximum or (w, h))))]
    props += [("font", font(CAPTION_FONT)), ("styleSheet", plain(style)), ("text", tr(text)),
              ("alignment", align), ("indent", number(3))]
    return Widget("QLabel", name, props)


def setting_caption(name, text):
    return caption_label(name, text, 136)


def row_number(name, text):
    return caption_label(name, text, 28)


def corner_cell(name):
    return caption_label(name, "", 28, style=CORNER_STYLE)


def header_cell(name, text, minimum, maximum, hpolicy="Preferred"):
    return caption_label(name, text, 0, hpolicy=hpolicy, align=ALIGN_CENTER, minimum=minimum, maximum=maximum)


def section_title(name, text):
    return Widget("QLabel", name, [
        ("minimumSize", size(0, 25)), ("maximumSize", size(MAX, 25)), ("font", font(SECTION_FONT)),
        ("styleSheet", plain(SECTION_TITLE_STYLE)), ("text", tr(text)), ("alignment", ALIGN_LEFT)])


def blank_strip(name):
    return Widget("QLabel", name, [
        ("sizePolicy", policy("Expanding", "Preferred")), ("minimumSize", size(0, 5)),
        ("maximumSize", size(MAX, 5)), ("text", tr(""))])


def line(name, shape, shadow="QFrame::Plain", style=None):
    props = []
    if style:
        props.append(("styleSheet", plain(style)))
    props.append(("frameShadow", enum(shadow)))
    props.append(("orientation", enum("Qt::Horizontal" if shape == "H" else "Qt::Vertical")))
    return Widget("Line", name, props)


def rule(name):
    return line(name, "H")


def sunken_divider(name):
    return line(name, "V", "QFrame::Sunken")


def white_divider(name):
    return line(name, "V", style=WHITE_LINE_STYLE)


def black_divider(name):
    return line(name, "V", style=BLACK_LINE_STYLE)


def combo(name, minimum, maximum, face, current_text=None, items=None):
    props = [("sizePolicy", policy("Preferred", "Preferred")), ("minimumSize", size(*minimum)),
             ("maximumSize", size(*maximum)), ("font", font(face)), ("autoFillBackground", boolean(False)),
             ("styleSheet", plain(COMBO_STYLE)), ("editable", boolean(False))]
    if current_text is not None:
        props.append(("currentText", tr(current_text)))
    props += [("insertPolicy", enum("QComboBox::InsertAtBottom")),
              ("sizeAdjustPolicy", enum("QComboBox::AdjustToContentsOnFirstShow")),
              ("duplicatesEnabled", boolean(False)), ("frame", boolean(False))]
    return Widget("QComboBox", name, props, items=items)


def settings_combo(name, current_text=None, items=None):
    return combo(name, (150, 22), (200, 22), FIELD_FONT, current_text, items)


def standard_combo(name, w=120):
    return combo(name, (w, 22), (w, 22), LIST_FONT)


def field_edit(name, text, hpolicy, minimum, maximum, style, read_only):
    return Widget("QLineEdit", name, [
        ("sizePolicy", policy(hpolicy, "Fixed")), ("minimumSize", size(*minimum)), ("maximumSize", size(*maximum)),
        ("font", font(FIELD_FONT)), ("autoFillBackground", boolean(False)), ("styleSheet", plain(style)),
        ("text", tr(text)), ("maxLength", number(8)), ("frame", boolean(False)), ("alignment", ALIGN_LEFT),
        ("readOnly", boolean(read_only)), ("clearButtonEnabled", boolean(False))])


def reference_edit(name):
    return field_edit(name, "", "Expanding", (88, 22), (88, 22), REFERENCE_STYLE, True)


def list_edit(name, hpolicy, min_width, max_width, max_length):
    return Widget("QLineEdit", name, [
        ("sizePolicy", policy(hpolicy, "Fixed")), ("minimumSize", size(min_width, 0)),
        ("maximumSize", size(max_width, MAX)), ("font", font(CODE_FONT)), ("styleSheet", plain(LIST_EDIT_STYLE)),
        ("inputMethodHints", flags("Qt::ImhNone")), ("text", tr("")), ("maxLength", number(max_length)),
        ("frame", boolean(False)), ("alignment", ALIGN_CENTER), ("clearButtonEnabled", boolean(False))])


def check_box(name):
    return Widget("QCheckBox", name, [("text", tr("")), ("checked", boolean(True))])


def hbox(name, items, spacing=None, margins=None):
    return Layout("QHBoxLayout", name, items, spacing, margins)


def vbox(name, items, spacing=None, margins=None):
    return Layout("QVBoxLayout", name, items, spacing, margins)


def vspacer(size_type, w, h):
    return Spacer("Qt::Vertical", size_type, w, h)


def hspacer(size_type, w, h):
    return Spacer("Qt::Horizontal", size_type, w, h)


BOTTOM_0 = (-1, -1, -1, 0)

# ---- sections ---------------------------------------------------------------------


def basic_section():
    return vbox("verticalLayout", [
        section_title("label", "▼『基本设置』"), rule("line_6"),
        hbox("horizontalLayout_8", [
            setting_caption("label_59", "自身ID码"),
            field_edit("lineEdit_3", "88888888", "Expanding", (150, 22), (200, 22), OWN_ID_STYLE, False),
        ], spacing=2),
        rule("line_12"),
    ], spacing=0)


def encoder_section():
    items = [section_title("label_2", "▼『编码器设置』"), rule("line_13")]
    for row, caption, text, box, after, current in ENCODER_ROWS:
        box_items = PAUSE_CODE_ITEMS if box == "comboBox_1" else None
        items.append(hbox(row, [setting_caption(caption, text), settings_combo(box, current, box_items)], spacing=2))
        items.append(rule(after))
    return vbox("verticalLayout_3", items, spacing=0, margins=BOTTOM_0)


def decoder_section():
    items = [section_title("label_5", "▼『解码器设置』"), rule("line_14")]
    for row, caption, text, box, after, current in DECODER_ROWS:
        editors = [settings_combo(box, current)] if box else [check_box(b) for b in DIGIT_BOXES]
        items.append(hbox(row, [setting_caption(caption, text)] + editors, spacing=2))
        items.append(rule(after))
    return vbox("verticalLayout_4", items, spacing=0)


def code_section():
    items = [section_title("label_20", "▼『5-TONE编码列表』"), rule("line_28"),
             hbox("horizontalLayout_60", [
                 corner_cell("label_73"), white_divider("line_41"),
                 header_cell("label_104", "发码标准", (120, 22), (120, 22)),
                 header_cell("label_75", "编码", (255, 22), (300, 22)),
                 header_cell("label_105", "名称", (102, 22), (102, 22)),
             ], spacing=1),
             rule("line_94")]
    for row, number_label, text, divider, standard, code, divider2, name, after in CODE_ROWS:
        items.append(hbox(row, [
            row_number(number_label, text), sunken_divider(divider), standard_combo(standard),
            list_edit(code, "Preferred", 256, 300, 24), black_divider(divider2),
            list_edit(name, "Preferred", 100, 100, 8),
        ], spacing=1))
        items.append(rule(after))
    items.append(vspacer("QSizePolicy::MinimumExpanding", 20, 20))
    return vbox("verticalLayout_6", items, spacing=0)


def ptt_section():
    items = [section_title("label_19", "▼『PTT ID列表』"), rule("line_21"),
             hbox("horizontalLayout_77", [
                 corner_cell("label_74"), white_divider("line_43"),
                 header_cell("label_92", "类型", (88, 22), (120, 22)),
                 header_cell("label_103", "发码标准", (88, 22), (120, 22)),
                 header_cell("label_93", "开始", (256, 22), (300, 22), hpolicy="Maximum"),
                 header_cell("label_94", "结束", (256, 22), (300, 22), hpolicy="Maximum"),
             ], spacing=1),
             rule("line_24")]
    for row, number_label, text, divider, kind, standard, start, divider2, end, after in PTT_ROWS:
        items.append(hbox(row, [
            row_number(number_label, text), white_divider(divider),
            combo(kind, (88, 22), (120, 22), FIELD_FONT), standard_combo(standard),
            list_edit(start, "Maximum", 256, 300, 24), black_divider(divider2),
            list_edit(end, "Maximum", 256, 300, 24),
        ], spacing=1))
        items.append(rule(after))
    return vbox("verticalLayout_8", items, spacing=0, margins=BOTTOM_0)


def reference_section():
    columns = []
    for column, rows in REFERENCE_COLUMNS:
        column_items = []
        for row, label, text, edit, after in rows:
            caption = caption_label(label, text, 80) if column == "verticalLayout_16" else row_number(label, text)
            column_items.append(hbox(row, [caption, reference_edit(edit)], spacing=0))
            column_items.append(rule(after))
        if column == "verticalLayout_16":
            column_items.append(vspacer("QSizePolicy::MinimumExpanding", 20, 40))
        columns.append(vbox(column, column_items, spacing=0))
    return vbox("verticalLayout_7", [
        section_title("label_25", "▼『5-TONE标准对照表』"), rule("line_15"),
        hbox("horizontalLayout_42", [
            caption_label("label_24", "标准", 116),
            combo("comboBox_13", (116, 22), (116, 22), LIST_FONT, current_text=""),
            hspacer("QSizePolicy::MinimumExpanding", 10, 20),
        ], spacing=2),
        rule("line_89"),
        hbox("horizontalLayout_43", columns, spacing=0),
    ], spacing=0)


# The function column of the list: room for its longest item in either language.
FUNCTION_WIDTH = 110


def info_section():
    items = [section_title("label_26", "▼『5-TONE信息码列表』"), rule("line_149"),
             hbox("horizontalLayout_78", [
                 corner_cell("label_115"), white_divider("line_42"),
                 header_cell("label_123", "功能", (FUNCTION_WIDTH, 22), (160, 22)),
                 header_cell("label_124", "信息码", (300, 22), (300, 22)),
             ], spacing=1),
             rule("line_150")]
    for row, number_label, text, divider, function, code, after in INFO_ROWS:
        items.append(hbox(row, [
            row_number(number_label, text), sunken_divider(divider),
            combo(function, (FUNCTION_WIDTH, 22), (160, 22), FIELD_FONT), list_edit(code, "Preferred", 300, 300, 24),
        ], spacing=1))
        items.append(rule(after))
    items.append(vspacer("QSizePolicy::MinimumExpanding", 20, 20))
    items.append(hbox("horizontalLayout_45", [reference_section(), hspacer("QSizePolicy::Expanding", 120, 20)]))
    return vbox("verticalLayout_9", items, spacing=0, margins=BOTTOM_0)


def page():
    settings_column = vbox("verticalLayout_5", [
        basic_section(), vspacer("QSizePolicy::Fixed", 20, 20),
        encoder_section(), vspacer("QSizePolicy::Fixed", 20, 20),
        decoder_section(), vspacer("QSizePolicy::MinimumExpanding", 20, 20),
    ], spacing=0)
    left_block = vbox("verticalLayout_12", [
        hbox("horizontalLayout_44", [settings_column, hspacer("QSizePolicy::Fixed", 40, 20), code_section()]),
        ptt_section(),
    ])
    right_block = vbox("verticalLayout_13", [info_section()])
    contents = Widget("QWidget", "scrollAreaWidgetContents", [("geometry", rect(0, 0, 1646, 1398))])
    contents.layout = hbox("horizontalLayout_46", [
        vbox("verticalLayout_14", [
            hbox("horizontalLayout_49", [left_block, hspacer("QSizePolicy::Fixed", 40, 20), right_block]),
            vspacer("QSizePolicy::Expanding", 20, 40),
        ]),
        hspacer("QSizePolicy::Expanding", 548, 20),
    ], spacing=0, margins=(0, 0, 0, 0))
    scroll = Widget("QScrollArea", "scrollArea", [("frameShape", enum("QFrame::NoFrame")),
                                                   ("widgetResizable", boolean(True))], child=contents)
    title = Widget("QLabel", "label_3", [
        ("minimumSize", size(0, 26)), ("maximumSize", size(MAX, 26)), ("font", font(TITLE_FONT)),
        ("styleSheet", plain(PAGE_TITLE_STYLE)), ("frameShape", enum("QFrame::NoFrame")),
        ("frameShadow", enum("QFrame::Plain")), ("text", tr("|5-TONE设置|")),
        ("alignment", flags("Qt::AlignHCenter|Qt::AlignVCenter")), ("indent", number(3))])
    root = Widget("QWidget", "FIVE_TONE_FORM", [("geometry", rect(0, 0, 1654, 1439)), ("windowTitle", tr("Form"))])
    root.layout = vbox("verticalLayout_11", [
        vbox("verticalLayout_2", [title, rule("line_17"), blank_strip("label_27"), scroll, blank_strip("label_4")],
             spacing=0),
    ], spacing=0, margins=(6, 0, 0, 0))
    return root


# ---- XML output -------------------------------------------------------------------


class Writer:
    def __init__(self):
        self.lines = []
        self.spacers = {"Qt::Vertical": 0, "Qt::Horizontal": 0}
        self.counts = {}

    def out(self, depth, text):
        self.lines.append(" " * depth + text)

    def value(self, depth, kind, payload):
        if kind == "string":
            return "<string/>" if payload == "" else "<string>%s</string>" % escape(payload)
        if kind == "notr":
            return '<string notr="true">%s</string>' % escape(payload)
        if kind == "enum":
            return "<enum>%s</enum>" % payload
        if kind == "set":
            return "<set>%s</set>" % payload
        if kind == "number":
            return "<number>%d</number>" % payload
        if kind == "bool":
            return "<bool>%s</bool>" % ("true" if payload else "false")
        if kind == "size":
            return "<size><width>%d</width><height>%d</height></size>" % payload
        if kind == "rect":
            return "<rect><x>%d</x><y>%d</y><width>%d</width><height>%d</height></rect>" % payload
        if kind == "sizepolicy":
            return ('<sizepolicy hsizetype="%s" vsizetype="%s"><horstretch>0</horstretch>'
                    "<verstretch>0</verstretch></sizepolicy>" % payload)
        if kind == "font":
            family, points, bold, italic = payload
            parts = []
            if family is not None:
                parts.append("<family>%s</family>" % escape(family))
            if points is not None:
                parts.append("<pointsize>%d</pointsize>" % points)
            if italic is not None:
                parts.append("<italic>%s</italic>" % ("true" if italic else "false"))
            if bold is not None:
                parts.append("<bold>%s</bold>" % ("true" if bold else "false"))
            return "<font>%s</font>" % "".join(parts)
        raise ValueError(kind)

    def prop(self, depth, name, value):
        kind, payload = value
        self.out(depth, '<property name="%s">%s</property>' % (name, self.value(depth, kind, payload)))

    def count(self, cls):
        self.counts[cls] = self.counts.get(cls, 0) + 1

    def widget(self, depth, w):
        self.count(w.cls)
        self.out(depth, '<widget class="%s" name="%s">' % (w.cls, w.name))
        for name, value in w.props:
            self.prop(depth + 1, name, value)
        for text in w.items:
            self.out(depth + 1, "<item>")
            self.prop(depth + 2, "text", tr(text))
            self.out(depth + 1, "</item>")
        if getattr(w, "layout", None):
            self.layout(depth + 1, w.layout)
        if w.child:
            self.widget(depth + 1, w.child)
        self.out(depth, "</widget>")

    def layout(self, depth, lay):
        self.count(lay.cls)
        self.out(depth, '<layout class="%s" name="%s">' % (lay.cls, lay.name))
        if lay.spacing is not None:
            self.prop(depth + 1, "spacing", number(lay.spacing))
        if lay.margins is not None:
            for side, margin in zip(("leftMargin", "topMargin", "rightMargin", "bottomMargin"), lay.margins):
                if margin >= 0:
                    self.prop(depth + 1, side, number(margin))
        for item in lay.items:
            self.out(depth + 1, "<item>")
            if isinstance(item, Widget):
                self.widget(depth + 2, item)
            elif isinstance(item, Layout):
                self.layout(depth + 2, item)
            else:
                self.spacer(depth + 2, item)
            self.out(depth + 1, "</item>")
        self.out(depth, "</layout>")

    def spacer(self, depth, s):
        self.count("spacer")
        self.spacers[s.orientation] += 1
        base = "verticalSpacer" if s.orientation == "Qt::Vertical" else "horizontalSpacer"
        number_ = self.spacers[s.orientation]
        name = base if number_ == 1 else "%s_%d" % (base, number_)
        self.out(depth, '<spacer name="%s">' % name)
        self.prop(depth + 1, "orientation", enum(s.orientation))
        self.prop(depth + 1, "sizeType", enum(s.size_type))
        self.out(depth + 1, '<property name="sizeHint" stdset="0">%s</property>'
                 % self.value(depth, "size", (s.width, s.height)))
        self.out(depth, "</spacer>")


EXPECTED_COUNTS = {"QLabel": 96, "QLineEdit": 84, "QComboBox": 61, "QCheckBox": 8, "Line": 152,
                   "QScrollArea": 1, "QHBoxLayout": 82, "QVBoxLayout": 16, "spacer": 12}


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "five_tone_form.ui")
    writer = Writer()
    writer.out(0, '<?xml version="1.0" encoding="UTF-8"?>')
    writer.out(0, '<ui version="4.0">')
    writer.out(1, "<class>FIVE_TONE_FORM</class>")
    writer.widget(1, page())
    writer.out(1, "<resources/>")
    writer.out(1, "<connections/>")
    writer.out(0, "</ui>")
    for cls, expected in EXPECTED_COUNTS.items():
        if writer.counts.get(cls, 0) != expected:
            sys.exit("generate_five_tone_form: %d %s, expected %d" % (writer.counts.get(cls, 0), cls, expected))
    with open(target, "w", encoding="utf-8", newline="\n") as ui:
        ui.write("\n".join(writer.lines) + "\n")


if __name__ == "__main__":
    main()
