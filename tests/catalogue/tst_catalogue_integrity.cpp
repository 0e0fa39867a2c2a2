// References between the tables, checked on whatever data the tables hold.
#include "catalogue_test_support.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

const ParsedTable& table(const std::string& name) {
    return parsedBuiltIn().tables.at(name);
}

QString value(const ParsedTable& t, const std::vector<std::string>& r, const char* column) {
    return q(field(t, r, column));
}

// Family id -> spec table, for the bar sections.
QHash<QString, QString> specTableOfFamily() {
    QHash<QString, QString> out;
    const ParsedTable& sections = table("SECTIONTABLE");
    for (const std::vector<std::string>& r : sections.records) {
        if (value(sections, r, "TYPE") == QLatin1String("1"))
            out.insert(value(sections, r, "ID"), value(sections, r, "NORMTABLE"));
    }
    return out;
}

QSet<QString> weldFamilies() {
    QSet<QString> out;
    const ParsedTable& sections = table("SECTIONTABLE");
    for (const std::vector<std::string>& r : sections.records) {
        if (value(sections, r, "TYPE") == QLatin1String("0")) out.insert(value(sections, r, "ID"));
    }
    return out;
}

bool isRowId(const QString& text) {
    static const QRegularExpression id(QStringLiteral("^(0|[1-9][0-9]*)$"));
    return id.match(text).hasMatch();
}

} // namespace

class TstCatalogueIntegrity : public QObject {
    Q_OBJECT

  private slots:
    void sectionTable();
    void normTablesAreTheSpecTables();
    void subtypesBelongToBarFamilies();
    void shownColumnsExist_data();
    void shownColumnsExist();
    void specTableRows_data();
    void specTableRows();
    void weldFamiliesHaveFormulasAndMarks();
    void formulasUseOnlyKnownNames_data();
    void formulasUseOnlyKnownNames();
    void headerNamesAreUnique();
    void barToWeldPairs();
};

void TstCatalogueIntegrity::sectionTable() {
    const ParsedTable& t = table("SECTIONTABLE");
    QSet<QString> ids;
    QHash<QString, QSet<QString>> orders; // kind -> orders
    for (const std::vector<std::string>& r : t.records) {
        const QString id = value(t, r, "ID");
        QVERIFY2(isRowId(id), qPrintable(id));
        QVERIFY2(!ids.contains(id), qPrintable(id));
        ids.insert(id);
        const QString kind = value(t, r, "TYPE");
        QVERIFY2(kind == QLatin1String("0") || kind == QLatin1String("1"), qPrintable(id));
        const QString order = value(t, r, "ORDER");
        QVERIFY2(isRowId(order), qPrintable(id));
        QVERIFY2(!orders[kind].contains(order), qPrintable(id + " repeats order " + order));
        orders[kind].insert(order);
        QCOMPARE(value(t, r, "ICONCOUNT"), QStringLiteral("3"));
        const bool weld = kind == QLatin1String("0");
        QVERIFY(value(t, r, "ICON")
                    .startsWith(weld ? QStringLiteral("/Image/SectionWeld/")
                                     : QStringLiteral("/Image/SectionBar/")));
        QVERIFY(value(t, r, "IMAGE")
                    .startsWith(weld ? QStringLiteral("/Image/SectionWeldImage/")
                                     : QStringLiteral("/Image/SectionBarImage/")));
        QCOMPARE(value(t, r, "NORMTABLE").isEmpty(), weld);
    }
    // Orders run without gaps within each kind.
    for (const QString& kind : {QStringLiteral("0"), QStringLiteral("1")}) {
        for (int i = 0; i < orders[kind].size(); ++i)
            QVERIFY2(orders[kind].contains(QString::number(i)), qPrintable(kind));
    }
    QCOMPARE(orders[QStringLiteral("0")].size(), 13);
    QCOMPARE(orders[QStringLiteral("1")].size(), 20);
}

void TstCatalogueIntegrity::normTablesAreTheSpecTables() {
    QStringList named = specTableOfFamily().values();
    named.sort();
    QStringList spec;
    for (const std::string& name : specTableNames())
        spec << q(name);
    spec.sort();
    QCOMPARE(named, spec); // one family per spec table, none left over
    static const QRegularExpression bare(QStringLiteral("^[\\p{L}\\p{N}_]+$"));
    for (const QString& name : named)
        QVERIFY2(bare.match(name).hasMatch(), qPrintable(name));
}

