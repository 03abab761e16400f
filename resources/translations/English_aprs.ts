<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>APRS_FORM</name>
    <message>
        <source>|APRS设置|</source>
        <translation>|APRS Settings|</translation>
    </message>
    <message>
        <source>▼『基本设置』</source>
        <translation>▼『Basic Settings』</translation>
    </message>
    <message>
        <source>本机呼号</source>
        <translation>My Callsign</translation>
    </message>
    <message>
        <source>本机SSID</source>
        <translation>My SSID</translation>
    </message>
    <message>
        <source>本机符号</source>
        <translation>My Symbol</translation>
    </message>
    <message>
        <source>目标呼号</source>
        <translation>Target Callsign</translation>
    </message>
    <message>
        <source>目标SSID</source>
        <translation>Target SSID</translation>
    </message>
    <message>
        <source>▼『解码设置』</source>
        <translation>▼『Decoding』</translation>
    </message>
    <message>
        <source>A段解码</source>
        <translation>Band A Decoding</translation>
    </message>
    <message>
        <source>B段解码</source>
        <translation>Band B Decoding</translation>
    </message>
    <message>
        <source>MIC-E解码</source>
        <translation>MIC-E Decoding</translation>
    </message>
    <message>
        <source>Position解码</source>
        <translation>Position Decoding</translation>
    </message>
    <message>
        <source>Weather解码</source>
        <translation>Weather Decoding</translation>
    </message>
    <message>
        <source>Object解码</source>
        <translation>Object Decoding</translation>
    </message>
    <message>
        <source>Item解码</source>
        <translation>Item Decoding</translation>
    </message>
    <message>
        <source>Status解码</source>
        <translation>Status Decoding</translation>
    </message>
    <message>
        <source>Other解码</source>
        <translation>Other Decoding</translation>
    </message>
    <message>
        <source>解码CRC校验</source>
        <translation>Decode CRC Check</translation>
    </message>
    <message>
        <source>▼『弹窗设置』</source>
        <translation>▼『Pop-ups』</translation>
    </message>
    <message>
        <source>MIC-E弹窗</source>
        <translation>MIC-E Pop-up</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>一直显示</source>
        <translation>Always</translation>
    </message>
    <message>
        <source>Position弹窗</source>
        <translation>Position Pop-up</translation>
    </message>
    <message>
        <source>Weather弹窗</source>
        <translation>Weather Pop-up</translation>
    </message>
    <message>
        <source>Object弹窗</source>
        <translation>Object Pop-up</translation>
    </message>
    <message>
        <source>Item弹窗</source>
        <translation>Item Pop-up</translation>
    </message>
    <message>
        <source>Status弹窗</source>
        <translation>Status Pop-up</translation>
    </message>
    <message>
        <source>Other弹窗</source>
        <translation>Other Pop-up</translation>
    </message>
    <message>
        <source>▼『响铃设置』</source>
        <translation>▼『Bells』</translation>
    </message>
    <message>
        <source>MIC-E响铃</source>
        <translation>MIC-E Bell</translation>
    </message>
    <message>
        <source>Position响铃</source>
        <translation>Position Bell</translation>
    </message>
    <message>
        <source>Weather响铃</source>
        <translation>Weather Bell</translation>
    </message>
    <message>
        <source>Object响铃</source>
        <translation>Object Bell</translation>
    </message>
    <message>
        <source>Item响铃</source>
        <translation>Item Bell</translation>
    </message>
    <message>
        <source>Status响铃</source>
        <translation>Status Bell</translation>
    </message>
    <message>
        <source>Other响铃</source>
        <translation>Other Bell</translation>
    </message>
    <message>
        <source>▼『发码设置』</source>
        <translation>▼『Transmit Settings』</translation>
    </message>
    <message>
        <source>发码信道</source>
        <translation>TX Channel</translation>
    </message>
    <message>
        <source>发码信标类型</source>
        <translation>Beacon Type</translation>
    </message>
    <message>
        <source>固定信标</source>
        <translation>Fixed Beacon</translation>
    </message>
    <message>
        <source>GPS信标</source>
        <translation>GPS Beacon</translation>
    </message>
    <message>
        <source>自动信标定时</source>
        <translation>Auto Beacon Timer</translation>
    </message>
    <message>
        <source>手动发码模式</source>
        <translation>Manual TX Mode</translation>
    </message>
    <message>
        <source>PTT开始</source>
        <translation>PTT Start</translation>
    </message>
    <message>
        <source>PTT结束</source>
        <translation>PTT End</translation>
    </message>
    <message>
        <source>手动发码间隔</source>
        <translation>Manual TX Interval</translation>
    </message>
    <message>
        <source>手动发码频段</source>
        <translation>Manual TX Band</translation>
    </message>
    <message>
        <source>频段A</source>
        <translation>Band A</translation>
    </message>
    <message>
        <source>频段B</source>
        <translation>Band B</translation>
    </message>
    <message>
        <source>频段A+B</source>
        <translation>Band A+B</translation>
    </message>
    <message>
        <source>发码预载波</source>
        <translation>TX Preamble</translation>
    </message>
    <message>
        <source>发码结束延时</source>
        <translation>TX End Delay</translation>
    </message>
    <message>
        <source>发码侧音</source>
        <translation>TX Side Tone</translation>
    </message>
    <message>
        <source>▼『位置设置』</source>
        <translation>▼『Position』</translation>
    </message>
    <message>
        <source>纬度</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>经度</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>海拔</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>▼『路径与描述』</source>
        <translation>▼『Path and Comment』</translation>
    </message>
    <message>
        <source>数字中继路径</source>
        <translation>Digipeater Path</translation>
    </message>
    <message>
        <source>描述文本内容</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>▼『发码信道』</source>
        <translation>▼『Transmit Channels』</translation>
    </message>
    <message>
        <source>发码频率[MHz]</source>
        <translation>TX Freq [MHz]</translation>
    </message>
    <message>
        <source>发码功率</source>
        <translation>TX Power</translation>
    </message>
    <message>
        <source>宽窄带</source>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <source>亚音类型</source>
        <translation>Tone Type</translation>
    </message>
    <message>
        <source>亚音数值</source>
        <translation>Tone Value</translation>
    </message>
    <message>
        <source>低功</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>中功</source>
        <translation>Mid</translation>
    </message>
    <message>
        <source>高功</source>
        <translation>High</translation>
    </message>
    <message>
        <source>超高功</source>
        <translation>Super High</translation>
    </message>
    <message>
        <source>宽带</source>
        <translation>Wide</translation>
    </message>
    <message>
        <source>窄带</source>
        <translation>Narrow</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>模拟亚音</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>数字亚音</source>
        <translation>DCS</translation>
    </message>
    <message>
        <source>/:主要</source>
        <translation>/:Primary</translation>
    </message>
    <message>
        <source>\:次要</source>
        <translation>\:Alternate</translation>
    </message>
    <message>
        <source>1S</source>
        <translation>1S</translation>
    </message>
    <message>
        <source>2S</source>
        <translation>2S</translation>
    </message>
    <message>
        <source>3S</source>
        <translation>3S</translation>
    </message>
    <message>
        <source>4S</source>
        <translation>4S</translation>
    </message>
    <message>
        <source>5S</source>
        <translation>5S</translation>
    </message>
    <message>
        <source>6S</source>
        <translation>6S</translation>
    </message>
    <message>
        <source>7S</source>
        <translation>7S</translation>
    </message>
    <message>
        <source>8S</source>
        <translation>8S</translation>
    </message>
    <message>
        <source>9S</source>
        <translation>9S</translation>
    </message>
    <message>
        <source>10S</source>
        <translation>10S</translation>
    </message>
    <message>
        <source>12S</source>
        <translation>12S</translation>
    </message>
    <message>
        <source>14S</source>
        <translation>14S</translation>
    </message>
    <message>
        <source>16S</source>
        <translation>16S</translation>
    </message>
    <message>
        <source>18S</source>
        <translation>18S</translation>
    </message>
    <message>
        <source>20S</source>
        <translation>20S</translation>
    </message>
    <message>
        <source>22S</source>
        <translation>22S</translation>
    </message>
    <message>
        <source>24S</source>
        <translation>24S</translation>
    </message>
    <message>
        <source>26S</source>
        <translation>26S</translation>
    </message>
    <message>
        <source>28S</source>
        <translation>28S</translation>
    </message>
    <message>
        <source>30S</source>
        <translation>30S</translation>
    </message>
    <message>
        <source>35S</source>
        <translation>35S</translation>
    </message>
    <message>
        <source>40S</source>
        <translation>40S</translation>
    </message>
    <message>
        <source>45S</source>
        <translation>45S</translation>
    </message>
    <message>
        <source>50S</source>
        <translation>50S</translation>
    </message>
    <message>
        <source>55S</source>
        <translation>55S</translation>
    </message>
    <message>
        <source>60S</source>
        <translation>60S</translation>
    </message>
    <message>
        <source>70S</source>
        <translation>70S</translation>
    </message>
    <message>
        <source>80S</source>
        <translation>80S</translation>
    </message>
    <message>
        <source>90S</source>
        <translation>90S</translation>
    </message>
    <message>
        <source>100S</source>
        <translation>100S</translation>
    </message>
    <message>
        <source>110S</source>
        <translation>110S</translation>
    </message>
    <message>
        <source>120S</source>
        <translation>120S</translation>
    </message>
    <message>
        <source>130S</source>
        <translation>130S</translation>
    </message>
    <message>
        <source>140S</source>
        <translation>140S</translation>
    </message>
    <message>
        <source>150S</source>
        <translation>150S</translation>
    </message>
    <message>
        <source>160S</source>
        <translation>160S</translation>
    </message>
    <message>
        <source>170S</source>
        <translation>170S</translation>
    </message>
    <message>
        <source>180S</source>
        <translation>180S</translation>
    </message>
    <message>
        <source>190S</source>
        <translation>190S</translation>
    </message>
    <message>
        <source>200S</source>
        <translation>200S</translation>
    </message>
    <message>
        <source>210S</source>
        <translation>210S</translation>
    </message>
    <message>
        <source>220S</source>
        <translation>220S</translation>
    </message>
    <message>
        <source>230S</source>
        <translation>230S</translation>
    </message>
    <message>
        <source>240S</source>
        <translation>240S</translation>
    </message>
    <message>
        <source>250S</source>
        <translation>250S</translation>
    </message>
    <message>
        <source>260S</source>
        <translation>260S</translation>
    </message>
    <message>
        <source>270S</source>
        <translation>270S</translation>
    </message>
    <message>
        <source>280S</source>
        <translation>280S</translation>
    </message>
    <message>
        <source>290S</source>
        <translation>290S</translation>
    </message>
    <message>
        <source>300S</source>
        <translation>300S</translation>
    </message>
</context>
</TS>
