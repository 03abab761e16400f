// The translation sources against the code: lupdate reads every source into a
// scratch file, and the texts it finds are compared with the committed .ts
// files as sets of (context, source text, comment). Location lines are not
// compared: they move with every edit of a source and change no translation.

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

// Each message of `committed`: still in a source, its translation finished
// and holding the same %-markers as its source text.
void Check_Finished(const Messages& committed, const Messages& found, QStringList* problems)
{
    for (auto it = committed.cbegin(); it != committed.cend(); ++it) {
        const QString where = it->File + QStringLiteral(": ") + it.key();
        if (!found.contains(it.key()))
            *problems << where + QStringLiteral(" is in no source any more");
        else if (!it->Type.isEmpty() || it->Translation.isEmpty())
            *problems << where + QStringLiteral(" has no finished translation");
        else if (Markers(it->Translation) != Markers(it.key().section(QLatin1Char('"'), 1, -2)))
            *problems << where + QStringLiteral(" has other %-markers in its translation");
    }
}

} // namespace

class Tst_Translations : public QObject
{
    Q_OBJECT
private slots:
    void committed_files_match_the_sources()
    {
        QTemporaryDir scratch;
        const QString fresh = scratch.filePath(QStringLiteral("sources.ts"));
        QProcess lupdate;
        lupdate.start(QStringLiteral(KESTREL_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-I" KESTREL_SOURCE_DIR),
                       QStringLiteral("@" KESTREL_TRANSLATED_SOURCES), QStringLiteral("-ts"), fresh});
        QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
        // lupdate warns of a text it cannot place (a class it does not know as
        // context, a tr() it cannot read): such a text would not be translated.
        const QString complaints = QString::fromLocal8Bit(lupdate.readAllStandardError()).trimmed();
        QVERIFY2(lupdate.exitCode() == 0 && complaints.isEmpty(), qPrintable(complaints));

        QStringList problems;
        Messages found, english, chinese;
        Read_Ts(fresh, &found, &problems);
        QVERIFY2(found.size() > 100 && problems.isEmpty(), qPrintable(problems.join('\n')));
        const QDir folder(QStringLiteral(KESTREL_SOURCE_DIR "/resources/translations"));
        for (const QString& name : folder.entryList({QStringLiteral("English*.ts")}, QDir::Files))
            Read_Ts(folder.filePath(name), &english, &problems);
        for (auto it = found.cbegin(); it != found.cend(); ++it) {
            if (!english.contains(it.key()))
                problems << QStringLiteral("no English*.ts holds ") + it.key();
        }
        Check_Finished(english, found, &problems);
        // Chinese.ts holds only the texts whose Chinese differs from the source text.
        Read_Ts(folder.filePath(QStringLiteral("Chinese.ts")), &chinese, &problems);
        Check_Finished(chinese, found, &problems);

        QVERIFY2(problems.isEmpty(),
                 qPrintable(QStringLiteral("\nThe translation sources are not in step with the code. Run\n"
                                           "    cmake --build build --target update_translations\n"
                                           "and finish the new English translations.\n")
                            + problems.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(Tst_Translations)
#include "tst_translations.moc"
