// The source folders are layers: image < widgets < pages < app < bench,
// defaults. A file includes only from its own folder and the layers below it.
// The page folders (pages/<name>/) sit above the files directly in pages/ and
// are independent of each other, as are bench/ and defaults/. A generated form
// header ui_<name>.h belongs to the folder of <name>.h.

#include <QtTest>

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
    if (top == QLatin1String("image"))
        return {top, 0};
    if (top == QLatin1String("widgets"))
        return {top, 1};
    if (top == QLatin1String("pages"))
        return parts.size() > 2 ? Unit {top + QLatin1Char('/') + parts.at(1), 3} : Unit {top, 2};
    if (top == QLatin1String("app"))
        return {top, 4};
    if (top == QLatin1String("bench") || top == QLatin1String("defaults"))
        return {top, 5};
    return {parts.size() > 1 ? top : QStringLiteral("the top folder"), -1};
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
    void sources_include_only_from_their_layer_and_below();
    void every_kind_of_crossing_is_found_data();
    void every_kind_of_crossing_is_found();
};

void Tst_Layers::sources_include_only_from_their_layer_and_below()
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

void Tst_Layers::every_kind_of_crossing_is_found_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("include");
    QTest::addColumn<bool>("crosses");
    QTest::newRow("from below") << "widgets/w.cpp" << "#include \"image/i.h\"" << false;
    QTest::newRow("same folder, bare name") << "widgets/w.cpp" << "#include \"w.h\"" << false;
    QTest::newRow("page from common pages") << "pages/fm/f.cpp" << "#include \"pages/p.h\"" << false;
    QTest::newRow("app from a page, bracketed") << "app/a.cpp" << "#include <pages/fm/f.h>" << false;
    QTest::newRow("own form") << "pages/fm/f.cpp" << "#include \"ui_f.h\"" << false;
    QTest::newRow("system header") << "image/i.cpp" << "#include <QString>" << false;
    QTest::newRow("from above") << "image/i.cpp" << "#include \"widgets/w.h\"" << true;
    QTest::newRow("from above, bracketed") << "widgets/w.cpp" << "  #  include <app/a.h>" << true;
    QTest::newRow("from above, relative") << "pages/fm/f.cpp" << "#include \"../../app/a.h\"" << true;
    QTest::newRow("another page") << "pages/fm/f.cpp" << "#include \"pages/aprs/g.h\"" << true;
    QTest::newRow("common pages from a page") << "pages/p.h" << "#include \"pages/fm/f.h\"" << true;
    QTest::newRow("another page's form") << "pages/aprs/g.cpp" << "#include \"ui_f.h\"" << true;
    QTest::newRow("bench from defaults") << "defaults/d.cpp" << "#include \"bench/b.h\"" << true;
    QTest::newRow("test helpers") << "app/a.cpp" << "#include \"tests/t.h\"" << true;
}

void Tst_Layers::every_kind_of_crossing_is_found()
{
    QFETCH(QString, file);
    QFETCH(QString, include);
    QFETCH(bool, crosses);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QStringList tree {"image/i.h",      "widgets/w.h",    "pages/p.h", "pages/fm/f.h", "pages/aprs/g.h",
                            "app/a.h",        "bench/b.h",      "defaults/d.h", "tests/t.h",  file};
    for (const QString& path : tree) {
        QVERIFY(QDir(root.path()).mkpath(QFileInfo(path).path()));
        QFile out(root.filePath(path));
        QVERIFY(out.open(QIODevice::WriteOnly));
        if (path == file)
            out.write("// first line\n" + include.toUtf8() + '\n');
    }
    const QStringList violations = Check_Layers(root.path()).Violations;
    QCOMPARE(violations.size(), crosses ? 1 : 0);
    if (crosses)
        QVERIFY2(violations.first().startsWith(file + QStringLiteral(":2: includes")), qPrintable(violations.first()));
}

QTEST_GUILESS_MAIN(Tst_Layers)
#include "tst_layers.moc"
