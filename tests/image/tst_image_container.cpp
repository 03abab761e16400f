#include "image/data_file_read_write.h"
#include "image/hex_text.h"
#include "support/test_image.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

class Tst_Image_Container : public QObject
{
    Q_OBJECT

private slots:
    void reads_across_lines_in_stored_case();
    void read_failures_return_empty();
    void writes_across_lines_and_consume_hex();
    void refused_writes_change_nothing_data();
    void refused_writes_change_nothing();
    void lines_are_found_by_index();
    void malformed_text_is_refused_data();
    void malformed_text_is_refused();
    void crlf_lines_are_kept();
    void loading_a_broken_file_keeps_image_and_file();
    void save_is_atomic_and_reports_failure();
    void files_over_the_limit_or_not_regular_are_refused();
};

void Tst_Image_Container::reads_across_lines_in_stored_case()
{
    QByteArray bytes;
    for (int i = 0; i < 40; ++i)
        bytes.append(char(0xA0 + i));
    auto image = Make_Image(0x1000, bytes, Image_Text_Options{16, true, false});

    QCOMPARE(image->Read_String_From_Ram_File(0x1000, 2), QStringLiteral("a0a1"));
    // From the middle of line one through line two into line three.
    QCOMPARE(image->Read_String_From_Ram_File(0x100E, 20), To_Hex(bytes.mid(14, 20)).toLower());
    QCOMPARE(image->Read_String_From_Ram_File(0x1027, 1), QStringLiteral("c7"));
    QCOMPARE(image->Read_String_From_Ram_File(0x1000, 40), To_Hex(bytes).toLower());
    QCOMPARE(image->Read_String_From_Ram_File(0x1010, 0), QString());
}

void Tst_Image_Container::read_failures_return_empty()
{
    auto image = Make_Image(0x1000, QByteArray(32, char(0x11)));
    DATA_FILE_READ_WRITE empty(QStringLiteral("/nonexistent/TempFile.Dat"));
    // Running past the end, below the first line, beyond it all, and in an empty image.
    const struct { DATA_FILE_READ_WRITE& image; int addr, size; } reads[] = {
        {*image, 0x101F, 2}, {*image, 0x0FFF, 1}, {*image, 0x2000, 4}, {empty, 0x8000, 1}};
    for (const auto& read : reads) {
        QTest::ignoreMessage(QtDebugMsg, "Read_String_From_Ram_File Data not find!");
        QCOMPARE(read.image.Read_String_From_Ram_File(read.addr, read.size), QString());
    }
    QCOMPARE(empty.Read_String_From_Ram_File(0x8000, 0), QString());
}

void Tst_Image_Container::writes_across_lines_and_consume_hex()
{
    auto image = Make_Image(0x1000, QByteArray(48, char(0xee)), Image_Text_Options{16, true, false});

    QString hex = QStringLiteral("0102030405060708090A0B0C0D0E0F10111213");
    QVERIFY(image->Write_String_To_Ram_File(0x100C, hex));
    QVERIFY(hex.isEmpty());
    // Written characters stand as given; untouched bytes keep their case.
    QCOMPARE(image->Read_String_From_Ram_File(0x100A, 23),
             QStringLiteral("eeee0102030405060708090A0B0C0D0E0F10111213eeee"));
    // Address and count fields and line ends are untouched.
    const QStringList lines = image->Image_Text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[1].startsWith(QStringLiteral("000010100010")));

    QString none;
    QVERIFY(image->Write_String_To_Ram_File(0x102F, none)); // empty write inside the image
}

void Tst_Image_Container::refused_writes_change_nothing_data()
{
    QTest::addColumn<int>("addr");
    QTest::addColumn<QString>("hex");
    QTest::newRow("runs past the end") << 0x102E << QStringLiteral("AABBCC");
    QTest::newRow("starts past the end") << 0x1030 << QStringLiteral("AA");
    QTest::newRow("below the first line") << 0x0FFF << QStringLiteral("AABB");
    QTest::newRow("odd length") << 0x1000 << QStringLiteral("ABC");
    QTest::newRow("not hex") << 0x1000 << QStringLiteral("A-");
    QTest::newRow("sign") << 0x1000 << QStringLiteral("+F");
    QTest::newRow("empty outside") << 0x2000 << QString();
}

