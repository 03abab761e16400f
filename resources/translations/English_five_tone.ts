<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>FIVE_TONE_FORM</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>|5-TONE设置|</source>
        <translation>|5-TONE Settings|</translation>
    </message>
    <message>
        <source>▼『基本设置』</source>
        <translation>▼『Basic Settings』</translation>
    </message>
    <message>
        <source>自身ID码</source>
        <translation>Own ID</translation>
    </message>
    <message>
        <source>88888888</source>
        <translation>88888888</translation>
    </message>
    <message>
        <source>▼『编码器设置』</source>
        <translation>▼『Encoder Settings』</translation>
    </message>
    <message>
        <source>侧音</source>
        <translation>Side Tone</translation>
    </message>
    <message>
        <source>预载波时间</source>
        <translation>Pre-Carrier</translation>
    </message>
    <message>
        <source>结束延迟时间</source>
        <translation>End Delay</translation>
    </message>
    <message>
        <source>首位数码时间</source>
        <translation>First Digit</translation>
    </message>
    <message>
        <source>停顿码</source>
        <translation>Pause Code</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
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
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>停顿码时间长度</source>
        <translation>Pause Length</translation>
    </message>
    <message>
        <source>停顿码后首码时间</source>
        <translation>1st After Pause</translation>
    </message>
    <message>
        <source>PTT ID暂停时间</source>
        <translation>PTT ID Pause</translation>
    </message>
    <message>
        <source>▼『解码器设置』</source>
        <translation>▼『Decoder Settings』</translation>
    </message>
    <message>
        <source>解码标准</source>
        <translation>Decode Standard</translation>
    </message>
    <message>
        <source>解码位数设定</source>
        <translation>Decode Digits</translation>
    </message>
    <message>
        <source>解码响应</source>
        <translation>Response</translation>
    </message>
    <message>
        <source>自动复位时间</source>
        <translation>Auto Reset</translation>
    </message>
    <message>
        <source>ANI显示</source>
        <translation>ANI Display</translation>
    </message>
    <message>
        <source>▼『5-TONE编码列表』</source>
        <translation>▼『5-TONE Code List』</translation>
    </message>
    <message>
        <source>发码标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>编码</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
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
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>▼『PTT ID列表』</source>
        <translation>▼『PTT ID List』</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>结束</source>
        <translation>End</translation>
    </message>
    <message>
        <source>▼『5-TONE信息码列表』</source>
        <translation>▼『5-TONE Info Code List』</translation>
    </message>
    <message>
        <source>功能</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>信息码</source>
        <translation>Info Code</translation>
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
        <source>▼『5-TONE标准对照表』</source>
        <translation>▼『5-TONE Standard Reference』</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>音长</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>组呼码</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>重复码</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>发射开始</source>
        <translation>TX Start</translation>
    </message>
    <message>
        <source>发射结束</source>
        <translation>TX End</translation>
    </message>
    <message>
        <source>开始结束</source>
        <translation>Start+End</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>On</translation>
    </message>
    <message>
        <source>匹配ID</source>
        <translation>Match ID</translation>
    </message>
    <message>
        <source>任意ID</source>
        <translation>Any ID</translation>
    </message>
    <message>
        <source>提示音</source>
        <translation>Alert</translation>
    </message>
    <message>
        <source>提示音并回复</source>
        <translation>Alert+Reply</translation>
    </message>
    <message>
        <source>信息码选呼</source>
        <translation>Select Call</translation>
    </message>
    <message>
        <source>信息码组呼</source>
        <translation>Group Call</translation>
    </message>
    <message>
        <source>信息码全呼</source>
        <translation>All Call</translation>
    </message>
    <message>
        <source>遥晕</source>
        <translation>Stun</translation>
    </message>
    <message>
        <source>遥毙</source>
        <translation>Kill</translation>
    </message>
    <message>
        <source>激活</source>
        <translation>Activate</translation>
    </message>
</context>
</TS>
