<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BLUETOOTH_FORM</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>|蓝牙设置|</source>
        <translation>|Bluetooth Settings|</translation>
    </message>
    <message>
        <source>▼『基本设置』</source>
        <translation>▼『Basic Settings』</translation>
    </message>
    <message>
        <source>蓝牙开关</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>本机喇叭控制</source>
        <translation>Radio Speaker Ctrl</translation>
    </message>
    <message>
        <source>本机麦克风控制</source>
        <translation>Radio Mic Control</translation>
    </message>
    <message>
        <source>蓝牙喇叭增益</source>
        <translation>BT Speaker Gain</translation>
    </message>
    <message>
        <source>蓝牙麦克风增益</source>
        <translation>BT Mic Gain</translation>
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
        <source>1级</source>
        <translation>Level 1</translation>
    </message>
    <message>
        <source>2级</source>
        <translation>Level 2</translation>
    </message>
    <message>
        <source>3级</source>
        <translation>Level 3</translation>
    </message>
    <message>
        <source>4级</source>
        <translation>Level 4</translation>
    </message>
    <message>
        <source>5级</source>
        <translation>Level 5</translation>
    </message>
    <message>
        <source>6级</source>
        <translation>Level 6</translation>
    </message>
    <message>
        <source>7级</source>
        <translation>Level 7</translation>
    </message>
    <message>
        <source>8级</source>
        <translation>Level 8</translation>
    </message>