void Tst_Image_Container::refused_writes_change_nothing()
{
    QFETCH(int, addr);
    QFETCH(QString, hex);
    auto image = Make_Image(0x1000, Seeded_Bytes(48, 7));
    const QString before = image->Image_Text();
    QString argument = hex;
    QTest::ignoreMessage(QtDebugMsg, "Write_String_To_Ram_File Data not find!");
    QVERIFY(!image->Write_String_To_Ram_File(addr, argument));
    QCOMPARE(argument, hex);
    QCOMPARE(image->Image_Text(), before);
}

void Tst_Image_Container::lines_are_found_by_index()
{
    // Lines of differing lengths: every byte must be found where it lies.
    const QByteArray bytes = Seeded_Bytes(1000, 3);
    QString text;
    int off = 0;
    int count = 1;
    while (off < bytes.size()) {
        const int n = qMin(count, int(bytes.size()) - off);
        text += Make_Image_Text(0x8000 + off, bytes.mid(off, n), Image_Text_Options{n, false, false});
        off += n;
        count = count % 37 + 1;
    }
    DATA_FILE_READ_WRITE image(QStringLiteral("/nonexistent/TempFile.Dat"));
    QVERIFY(image.Load_Image_Text(text));
    for (int addr = 0; addr < bytes.size(); addr += 13)
        QCOMPARE(image.Read_String_From_Ram_File(0x8000 + addr, 1), To_Hex(bytes.mid(addr, 1)));
    QCOMPARE(Image_Bytes(image), bytes);
}

void Tst_Image_Container::malformed_text_is_refused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("short line") << QStringLiteral("00001000\n") << QStringLiteral("第 1 行：行太短");
    QTest::newRow("bad address") << QStringLiteral("0000100G0001AA\n") << QStringLiteral("地址");
    QTest::newRow("bad count") << QStringLiteral("00001000000ZAA\n") << QStringLiteral("字节数");
    QTest::newRow("zero count") << QStringLiteral("000010000000\n") << QStringLiteral("字节数为0");
    QTest::newRow("too few digits") << QStringLiteral("000010000002AA\n") << QStringLiteral("数据少于字节数");
    QTest::newRow("too many digits") << QStringLiteral("000010000001AABB\n") << QStringLiteral("数据多于字节数");
    QTest::newRow("not hex data") << QStringLiteral("000010000002A-BB\n") << QStringLiteral("非十六进制");
    QTest::newRow("no final line break") << QStringLiteral("000010000001AA") << QStringLiteral("换行");
    QTest::newRow("blank line") << QStringLiteral("000010000001AA\n\n000010010001BB\n") << QStringLiteral("第 2 行：空行");
    QTest::newRow("blank crlf line") << QStringLiteral("000010000001AA\r\n\r\n") << QStringLiteral("第 2 行：空行");
    QTest::newRow("short line between") << QStringLiteral("0000100\n000010000001AA\n") << QStringLiteral("第 1 行：行太短");
    QTest::newRow("gap") << QStringLiteral("000010000001AA\n000010020001BB\n") << QStringLiteral("00001001");
    QTest::newRow("descending") << QStringLiteral("000010010001AA\n000010000001BB\n") << QStringLiteral("第 2 行");
    QTest::newRow("overlap") << QStringLiteral("000010000002AABB\n000010010001BB\n") << QStringLiteral("第 2 行");
    QTest::newRow("bom") << QStringLiteral("\xFEFF" "000010000001AA\n") << QStringLiteral("第 1 行");
    QTest::newRow("address overflow") << QStringLiteral("FFFFFFFF0001AA\n") << QStringLiteral("范围");
    QTest::newRow("trailing garbage") << QStringLiteral("000010000001AA\nX") << QStringLiteral("第 2 行");
}

