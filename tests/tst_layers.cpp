// The source folders are layers: image < widgets < pages < app < bench,
// defaults. A file includes only from its own folder and the layers below it.
// The page folders (pages/<name>/) sit above the files directly in pages/ and
// are independent of each other, as are bench/ and defaults/. A generated form
// header ui_<name>.h belongs to the folder of <name>.h.

#include <QtTest>

#include <algorithm>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QStringList Layer_Folders {QStringLiteral("image"), QStringLiteral("widgets"), QStringLiteral("pages"),
                                 QStringLiteral("app"), QStringLiteral("bench"), QStringLiteral("defaults")};

// Where a file lies: its folder as a unit of the rule and that unit's height.
struct Unit
{
    QString Name; // "image", "pages", "pages/fm", ...; the first folder outside the layers
    int Level;    // -1 outside the layers
};

Unit Unit_Of(const QString& relative)
{
    const QStringList parts = relative.split(QLatin1Char('/'));
    const QString& top = parts.first();
    const int level = std::min(int(Layer_Folders.indexOf(top)), 4); // bench and defaults side by side
    if (level == 2 && parts.size() > 2)
        return {top + QLatin1Char('/') + parts.at(1), 3};
    return {level < 0 && parts.size() == 1 ? QStringLiteral("the top folder") : top, level <= 2 ? level : level + 1};
}

struct Layer_Check
{
    QStringList Scanned;    // every hand-written source, relative to the root
    QStringList Violations; // "file:line: ..." one per offending include
};

// Reads the include lines of every .h/.cpp below the layer folders of `root`.
Layer_Check Check_Layers(const QString& root)
{
    Layer_Check check;
    const QDir rootDir(root);
    for (const QString& folder : Layer_Folders) {
        QDirIterator it(rootDir.filePath(folder), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            check.Scanned << rootDir.relativeFilePath(it.next());
    }
    check.Scanned.sort();

    // ui_<name>.h is generated from forms/<name>.ui for the class in <name>.h.
    QHash<QString, QString> byFileName;
    for (const QString& file : check.Scanned)
        byFileName.insert(QFileInfo(file).fileName(), file);

    static const QRegularExpression includeLine(QStringLiteral(R"(^\s*#\s*include\s*(["<])([^">]+)[">])"));
    for (const QString& file : check.Scanned) {
        const Unit from = Unit_Of(file);
        QFile source(rootDir.filePath(file));
        if (!source.open(QIODevice::ReadOnly)) {
            check.Violations << file + QStringLiteral(": cannot be read");
            continue;
        }
        const QStringList lines = QString::fromUtf8(source.readAll()).split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            const QRegularExpressionMatch match = includeLine.match(lines.at(i));
            if (!match.hasMatch())
                continue;
            const QString included = match.captured(2);
            const bool quoted = match.captured(1) == QLatin1String("\"");

            // A quoted name is looked for next to the file, then from the root;
            // a bracketed one from the root only. Names found in neither place
            // (Qt, the system, moc output) are not the tree's.
            QString target;
            QStringList candidates;
            if (quoted)
                candidates << QFileInfo(rootDir.filePath(file)).dir().filePath(included);
            candidates << rootDir.filePath(included);
            for (const QString& candidate : candidates) {
                if (QFileInfo(candidate).isFile()) {
                    target = rootDir.relativeFilePath(QDir::cleanPath(candidate));
                    break;
                }
            }
            const QString fileName = QFileInfo(included).fileName();
            if (target.isEmpty() && fileName.startsWith(QLatin1String("ui_")))
                target = byFileName.value(fileName.mid(3));
            if (target.isEmpty())
                continue;

            const Unit to = target.startsWith(QLatin1String("../")) ? Unit {QStringLiteral("outside the tree"), -1}
                                                                     : Unit_Of(target);
            QString why;
            if (to.Level < 0)
                why = QStringLiteral("%1 is outside the layers").arg(to.Name);
            else if (to.Level > from.Level)
                why = QStringLiteral("%1 is above %2").arg(to.Name, from.Name);
            else if (to.Level == from.Level && to.Name != from.Name)
                why = QStringLiteral("%1 and %2 are independent").arg(to.Name, from.Name);
            if (!why.isEmpty())
                check.Violations << QStringLiteral("%1:%2: includes \"%3\": %4").arg(file).arg(i + 1).arg(included, why);
        }
    }
    return check;
}

} // namespace

class Tst_Layers : public QObject
{
    Q_OBJECT

private slots:
    void sources_include_only_from_their_layer_and_below()
    {
        const Layer_Check check = Check_Layers(QStringLiteral(KESTREL_SOURCE_DIR));
        // Each layer folder holds sources, so a wrong root cannot pass unseen.
        for (const QString& folder : Layer_Folders) {
            const bool found = std::any_of(check.Scanned.cbegin(), check.Scanned.cend(), [&](const QString& file) {
                return file.startsWith(folder + QLatin1Char('/'));
            });
            QVERIFY2(found, qPrintable(QStringLiteral("no sources in %1/").arg(folder)));
        }
        QVERIFY2(check.Violations.isEmpty(), qPrintable(QLatin1Char('\n') + check.Violations.join(QLatin1Char('\n'))));
    }

    // One tree with every kind of include; the lines marked "// X" cross a layer.
    void every_kind_of_crossing_is_found()
    {
        const QList<QPair<QString, QStringList>> tree {
            {"image/i.h", {"#include <QString>", "#include \"widgets/w.h\" // X"}},
            {"widgets/w.h", {"#include \"image/i.h\"", "#include \"w.h\"", "  #  include <app/a.h> // X"}},
            {"pages/p.h", {"#include \"pages/fm/f.h\" // X"}},
            {"pages/fm/f.h", {"#include \"pages/p.h\"", "#include \"ui_f.h\"", "#include \"../../app/a.h\" // X",
                              "#include \"pages/aprs/g.h\" // X"}},
            {"pages/aprs/g.h", {"#include \"ui_f.h\" // X"}},
            {"app/a.h", {"#include <pages/fm/f.h>", "#include \"tests/t.h\" // X"}},
            {"bench/b.h", {}},
            {"defaults/d.h", {"#include \"bench/b.h\" // X"}},
            {"tests/t.h", {}}};
        QTemporaryDir root;
        QStringList expected;
        for (const auto& [path, lines] : tree) {
            QVERIFY(root.isValid() && QDir(root.path()).mkpath(QFileInfo(path).path()));
            QFile out(root.filePath(path));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(lines.join(QLatin1Char('\n')).toUtf8());
            for (int i = 0; i < lines.size(); ++i) {
                if (lines[i].endsWith(QLatin1String("// X")))
                    expected << QStringLiteral("%1:%2").arg(path).arg(i + 1);
            }
        }
        QStringList found = Check_Layers(root.path()).Violations;
        for (QString& violation : found)
            violation = violation.section(QLatin1Char(':'), 0, 1);
        found.sort();
        expected.sort();
        QCOMPARE(found, expected);
    }
};

QTEST_GUILESS_MAIN(Tst_Layers)
#include "tst_layers.moc"
