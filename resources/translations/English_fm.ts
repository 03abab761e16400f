<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>FM_RADIO_FORM</name>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="6"/>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="15"/>
        <source>|收音机设置|</source>
        <translation>|FM Radio Settings|</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="43"/>
        <source>▼『收音机存储信道』</source>
        <translation>▼『FM Radio Memory Channels』</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="71"/>
        <source>信道名</source>
        <translation>Channel Name</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="84"/>
        <source>信道频率</source>
        <translation>Channel Frequency</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="97"/>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="105"/>
        <source>FM</source>
        <translation>FM</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="134"/>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="170"/>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="206"/>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="242"/>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="278"/>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="314"/>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="350"/>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="386"/>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="422"/>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="458"/>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="494"/>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="530"/>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="566"/>
        <source>13</source>
        <translation>13</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="602"/>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="638"/>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="674"/>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="710"/>
        <source>17</source>
        <translation>17</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="746"/>
        <source>18</source>
        <translation>18</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="782"/>
        <source>19</source>
        <translation>19</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="818"/>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="854"/>
        <source>21</source>
        <translation>21</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="890"/>
        <source>22</source>
        <translation>22</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="926"/>
        <source>23</source>
        <translation>23</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="962"/>
        <source>24</source>
        <translation>24</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="998"/>
        <source>25</source>
        <translation>25</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="1034"/>
        <source>26</source>
        <translation>26</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="1070"/>
        <source>27</source>
        <translation>27</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="1106"/>
        <source>28</source>
        <translation>28</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="1142"/>
        <source>29</source>
        <translation>29</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="1178"/>
        <source>30</source>
        <translation>30</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="1214"/>
        <source>31</source>
        <translation>31</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="1268"/>
        <source>▼『收音机设置』</source>
        <translation>▼『FM Radio Settings』</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="1284"/>
        <source>收音机开关</source>
        <translation>FM Radio Switch</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="1314"/>
        <source>收音机模式</source>
        <translation>FM Radio Mode</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="1344"/>
        <source>VFO模式频率</source>
        <translation>VFO Mode Frequency</translation>
    </message>
    <message>
        <location filename="../../forms/fm_radio_form.ui" line="1352"/>
        <source>90.4</source>
        <translation>90.4</translation>
    </message>
    <message>
        <location filename="../../pages/fm/fm_radio_form.cpp" line="33"/>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <location filename="../../pages/fm/fm_radio_form.cpp" line="34"/>
        <source>打开</source>
        <translation>On</translation>
    </message>
    <message>
        <location filename="../../pages/fm/fm_radio_form.cpp" line="42"/>
        <source>频率模式</source>
        <translation>Frequency Mode</translation>
    </message>
    <message>
        <location filename="../../pages/fm/fm_radio_form.cpp" line="43"/>
        <source>信道模式</source>
        <translation>Channel Mode</translation>
    </message>
</context>
</TS>