</context>
<context>
    <name>SHORTCUTS_SETTING_FORM</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>|按键设置|</source>
        <translation>|Key Settings|</translation>
    </message>
    <message>
        <source>▼『键盘锁』</source>
        <translation>▼『Keypad Lock』</translation>
    </message>
    <message>
        <source>自动锁定</source>
        <translation>Auto Lock</translation>
    </message>
    <message>
        <source>锁定类型</source>
        <translation>Lock Type</translation>
    </message>
    <message>
        <source>锁定延时</source>
        <translation>Lock Delay</translation>
    </message>
    <message>
        <source>▼『可编程按键』</source>
        <translation>▼『Programmable Keys』</translation>
    </message>
    <message>
        <source>侧键1短按</source>
        <translation>Side Key 1 Short</translation>
    </message>
    <message>
        <source>侧键1长按</source>
        <translation>Side Key 1 Long</translation>
    </message>
    <message>
        <source>侧键2短按</source>
        <translation>Side Key 2 Short</translation>
    </message>
    <message>
        <source>侧键2长按</source>
        <translation>Side Key 2 Long</translation>
    </message>
    <message>
        <source>顶键短按</source>
        <translation>Top Key Short</translation>
    </message>
    <message>
        <source>顶键长按</source>
        <translation>Top Key Long</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>声控</source>
        <translation>VOX</translation>
    </message>
    <message>
        <source>信标发送</source>
        <translation>Send Beacon</translation>
    </message>
    <message>
        <source>监听</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>扫描</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>扰频</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>脱网</source>
        <translation>Talk Around</translation>
    </message>
    <message>
        <source>降噪</source>
        <translation>Noise Reduction</translation>
    </message>
    <message>
        <source>一键对频</source>
        <translation>Frequency Match</translation>
    </message>
    <message>
        <source>功率切换</source>
        <translation>TX Power</translation>
    </message>
    <message>
        <source>倒频</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>收音机开关</source>
        <translation>FM Radio</translation>
    </message>
    <message>
        <source>信道模式切换</source>
        <translation>Channel Mode</translation>
    </message>
    <message>
        <source>紧急报警</source>
        <translation>Emergency Alarm</translation>
    </message>
    <message>
        <source>APRS站点</source>
        <translation>APRS Stations</translation>
    </message>
    <message>
        <source>静噪等级</source>
        <translation>Squelch Level</translation>
    </message>
    <message>
        <source>亚音频扫描</source>
        <translation>CTCSS/DCS Scan</translation>
    </message>
    <message>
        <source>调试信息</source>
        <translation>Debug Info</translation>
    </message>
    <message>
        <source>TBST发送</source>
        <translation>Send TBST</translation>
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
        <source>按键</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>编码器</source>
        <translation>Knob</translation>
    </message>
    <message>
        <source>按键+编码器</source>
        <translation>Keys+Knob</translation>
    </message>
    <message>
        <source>PTT</source>
        <translation>PTT</translation>
    </message>
    <message>
        <source>PTT+按键</source>
        <translation>PTT+Keys</translation>
    </message>
    <message>
        <source>PTT+编码器</source>
        <translation>PTT+Knob</translation>
    </message>
    <message>
        <source>PTT+编码器+按键</source>
        <translation>PTT+Knob+Keys</translation>
    </message>
    <message>
        <source>3秒</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>4秒</source>
        <translation>4 s</translation>
    </message>
    <message>
        <source>5秒</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>6秒</source>
        <translation>6 s</translation>
    </message>
    <message>
        <source>7秒</source>
        <translation>7 s</translation>
    </message>
    <message>
        <source>8秒</source>
        <translation>8 s</translation>
    </message>
    <message>
        <source>9秒</source>
        <translation>9 s</translation>
    </message>
    <message>
        <source>10秒</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>11秒</source>
        <translation>11 s</translation>
    </message>
    <message>
        <source>12秒</source>
        <translation>12 s</translation>
    </message>
    <message>
        <source>13秒</source>
        <translation>13 s</translation>
    </message>
    <message>
        <source>14秒</source>
        <translation>14 s</translation>
    </message>
    <message>
        <source>15秒</source>
        <translation>15 s</translation>
    </message>
    <message>
        <source>20秒</source>
        <translation>20 s</translation>
    </message>
    <message>
        <source>25秒</source>
        <translation>25 s</translation>
    </message>
    <message>
        <source>30秒</source>
        <translation>30 s</translation>
    </message>
    <message>
        <source>35秒</source>
        <translation>35 s</translation>
    </message>
    <message>
        <source>40秒</source>
        <translation>40 s</translation>
    </message>
    <message>
        <source>45秒</source>
        <translation>45 s</translation>
    </message>
    <message>
        <source>50秒</source>
        <translation>50 s</translation>
    </message>
    <message>
        <source>55秒</source>
        <translation>55 s</translation>
    </message>
    <message>
        <source>1分钟</source>
        <translation>1 min</translation>
    </message>
    <message>
        <source>2分钟</source>
        <translation>2 min</translation>
    </message>
    <message>
        <source>3分钟</source>
        <translation>3 min</translation>
    </message>
    <message>
        <source>4分钟</source>
        <translation>4 min</translation>
    </message>
    <message>
        <source>5分钟</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>6分钟</source>
        <translation>6 min</translation>
    </message>
    <message>
        <source>7分钟</source>
        <translation>7 min</translation>
    </message>
    <message>
        <source>8分钟</source>
        <translation>8 min</translation>
    </message>
    <message>
        <source>9分钟</source>
        <translation>9 min</translation>
    </message>
    <message>
        <source>10分钟</source>
        <translation>10 min</translation>
    </message>
