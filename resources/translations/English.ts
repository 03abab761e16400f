<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DATA_FILE_READ_WRITE</name>
    <message>
        <source>第 %1 行：%2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>The file does not exist: %1</translation>
    </message>
    <message>
        <source>这是文件夹，不是数据文件：%1</source>
        <translation>This is a folder, not a data file: %1</translation>
    </message>
    <message>
        <source>这不是普通文件（而是设备、管道或套接字），不能作为数据文件打开：%1</source>
        <translation>This is not a regular file (it is a device, pipe or socket) and cannot be opened as a data file: %1</translation>
    </message>
    <message>
        <source>文件过大（超过 16 MiB）</source>
        <translation>The file is too large (over 16 MiB)</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Cannot open the file: %1</translation>
    </message>
    <message>
        <source>读取文件失败：%1</source>
        <translation>Reading the file failed: %1</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Cannot write the file: %1</translation>
    </message>
    <message>
        <source>这是文件夹，不能保存为数据文件：%1</source>
        <translation>This is a folder and cannot be saved as a data file: %1</translation>
    </message>
    <message>
        <source>这不是普通文件（而是设备、管道或套接字），不能保存为数据文件：%1</source>
        <translation>This is not a regular file (it is a device, pipe or socket) and cannot be saved as a data file: %1</translation>
    </message>
    <message>
        <source>这是循环的符号链接，不能保存为数据文件：%1</source>
        <translation>This is a symbolic link that leads round in a loop and cannot be saved as a data file: %1</translation>
    </message>
    <message>
        <source>行太短，缺少地址或字节数</source>
        <translation>the line is too short: address or byte count missing</translation>
    </message>
    <message>
        <source>地址不是8位十六进制数</source>
        <translation>the address is not 8 hex digits</translation>
    </message>
    <message>
        <source>字节数不是4位十六进制数</source>
        <translation>the byte count is not 4 hex digits</translation>
    </message>
    <message>
        <source>字节数为0</source>
        <translation>the byte count is 0</translation>
    </message>
    <message>
        <source>地址超出范围</source>
        <translation>the address is out of range</translation>
    </message>
    <message>
        <source>地址不连续（应为 %1）</source>
        <translation>the address does not follow the previous line (expected %1)</translation>
    </message>
    <message>
        <source>数据少于字节数</source>
        <translation>fewer data digits than the byte count</translation>
    </message>
    <message>
        <source>数据中有非十六进制字符</source>
        <translation>the data holds a character that is not a hex digit</translation>
    </message>
    <message>
        <source>空行</source>
        <translation>the line is blank</translation>
    </message>
    <message>
        <source>数据多于字节数</source>
        <translation>more data digits than the byte count</translation>
    </message>
    <message>
        <source>行尾缺少换行符</source>
        <translation>the line does not end with a line break</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>KESTREL 写频软件</source>
        <translation>KESTREL Programming Software</translation>
    </message>
    <message>
        <source>程序文件夹和用户数据文件夹都无法写入：工作文件放在临时文件夹 %1 中，退出后不保留设置。</source>
        <translation>Neither the program folder nor the user&apos;s data folder can be written: the working files are in the temporary folder %1, and settings are not kept after exit.</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>另存为...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>English</translation>
    </message>
    <message>
        <source>音频设置</source>
        <translation>Audio Settings</translation>
    </message>
    <message>
        <source>按键设置</source>
        <translation>Key Settings</translation>
    </message>
    <message>
        <source>蓝牙设置</source>
        <translation>Bluetooth Settings</translation>
    </message>
    <message>
        <source>APRS设置</source>
        <translation>APRS Settings</translation>
    </message>
    <message>
        <source>DTMF设置</source>
        <translation>DTMF Settings</translation>
    </message>
    <message>
        <source>2-TONE设置</source>
        <translation>2-Tone Settings</translation>
    </message>
    <message>
        <source>5-TONE设置</source>
        <translation>5-Tone Settings</translation>
    </message>
    <message>
        <source>收音机设置</source>
        <translation>FM Radio Settings</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>无法载入文件 %1：
%2</source>
        <translation>Cannot load the file %1:
%2</translation>
    </message>
    <message>
        <source>文件中没有数据</source>
        <translation>the file holds no data</translation>
    </message>
    <message>
        <source>无法写入临时文件：
%1</source>
        <translation>Cannot write the working file:
%1</translation>
    </message>
    <message>
        <source>保存失败：
%1</source>
        <translation>Saving failed:
%1</translation>
    </message>
    <message>
        <source>没有可保存的数据。</source>
        <translation>There is no data to save.</translation>
    </message>
    <message>
        <source>保存成功：%1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>文件 %1 中没有以下页面的数据，这些页面已清空并停用：
%2</source>
        <translation>The file %1 holds no data for these pages; they are cleared and disabled:
%2</translation>
    </message>
    <message>
        <source>此文件中没有本页的数据。</source>
        <translation>This file holds no data for this page.</translation>
    </message>
    <message>
        <source>未保存的修改</source>
        <translation>Unsaved Changes</translation>
    </message>
    <message>
        <source>当前数据有尚未保存的修改。是否先保存？</source>
        <translation>The data holds changes that have not been saved. Save them first?</translation>
    </message>
</context>
</TS>
