// The FM page's form: the wiring of its 32 rows, its editing rules and its
// texts through a language switch.

#include "app/mainwindow.h"
#include "pages/fm/fm_radio_form.h"
#include "support/test_workdir.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QtTest>

namespace {

QString Label_Name(int k)
{
    switch (k) {
    case 0: return "label_9";
    case 1: return "label_14";
    case 2: return "label_10";
    case 3: return "label_15";
    case 17: return "label_33";
    case 18: return "label_32";
    default: return QString("label_%1").arg(k + 15);
    }
}

QString Name_Name(int k)
{
    return k == 0 ? QString("lineEdit") : QString("lineEdit_%1").arg(2 * k + 1);
}

QString Frequency_Name(int k)
{
    return QString("lineEdit_%1").arg(2 * k + 2);
}

template <typename T>
T* Child(QWidget& page, const QString& name)
{
    T* child = page.findChild<T*>(name);
    if (!child)
        qFatal("no %s", qPrintable(name));
    return child;
}

void Finish(QLineEdit* field, const QString& text)
{
    field->setText(text);
    emit field->editingFinished();
}

QStringList& Warnings()
{
    static QStringList warnings;
    return warnings;
}

void Record_Warnings(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtDebugMsg)
        Warnings().append(text);
}

} // namespace

class Tst_Fm_Form : public QObject
{
    Q_OBJECT
private slots:
    void builtWithoutWarnings();
    void everyRowIsWired();
    void vfoRule();
    void retranslateShowsFormTexts();
    void languageSwitchKeepsValues();
};

void Tst_Fm_Form::builtWithoutWarnings()
{
    Warnings().clear();
    const QtMessageHandler previous = qInstallMessageHandler(Record_Warnings);
    {
        FM_RADIO_FORM page(nullptr);
    }
    qInstallMessageHandler(previous);
    QCOMPARE(Warnings(), QStringList());
}

void Tst_Fm_Form::everyRowIsWired()
{
    FM_RADIO_FORM page(nullptr);
    auto* grid = qobject_cast<QGridLayout*>(Child<QScrollArea>(page, "scrollArea")->widget()->layout());
    QVERIFY(grid);
    for (int k = 0; k < 32; ++k) {
        QLineEdit* name = Child<QLineEdit>(page, Name_Name(k));
        QLineEdit* frequency = Child<QLineEdit>(page, Frequency_Name(k));
        QLabel* label = Child<QLabel>(page, Label_Name(k));
        // The row shows its number, its name field and its frequency field.
        const int row = 2 + 2 * k;
        QCOMPARE(grid->itemAtPosition(row, 0)->widget(), label);
        QCOMPARE(grid->itemAtPosition(row, 1)->widget(), name);
        QCOMPARE(grid->itemAtPosition(row, 3)->widget(), frequency);
        QCOMPARE(label->text(), QString::number(k));
        QCOMPARE(name->maxLength(), 8);
        QCOMPARE(frequency->maxLength(), 5);

        // Each field's slot works on its own row, with the row's default name.
        name->clear();
        Finish(frequency, "88");
        QCOMPARE(frequency->text(), QString("88.0"));
        QCOMPARE(name->text(), QString("FM-%1").arg(k, 2, 10, QLatin1Char('0')));
        Finish(name, "");
        QVERIFY(frequency->text().isEmpty());
        Finish(name, "Radio");
        QCOMPARE(frequency->text(), QString("90.4"));
        Finish(frequency, "99.9");
        Finish(name, "Other");
        QCOMPARE(frequency->text(), QString("99.9"));
        Finish(frequency, "");
        QVERIFY(name->text().isEmpty());
        Finish(name, "Radio");
        Finish(frequency, "120");
        QCOMPARE(frequency->text(), QString("108.0"));
        QCOMPARE(name->text(), QString("Radio"));
    }
    // No row reached into another: every row holds what its own steps left.
    for (int k = 0; k < 32; ++k) {
        QCOMPARE(Child<QLineEdit>(page, Frequency_Name(k))->text(), QString("108.0"));
        QCOMPARE(Child<QLineEdit>(page, Name_Name(k))->text(), QString("Radio"));
    }
}