</context>
<context>
    <name>SOUNDS_SETTING_FORM</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>|音频设置|</source>
        <translation>|Audio Settings|</translation>
    </message>
    <message>
        <source>▼『语音报号』</source>
        <translation>▼『Voice Announcement』</translation>
    </message>
    <message>
        <source>报号音开关</source>
        <translation>Voice Announcement</translation>
    </message>
    <message>
        <source>报号音音量</source>
        <translation>Announcement Volume</translation>
    </message>
    <message>
        <source>▼『提示音』</source>
        <translation>▼『Tones』</translation>
    </message>
    <message>
        <source>提示音总开关</source>
        <translation>All Tones</translation>
    </message>
    <message>
        <source>按键提示音</source>
        <translation>Key Beep</translation>
    </message>
    <message>
        <source>低电提示音</source>
        <translation>Low Battery Tone</translation>
    </message>
    <message>
        <source>开机提示音</source>
        <translation>Power-On Tone</translation>
    </message>
    <message>
        <source>发射超时提示音</source>
        <translation>TX Time-Out Tone</translation>
    </message>
    <message>
        <source>提示音音量</source>
        <translation>Tone Volume</translation>
    </message>
    <message>
        <source>通话提示音</source>
        <translation>Call Tone</translation>
    </message>
    <message>
        <source>语音播报类型</source>
        <translation>Announcement Language</translation>
    </message>
    <message>
        <source>▼『其它设置』</source>
        <translation>▼『Other Settings』</translation>
    </message>
    <message>
        <source>麦克风增益</source>
        <translation>Mic Gain</translation>
    </message>
    <message>
        <source>▼『AI声控』</source>
        <translation>▼『AI Voice Control』</translation>
    </message>
    <message>
        <source>AI声控开关</source>
        <translation>AI Voice Control</translation>
    </message>
    <message>
        <source>AI声控灵敏度</source>
        <translation>AI VOX Sensitivity</translation>
    </message>
    <message>
        <source>AI声控延时</source>
        <translation>AI VOX Delay</translation>
    </message>
    <message>
        <source>▼『AI降噪』</source>
        <translation>▼『AI Noise Reduction』</translation>
    </message>
    <message>
        <source>AI降噪开关</source>
        <translation>AI Noise Reduction</translation>
    </message>
    <message>
        <source>中文报号</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>英文报号</source>
        <translation>English</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>高</source>
        <translation>High</translation>
    </message>
    <message>
        <source>超高</source>
        <translation>Very High</translation>
    </message>
    <message>
        <source>0.5秒</source>
        <translation>0.5 s</translation>
    </message>
    <message>
        <source>1.0秒</source>
        <translation>1.0 s</translation>
    </message>
    <message>
        <source>1.5秒</source>
        <translation>1.5 s</translation>
    </message>
    <message>
        <source>2.0秒</source>
        <translation>2.0 s</translation>
    </message>
    <message>
        <source>2.5秒</source>
        <translation>2.5 s</translation>
    </message>
    <message>
        <source>3.0秒</source>
        <translation>3.0 s</translation>
    </message>
    <message>
        <source>3.5秒</source>
        <translation>3.5 s</translation>
    </message>
    <message>
        <source>4.0秒</source>
        <translation>4.0 s</translation>
    </message>
    <message>
        <source>4.5秒</source>
        <translation>4.5 s</translation>
    </message>
    <message>
        <source>5.0秒</source>
        <translation>5.0 s</translation>
    </message>
    <message>
        <source>1级</source>
        <translation>Level 1</translation>
    </message>
    <message>
        <source>2级</source>
        <translation>Level 2</translation>
    </message>
    <message>
        <source>3级</source>
        <translation>Level 3</translation>
    </message>
    <message>
        <source>4级</source>
        <translation>Level 4</translation>
    </message>
    <message>
        <source>5级</source>
        <translation>Level 5</translation>
    </message>
    <message>
        <source>6级</source>
        <translation>Level 6</translation>
    </message>
    <message>
        <source>7级</source>
        <translation>Level 7</translation>
    </message>
    <message>
        <source>8级</source>
        <translation>Level 8</translation>
    </message>
    <message>
        <source>9级</source>
        <translation>Level 9</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>通话开始</source>
        <translation>Call Start</translation>
    </message>
    <message>
        <source>通话结束</source>
        <translation>Call End</translation>
    </message>
    <message>
        <source>通话开始和结束</source>
        <translation>Call Start and End</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>On</translation>
    </message>
</context>
</TS>
