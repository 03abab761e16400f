<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DTMF_FORM</name>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="14"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="40"/>
        <source>|DTMF设置|</source>
        <translation>|DTMF Settings|</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="118"/>
        <source>▼『基本设置』</source>
        <translation>▼『Basic Settings』</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="156"/>
        <source>自身ID码</source>
        <translation>Own ID code</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="182"/>
        <source>246</source>
        <translation>246</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="231"/>
        <source>分隔符</source>
        <translation>Separator</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="257"/>
        <location filename="../../forms/dtmf_form.ui" line="264"/>
        <location filename="../../forms/dtmf_form.ui" line="353"/>
        <location filename="../../forms/dtmf_form.ui" line="360"/>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="269"/>
        <location filename="../../forms/dtmf_form.ui" line="365"/>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="274"/>
        <location filename="../../forms/dtmf_form.ui" line="370"/>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="279"/>
        <location filename="../../forms/dtmf_form.ui" line="375"/>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="284"/>
        <location filename="../../forms/dtmf_form.ui" line="380"/>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="289"/>
        <location filename="../../forms/dtmf_form.ui" line="385"/>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="327"/>
        <source>组呼码</source>
        <translation>Group call code</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="423"/>
        <source>拨号器类型</source>
        <translation>Dialer type</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="481"/>
        <source>▼『编码器设置』</source>
        <translation>▼『Encoder Settings』</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="519"/>
        <source>发码侧音</source>
        <translation>Sending side tone</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="582"/>
        <source>DTMF发送时间</source>
        <translation>DTMF send time</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="645"/>
        <source>首位数码时间</source>
        <translation>First digit time</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="708"/>
        <source>预载波时间</source>
        <translation>Pre-carrier time</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="771"/>
        <source>发码后延迟时间</source>
        <translation>Delay after sending</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="834"/>
        <source>D码停顿</source>
        <translation>D code pause</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="897"/>
        <source>PTT ID暂停时间</source>
        <translation>PTT ID pause time</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="955"/>
        <source>▼『解码器设置』</source>
        <translation>▼『Decoder Settings』</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="993"/>
        <source>解码响应</source>
        <translation>Decode response</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="1056"/>
        <source>自动复位时间</source>
        <translation>Auto reset time</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="1119"/>
        <source>ANI显示</source>
        <translation>ANI display</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="1177"/>
        <source>▼『遥晕|遥毙|唤醒设置』</source>
        <translation>▼『Stun | Kill | Wake Settings』</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="1215"/>
        <source>遥毙码</source>
        <translation>Kill code</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="1290"/>
        <source>遥晕码</source>
        <translation>Stun code</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="1365"/>
        <source>唤醒码</source>
        <translation>Wake code</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="1455"/>
        <source>▼『DTMF编码列表』</source>
        <translation>▼『DTMF Code List』</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="1538"/>
        <source>编码</source>
        <translation>Code</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="1578"/>
        <source>d0</source>
        <translation>d0</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="1619"/>
        <source>0123456789ABCD*#01234567</source>
        <translation>0123456789ABCD*#01234567</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="1668"/>
        <source>d1</source>
        <translation>d1</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="1758"/>
        <source>d2</source>
        <translation>d2</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="1848"/>
        <source>d3</source>
        <translation>d3</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="1938"/>
        <source>d4</source>
        <translation>d4</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="2028"/>
        <source>d5</source>
        <translation>d5</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="2118"/>
        <source>d6</source>
        <translation>d6</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="2208"/>
        <source>d7</source>
        <translation>d7</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="2298"/>
        <source>d8</source>
        <translation>d8</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="2388"/>
        <source>d9</source>
        <translation>d9</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="2478"/>
        <source>dA</source>
        <translation>dA</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="2568"/>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="2658"/>
        <source>dC</source>
        <translation>dC</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="2748"/>
        <source>dD</source>
        <translation>dD</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="2838"/>
        <source>d*</source>
        <translation>d*</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="2928"/>
        <source>d#</source>
        <translation>d#</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="3033"/>
        <source>▼『PTT ID列表』</source>
        <translation>▼『PTT ID List』</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="3116"/>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="3142"/>
        <source>开始</source>
        <translation>Begin</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="3187"/>
        <source>结束</source>
        <translation>End</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="3227"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="3390"/>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="3553"/>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="3716"/>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="3879"/>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="4042"/>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="4205"/>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <location filename="../../forms/dtmf_form.ui" line="4368"/>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/dtmf_lists.cpp" line="73"/>
        <location filename="../../pages/signalling/dtmf_lists.cpp" line="91"/>
        <location filename="../../pages/signalling/dtmf_lists.cpp" line="102"/>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/dtmf_lists.cpp" line="74"/>
        <source>打开</source>
        <translation>On</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/dtmf_lists.cpp" line="82"/>
        <source>手动</source>
        <translation>Manual</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/dtmf_lists.cpp" line="83"/>
        <source>自动</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/dtmf_lists.cpp" line="92"/>
        <source>发射开始</source>
        <translation>At TX start</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/dtmf_lists.cpp" line="93"/>
        <source>发射结束</source>
        <translation>At TX end</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/dtmf_lists.cpp" line="94"/>
        <source>开始结束</source>
        <translation>Start+End</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/dtmf_lists.cpp" line="103"/>
        <source>匹配ID</source>
        <translation>Matching ID</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/dtmf_lists.cpp" line="104"/>
        <source>任意ID</source>
        <translation>Any ID</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/dtmf_lists.cpp" line="112"/>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/dtmf_lists.cpp" line="113"/>
        <source>提示音</source>
        <translation>Alert tone</translation>
    </message>
    <message>
        <location filename="../../pages/signalling/dtmf_lists.cpp" line="114"/>
        <source>提示音并回复</source>
        <translation>Alert tone and reply</translation>
    </message>
</context>
</TS>
