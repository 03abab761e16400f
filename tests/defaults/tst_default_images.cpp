#include <QCryptographicHash>
#include <QFile>
#include <QtTest>

// The default data files are made at build time by the pages' own encoders,
// so every other test compares them with themselves. Their hashes are pinned
// here: an encoder change that alters them fails until the new hash is put
// here on purpose.
class Tst_Default_Images : public QObject
{
    Q_OBJECT

private slots:
    void default_files_are_pinned_data();
    void default_files_are_pinned();
};

void Tst_Default_Images::default_files_are_pinned_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("sha256");
    const QByteArray both("a5a34398aee878cca378cb9ef29de0497d3e0392ec3375eaffa7276c25e8aa1c");
    QTest::newRow("Chinese") << QStringLiteral("Default_CN.PF") << both;
    QTest::newRow("English") << QStringLiteral("Default_EN.PF") << both;
}

void Tst_Default_Images::default_files_are_pinned()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, sha256);
    QFile data(QStringLiteral(KESTREL_RUNTIME_DIR "/Default/") + file);
    QVERIFY(data.open(QIODevice::ReadOnly));
    const QByteArray actual = QCryptographicHash::hash(data.readAll(), QCryptographicHash::Sha256).toHex();
    QVERIFY2(actual == sha256, qPrintable(file + QStringLiteral(" changed; its SHA-256 is now ") + actual));
}

QTEST_MAIN(Tst_Default_Images)
#include "tst_default_images.moc"
