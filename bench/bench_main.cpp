// Times the editor's heavy operations on the default image and prints a
// table of medians against their targets. Run from anywhere; it works in a
// temporary copy of the runtime folder and shows no window.

#include "app/mainwindow.h"
#include "bench_support.h"
#include "image/data_file_read_write.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double Median_Ms(int runs, const std::function<void()>& operation)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        operation();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Build_Every_Page(MainWindow& window)
{
    for (int slot = 0; slot < MainWindow::Slot_Count; ++slot)
        window.Page_At(MainWindow::Page_Slot(slot));
}

struct Row
{
    const char* Name;
    double Median;
    double Target;
};

} // namespace

int main(int argc, char* argv[])
{
    Prefer_Offscreen_Platform();
    QApplication app(argc, argv);

    QTemporaryDir work;
    Enter_Runtime_Copy(work.path());
    QDir dir(work.path());
    {
        QSettings config(QStringLiteral("./Config/SYS_CONFIG.ini"), QSettings::IniFormat);
        config.setValue(QStringLiteral("/SYSTEM_SETTING/LANGUAGE"), QStringLiteral("CHINESE"));
    }
    const QString defaultFile = QStringLiteral("./Default/Default_CN.PF");
    const QString outFile = dir.filePath(QStringLiteral("bench.PF"));

    std::vector<Row> rows;
    DATA_FILE_READ_WRITE image(dir.filePath(QStringLiteral("TempFile.Dat")));
    rows.push_back({"load and check the default image", Median_Ms(50, [&] {
                        QString text;
                        QString error;
                        QVector<Image_Line_Info> lines;
                        DATA_FILE_READ_WRITE::Read_Image_File(defaultFile, &text, &error, &lines);
                        image.Load_Checked_Image_Text(text, std::move(lines));
                    }), 1.0});
    rows.push_back({"MainWindow construction (first page built)", Median_Ms(5, [] { MainWindow window; }), 15.0});
    rows.push_back({"MainWindow construction, every page built", Median_Ms(5, [] {
                        MainWindow window;
                        Build_Every_Page(window);
                    }), 150.0});

    // The rows below work on every page.
    MainWindow window;
    Build_Every_Page(window);
    rows.push_back({"decode all (load a file, decode every page)",
                    Median_Ms(20, [&] { window.Set_Windows_Data_From_SP_Read(defaultFile); }), 3.0});
    rows.push_back({"encode all with save", Median_Ms(20, [&] { window.Get_Windows_Data_To_SP_Write(outFile); }), 2.0});
    bool english = false;
    rows.push_back({"language switch", Median_Ms(10, [&] {
                        english = !english;
                        window.Language_Change(english ? QStringLiteral("ENGLISH") : QStringLiteral("CHINESE"));
                    }), 15.0});

    std::printf("| %-45s | %10s | %10s | %-4s |\n", "operation", "median ms", "target ms", "ok");
    std::printf("|-%-45s-|-%10s-|-%10s-|-%-4s-|\n", "---------------------------------------------", "----------",
                "----------", "----");
    bool allOk = true;
    for (const Row& row : rows) {
        const bool ok = row.Median < row.Target;
        allOk = allOk && ok;
        std::printf("| %-45s | %10.2f | %10.0f | %-4s |\n", row.Name, row.Median, row.Target, ok ? "yes" : "NO");
    }
    QDir::setCurrent(QDir::rootPath());
    return allOk ? 0 : 1;
}
