#include "pages/aprs/aprs_lists.h"

#include "widgets/value_list.h"

namespace Aprs_Lists {

const QList<const char*>& Tx_Power_Texts()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("APRS_FORM", "低功"), QT_TRANSLATE_NOOP("APRS_FORM", "中功"),
        QT_TRANSLATE_NOOP("APRS_FORM", "高功"), QT_TRANSLATE_NOOP("APRS_FORM", "超高功")};
    return texts;
}

const QList<const char*>& Wn_Texts()
{
    static const QList<const char*> texts = {QT_TRANSLATE_NOOP("APRS_FORM", "宽带"),
                                             QT_TRANSLATE_NOOP("APRS_FORM", "窄带")};
    return texts;
}

const QList<const char*>& Tone_Type_Texts()
{
    static const QList<const char*> texts = {QT_TRANSLATE_NOOP("APRS_FORM", "无"),
                                             QT_TRANSLATE_NOOP("APRS_FORM", "模拟亚音"),
                                             QT_TRANSLATE_NOOP("APRS_FORM", "数字亚音")};
    return texts;
}

const QList<const char*>& Null_Texts()
{
    static const QList<const char*> texts = {QT_TRANSLATE_NOOP("APRS_FORM", "无")};
    return texts;
}

const QList<const char*>& Symbol_Table_Texts()
{
    static const QList<const char*> texts = {QT_TRANSLATE_NOOP("APRS_FORM", "/:主要"),
                                             QT_TRANSLATE_NOOP("APRS_FORM", "\\:次要")};
    return texts;
}

const QList<const char*>& Manual_Interval_Texts()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("APRS_FORM", "关闭"), QT_TRANSLATE_NOOP("APRS_FORM", "1S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "2S"), QT_TRANSLATE_NOOP("APRS_FORM", "3S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "4S"), QT_TRANSLATE_NOOP("APRS_FORM", "5S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "6S"), QT_TRANSLATE_NOOP("APRS_FORM", "7S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "8S"), QT_TRANSLATE_NOOP("APRS_FORM", "9S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "10S"), QT_TRANSLATE_NOOP("APRS_FORM", "12S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "14S"), QT_TRANSLATE_NOOP("APRS_FORM", "16S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "18S"), QT_TRANSLATE_NOOP("APRS_FORM", "20S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "22S"), QT_TRANSLATE_NOOP("APRS_FORM", "24S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "26S"), QT_TRANSLATE_NOOP("APRS_FORM", "28S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "30S"), QT_TRANSLATE_NOOP("APRS_FORM", "35S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "40S"), QT_TRANSLATE_NOOP("APRS_FORM", "45S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "50S"), QT_TRANSLATE_NOOP("APRS_FORM", "55S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "60S"), QT_TRANSLATE_NOOP("APRS_FORM", "70S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "80S"), QT_TRANSLATE_NOOP("APRS_FORM", "90S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "100S"), QT_TRANSLATE_NOOP("APRS_FORM", "110S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "120S"), QT_TRANSLATE_NOOP("APRS_FORM", "130S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "140S"), QT_TRANSLATE_NOOP("APRS_FORM", "150S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "160S"), QT_TRANSLATE_NOOP("APRS_FORM", "170S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "180S"), QT_TRANSLATE_NOOP("APRS_FORM", "190S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "200S"), QT_TRANSLATE_NOOP("APRS_FORM", "210S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "220S"), QT_TRANSLATE_NOOP("APRS_FORM", "230S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "240S"), QT_TRANSLATE_NOOP("APRS_FORM", "250S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "260S"), QT_TRANSLATE_NOOP("APRS_FORM", "270S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "280S"), QT_TRANSLATE_NOOP("APRS_FORM", "290S"),
        QT_TRANSLATE_NOOP("APRS_FORM", "300S")};
    return texts;
}

QStringList Translated(Source_Texts texts)
{
    return Value_List("APRS_FORM", texts).Texts();
}

