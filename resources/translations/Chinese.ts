<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../../forms/mainwindow.ui"/>
        <source>文件</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location filename="../../forms/mainwindow.ui"/>
        <source>语言</source>
        <translation>语言(&amp;L)</translation>
    </message>
</context>
</TS>
