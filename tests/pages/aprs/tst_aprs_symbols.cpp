// The compiled-in APRS symbol pictures: 94 per table, numbered from 01.

#include "pages/aprs/aprs_form.h"

#include <QComboBox>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QtTest>

class Tst_Aprs_Symbols : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void every_picture_loads();
    void page_shows_the_chosen_symbol();

private:
    std::unique_ptr<APRS_FORM> m_page; // registers the resources
};

void Tst_Aprs_Symbols::initTestCase()
{
    m_page = std::make_unique<APRS_FORM>(nullptr);
}

void Tst_Aprs_Symbols::every_picture_loads()
{
    const QString sets[] = {QStringLiteral(":/ICON/APRS_Symbol/Primary/aprs-symbols-64-0_%1.gif"),
                            QStringLiteral(":/ICON/APRS_Symbol/Alternate/aprs-symbols-64-1_%1.gif")};
    for (const QString& set : sets) {
        for (int number = 1; number <= 94; ++number) {
            const QString path = set.arg(number, 2, 10, QLatin1Char('0'));
            QImageReader reader(path);
            reader.setDecideFormatFromContent(true);
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(path + QLatin1Char(' ') + reader.errorString()));
            QCOMPARE(image.size(), QSize(64, 64));
        }
        QVERIFY(!QFile::exists(set.arg(QStringLiteral("00"))));
        QVERIFY(!QFile::exists(set.arg(95)));
    }
}

void Tst_Aprs_Symbols::page_shows_the_chosen_symbol()
{
    auto* table = m_page->findChild<QComboBox*>(QStringLiteral("comboBox_3"));
    auto* symbol = m_page->findChild<QComboBox*>(QStringLiteral("comboBox_4"));
    auto* picture = m_page->findChild<QLabel*>(QStringLiteral("label_11"));
    QVERIFY(table && symbol && picture);

    const auto shown = [&] { return picture->pixmap().toImage().convertToFormat(QImage::Format_ARGB32); };
    const auto resource = [](const QString& path) {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        return reader.read().convertToFormat(QImage::Format_ARGB32);
    };
    symbol->setCurrentIndex(93);
    QCOMPARE(shown(), resource(QStringLiteral(":/ICON/APRS_Symbol/Primary/aprs-symbols-64-0_94.gif")));
    table->setCurrentIndex(1);
    QCOMPARE(shown(), resource(QStringLiteral(":/ICON/APRS_Symbol/Alternate/aprs-symbols-64-1_94.gif")));
    symbol->setCurrentIndex(-1);
    QVERIFY(picture->pixmap().isNull());
}

QTEST_MAIN(Tst_Aprs_Symbols)
#include "tst_aprs_symbols.moc"
