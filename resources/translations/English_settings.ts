<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BLUETOOTH_FORM</name>
    <message>
        <location filename="../../forms/bluetooth_form.ui" line="14"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location filename="../../forms/bluetooth_form.ui" line="63"/>
        <source>|蓝牙设置|</source>
        <translation>|Bluetooth Settings|</translation>
    </message>
    <message>
        <location filename="../../forms/bluetooth_form.ui" line="145"/>
        <source>▼『基本设置』</source>
        <translation>▼『Basic Settings』</translation>
    </message>
    <message>
        <location filename="../../forms/bluetooth_form.ui" line="192"/>
        <source>蓝牙开关</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <location filename="../../forms/bluetooth_form.ui" line="280"/>
        <source>本机喇叭控制</source>
        <translation>Radio Speaker Ctrl</translation>
    </message>
    <message>
        <location filename="../../forms/bluetooth_form.ui" line="368"/>
        <source>本机麦克风控制</source>
        <translation>Radio Mic Control</translation>
    </message>
    <message>
        <location filename="../../forms/bluetooth_form.ui" line="456"/>
        <source>蓝牙喇叭增益</source>
        <translation>BT Speaker Gain</translation>
    </message>
    <message>
        <location filename="../../forms/bluetooth_form.ui" line="544"/>
        <source>蓝牙麦克风增益</source>
        <translation>BT Mic Gain</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="203"/>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="204"/>
        <source>打开</source>
        <translation>On</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="213"/>
        <source>1级</source>
        <translation>Level 1</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="214"/>
        <source>2级</source>
        <translation>Level 2</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="215"/>
        <source>3级</source>
        <translation>Level 3</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="216"/>
        <source>4级</source>
        <translation>Level 4</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="217"/>
        <source>5级</source>
        <translation>Level 5</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="218"/>
        <source>6级</source>
        <translation>Level 6</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="219"/>
        <source>7级</source>
        <translation>Level 7</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="220"/>
        <source>8级</source>
        <translation>Level 8</translation>
    </message>
