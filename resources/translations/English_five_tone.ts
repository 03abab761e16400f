<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>FIVE_TONE_FORM</name>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="6"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="27"/>
        <source>|5-TONE设置|</source>
        <translation>|5-TONE Settings|</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="82"/>
        <source>▼『基本设置』</source>
        <translation>▼『Basic Settings』</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="103"/>
        <source>自身ID码</source>
        <translation>Own ID</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="116"/>
        <source>88888888</source>
        <translation>88888888</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="155"/>
        <source>▼『编码器设置』</source>
        <translation>▼『Encoder Settings』</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="176"/>
        <source>侧音</source>
        <translation>Side Tone</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="218"/>
        <source>预载波时间</source>
        <translation>Pre-Carrier</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="259"/>
        <source>结束延迟时间</source>
        <translation>End Delay</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="300"/>
        <source>首位数码时间</source>
        <translation>First Digit</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="341"/>
        <source>停顿码</source>
        <translation>Pause Code</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="357"/>
        <location filename="../../forms/five_tone_form.ui" line="363"/>
        <location filename="../../pages/signalling/five_tone_lists.cpp" line="82"/>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="366"/>
        <location filename="../../forms/five_tone_form.ui" line="1828"/>
        <location filename="../../forms/five_tone_form.ui" line="4800"/>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="369"/>
        <location filename="../../forms/five_tone_form.ui" line="1912"/>
        <location filename="../../forms/five_tone_form.ui" line="4840"/>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="372"/>
        <location filename="../../forms/five_tone_form.ui" line="1996"/>
        <location filename="../../forms/five_tone_form.ui" line="4880"/>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="375"/>
        <location filename="../../forms/five_tone_form.ui" line="4960"/>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="398"/>
        <source>停顿码时间长度</source>
        <translation>Pause Length</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="440"/>
        <source>停顿码后首码时间</source>
        <translation>1st After Pause</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="482"/>
        <source>PTT ID暂停时间</source>
        <translation>PTT ID Pause</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="534"/>
        <source>▼『解码器设置』</source>
        <translation>▼『Decoder Settings』</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="555"/>
        <source>解码标准</source>
        <translation>Decode Standard</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="597"/>
        <source>解码位数设定</source>
        <translation>Decode Digits</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="669"/>
        <source>解码响应</source>
        <translation>Response</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="711"/>
        <source>自动复位时间</source>
        <translation>Auto Reset</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="752"/>
        <source>ANI显示</source>
        <translation>ANI Display</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="813"/>
        <source>▼『5-TONE编码列表』</source>
        <translation>▼『5-TONE Code List』</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="854"/>
        <location filename="../../forms/five_tone_form.ui" line="2316"/>
        <source>发码标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="867"/>
        <source>编码</source>
        <translation>Code</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="880"/>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="904"/>
        <location filename="../../forms/five_tone_form.ui" line="2366"/>
        <location filename="../../forms/five_tone_form.ui" line="3276"/>
        <location filename="../../forms/five_tone_form.ui" line="4355"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="988"/>
        <location filename="../../forms/five_tone_form.ui" line="2468"/>
        <location filename="../../forms/five_tone_form.ui" line="3338"/>
        <location filename="../../forms/five_tone_form.ui" line="4395"/>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="1072"/>
        <location filename="../../forms/five_tone_form.ui" line="2570"/>
        <location filename="../../forms/five_tone_form.ui" line="3400"/>
        <location filename="../../forms/five_tone_form.ui" line="4435"/>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="1156"/>
        <location filename="../../forms/five_tone_form.ui" line="2672"/>
        <location filename="../../forms/five_tone_form.ui" line="3462"/>
        <location filename="../../forms/five_tone_form.ui" line="4475"/>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="1240"/>
        <location filename="../../forms/five_tone_form.ui" line="2774"/>
        <location filename="../../forms/five_tone_form.ui" line="3524"/>
        <location filename="../../forms/five_tone_form.ui" line="4515"/>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="1324"/>
        <location filename="../../forms/five_tone_form.ui" line="2876"/>
        <location filename="../../forms/five_tone_form.ui" line="3586"/>
        <location filename="../../forms/five_tone_form.ui" line="4555"/>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="1408"/>
        <location filename="../../forms/five_tone_form.ui" line="2978"/>
        <location filename="../../forms/five_tone_form.ui" line="3648"/>
        <location filename="../../forms/five_tone_form.ui" line="4595"/>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="1492"/>
        <location filename="../../forms/five_tone_form.ui" line="3080"/>
        <location filename="../../forms/five_tone_form.ui" line="3710"/>
        <location filename="../../forms/five_tone_form.ui" line="4635"/>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="1576"/>
        <location filename="../../forms/five_tone_form.ui" line="3772"/>
        <location filename="../../forms/five_tone_form.ui" line="4680"/>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="1660"/>
        <location filename="../../forms/five_tone_form.ui" line="3834"/>
        <location filename="../../forms/five_tone_form.ui" line="4720"/>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="1744"/>
        <location filename="../../forms/five_tone_form.ui" line="4760"/>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="2080"/>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="2164"/>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="2262"/>
        <source>▼『PTT ID列表』</source>
        <translation>▼『PTT ID List』</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="2303"/>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="2329"/>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="2342"/>
        <source>结束</source>
        <translation>End</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="3198"/>
        <source>▼『5-TONE信息码列表』</source>
        <translation>▼『5-TONE Info Code List』</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="3239"/>
        <source>功能</source>
        <translation>Function</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="3252"/>
        <source>信息码</source>
        <translation>Info Code</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="3896"/>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="3958"/>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="4020"/>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="4082"/>
        <source>13</source>
        <translation>13</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="4144"/>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="4206"/>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="4279"/>
        <source>▼『5-TONE标准对照表』</source>
        <translation>▼『5-TONE Standard Reference』</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="4300"/>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="4920"/>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="5005"/>
        <source>音长</source>
        <translation>Length</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="5045"/>
        <source>组呼码</source>
        <translation>Group</translation>
    </message>
    <message>
        <location filename="../../forms/five_tone_form.ui" line="5085"/>
        <source>重复码</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/five_tone_lists.cpp" line="52"/>
        <location filename="../../pages/signalling/five_tone_lists.cpp" line="63"/>
        <location filename="../../pages/signalling/five_tone_lists.cpp" line="72"/>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/five_tone_lists.cpp" line="53"/>
        <source>发射开始</source>
        <translation>TX Start</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/five_tone_lists.cpp" line="54"/>
        <source>发射结束</source>
        <translation>TX End</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/five_tone_lists.cpp" line="55"/>
        <source>开始结束</source>
        <translation>Start+End</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/five_tone_lists.cpp" line="64"/>
        <source>打开</source>
        <translation>On</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/five_tone_lists.cpp" line="73"/>
        <source>匹配ID</source>
        <translation>Match ID</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/five_tone_lists.cpp" line="74"/>
        <source>任意ID</source>
        <translation>Any ID</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/five_tone_lists.cpp" line="83"/>
        <source>提示音</source>
        <translation>Alert</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/five_tone_lists.cpp" line="84"/>
        <source>提示音并回复</source>
        <translation>Alert+Reply</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/five_tone_lists.cpp" line="92"/>
        <source>信息码选呼</source>
        <translation>Select Call</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/five_tone_lists.cpp" line="93"/>
        <source>信息码组呼</source>
        <translation>Group Call</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/five_tone_lists.cpp" line="94"/>
        <source>信息码全呼</source>
        <translation>All Call</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/five_tone_lists.cpp" line="95"/>
        <source>遥晕</source>
        <translation>Stun</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/five_tone_lists.cpp" line="96"/>
        <source>遥毙</source>
        <translation>Kill</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/five_tone_lists.cpp" line="97"/>
        <source>激活</source>
        <translation>Activate</translation>
    </message>
</context>
</TS>