void Tst_Image_Container::malformed_text_is_refused()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    auto image = Make_Image(0x1000, QByteArray(4, char(0x42)));
    const QString before = image->Image_Text();
    QVERIFY(!image->Load_Image_Text(text));
    QVERIFY2(image->Last_Error().contains(message), qPrintable(image->Last_Error()));
    QCOMPARE(image->Image_Text(), before);
    QCOMPARE(image->Read_String_From_Ram_File(0x1000, 4), QStringLiteral("42424242"));
}

void Tst_Image_Container::crlf_lines_are_kept()
{
    auto image = Make_Image(0x1000, QByteArray(10, char(0x00)), Image_Text_Options{4, false, true});
    QString hex = QStringLiteral("1122334455");
    QVERIFY(image->Write_String_To_Ram_File(0x1002, hex));
    QCOMPARE(image->Image_Text(),
             QStringLiteral("00001000000400001122\r\n00001004000433445500\r\n0000100800020000\r\n"));
    QCOMPARE(image->Read_String_From_Ram_File(0x1003, 4), QStringLiteral("22334455"));
}

void Tst_Image_Container::loading_a_broken_file_keeps_image_and_file()
{
    QTemporaryDir dir;
    const QString working = dir.filePath(QStringLiteral("TempFile.Dat"));
    const QString good = Make_Image_Text(0x1000, QByteArray(8, char(0x5A)));
    QString error;
    QVERIFY(DATA_FILE_READ_WRITE::Save_Image_Text(working, good, &error));

    DATA_FILE_READ_WRITE image(working);
    QVERIFY(image.Read_All_File_Data_To_Ram());
    QCOMPARE(image.Image_Text(), good);

    QVERIFY(Write_Text_File(working, QStringLiteral("000010000008ZZ\n")));
    QVERIFY(!image.Read_All_File_Data_To_Ram());
    QVERIFY(image.Last_Error().contains(QStringLiteral("第 1 行")));
    QCOMPARE(image.Image_Text(), good);

    QVERIFY(!DATA_FILE_READ_WRITE::Read_Image_File(dir.filePath(QStringLiteral("missing.PF")), &error, &error));
}

void Tst_Image_Container::save_is_atomic_and_reports_failure()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.PF"));
    auto image = Make_Image(0x1000, Seeded_Bytes(64, 9), Image_Text_Options{16, true, false});
    QVERIFY(image->Write_All_Ram_Data_to_File(path));
    QString text, error;
    QVERIFY(DATA_FILE_READ_WRITE::Read_Image_File(path, &text, &error));
    QCOMPARE(text, image->Image_Text());

    // A save into a folder that does not exist fails and says so.
    QVERIFY(!image->Write_All_Ram_Data_to_File(dir.filePath(QStringLiteral("no/such/folder/out.PF"))));
    QVERIFY(!image->Last_Error().isEmpty());

    // A failed save leaves the old file whole: a directory in the way of the
    // temporary file's rename cannot be replaced.
    const QString blocked = dir.filePath(QStringLiteral("blocked.PF"));
    QVERIFY(QDir().mkpath(blocked));
    QVERIFY(!image->Write_All_Ram_Data_to_File(blocked));
    QVERIFY(QFileInfo(blocked).isDir());
    QVERIFY(DATA_FILE_READ_WRITE::Read_Image_File(path, &text, &error));
    QCOMPARE(text, image->Image_Text());
}