</context>
<context>
    <name>SHORTCUTS_SETTING_FORM</name>
    <message>
        <location filename="../../forms/shortcuts_setting_form.ui" line="14"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location filename="../../forms/shortcuts_setting_form.ui" line="63"/>
        <source>|按键设置|</source>
        <translation>|Key Settings|</translation>
    </message>
    <message>
        <location filename="../../forms/shortcuts_setting_form.ui" line="145"/>
        <source>▼『键盘锁』</source>
        <translation>▼『Keypad Lock』</translation>
    </message>
    <message>
        <location filename="../../forms/shortcuts_setting_form.ui" line="192"/>
        <source>自动锁定</source>
        <translation>Auto Lock</translation>
    </message>
    <message>
        <location filename="../../forms/shortcuts_setting_form.ui" line="280"/>
        <source>锁定类型</source>
        <translation>Lock Type</translation>
    </message>
    <message>
        <location filename="../../forms/shortcuts_setting_form.ui" line="368"/>
        <source>锁定延时</source>
        <translation>Lock Delay</translation>
    </message>
    <message>
        <location filename="../../forms/shortcuts_setting_form.ui" line="467"/>
        <source>▼『可编程按键』</source>
        <translation>▼『Programmable Keys』</translation>
    </message>
    <message>
        <location filename="../../forms/shortcuts_setting_form.ui" line="514"/>
        <source>侧键1短按</source>
        <translation>Side Key 1 Short</translation>
    </message>
    <message>
        <location filename="../../forms/shortcuts_setting_form.ui" line="602"/>
        <source>侧键1长按</source>
        <translation>Side Key 1 Long</translation>
    </message>
    <message>
        <location filename="../../forms/shortcuts_setting_form.ui" line="690"/>
        <source>侧键2短按</source>
        <translation>Side Key 2 Short</translation>
    </message>
    <message>
        <location filename="../../forms/shortcuts_setting_form.ui" line="778"/>
        <source>侧键2长按</source>
        <translation>Side Key 2 Long</translation>
    </message>
    <message>
        <location filename="../../forms/shortcuts_setting_form.ui" line="866"/>
        <source>顶键短按</source>
        <translation>Top Key Short</translation>
    </message>
    <message>
        <location filename="../../forms/shortcuts_setting_form.ui" line="954"/>
        <source>顶键长按</source>
        <translation>Top Key Long</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="103"/>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="104"/>
        <source>声控</source>
        <translation>VOX</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="105"/>
        <source>信标发送</source>
        <translation>Send Beacon</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="106"/>
        <source>监听</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="107"/>
        <source>扫描</source>
        <translation>Scan</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="108"/>
        <source>扰频</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="109"/>
        <source>脱网</source>
        <translation>Talk Around</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="110"/>
        <source>降噪</source>
        <translation>Noise Reduction</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="111"/>
        <source>一键对频</source>
        <translation>Frequency Match</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="112"/>
        <source>功率切换</source>
        <translation>TX Power</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="113"/>
        <source>倒频</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="114"/>
        <source>收音机开关</source>
        <translation>FM Radio</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="115"/>
        <source>信道模式切换</source>
        <translation>Channel Mode</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="116"/>
        <source>紧急报警</source>
        <translation>Emergency Alarm</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="117"/>
        <source>APRS站点</source>
        <translation>APRS Stations</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="118"/>
        <source>静噪等级</source>
        <translation>Squelch Level</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="119"/>
        <source>亚音频扫描</source>
        <translation>CTCSS/DCS Scan</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="120"/>
        <source>调试信息</source>
        <translation>Debug Info</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="129"/>
        <source>TBST发送</source>
        <translation>Send TBST</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="138"/>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="139"/>
        <source>打开</source>
        <translation>On</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="147"/>
        <source>按键</source>
        <translation>Keys</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="148"/>
        <source>编码器</source>
        <translation>Knob</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="149"/>
        <source>按键+编码器</source>
        <translation>Keys+Knob</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="150"/>
        <source>PTT</source>
        <translation>PTT</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="151"/>
        <source>PTT+按键</source>
        <translation>PTT+Keys</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="152"/>
        <source>PTT+编码器</source>
        <translation>PTT+Knob</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="153"/>
        <source>PTT+编码器+按键</source>
        <translation>PTT+Knob+Keys</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="163"/>
        <source>3秒</source>
        <translation>3 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="164"/>
        <source>4秒</source>
        <translation>4 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="165"/>
        <source>5秒</source>
        <translation>5 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="166"/>
        <source>6秒</source>
        <translation>6 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="167"/>
        <source>7秒</source>
        <translation>7 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="168"/>
        <source>8秒</source>
        <translation>8 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="169"/>
        <source>9秒</source>
        <translation>9 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="170"/>
        <source>10秒</source>
        <translation>10 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="171"/>
        <source>11秒</source>
        <translation>11 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="172"/>
        <source>12秒</source>
        <translation>12 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="173"/>
        <source>13秒</source>
        <translation>13 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="174"/>
        <source>14秒</source>
        <translation>14 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="175"/>
        <source>15秒</source>
        <translation>15 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="176"/>
        <source>20秒</source>
        <translation>20 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="177"/>
        <source>25秒</source>
        <translation>25 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="178"/>
        <source>30秒</source>
        <translation>30 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="179"/>
        <source>35秒</source>
        <translation>35 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="180"/>
        <source>40秒</source>
        <translation>40 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="181"/>
        <source>45秒</source>
        <translation>45 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="182"/>
        <source>50秒</source>
        <translation>50 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="183"/>
        <source>55秒</source>
        <translation>55 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="184"/>
        <source>1分钟</source>
        <translation>1 min</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="185"/>
        <source>2分钟</source>
        <translation>2 min</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="186"/>
        <source>3分钟</source>
        <translation>3 min</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="187"/>
        <source>4分钟</source>
        <translation>4 min</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="188"/>
        <source>5分钟</source>
        <translation>5 min</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="189"/>
        <source>6分钟</source>
        <translation>6 min</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="190"/>
        <source>7分钟</source>
        <translation>7 min</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="191"/>
        <source>8分钟</source>
        <translation>8 min</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="192"/>
        <source>9分钟</source>
        <translation>9 min</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="193"/>
        <source>10分钟</source>
        <translation>10 min</translation>
    </message>