void TstCatalogueIntegrity::subtypesBelongToBarFamilies() {
    const QHash<QString, QString> families = specTableOfFamily();
    const ParsedTable& t = table("SUBTYPES");
    QSet<QString> ids;
    QHash<QString, QList<int>> orders; // family -> orders
    for (const std::vector<std::string>& r : t.records) {
        const QString id = value(t, r, "ID");
        QVERIFY2(isRowId(id) && !ids.contains(id), qPrintable(id));
        ids.insert(id);
        const QString family = value(t, r, "SECTIONID");
        if (family.isEmpty()) {
            QCOMPARE(id, QStringLiteral("73")); // the one row of no family
            continue;
        }
        QVERIFY2(families.contains(family), qPrintable(id + " names family " + family));
        QVERIFY2(!value(t, r, "NAME").isEmpty(), qPrintable(id));
        orders[family] << value(t, r, "ORDER").toInt();
    }
    // Every bar family has subtypes, ordered 0, 1, ... without gaps or ties.
    for (auto it = families.cbegin(); it != families.cend(); ++it) {
        QList<int> o = orders.value(it.key());
        std::sort(o.begin(), o.end());
        QVERIFY2(!o.isEmpty(), qPrintable(it.key()));
        for (int i = 0; i < o.size(); ++i)
            QVERIFY2(o[i] == i, qPrintable(it.key()));
        QVERIFY(o.size() <= 10); // text order equals numeric order
    }
}

void TstCatalogueIntegrity::shownColumnsExist_data() {
    QTest::addColumn<QString>("subtype");
    const ParsedTable& t = table("SUBTYPES");
    for (const std::vector<std::string>& r : t.records) {
        if (!field(t, r, "SECTIONID").empty()) QTest::newRow(r[0].c_str()) << q(r[0]);
    }
}

void TstCatalogueIntegrity::shownColumnsExist() {
    QFETCH(QString, subtype);
    const ParsedTable& t = table("SUBTYPES");
    const std::vector<std::string>* row = nullptr;
    for (const std::vector<std::string>& r : t.records) {
        if (q(r[0]) == subtype) row = &r;
    }
    QVERIFY(row);
    const QString spec = specTableOfFamily().value(value(t, *row, "SECTIONID"));
    const ParsedTable& specTable = table(u8(spec));
    QStringList columns;
    for (const std::string& h : specTable.header)
        columns << q(h);

    const QString shown = value(t, *row, "SHOWCOLS");
    QVERIFY(!shown.isEmpty());
    static const QRegularExpression bare(QStringLiteral("^[\\p{L}\\p{N}_]+$"));
    const QStringList names = shown.split(',');
    for (const QString& name : names) {
        QVERIFY2(bare.match(name).hasMatch(), qPrintable(shown));
        QVERIFY2(columns.contains(name), qPrintable(name + " is not a column of " + spec));
        QVERIFY2(name != QLatin1String("ID") && name != QLatin1String("SUBTYPEID"),
                 qPrintable(shown));
    }
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
}

void TstCatalogueIntegrity::specTableRows_data() {
    QTest::addColumn<QString>("name");
    for (const std::string& name : specTableNames())
        QTest::newRow(name.c_str()) << q(name);
}

void TstCatalogueIntegrity::specTableRows() {
    QFETCH(QString, name);
    const ParsedTable& t = table(u8(name));
    QVERIFY(t.header.size() > 2);
    QCOMPARE(q(t.header[0]), QStringLiteral("ID"));
    QCOMPARE(q(t.header[1]), QStringLiteral("SUBTYPEID"));

    // The family whose NORMTABLE names this table, and its subtypes.
    const QHash<QString, QString> families = specTableOfFamily();
    const QString family = families.key(name);
    QVERIFY(!family.isEmpty());
    QSet<QString> subtypes;
    const ParsedTable& st = table("SUBTYPES");
    for (const std::vector<std::string>& r : st.records) {
        if (value(st, r, "SECTIONID") == family) subtypes.insert(value(st, r, "ID"));
    }

    long long previous = -1;
    for (const std::vector<std::string>& r : t.records) {
        const QString id = q(r[0]);
        QVERIFY2(isRowId(id), qPrintable(id));
        const long long n = id.toLongLong();
        QVERIFY2(n > previous, qPrintable(id + " does not follow " + QString::number(previous)));
        previous = n;

        const QString subtype = q(r[1]);
        bool blank = true;
        for (size_t c = 1; c < r.size(); ++c)
            blank = blank && r[c].empty();
        if (blank) continue; // a blank row has only its ID
        if (subtype == QLatin1String("73"))
            continue; // rows of the unlisted subtype carry nothing shown
        QVERIFY2(subtypes.contains(subtype), qPrintable("row " + id + " names subtype " + subtype +
                                                        ", not of family " + family));
    }
}

