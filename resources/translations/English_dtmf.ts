<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DTMF_FORM</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>|DTMF设置|</source>
        <translation>|DTMF Settings|</translation>
    </message>
    <message>
        <source>▼『基本设置』</source>
        <translation>▼『Basic Settings』</translation>
    </message>
    <message>
        <source>自身ID码</source>
        <translation>Own ID code</translation>
    </message>
    <message>
        <source>246</source>
        <translation>246</translation>
    </message>
    <message>
        <source>分隔符</source>
        <translation>Separator</translation>
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
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>组呼码</source>
        <translation>Group call code</translation>
    </message>
    <message>
        <source>拨号器类型</source>
        <translation>Dialer type</translation>
    </message>
    <message>
        <source>▼『编码器设置』</source>
        <translation>▼『Encoder Settings』</translation>
    </message>
    <message>
        <source>发码侧音</source>
        <translation>Sending side tone</translation>
    </message>
    <message>
        <source>DTMF发送时间</source>
        <translation>DTMF send time</translation>
    </message>
    <message>
        <source>首位数码时间</source>
        <translation>First digit time</translation>
    </message>
    <message>
        <source>预载波时间</source>
        <translation>Pre-carrier time</translation>
    </message>
    <message>
        <source>发码后延迟时间</source>
        <translation>Delay after sending</translation>
    </message>
    <message>
        <source>D码停顿</source>
        <translation>D code pause</translation>
    </message>
    <message>
        <source>PTT ID暂停时间</source>
        <translation>PTT ID pause time</translation>
    </message>
    <message>
        <source>▼『解码器设置』</source>
        <translation>▼『Decoder Settings』</translation>
    </message>
    <message>
        <source>解码响应</source>
        <translation>Decode response</translation>
    </message>
    <message>
        <source>自动复位时间</source>
        <translation>Auto reset time</translation>
    </message>
    <message>
        <source>ANI显示</source>
        <translation>ANI display</translation>
    </message>
    <message>
        <source>▼『遥晕|遥毙|唤醒设置』</source>
        <translation>▼『Stun | Kill | Wake Settings』</translation>
    </message>
    <message>
        <source>遥毙码</source>
        <translation>Kill code</translation>
    </message>
    <message>
        <source>遥晕码</source>
        <translation>Stun code</translation>
    </message>
    <message>
        <source>唤醒码</source>
        <translation>Wake code</translation>
    </message>
    <message>
        <source>▼『DTMF编码列表』</source>
        <translation>▼『DTMF Code List』</translation>
    </message>
    <message>
        <source>编码</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>d0</source>
        <translation>d0</translation>
    </message>
    <message>
        <source>0123456789ABCD*#01234567</source>
        <translation>0123456789ABCD*#01234567</translation>
    </message>
    <message>
        <source>d1</source>
        <translation>d1</translation>
    </message>
    <message>
        <source>d2</source>
        <translation>d2</translation>
    </message>
    <message>
        <source>d3</source>
        <translation>d3</translation>
    </message>
    <message>
        <source>d4</source>
        <translation>d4</translation>
    </message>
    <message>
        <source>d5</source>
        <translation>d5</translation>
    </message>
    <message>
        <source>d6</source>
        <translation>d6</translation>
    </message>
    <message>
        <source>d7</source>
        <translation>d7</translation>
    </message>
    <message>
        <source>d8</source>
        <translation>d8</translation>
    </message>
    <message>
        <source>d9</source>
        <translation>d9</translation>
    </message>
    <message>
        <source>dA</source>
        <translation>dA</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>dC</source>
        <translation>dC</translation>
    </message>
    <message>
        <source>dD</source>
        <translation>dD</translation>
    </message>
    <message>
        <source>d*</source>
        <translation>d*</translation>
    </message>
    <message>
        <source>d#</source>
        <translation>d#</translation>
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
        <translation>Begin</translation>
    </message>
    <message>
        <source>结束</source>
        <translation>End</translation>
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
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>On</translation>
    </message>
    <message>
        <source>手动</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>发射开始</source>
        <translation>At TX start</translation>
    </message>
    <message>
        <source>发射结束</source>
        <translation>At TX end</translation>
    </message>
    <message>
        <source>开始结束</source>
        <translation>Start+End</translation>
    </message>
    <message>
        <source>匹配ID</source>
        <translation>Matching ID</translation>
    </message>
    <message>
        <source>任意ID</source>
        <translation>Any ID</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>提示音</source>
        <translation>Alert tone</translation>
    </message>
    <message>
        <source>提示音并回复</source>
        <translation>Alert tone and reply</translation>
    </message>
</context>
</TS>
