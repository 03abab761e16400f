<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>TWO_TONE_FORM</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>|2-TONE设置|</source>
        <translation>|2-TONE Settings|</translation>
    </message>
    <message>
        <source>▼『编码解码设置』</source>
        <translation>▼『Encode/Decode Settings』</translation>
    </message>
    <message>
        <source>第一音持续时间</source>
        <translation>First Tone Duration</translation>
    </message>
    <message>
        <source>第二音持续时间</source>
        <translation>Second Tone Duration</translation>
    </message>
    <message>
        <source>长音持续时间</source>
        <translation>Long Tone Duration</translation>
    </message>
    <message>
        <source>间隔时间</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>发码侧音</source>
        <translation>Side Tone When Sending</translation>
    </message>
    <message>
        <source>自动复位时间</source>
        <translation>Auto Reset Time</translation>
    </message>
    <message>
        <source>▼『编码列表』</source>
        <translation>▼『Encode List』</translation>
    </message>
    <message>
        <source>▼『解码列表』</source>
        <translation>▼『Decode List』</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>13</source>
        <translation>13</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>提示音</source>
        <translation>Alert Tone</translation>
    </message>
    <message>
        <source>提示音并回复</source>
        <translation>Alert Tone and Reply</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>On</translation>
    </message>
    <message>
        <source>音频1
[Hz]</source>
        <translation>Tone 1
[Hz]</translation>
    </message>
    <message>
        <source>音频2
[Hz]</source>
        <translation>Tone 2
[Hz]</translation>
    </message>
    <message>
        <source>    名称    </source>
        <translation>    Name    </translation>
    </message>
    <message>
        <source>  解码响应  </source>
        <translation>  Response  </translation>
    </message>
</context>
</TS>
