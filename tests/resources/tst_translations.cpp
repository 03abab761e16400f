// The translation sources against the code: lupdate runs as
// update_translations runs it, each .ts file over its own sources, into a
// scratch copy of the committed file; the copy must come out unchanged. Then
// every translation must be finished and hold its source text's %-markers.

#include "support/test_image.h"

#include <QtTest>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString File;
    QString Translation; // numerus forms one after another
    QString Type;        // "unfinished", "vanished", "obsolete" or empty
};
// By context "source text" (comment).
using Messages = QMap<QString, Message>;

// Adds the messages of `path`; a message two files hold is a problem.
void Read_Ts(const QString& path, Messages* messages, QStringList* problems)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        *problems << path + QStringLiteral(": cannot be read");
    QXmlStreamReader xml(&file);
    QString context, key;
    Message message{QFileInfo(path).fileName(), {}, {}};
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            if (messages->contains(key))
                *problems << QStringLiteral("%1: %2 is in %3 too").arg(message.File, key, messages->value(key).File);
            messages->insert(key, message);
        } else if (!xml.isStartElement()) {
        } else if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            key = QStringLiteral("%1 \"%2\"").arg(context, xml.readElementText());
        } else if (xml.name() == QLatin1String("comment")) {
            key += QStringLiteral(" (%1)").arg(xml.readElementText());
        } else if (xml.name() == QLatin1String("translation")) {
            message.Type = xml.attributes().value(QLatin1String("type")).toString();
            message.Translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    if (xml.hasError())
        *problems << QStringLiteral("%1: %2").arg(path, xml.errorString());
}

// The %1, %2, ... of a text, sorted.
QStringList Markers(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?\\d+"));
    QStringList markers;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        markers << it.next().captured();
    markers.sort();
    return markers;
}

// Each message of `committed`: its translation finished and holding the same
// %-markers as its source text; with `sources`, also one of those texts.
void Check_Finished(const Messages& committed, const Messages* sources, QStringList* problems)
{
    for (auto it = committed.cbegin(); it != committed.cend(); ++it) {
        const QString where = it->File + QStringLiteral(": ") + it.key();
        if (sources && !sources->contains(it.key()))
            *problems << where + QStringLiteral(" is in no source any more");
        else if (!it->Type.isEmpty() || it->Translation.isEmpty())
            *problems << where + QStringLiteral(" has no finished translation");
        else if (Markers(it->Translation) != Markers(it.key().section(QLatin1Char('"'), 1, -2)))
            *problems << where + QStringLiteral(" has other %-markers in its translation");
    }
}

// The first line where lupdate's file differs from the committed one.
QString First_Difference(const QString& committed, const QString& updated)
{
    const QStringList before = committed.split(QLatin1Char('\n'));
    const QStringList after = updated.split(QLatin1Char('\n'));
    int line = 0;
    while (line < before.size() && line < after.size() && before[line] == after[line])
        ++line;
    return QStringLiteral("line %1: \"%2\" would become \"%3\"")
        .arg(line + 1)
        .arg(before.value(line).trimmed(), after.value(line).trimmed());
}

} // namespace

class Tst_Translations : public QObject
{
    Q_OBJECT
private slots:
    void committed_files_match_the_sources()
    {
        QFile families(QStringLiteral(KESTREL_TRANSLATION_FAMILIES));
        QVERIFY(families.open(QIODevice::ReadOnly | QIODevice::Text));
        const QDir folder(QStringLiteral(KESTREL_SOURCE_DIR "/resources/translations"));
        QTemporaryDir scratch;
        QStringList problems;
        Messages english, chinese;
        int checked = 0;
        while (!families.atEnd()) {
            const QStringList fields = QString::fromUtf8(families.readLine()).trimmed().split(QLatin1Char('\t'));
            if (fields.size() < 2)
                continue;
            const QString ts = fields.first();
            const QString copy = scratch.filePath(ts);
            QVERIFY(QFile::copy(folder.filePath(ts), copy));
            QProcess lupdate;
            lupdate.start(QStringLiteral(KESTREL_LUPDATE),
                          QStringLiteral("-silent " KESTREL_LUPDATE_OPTIONS).split(QLatin1Char(' '))
                              + QStringList{QStringLiteral("-I" KESTREL_SOURCE_DIR)} + fields.mid(1)
                              + QStringList{QStringLiteral("-ts"), copy});
            QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
            // lupdate warns of a text it cannot place (a class it does not know as
            // context, a tr() it cannot read): such a text would not be translated.
            const QString complaints = QString::fromLocal8Bit(lupdate.readAllStandardError()).trimmed();
            QVERIFY2(lupdate.exitCode() == 0 && complaints.isEmpty(), qPrintable(ts + ": " + complaints));
            const QString committed = Read_Text_File(folder.filePath(ts));
            const QString updated = Read_Text_File(copy);
            if (updated != committed)
                problems << ts + QStringLiteral(" is not what lupdate makes of its sources: ")
                                + First_Difference(committed, updated);
            Read_Ts(folder.filePath(ts), &english, &problems);
            ++checked;
        }
        QVERIFY2(checked == folder.entryList({QStringLiteral("English*.ts")}, QDir::Files).size(),
                 "every English*.ts file has its sources");
        QVERIFY(english.size() > 100);
        Check_Finished(english, nullptr, &problems);
        // Chinese.ts holds only the texts whose Chinese differs from the source text.
        Read_Ts(folder.filePath(QStringLiteral("Chinese.ts")), &chinese, &problems);
        Check_Finished(chinese, &english, &problems);

        QVERIFY2(problems.isEmpty(),
                 qPrintable(QStringLiteral("\nThe translation sources are not in step with the code. Run\n"
                                           "    cmake --build build --target update_translations\n"
                                           "and finish the new English translations.\n")
                            + problems.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(Tst_Translations)
#include "tst_translations.moc"