void Tst_Image_Container::files_over_the_limit_or_not_regular_are_refused()
{
    // Exactly the limit; then one "\r" more: still well-formed, one byte over.
    QByteArray bytes;
    for (int i = 0; i < 128; ++i) {
        const int count = i < 127 ? 0xFFFF : 64831;
        bytes += (Be_To_Hex(quint32(i * 0xFFFF), 4) + Be_To_Hex(quint32(count), 2)).toLatin1() + QByteArray(2 * count, 'F') + '\n';
    }
    QCOMPARE(bytes.size(), Image_Text_Max_Chars);
    QTemporaryDir dir;
    const auto at = [&dir](const char* name) { return dir.filePath(QLatin1String(name)); };
    const auto native = [&at](const char* name) { return QFile::encodeName(at(name)); };
    QFile file(at("limit.PF"));
    QString text, error;
    for (bool accepted : {true, false}) {
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        QVERIFY2(DATA_FILE_READ_WRITE::Read_Image_File(file.fileName(), &text, &error) == accepted, qPrintable(error));
        bytes.insert(bytes.size() - 1, '\r');
    }
    QVERIFY2(error.contains(QStringLiteral("16 MiB")), qPrintable(error));

    // A folder, a device and a FIFO are refused at once, before any read.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.PF")) && QFile::link(QStringLiteral("/dev/zero"), at("zero.PF")));
    QCOMPARE(::mkfifo(native("fifo.PF").constData(), 0600), 0);
    for (const char* name : {"folder.PF", "zero.PF", "fifo.PF"}) {
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!DATA_FILE_READ_WRITE::Read_Image_File(at(name), &text, &error));
        QVERIFY2(timer.elapsed() < 1000 && error.contains(name[1] == 'o' ? "文件夹" : "不是普通文件"), qPrintable(error));
    }

    // A FIFO swapped in while the file is opened is refused, never waited on:
    // a thread swaps it with a regular file for 2 s of opens. Should an open
    // wait all the same, a writer lets it go after 20 s and the time fails.
    const QString swapped = at("swapped.PF"), good = Make_Image_Text(0x1000, QByteArray(8, 'Z'));
    QVERIFY(Write_Text_File(at("regular"), good) && Write_Text_File(swapped, good));
    std::atomic<bool> done{false};
    std::thread swapper([&] {
        const QByteArray names[] = {native("fifo.PF"), native("regular"), native("next"), native("swapped.PF")};
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; !done; ++i) {
            if (::link(names[i % 2].constData(), names[2].constData()) == 0)
                ::rename(names[2].constData(), names[3].constData());
            if (clock.elapsed() > 20000)
                ::close(::open(names[0].constData(), O_WRONLY | O_NONBLOCK));
        }
    });
    QElapsedTimer timer;
    timer.start();
    qint64 longest = 0;
    QString wrong;
    for (qint64 start; (start = timer.elapsed()) < 2000 && wrong.isEmpty(); longest = qMax(longest, timer.elapsed() - start)) {
        if (DATA_FILE_READ_WRITE::Read_Image_File(swapped, &text, &error) ? text != good : !error.contains(QStringLiteral("不是普通文件")))
            wrong = error;
    }
    done = true;
    swapper.join();
    QVERIFY2(longest < 5000 && wrong.isEmpty(), qPrintable(QString::number(longest) + QLatin1Char(' ') + wrong));

    // Nor does a save replace one, or a device node where mknod is permitted (only
    // nodes in this folder: a save that went wrong must not reach /dev); a link
    // to a regular file is saved through and stays a link.
    auto image = Make_Image(0x1000, QByteArray(4, char(0x5A)));
    const QString link = at("link.PF");
    QVERIFY(QFile::link(file.fileName(), link) && image->Write_All_Ram_Data_to_File(link));
    QVERIFY(QFileInfo(link).isSymLink() && Read_Text_File(file.fileName()) == image->Image_Text());
    QVERIFY(QFile::link(at("fifo.PF"), at("fifo link.PF")));
    QCOMPARE(::symlink("loop.PF", native("loop.PF").constData()), 0);
    const bool device = ::mknod(native("null.PF").constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    for (const char* name : {"folder.PF", "fifo.PF", "fifo link.PF", "loop.PF", "null.PF"}) {
        struct stat before = {}, after = {};
        if (::lstat(native(name).constData(), &before) != 0)
            continue; // no device node here
        QVERIFY(!image->Write_All_Ram_Data_to_File(at(name)) && ::lstat(native(name).constData(), &after) == 0);
        QVERIFY2(after.st_mode == before.st_mode && after.st_ino == before.st_ino, name);
    }
    if (!device)
        QSKIP("mknod is not permitted here: the device node was not tried");
}

QTEST_MAIN(Tst_Image_Container)
#include "tst_image_container.moc"