</context>
<context>
    <name>SOUNDS_SETTING_FORM</name>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="14"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="63"/>
        <source>|音频设置|</source>
        <translation>|Audio Settings|</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="145"/>
        <source>▼『语音报号』</source>
        <translation>▼『Voice Announcement』</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="192"/>
        <source>报号音开关</source>
        <translation>Voice Announcement</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="256"/>
        <source>报号音音量</source>
        <translation>Announcement Volume</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="339"/>
        <source>▼『提示音』</source>
        <translation>▼『Tones』</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="386"/>
        <source>提示音总开关</source>
        <translation>All Tones</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="450"/>
        <source>按键提示音</source>
        <translation>Key Beep</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="538"/>
        <source>低电提示音</source>
        <translation>Low Battery Tone</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="626"/>
        <source>开机提示音</source>
        <translation>Power-On Tone</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="714"/>
        <source>发射超时提示音</source>
        <translation>TX Time-Out Tone</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="802"/>
        <source>提示音音量</source>
        <translation>Tone Volume</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="890"/>
        <source>通话提示音</source>
        <translation>Call Tone</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="978"/>
        <source>语音播报类型</source>
        <translation>Announcement Language</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="1077"/>
        <source>▼『其它设置』</source>
        <translation>▼『Other Settings』</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="1124"/>
        <source>麦克风增益</source>
        <translation>Mic Gain</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="1243"/>
        <source>▼『AI声控』</source>
        <translation>▼『AI Voice Control』</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="1290"/>
        <source>AI声控开关</source>
        <translation>AI Voice Control</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="1354"/>
        <source>AI声控灵敏度</source>
        <translation>AI VOX Sensitivity</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="1442"/>
        <source>AI声控延时</source>
        <translation>AI VOX Delay</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="1541"/>
        <source>▼『AI降噪』</source>
        <translation>▼『AI Noise Reduction』</translation>
    </message>
    <message>
        <location filename="../../forms/sounds_setting_form.ui" line="1588"/>
        <source>AI降噪开关</source>
        <translation>AI Noise Reduction</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="12"/>
        <source>中文报号</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="13"/>
        <source>英文报号</source>
        <translation>English</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="21"/>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="82"/>
        <source>低</source>
        <translation>Low</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="22"/>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="83"/>
        <source>中</source>
        <translation>Medium</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="23"/>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="84"/>
        <source>高</source>
        <translation>High</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="24"/>
        <source>超高</source>
        <translation>Very High</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="32"/>
        <source>0.5秒</source>
        <translation>0.5 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="33"/>
        <source>1.0秒</source>
        <translation>1.0 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="34"/>
        <source>1.5秒</source>
        <translation>1.5 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="35"/>
        <source>2.0秒</source>
        <translation>2.0 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="36"/>
        <source>2.5秒</source>
        <translation>2.5 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="37"/>
        <source>3.0秒</source>
        <translation>3.0 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="38"/>
        <source>3.5秒</source>
        <translation>3.5 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="39"/>
        <source>4.0秒</source>
        <translation>4.0 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="40"/>
        <source>4.5秒</source>
        <translation>4.5 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="41"/>
        <source>5.0秒</source>
        <translation>5.0 s</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="50"/>
        <source>1级</source>
        <translation>Level 1</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="51"/>
        <source>2级</source>
        <translation>Level 2</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="52"/>
        <source>3级</source>
        <translation>Level 3</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="53"/>
        <source>4级</source>
        <translation>Level 4</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="54"/>
        <source>5级</source>
        <translation>Level 5</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="55"/>
        <source>6级</source>
        <translation>Level 6</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="56"/>
        <source>7级</source>
        <translation>Level 7</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="57"/>
        <source>8级</source>
        <translation>Level 8</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="58"/>
        <source>9级</source>
        <translation>Level 9</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="71"/>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="92"/>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="72"/>
        <source>通话开始</source>
        <translation>Call Start</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="73"/>
        <source>通话结束</source>
        <translation>Call End</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="74"/>
        <source>通话开始和结束</source>
        <translation>Call Start and End</translation>
    </message>
    <message>
        <location filename="../../pages/settings/settings_block_layout.cpp" line="93"/>
        <source>打开</source>
        <translation>On</translation>
    </message>
</context>
</TS>
