// A text field under its rule, loaded as a decoder loads it (now and then
// with what the rule refuses: a 00 byte, a character one byte cannot hold)
// and then given random texts as typing, pasting or an input method gives
// them: whatever it shows, it can store exactly as shown, within its length
// and byte budget, in whole characters, and a character its pattern or its
// storage refuses is there no more often than the field was loaded with it.

#include "widgets/field_validator.h"

#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace {

const QStringList Pieces = {"A", "z", "0", "7", "*", "#", " ", ",", "-", ":", "~", "\x01", "\t", "\x7F", "ü", "中",
                            "😀", QString(QChar(0xD83D)), QString(QChar(0xDE00)), QString(QChar(0))};

QString Random_Text(QRandomGenerator& random, const std::function<bool(const QString&)>& keep)
{
    QString text;
    for (int i = random.bounded(7); i > 0; --i) {
        const QString piece = Pieces.at(random.bounded(Pieces.size()));
        if (keep(piece))
            text += piece;
    }
    return text;
}

// What the field stores reads back as `shown`, a byte the stored form ends at never inside it.
bool Stored_As_Shown(const QString& shown, bool singleByte, int maxBytes)
{
    const QByteArray bytes = singleByte ? shown.toLatin1() : shown.toUtf8();
    const QString back = singleByte ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes);
    const bool inRange = std::all_of(bytes.cbegin(), bytes.cend(), [singleByte](char c) {
        return c != '\0' && (!singleByte || (c >= 0x01 && c <= 0x7E));
    });
    return back == shown && inRange && (maxBytes == 0 || bytes.size() <= maxBytes);
}

// A text as its UTF-16 units, for the report.
QByteArray Units(const QString& text)
{
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2).toHex(' ');
}

} // namespace

class Tst_Field_Rule : public QObject
{
    Q_OBJECT
private slots:
    void field_stores_what_it_shows_data();
    void field_stores_what_it_shows();
};

void Tst_Field_Rule::field_stores_what_it_shows_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("singleByte");
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<int>("maxLength");
    QTest::newRow("any text") << QString() << false << 0 << 32767;
    QTest::newRow("text in 16 bytes") << QString() << false << 16 << 16;
    QTest::newRow("callsign") << "[A-Z0-9]+" << false << 6 << 9;
    QTest::newRow("path") << "^[A-Z0-9\\,\\-]+$" << false << 0 << 20;
    QTest::newRow("code") << "^$|^[0-9abcdefABCDEF*#]+$" << true << 0 << 8;
    QTest::newRow("name") << "^[A-Za-z0-9!#$%&'()*+,-./<=>?@\\[\\]\\^_`{|}~]+$" << true << 5 << 7;
}

void Tst_Field_Rule::field_stores_what_it_shows()
{
    QFETCH(QString, pattern);
    QFETCH(bool, singleByte);
    QFETCH(int, maxBytes);
    QFETCH(int, maxLength);
    const Field_Rule rule(pattern, singleByte ? Field_Rule::Storage::Single_Byte : Field_Rule::Storage::Utf8, maxBytes);
    const QRegularExpression wholePattern(QRegularExpression::anchoredPattern(pattern));
    const auto refused = [&](const QString& piece) {
        const auto match = wholePattern.match(piece, 0, QRegularExpression::PartialPreferCompleteMatch);
        return !pattern.isEmpty() && !piece.at(0).isSurrogate() && !match.hasMatch() && !match.hasPartialMatch();
    };
    const auto storable = [&](const QString& piece) { return Stored_As_Shown(piece, singleByte, 0); };
    const auto whole = [](const QString& piece) { return piece.size() == 2 || !piece.at(0).isSurrogate(); };
    QLineEdit edit;
    edit.setMaxLength(maxLength);
    Apply_Field_Rule(&edit, rule);
    QRandomGenerator random(20);
    for (int round = 0; round < 300; ++round) {
        // Loaded: what a decoder read, as much of it as the field can show.
        const QString loaded = round % 3 ? Random_Text(random, storable) : Random_Text(random, whole);
        Show_Stored_Text(&edit, loaded);
        const QString held = edit.text();
        QVERIFY2(loaded.left(held.size()) == held && held.size() <= maxLength, Units(loaded + " / " + held));
        for (int step = 0; step < 6; ++step) {
            if (step > 0) {
                edit.setCursorPosition(random.bounded(int(edit.text().size()) + 1));
                if (random.bounded(4) == 0)
                    edit.backspace();
                else
                    edit.insert(Random_Text(random, [](const QString&) { return true; })); // as a paste does
            }
            // Bar the loaded characters a keystroke could not have added, the field stores what it shows.
            const QString shown = edit.text();
            QString typed = shown;
            for (const QString& piece : Pieces) {
                if (whole(piece) && (refused(piece) || !storable(piece))) {
                    QVERIFY2(shown.count(piece) <= held.count(piece), Units(shown + " / " + held));
                    typed.remove(piece);
                }
            }
            const int bytes = int(singleByte ? shown.size() : shown.toUtf8().size());
            QVERIFY2(shown.size() <= maxLength && (maxBytes == 0 || bytes <= maxBytes)
                         && Stored_As_Shown(typed, singleByte, maxBytes), Units(shown));
        }
    }
}

QTEST_MAIN(Tst_Field_Rule)
#include "tst_field_rule.moc"
