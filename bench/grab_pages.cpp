// Draws every page of the editor offscreen and saves the pictures, so that
// a change meant to leave the look alone can be checked against the pictures
// of the commit before it.
//
//   kestrel-grab-pages <folder>                  saves the pictures into <folder>
//   kestrel-grab-pages --compare <old> <new>     names every picture that differs
//   kestrel-grab-pages --byte-map [CHINESE|ENGLISH]
//                                                prints who owns each byte (below)
//
// Four sets: started in Chinese, switched to English; started in English,
// switched to Chinese. Each set has, per page, the whole window, the full
// scrolled content, every combo box's open list, every hidden widget on its
// own, and a text listing of every widget's geometry, font and colours.
// Every caption wider than its room is named on the standard output.

#include "app/byte_map.h"
#include "app/clipped_captions.h"
#include "app/mainwindow.h"
#include "bench_support.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QScrollArea>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeWidget>

#include <cstdio>

namespace {

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

QString Widget_Path(const QWidget* w, const QWidget* top)
{
    QStringList parts;
    for (; w && w != top; w = w->parentWidget()) {
        const QWidget* parent = w->parentWidget();
        int index = 0;
        if (parent) {
            for (const QObject* o : parent->children()) {
                if (o == w)
                    break;
                if (o->isWidgetType())
                    ++index;
            }
        }
        parts.prepend(QStringLiteral("%1:%2#%3").arg(index).arg(QLatin1String(w->metaObject()->className()), w->objectName()));
    }
    return parts.join(QLatin1Char('/'));
}

// One line per widget below `page`: where it is, how big, its font and colours.
QString Widget_Listing(QWidget* page)
{
    static const QPalette::ColorRole roles[] = {QPalette::WindowText, QPalette::Window, QPalette::Text,
                                                QPalette::Base, QPalette::Button, QPalette::ButtonText,
                                                QPalette::Highlight, QPalette::HighlightedText};
    QString text;
    QTextStream out(&text);
    QList<QWidget*> widgets = page->findChildren<QWidget*>();
    widgets.prepend(page);
    for (QWidget* w : widgets) {
        const QRect g = w->geometry();
        out << Widget_Path(w, page) << (w->isHidden() ? " hidden" : "") << " geom " << g.x() << ',' << g.y() << ' '
            << g.width() << 'x' << g.height() << " hint " << w->sizeHint().width() << 'x' << w->sizeHint().height()
            << " font " << w->font().toString() << " [" << QFontInfo(w->font()).family() << ' '
            << QFontInfo(w->font()).pixelSize() << "px]";
        for (QPalette::ColorRole role : roles)
            out << ' ' << w->palette().color(QPalette::Active, role).name(QColor::HexArgb);
        out << '\n';
    }
    return text;
}

bool Save(const QPixmap& picture, const QString& path)
{
    if (picture.save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool Grab_Set(MainWindow& window, const QString& folder, const QString& prefix)
{
    bool ok = true;
    auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("treeWidget"));
    for (int row = 0; row < tree->topLevelItemCount(); ++row) {
        tree->setCurrentItem(tree->topLevelItem(row));
        const auto slot = MainWindow::Page_Slot(tree->topLevelItem(row)->data(0, Qt::UserRole).toInt());
        QWidget* page = window.Page_At(slot);
        Settle();
        const QString base = QStringLiteral("%1/%2_%3_%4").arg(folder, prefix).arg(row).arg(QLatin1String(page->metaObject()->className()));
        ok = Save(window.grab(), base + QStringLiteral("_window.png")) && ok;
        for (QScrollArea* area : page->findChildren<QScrollArea*>())
            if (area->widget())
                ok = Save(area->widget()->grab(), base + QStringLiteral("_content_") + area->objectName() + QStringLiteral(".png")) && ok;
        for (QWidget* w : page->findChildren<QWidget*>())
            if (w->isHidden() && !w->objectName().isEmpty() && !w->isWindow())
                ok = Save(w->grab(), base + QStringLiteral("_hidden_") + w->objectName() + QStringLiteral(".png")) && ok;
        for (QComboBox* combo : page->findChildren<QComboBox*>()) {
            if (!combo->isVisibleTo(page) || combo->objectName().isEmpty())
                continue;
            combo->showPopup();
            Settle();
            ok = Save(combo->view()->window()->grab(), base + QStringLiteral("_list_") + combo->objectName() + QStringLiteral(".png")) && ok;
            combo->hidePopup();
            Settle();
        }
        for (const QString& caption : Clipped_Captions(page))
            std::printf("clipped in %s: %s\n", prefix.toUtf8().constData(), qPrintable(caption));
        QFile listing(base + QStringLiteral("_widgets.txt"));
        ok = listing.open(QIODevice::WriteOnly) && listing.write(Widget_Listing(page).toUtf8()) >= 0 && ok;
    }
    return ok;
}

int Grab_All(const QString& folder)
{
    QDir().mkpath(folder);
    const QString target = QDir(folder).absolutePath();
    QTemporaryDir work;
    Enter_Runtime_Copy(work.path());

    bool ok = true;
    const struct
    {
        const char* Start;
        const char* Then;
        const char* Prefix;
    } runs[] = {{"CHINESE", "ENGLISH", "cn"}, {"ENGLISH", "CHINESE", "en"}};
    for (const auto& run : runs) {
        {
            QSettings config(QStringLiteral("./Config/SYS_CONFIG.ini"), QSettings::IniFormat);
            config.setValue(QStringLiteral("/SYSTEM_SETTING/LANGUAGE"), QLatin1String(run.Start));
        }
        MainWindow window;
        window.resize(1280, 800);
        window.show();
        Settle();
        ok = Grab_Set(window, target, QLatin1String(run.Prefix) + QStringLiteral("_start")) && ok;
        window.Language_Change(QLatin1String(run.Then));
        ok = Grab_Set(window, target, QLatin1String(run.Prefix) + QStringLiteral("_switched")) && ok;
    }
    QDir::setCurrent(QDir::rootPath());
    return ok ? 0 : 1;
}

int Compare(const QString& oldFolder, const QString& newFolder)
{
    const QStringList oldFiles = QDir(oldFolder).entryList(QDir::Files, QDir::Name);
    const QStringList newFiles = QDir(newFolder).entryList(QDir::Files, QDir::Name);
    int differences = 0;
    for (const QString& name : newFiles)
        if (!oldFiles.contains(name)) {
            std::printf("only in %s: %s\n", qPrintable(newFolder), qPrintable(name));
            ++differences;
        }
    for (const QString& name : oldFiles) {
        const QString a = QDir(oldFolder).filePath(name);
        const QString b = QDir(newFolder).filePath(name);
        if (!newFiles.contains(name)) {
            std::printf("only in %s: %s\n", qPrintable(oldFolder), qPrintable(name));
            ++differences;
            continue;
        }
        if (name.endsWith(QLatin1String(".txt"))) {
            QFile fa(a), fb(b);
            fa.open(QIODevice::ReadOnly);
            fb.open(QIODevice::ReadOnly);
            const QList<QByteArray> la = fa.readAll().split('\n');
            const QList<QByteArray> lb = fb.readAll().split('\n');
            for (int i = 0; i < qMax(la.size(), lb.size()); ++i) {
                const QByteArray x = la.value(i), y = lb.value(i);
                if (x != y) {
                    std::printf("%s line %d:\n  - %s\n  + %s\n", qPrintable(name), i + 1, x.constData(), y.constData());
                    ++differences;
                }
            }
            continue;
        }
        const QImage ia = QImage(a).convertToFormat(QImage::Format_ARGB32);
        const QImage ib = QImage(b).convertToFormat(QImage::Format_ARGB32);
        if (ia.size() != ib.size()) {
            std::printf("%s: size %dx%d -> %dx%d\n", qPrintable(name), ia.width(), ia.height(), ib.width(), ib.height());
            ++differences;
            continue;
        }
        int pixels = 0;
        QRect box;
        for (int y = 0; y < ia.height(); ++y)
            for (int x = 0; x < ia.width(); ++x)
                if (ia.pixel(x, y) != ib.pixel(x, y)) {
                    ++pixels;
                    box |= QRect(x, y, 1, 1);
                }
        if (pixels) {
            std::printf("%s: %d pixels differ in %d,%d %dx%d\n", qPrintable(name), pixels, box.x(), box.y(),
                        box.width(), box.height());
            ++differences;
        }
    }
    std::printf("%lld pictures and listings compared, %d differences\n", static_cast<long long>(oldFiles.size()), differences);
    return differences ? 1 : 0;
}

// Every run of bytes the pages' field maps and the shell own, in address
// order: address, width, page, widget and its caption in `language`; then a
// line for each two owners of the same bytes, which makes the exit status 1.
int Print_Byte_Map(const QString& language)
{
    QTemporaryDir work;
    Enter_Runtime_Copy(work.path());
    int status = 0;
    {
        QSettings(QStringLiteral("./Config/SYS_CONFIG.ini"), QSettings::IniFormat)
            .setValue(QStringLiteral("/SYSTEM_SETTING/LANGUAGE"), language);
        const MainWindow window(nullptr, MainWindow::Start_Up::Fresh_Pages);
        const Byte_Map map = Make_Byte_Map(window);
        for (const QString& line : Byte_Map_Lines(map))
            std::printf("%s\n", line.toUtf8().constData());
        status = map.Conflicts.isEmpty() ? 0 : 1;
    }
    QDir::setCurrent(QDir::rootPath());
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    Prefer_Offscreen_Platform();
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("--compare"))
        return Compare(args.at(2), args.at(3));
    if (args.size() == 2 && !args.at(1).startsWith(QLatin1Char('-')))
        return Grab_All(args.at(1));
    const QString language = args.value(2, QStringLiteral("ENGLISH"));
    if (args.size() <= 3 && args.value(1) == QLatin1String("--byte-map")
        && (language == QLatin1String("ENGLISH") || language == QLatin1String("CHINESE")))
        return Print_Byte_Map(language);
    std::fprintf(stderr, "usage: kestrel-grab-pages <folder> | --compare <old folder> <new folder>"
                         " | --byte-map [CHINESE|ENGLISH]\n");
    return 2;
}
