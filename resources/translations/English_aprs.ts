<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>APRS_FORM</name>
    <message>
        <location filename="../../forms/aprs_form.ui" line="63"/>
        <source>|APRS设置|</source>
        <translation>|APRS Settings|</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="182"/>
        <source>▼『基本设置』</source>
        <translation>▼『Basic Settings』</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="235"/>
        <source>本机呼号</source>
        <translation>My Callsign</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="353"/>
        <source>本机SSID</source>
        <translation>My SSID</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="559"/>
        <source>本机符号</source>
        <translation>My Symbol</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="768"/>
        <source>目标呼号</source>
        <translation>Target Callsign</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="886"/>
        <source>目标SSID</source>
        <translation>Target SSID</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="1106"/>
        <source>▼『解码设置』</source>
        <translation>▼『Decoding』</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="1159"/>
        <source>A段解码</source>
        <translation>Band A Decoding</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="1245"/>
        <source>B段解码</source>
        <translation>Band B Decoding</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="1331"/>
        <source>MIC-E解码</source>
        <translation>MIC-E Decoding</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="1417"/>
        <source>Position解码</source>
        <translation>Position Decoding</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="1503"/>
        <source>Weather解码</source>
        <translation>Weather Decoding</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="1589"/>
        <source>Object解码</source>
        <translation>Object Decoding</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="1675"/>
        <source>Item解码</source>
        <translation>Item Decoding</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="1761"/>
        <source>Status解码</source>
        <translation>Status Decoding</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="1847"/>
        <source>Other解码</source>
        <translation>Other Decoding</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="1933"/>
        <source>解码CRC校验</source>
        <translation>Decode CRC Check</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="2056"/>
        <source>▼『弹窗设置』</source>
        <translation>▼『Pop-ups』</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="2109"/>
        <source>MIC-E弹窗</source>
        <translation>MIC-E Pop-up</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="2171"/>
        <location filename="../../forms/aprs_form.ui" line="2437"/>
        <location filename="../../forms/aprs_form.ui" line="2703"/>
        <location filename="../../forms/aprs_form.ui" line="2969"/>
        <location filename="../../forms/aprs_form.ui" line="3235"/>
        <location filename="../../forms/aprs_form.ui" line="3501"/>
        <location filename="../../forms/aprs_form.ui" line="3767"/>
        <location filename="../../forms/aprs_form.ui" line="5094"/>
        <location filename="../../forms/aprs_form.ui" line="5415"/>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="46"/>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="2306"/>
        <location filename="../../forms/aprs_form.ui" line="2572"/>
        <location filename="../../forms/aprs_form.ui" line="2838"/>
        <location filename="../../forms/aprs_form.ui" line="3104"/>
        <location filename="../../forms/aprs_form.ui" line="3370"/>
        <location filename="../../forms/aprs_form.ui" line="3636"/>
        <location filename="../../forms/aprs_form.ui" line="3902"/>
        <source>一直显示</source>
        <translation>Always</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="2375"/>
        <source>Position弹窗</source>
        <translation>Position Pop-up</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="2641"/>
        <source>Weather弹窗</source>
        <translation>Weather Pop-up</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="2907"/>
        <source>Object弹窗</source>
        <translation>Object Pop-up</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="3173"/>
        <source>Item弹窗</source>
        <translation>Item Pop-up</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="3439"/>
        <source>Status弹窗</source>
        <translation>Status Pop-up</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="3705"/>
        <source>Other弹窗</source>
        <translation>Other Pop-up</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="3985"/>
        <source>▼『响铃设置』</source>
        <translation>▼『Bells』</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="4038"/>
        <source>MIC-E响铃</source>
        <translation>MIC-E Bell</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="4124"/>
        <source>Position响铃</source>
        <translation>Position Bell</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="4210"/>
        <source>Weather响铃</source>
        <translation>Weather Bell</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="4296"/>
        <source>Object响铃</source>
        <translation>Object Bell</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="4382"/>
        <source>Item响铃</source>
        <translation>Item Bell</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="4468"/>
        <source>Status响铃</source>
        <translation>Status Bell</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="4554"/>
        <source>Other响铃</source>
        <translation>Other Bell</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="4677"/>
        <source>▼『发码设置』</source>
        <translation>▼『Transmit Settings』</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="4730"/>
        <source>发码信道</source>
        <translation>TX Channel</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="4896"/>
        <source>发码信标类型</source>
        <translation>Beacon Type</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="4958"/>
        <source>固定信标</source>
        <translation>Fixed Beacon</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="4963"/>
        <source>GPS信标</source>
        <translation>GPS Beacon</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="5032"/>
        <source>自动信标定时</source>
        <translation>Auto Beacon Timer</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="5353"/>
        <source>手动发码模式</source>
        <translation>Manual TX Mode</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="5420"/>
        <source>PTT开始</source>
        <translation>PTT Start</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="5425"/>
        <source>PTT结束</source>
        <translation>PTT End</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="5494"/>
        <source>手动发码间隔</source>
        <translation>Manual TX Interval</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="5620"/>
        <source>手动发码频段</source>
        <translation>Manual TX Band</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="5682"/>
        <source>频段A</source>
        <translation>Band A</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="5687"/>
        <source>频段B</source>
        <translation>Band B</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="5692"/>
        <source>频段A+B</source>
        <translation>Band A+B</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="5761"/>
        <source>发码预载波</source>
        <translation>TX Preamble</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="6012"/>
        <source>发码结束延时</source>
        <translation>TX End Delay</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="6263"/>
        <source>发码侧音</source>
        <translation>TX Side Tone</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="6363"/>
        <source>▼『位置设置』</source>
        <translation>▼『Position』</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="6416"/>
        <source>纬度</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="6599"/>
        <source>经度</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="6782"/>
        <source>海拔</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="7012"/>
        <source>▼『路径与描述』</source>
        <translation>▼『Path and Comment』</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="7065"/>
        <source>数字中继路径</source>
        <translation>Digipeater Path</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="7183"/>
        <source>描述文本内容</source>
        <translation>Comment</translation>
    </message>
    <message>
        <location filename="../../forms/aprs_form.ui" line="7315"/>
        <source>▼『发码信道』</source>
        <translation>▼『Transmit Channels』</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_form.cpp" line="366"/>
        <source>发码频率[MHz]</source>
        <translation>TX Freq [MHz]</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_form.cpp" line="366"/>
        <source>发码功率</source>
        <translation>TX Power</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_form.cpp" line="366"/>
        <source>宽窄带</source>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_form.cpp" line="366"/>
        <source>亚音类型</source>
        <translation>Tone Type</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_form.cpp" line="366"/>
        <source>亚音数值</source>
        <translation>Tone Value</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="10"/>
        <source>低功</source>
        <translation>Low</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="10"/>
        <source>中功</source>
        <translation>Mid</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="11"/>
        <source>高功</source>
        <translation>High</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="11"/>
        <source>超高功</source>
        <translation>Super High</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="17"/>
        <source>宽带</source>
        <translation>Wide</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="18"/>
        <source>窄带</source>
        <translation>Narrow</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="24"/>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="32"/>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="25"/>
        <source>模拟亚音</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="26"/>
        <source>数字亚音</source>
        <translation>DCS</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="38"/>
        <source>/:主要</source>
        <translation>/:Primary</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="39"/>
        <source>\:次要</source>
        <translation>\:Alternate</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="46"/>
        <source>1S</source>
        <translation>1S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="47"/>
        <source>2S</source>
        <translation>2S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="47"/>
        <source>3S</source>
        <translation>3S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="48"/>
        <source>4S</source>
        <translation>4S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="48"/>
        <source>5S</source>
        <translation>5S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="49"/>
        <source>6S</source>
        <translation>6S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="49"/>
        <source>7S</source>
        <translation>7S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="50"/>
        <source>8S</source>
        <translation>8S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="50"/>
        <source>9S</source>
        <translation>9S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="51"/>
        <source>10S</source>
        <translation>10S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="51"/>
        <source>12S</source>
        <translation>12S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="52"/>
        <source>14S</source>
        <translation>14S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="52"/>
        <source>16S</source>
        <translation>16S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="53"/>
        <source>18S</source>
        <translation>18S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="53"/>
        <source>20S</source>
        <translation>20S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="54"/>
        <source>22S</source>
        <translation>22S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="54"/>
        <source>24S</source>
        <translation>24S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="55"/>
        <source>26S</source>
        <translation>26S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="55"/>
        <source>28S</source>
        <translation>28S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="56"/>
        <source>30S</source>
        <translation>30S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="56"/>
        <source>35S</source>
        <translation>35S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="57"/>
        <source>40S</source>
        <translation>40S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="57"/>
        <source>45S</source>
        <translation>45S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="58"/>
        <source>50S</source>
        <translation>50S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="58"/>
        <source>55S</source>
        <translation>55S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="59"/>
        <source>60S</source>
        <translation>60S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="59"/>
        <source>70S</source>
        <translation>70S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="60"/>
        <source>80S</source>
        <translation>80S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="60"/>
        <source>90S</source>
        <translation>90S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="61"/>
        <source>100S</source>
        <translation>100S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="61"/>
        <source>110S</source>
        <translation>110S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="62"/>
        <source>120S</source>
        <translation>120S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="62"/>
        <source>130S</source>
        <translation>130S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="63"/>
        <source>140S</source>
        <translation>140S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="63"/>
        <source>150S</source>
        <translation>150S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="64"/>
        <source>160S</source>
        <translation>160S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="64"/>
        <source>170S</source>
        <translation>170S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="65"/>
        <source>180S</source>
        <translation>180S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="65"/>
        <source>190S</source>
        <translation>190S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="66"/>
        <source>200S</source>
        <translation>200S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="66"/>
        <source>210S</source>
        <translation>210S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="67"/>
        <source>220S</source>
        <translation>220S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="67"/>
        <source>230S</source>
        <translation>230S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="68"/>
        <source>240S</source>
        <translation>240S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="68"/>
        <source>250S</source>
        <translation>250S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="69"/>
        <source>260S</source>
        <translation>260S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="69"/>
        <source>270S</source>
        <translation>270S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="70"/>
        <source>280S</source>
        <translation>280S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="70"/>
        <source>290S</source>
        <translation>290S</translation>
    </message>
    <message>
        <location filename="../../pages/aprs/aprs_lists.cpp" line="71"/>
        <source>300S</source>
        <translation>300S</translation>
    </message>
</context>
</TS>