void Tst_Fm_Form::vfoRule()
{
    FM_RADIO_FORM page(nullptr);
    QLineEdit* vfo = Child<QLineEdit>(page, "lineEdit_65");
    QCOMPARE(vfo->maxLength(), 5);
    Finish(vfo, "");
    QCOMPARE(vfo->text(), QString("90.4"));
    Finish(vfo, "64");
    QCOMPARE(vfo->text(), QString("64.0"));
    Finish(vfo, "nan");
    QCOMPARE(vfo->text(), QString("64.0"));
    Finish(vfo, "88.35");
    QCOMPARE(vfo->text(), QString("88.4"));
}

void Tst_Fm_Form::retranslateShowsFormTexts()
{
    FM_RADIO_FORM page(nullptr);
    Child<QLineEdit>(page, "lineEdit")->setText("Mine");
    Child<QLineEdit>(page, "lineEdit_65")->setText("100.0");
    Child<QComboBox>(page, "comboBox_1")->setCurrentIndex(1);
    page.RetranslatePage();
    QCOMPARE(Child<QLineEdit>(page, "lineEdit")->text(), QString("FM"));
    QCOMPARE(Child<QLineEdit>(page, "lineEdit_65")->text(), QString("90.4"));
    QCOMPARE(Child<QComboBox>(page, "comboBox_1")->currentIndex(), 0);
    QCOMPARE(Child<QComboBox>(page, "comboBox_1")->count(), 2);
    QCOMPARE(Child<QComboBox>(page, "comboBox_2")->count(), 2);
}

void Tst_Fm_Form::languageSwitchKeepsValues()
{
    Test_Workdir workdir;
    MainWindow window;
    auto* page = qobject_cast<FM_RADIO_FORM*>(window.Page_At(MainWindow::Slot_Fm_Radio));
    QVERIFY(page);
    QComboBox* onOff = Child<QComboBox>(*page, "comboBox_1");
    QComboBox* mode = Child<QComboBox>(*page, "comboBox_2");
    QLineEdit* vfo = Child<QLineEdit>(*page, "lineEdit_65");
    for (int k = 0; k < 32; k += 3) {
        Child<QLineEdit>(*page, Frequency_Name(k))->setText(QString("%1.%2").arg(70 + k).arg(k % 10));
        Child<QLineEdit>(*page, Name_Name(k))->setText(QString::fromUtf8("台%1").arg(k));
    }
    onOff->setCurrentIndex(1);
    mode->setCurrentIndex(1);
    vfo->setText("101.7");

    window.Language_Change("ENGLISH");
    QCOMPARE(onOff->currentText(), QString("On"));
    QCOMPARE(mode->currentText(), QString("Channel Mode"));
    QCOMPARE(Child<QLabel>(*page, "label_17")->text(), QString("Channel Name"));
    QCOMPARE(vfo->text(), QString("101.7"));
    for (int k = 0; k < 32; ++k) {
        const bool set = k % 3 == 0;
        QCOMPARE(Child<QLineEdit>(*page, Frequency_Name(k))->text(),
                 set ? QString("%1.%2").arg(70 + k).arg(k % 10) : QString());
        QCOMPARE(Child<QLineEdit>(*page, Name_Name(k))->text(), set ? QString::fromUtf8("台%1").arg(k) : QString());
    }

    window.Language_Change("CHINESE");
    QCOMPARE(onOff->currentText(), QString::fromUtf8("打开"));
    QCOMPARE(mode->currentIndex(), 1);
    QCOMPARE(Child<QLineEdit>(*page, "lineEdit")->text(), QString::fromUtf8("台0"));
    QCOMPARE(Child<QLineEdit>(*page, "lineEdit_62")->text(), QString("100.0"));
}

QTEST_MAIN(Tst_Fm_Form)
#include "tst_fm_form.moc"
