<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DATA_FILE_READ_WRITE</name>
    <message>
        <location filename="../../image/image_line_format.cpp" line="11"/>
        <source>第 %1 行：%2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <location filename="../../image/data_file_read_write.cpp" line="116"/>
        <source>文件不存在：%1</source>
        <translation>The file does not exist: %1</translation>
    </message>
    <message>
        <location filename="../../image/data_file_read_write.cpp" line="120"/>
        <location filename="../../image/image_line_format.cpp" line="34"/>
        <source>文件过大（超过 16 MiB）</source>
        <translation>The file is too large (over 16 MiB)</translation>
    </message>
    <message>
        <location filename="../../image/data_file_read_write.cpp" line="124"/>
        <source>无法打开文件：%1</source>
        <translation>Cannot open the file: %1</translation>
    </message>
    <message>
        <location filename="../../image/data_file_read_write.cpp" line="140"/>
        <location filename="../../image/data_file_read_write.cpp" line="145"/>
        <source>无法写入文件：%1</source>
        <translation>Cannot write the file: %1</translation>
    </message>
    <message>
        <location filename="../../image/image_line_format.cpp" line="47"/>
        <source>行太短，缺少地址或字节数</source>
        <translation>the line is too short: address or byte count missing</translation>
    </message>
    <message>
        <location filename="../../image/image_line_format.cpp" line="53"/>
        <source>地址不是8位十六进制数</source>
        <translation>the address is not 8 hex digits</translation>
    </message>
    <message>
        <location filename="../../image/image_line_format.cpp" line="57"/>
        <source>字节数不是4位十六进制数</source>
        <translation>the byte count is not 4 hex digits</translation>
    </message>
    <message>
        <location filename="../../image/image_line_format.cpp" line="61"/>
        <source>字节数为0</source>
        <translation>the byte count is 0</translation>
    </message>
    <message>
        <location filename="../../image/image_line_format.cpp" line="65"/>
        <source>地址超出范围</source>
        <translation>the address is out of range</translation>
    </message>
    <message>
        <location filename="../../image/image_line_format.cpp" line="69"/>
        <source>地址不连续（应为 %1）</source>
        <translation>the address does not follow the previous line (expected %1)</translation>
    </message>
    <message>
        <location filename="../../image/image_line_format.cpp" line="76"/>
        <location filename="../../image/image_line_format.cpp" line="83"/>
        <source>数据少于字节数</source>
        <translation>fewer data digits than the byte count</translation>
    </message>
    <message>
        <location filename="../../image/image_line_format.cpp" line="84"/>
        <source>数据中有非十六进制字符</source>
        <translation>the data holds a character that is not a hex digit</translation>
    </message>
    <message>
        <location filename="../../image/image_line_format.cpp" line="93"/>
        <source>数据多于字节数</source>
        <translation>more data digits than the byte count</translation>
    </message>
    <message>
        <location filename="../../image/image_line_format.cpp" line="94"/>
        <source>行尾缺少换行符</source>
        <translation>the line does not end with a line break</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../../forms/mainwindow.ui" line="14"/>
        <location filename="../../app/mainwindow.cpp" line="270"/>
        <source>KESTREL 写频软件</source>
        <translation>KESTREL Programming Software</translation>
    </message>
    <message>
        <location filename="../../forms/mainwindow.ui" line="74"/>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <location filename="../../forms/mainwindow.ui" line="85"/>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <location filename="../../forms/mainwindow.ui" line="96"/>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <location filename="../../forms/mainwindow.ui" line="104"/>
        <source>打开...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <location filename="../../forms/mainwindow.ui" line="112"/>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../../forms/mainwindow.ui" line="120"/>
        <source>另存为...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <location filename="../../forms/mainwindow.ui" line="128"/>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <location filename="../../forms/mainwindow.ui" line="139"/>
        <source>简体中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <location filename="../../forms/mainwindow.ui" line="147"/>
        <source>英文</source>
        <translation>English</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="42"/>
        <source>音频设置</source>
        <translation>Audio Settings</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="43"/>
        <source>按键设置</source>
        <translation>Key Settings</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="44"/>
        <source>蓝牙设置</source>
        <translation>Bluetooth Settings</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="45"/>
        <source>APRS设置</source>
        <translation>APRS Settings</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="46"/>
        <source>DTMF设置</source>
        <translation>DTMF Settings</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="47"/>
        <source>2-TONE设置</source>
        <translation>2-Tone Settings</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="48"/>
        <source>5-TONE设置</source>
        <translation>5-Tone Settings</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="49"/>
        <source>收音机设置</source>
        <translation>FM Radio Settings</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="148"/>
        <location filename="../../app/mainwindow.cpp" line="150"/>
        <source>提示</source>
        <translation>Information</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="200"/>
        <location filename="../../app/mainwindow.cpp" line="204"/>
        <location filename="../../app/mainwindow.cpp" line="213"/>
        <source>无法载入文件 %1：
%2</source>
        <translation>Cannot load the file %1:
%2</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="204"/>
        <source>文件中没有数据</source>
        <translation>the file holds no data</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="209"/>
        <source>无法写入临时文件：
%1</source>
        <translation>Cannot write the working file:
%1</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="245"/>
        <source>保存失败：
%1</source>
        <translation>Saving failed:
%1</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="335"/>
        <source>没有可保存的数据。</source>
        <translation>There is no data to save.</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="342"/>
        <source>保存成功：%1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="351"/>
        <source>另存为</source>
        <translation>Save As</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="362"/>
        <source>打开</source>
        <translation>Open</translation>
    </message>
</context>
</TS>