const QStringList& Ctcss_Values()
{
    static const QStringList values = {
        "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
        "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
        "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
        "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
        "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
    return values;
}

const QStringList& Dcs_Codes()
{
    static const QStringList codes = {
        "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071",
        "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145",
        "152", "155", "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243",
        "244", "245", "246", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306",
        "311", "315", "325", "331", "332", "343", "346", "351", "356", "364", "365", "371", "411",
        "412", "413", "423", "431", "432", "445", "446", "452", "454", "455", "462", "464", "465",
        "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624", "627",
        "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};
    return codes;
}

namespace {

const char* const Primary_Names[Symbol_Count] = {
    "Police Stn", "No Symbol", "Digi", "Phone", "DX Cluster", "HF Gateway", "Plane sm", "Mob Sat Stn",
    "WheelChair", "Snowmobile", "Red Cross", "Boy Scout", "Home", "X", "Red Dot", "Circle (0)",
    "Circle (1)", "Circle (2)", "Circle (3)", "Circle (4)", "Circle (5)", "Circle (6)", "Circle (7)",
    "Circle (8)", "Circle (9)", "Fire", "Campground", "Motorcycle", "Rail Eng.", "Car", "File svr",
    "HC Future", "Aid Stn", "BBS", "Canoe", "No Symbol", "Eyeball", "No Symbol", "Grid Squ.", "Hotel",
    "Tcp/ip", "No Symbol", "School", "Usr Log-ON", "MacAPRS", "NTS Stn", "Balloon", "Police", "TBD",
    "Rec Veh'le", "Shuttle", "SSTV", "Bus", "ATV", "WX Service", "Helo", "Yacht", "WinAPRS", "Jogger",
    "Triangle", "PBBS", "Plane lrge", "WX Station", "Dish Ant.", "Ambulance", "Bike", "ICP",
    "Fire Station", "Horse", "Fire Truck", "Glider", "Hospital", "IOTA", "Jeep", "Truck", "Laptop",
    "Mic-E Rptr", "Node", "EOC", "Rover", "Grid squ.", "Antenna", "Power Boat", "Truck Stop",
    "Truck 18wh", "Van", "Water Stn", "XAPRS", "Yagi", "Shelter", "No Symbol", "TNC Stream Sw",
    "No Symbol", "TNC Stream Sw"};

const char* const Alternate_Names[Symbol_Count] = {
    "Emergency", "No Symbol", "No. Digi", "Bank", "No Symbol", "No. Diam'd", "Crash site", "Cloudy", "MEO",
    "Snow", "Church", "Girl Scout", "Home (HF)", "UnknownPos", "Destination", "No. Circle", "No Symbol",
    "No Symbol", "No Symbol", "No Symbol", "No Symbol", "No Symbol", "No Symbol", "No Symbol",
    "Petrol Stn", "Hail", "Park", "Gale Fl", "No Symbol", "No. Car", "Info Kiosk", "Hurricane",
    "No. Box", "Snow blwng", "Coast G'rd", "Drizzle", "Smoke", "Fr'ze Rain", "Snow Shwr", "Haze",
    "Rain Shwr", "Lightning", "Kenwood", "Lighthouse", "No Symbol", "Nav Buoy", "Rocket", "Parking",
    "Quake", "Restaurant", "Sat/Pacsat", "T'storm", "Sunny", "VORTAC", "No. WXS", "Pharmacy",
    "No Symbol", "No Symbol", "Wall Cloud", "No Symbol", "No Symbol", "No. Plane", "No. WX Stn", "Rain",
    "No. Diamond", "Dust blwng", "No. CivDef", "DX Spot", "Sleet", "Funnel Cld", "Gale", "HAM store",
    "No. Blk Box", "WorkZone", "SUV", "Area Locns", "Milepost", "No. Triang", "Circle sm", "Part Cloud",
    "No Symbol", "Restrooms", "No. Boat", "Tornado", "No. Truck", "No. Van", "Flooding", "No Symbol",
    "Sky Warn", "No. Shelter", "Fog", "TNC Stream SW", "No Symbol", "TNC Stream SW"};

// The published two-character code of symbol `i` (character 33 + i).
QString Symbol_Code(int i, bool alternate)
{
    const char c = char(33 + i);
    char first = 0;
    char second = 0;
    if (c <= '/') {
        first = alternate ? 'O' : 'B';
        second = char('B' + i);
    } else if (c <= '9') {
        first = alternate ? 'A' : 'P';
        second = c;
    } else if (c <= '@') {
        first = alternate ? 'N' : 'M';
        second = char('R' + (c - ':'));
    } else if (c <= 'Z') {
        first = alternate ? 'A' : 'P';
        second = c;
    } else if (c <= '`') {
        first = alternate ? 'D' : 'H';
        second = char('S' + (c - '['));
    } else if (c <= 'z') {
        first = alternate ? 'S' : 'L';
        second = char(c - 'a' + 'A');
    } else {
        first = alternate ? 'Q' : 'J';
        second = char('1' + (c - '{'));
    }
    return QString(QLatin1Char(first)) + QLatin1Char(second);
}

QStringList Build_Names(const char* const names[], bool alternate)
{
    QStringList list;
    for (int i = 0; i < Symbol_Count; ++i)
        list.append(Symbol_Code(i, alternate) + QLatin1Char(':') + QString::number(i) + QLatin1Char(' ')
                    + QLatin1String(names[i]));
    return list;
}

} // namespace

const QStringList& Symbol_Names(bool alternate)
{
    static const QStringList primary = Build_Names(Primary_Names, false);
    static const QStringList other = Build_Names(Alternate_Names, true);
    return alternate ? other : primary;
}

QStringList Symbol_List(const QStringList& names)
{
    QStringList list;
    for (int c = 33; c <= 126; ++c)
        list.append(QString(QChar(c)) + QLatin1Char(':') + names.value(c - 33));
    return list;
}

} // namespace Aprs_Lists