void TstCatalogueIntegrity::weldFamiliesHaveFormulasAndMarks() {
    const QSet<QString> weld = weldFamilies();
    QCOMPARE(weld.size(), 13);
    QHash<QString, int> formulas, marks;
    const ParsedTable& calc = table("WELDCALCINFO");
    for (const std::vector<std::string>& r : calc.records) {
        const QString family = value(calc, r, "SECTIONID");
        QVERIFY2(weld.contains(family), qPrintable(family));
        ++formulas[family];
        QVERIFY2(!value(calc, r, "WEIGHTPERM").trimmed().isEmpty(), qPrintable(family));
        QVERIFY2(!value(calc, r, "AREAPERM").trimmed().isEmpty(), qPrintable(family));
    }
    const ParsedTable& markTable = table("WELDMARKINFO");
    static const QRegularExpression pos(QStringLiteral("^[0-9]+,[0-9]+$"));
    for (const std::vector<std::string>& r : markTable.records) {
        const QString family = value(markTable, r, "SECTIONID");
        QVERIFY2(weld.contains(family), qPrintable(family));
        ++marks[family];
        QVERIFY(pos.match(value(markTable, r, "POS")).hasMatch());
        const QString center = value(markTable, r, "CENTER");
        QVERIFY(center == QLatin1String("Y") || center == QLatin1String("N"));
    }
    for (const QString& family : weld) {
        QVERIFY2(formulas.value(family) == 1, qPrintable(family));
        QVERIFY2(marks.value(family) >= 1, qPrintable(family));
    }
}

void TstCatalogueIntegrity::formulasUseOnlyKnownNames_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("formula");
    const ParsedTable& calc = table("WELDCALCINFO");
    for (const std::vector<std::string>& r : calc.records) {
        for (const char* column : {"AREA", "WEIGHTPERM", "AREAPERM"}) {
            const QString f = value(calc, r, column);
            if (!f.isEmpty())
                QTest::newRow(qPrintable(value(calc, r, "SECTIONID") + ' ' + column))
                    << value(calc, r, "SECTIONID") << column << f;
        }
    }
}

void TstCatalogueIntegrity::formulasUseOnlyKnownNames() {
    QFETCH(QString, family);
    QFETCH(QString, formula);
    QSet<QString> known = {QStringLiteral("l"), QStringLiteral("p"), QStringLiteral("pi")};
    const ParsedTable& markTable = table("WELDMARKINFO");
    for (const std::vector<std::string>& r : markTable.records) {
        if (value(markTable, r, "SECTIONID") == family) known.insert(value(markTable, r, "TEXT"));
    }
    QString text = formula;
    text.replace(QStringLiteral("Math.sqrt("), QStringLiteral("("));
    static const QRegularExpression allowed(QStringLiteral("^[A-Za-z0-9_.+\\-*/()\\[\\] \\n]*$"));
    QVERIFY2(allowed.match(text).hasMatch(), qPrintable(formula));
    static const QRegularExpression token(QStringLiteral("[A-Za-z_][A-Za-z0-9_]*|[0-9.]+"));
    for (auto it = token.globalMatch(text); it.hasNext();) {
        const QString name = it.next().captured();
        if (name[0].isDigit() || name[0] == '.') continue;
        QVERIFY2(known.contains(name), qPrintable(name + " in " + formula));
    }
}

void TstCatalogueIntegrity::headerNamesAreUnique() {
    const ParsedTable& t = table("HEADERNAMES");
    QSet<QString> indexes;
    for (const std::vector<std::string>& r : t.records) {
        const QString index = value(t, r, "INDEX");
        QVERIFY2(!indexes.contains(index), qPrintable(index));
        indexes.insert(index);
        QVERIFY2(!value(t, r, "HEADERNAME").isEmpty(), qPrintable(index));
    }
}

void TstCatalogueIntegrity::barToWeldPairs() {
    const QHash<QString, QString> bars = specTableOfFamily();
    const QSet<QString> weld = weldFamilies();
    const ParsedTable& t = table("BARTOWELD");
    for (const std::vector<std::string>& r : t.records) {
        QVERIFY2(bars.contains(value(t, r, "BARID")), r[0].c_str());
        QVERIFY2(weld.contains(value(t, r, "WELDID")), r[0].c_str());
    }
}

QTEST_APPLESS_MAIN(TstCatalogueIntegrity)
#include "tst_catalogue_integrity.moc"
