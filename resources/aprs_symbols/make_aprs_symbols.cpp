// Draws the 2 x 94 APRS symbol pictures of the APRS page and the resource
// file that lists them.
//
// Usage: make-aprs-symbols <symbols.dat> <output folder>
//
// symbols.dat is the symbol pixel art of the xastir-data package: "TABLE /"
// and "TABLE \" start the primary and alternate tables, "APRS c" starts the
// 20 x 20 picture of symbol character c, one character per pixel from a fixed
// palette ("." transparent). Every symbol is scaled to 64 x 64; a symbol the
// file lacks (or a missing file) gets a drawn disc with its character.
//
// Qt writes no GIF, so the pictures are PNG data under the .gif names the
// page asks for; the page reads them by content.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <QVector>

#include <cstdio>

namespace {

constexpr int Symbol_Count = 94; // "!" (33) to "~" (126)
constexpr int Art_Size = 20;
constexpr int Picture_Size = 64;

using Art = QVector<QString>; // Art_Size rows of Art_Size characters

struct Table
{
    QHash<QChar, Art> Symbols;
};

QColor Palette_Color(QChar c)
{
    switch (c.toLatin1()) {
    case '#': return QColor(255, 215, 0);
    case 'a': return QColor(40, 40, 40);
    case 'b': return QColor(128, 0, 128);
    case 'c': return QColor(0, 220, 220);
    case 'd': return QColor(128, 128, 128);
    case 'e': return QColor(255, 0, 255);
    case 'f': return QColor(255, 140, 0);
    case 'g': return QColor(30, 144, 255);
    case 'h': return QColor(0, 0, 230);
    case 'i': return QColor(0, 120, 0);
    case 'j': return QColor(230, 0, 0);
    case 'k': return QColor(0, 200, 0);
    case 'l': return QColor(0, 160, 230);
    case 'm': return QColor(255, 255, 255);
    case 'n': return QColor(70, 70, 70);
    case 'o': return QColor(190, 190, 190);
    case 'p': return QColor(0, 0, 140);
    case 'q': return QColor(0, 0, 0);
    case 'r': return QColor(140, 70, 0);
    default: return QColor(Qt::transparent);
    }
}

// Reads the primary ("/") and alternate ("\") tables; other tables are skipped.
bool Read_Tables(const QString& path, Table* primary, Table* alternate)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    Table* current = nullptr;
    QChar symbol;
    Art art;
    bool reading = false;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (reading) {
            art.append(line.left(Art_Size).leftJustified(Art_Size, QLatin1Char('.')));
            if (art.size() == Art_Size) {
                current->Symbols.insert(symbol, art);
                reading = false;
            }
            continue;
        }
        if (line.startsWith(QLatin1String("TABLE "))) {
            const QChar id = line.size() > 6 ? line.at(6) : QChar();
            current = id == QLatin1Char('/') ? primary : id == QLatin1Char('\\') ? alternate : nullptr;
        } else if (current && line.startsWith(QLatin1String("APRS ")) && line.size() > 5) {
            symbol = line.at(5);
            art.clear();
            reading = true;
        }
    }
    return true;
}

QImage Draw_Art(const Art& art)
{
    QImage image(Picture_Size, Picture_Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const int scale = Picture_Size / Art_Size;              // 3
    const int margin = (Picture_Size - scale * Art_Size) / 2; // 2
    QPainter painter(&image);
    for (int y = 0; y < Art_Size; ++y) {
        for (int x = 0; x < Art_Size; ++x) {
            const QColor color = Palette_Color(art.at(y).at(x));
            if (color.alpha() > 0)
                painter.fillRect(margin + x * scale, margin + y * scale, scale, scale, color);
        }
    }
    return image;
}

QImage Draw_Fallback(QChar symbol, bool alternate)
{
    QImage image(Picture_Size, Picture_Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(alternate ? QColor(255, 230, 160) : QColor(200, 225, 255));
    painter.drawEllipse(QRectF(4, 4, Picture_Size - 8, Picture_Size - 8));
    QFont font;
    font.setPixelSize(34);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, Picture_Size, Picture_Size), Qt::AlignCenter, QString(symbol));
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-aprs-symbols <symbols.dat> <output folder>\n");
        return 2;
    }
    const QString dataPath = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));

    Table primary;
    Table alternate;
    if (!Read_Tables(dataPath, &primary, &alternate))
        std::fprintf(stderr, "make-aprs-symbols: %s not readable, drawing every symbol\n", argv[1]);

    struct Set
    {
        const Table* Symbols;
        bool Alternate;
        const char* Folder;
        const char* Prefix;
    };
    const Set sets[] = {{&primary, false, "ICON/APRS_Symbol/Primary", "aprs-symbols-64-0_"},
                        {&alternate, true, "ICON/APRS_Symbol/Alternate", "aprs-symbols-64-1_"}};

    QString qrc = QStringLiteral("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n");
    for (const Set& set : sets) {
        if (!out.mkpath(QLatin1String(set.Folder))) {
            std::fprintf(stderr, "make-aprs-symbols: cannot make %s\n", set.Folder);
            return 1;
        }
        for (int i = 0; i < Symbol_Count; ++i) {
            const QChar symbol(33 + i);
            const QImage image = set.Symbols->Symbols.contains(symbol)
                                     ? Draw_Art(set.Symbols->Symbols.value(symbol))
                                     : Draw_Fallback(symbol, set.Alternate);
            const QString name = QLatin1String(set.Folder) + QLatin1Char('/') + QLatin1String(set.Prefix)
                                 + QStringLiteral("%1.gif").arg(i + 1, 2, 10, QLatin1Char('0'));
            if (!image.save(out.filePath(name), "PNG")) {
                std::fprintf(stderr, "make-aprs-symbols: cannot write %s\n", qPrintable(name));
                return 1;
            }
            qrc += QStringLiteral("  <file>") + name + QStringLiteral("</file>\n");
        }
    }
    qrc += QStringLiteral("</qresource>\n</RCC>\n");

    QFile qrcFile(out.filePath(QStringLiteral("aprs_symbols.qrc")));
    if (!qrcFile.open(QIODevice::WriteOnly | QIODevice::Truncate) || qrcFile.write(qrc.toUtf8()) < 0) {
        std::fprintf(stderr, "make-aprs-symbols: cannot write aprs_symbols.qrc\n");
        return 1;
    }
    return 0;
}
