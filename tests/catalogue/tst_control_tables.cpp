// The six control tables: exact sizes where their content is fixed, and the facts the
// browser and the calculator rely on.
#include "catalogue_test_support.h"

#include <QTest>
#include <algorithm>

namespace {

const ParsedTable& table(const std::string& name) {
    return parsedBuiltIn().tables.at(name);
}

// The record whose ID is id, or nullptr.
const std::vector<std::string>* recordOf(const ParsedTable& t, const std::string& id) {
    for (const std::vector<std::string>& r : t.records) {
        if (!r.empty() && r[0] == id) return &r;
    }
    return nullptr;
}

} // namespace

class TstControlTables : public QObject {
    Q_OBJECT

  private slots:
    void loadOrder();
    void textsParse();
    void byteCounts_data();
    void byteCounts();
    void shapes_data();
    void shapes();
    void ids_data();
    void ids();
    void subtypeRows_data();
    void subtypeRows();
    void blankSubtype();
    void headerNames_data();
    void headerNames();
    void barToWeld();
};

void TstControlTables::loadOrder() {
    const std::vector<std::string>& names = catalogueTableNames();
    QCOMPARE(names.size(), size_t(26));
    QCOMPARE(std::vector<std::string>(names.begin(), names.begin() + 6),
             (std::vector<std::string>{"BARTOWELD", "SECTIONTABLE", "HEADERNAMES", "SUBTYPES",
                                       "WELDCALCINFO", "WELDMARKINFO"}));
    QCOMPARE(names[6], std::string("热轧_不等边"));
    QCOMPARE(names[25], std::string("热轧方"));
    // Every table is built in, none is empty.
    const std::vector<CatalogueTable> tables = builtInCatalogue();
    QCOMPARE(tables.size(), names.size());
    for (size_t i = 0; i < tables.size(); ++i) {
        QCOMPARE(tables[i].name, names[i]);
        QVERIFY2(!tables[i].text.isEmpty(), names[i].c_str());
    }
}

void TstControlTables::textsParse() {
    QStringList errors;
    for (const std::string& e : parsedBuiltIn().parseErrors)
        errors << q(e);
    QCOMPARE(errors, QStringList());
}

void TstControlTables::byteCounts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("bytes");
    QTest::newRow("BARTOWELD") << "BARTOWELD" << 137;
    QTest::newRow("SECTIONTABLE") << "SECTIONTABLE" << 3763;
    QTest::newRow("HEADERNAMES") << "HEADERNAMES" << 918;
    QTest::newRow("SUBTYPES") << "SUBTYPES" << 10814;
    QTest::newRow("WELDCALCINFO") << "WELDCALCINFO" << 2069;
    QTest::newRow("WELDMARKINFO") << "WELDMARKINFO" << 1606;
}

void TstControlTables::byteCounts() {
    QFETCH(QString, name);
    QFETCH(int, bytes);
    QCOMPARE(int(parsedBuiltIn().bytes.at(u8(name))), bytes);
}

void TstControlTables::shapes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("header");
    QTest::addColumn<int>("rows");
    QTest::newRow("BARTOWELD") << "BARTOWELD"
                               << "ID,BARID,WELDID" << 8;
    QTest::newRow("SECTIONTABLE") << "SECTIONTABLE"
                                  << "ID,TYPE,NAME,ICON,ICONCOUNT,IMAGE,NORMTABLE,ORDER" << 33;
    QTest::newRow("HEADERNAMES") << "HEADERNAMES"
                                 << "ID,INDEX,HEADERNAME" << 25;
    QTest::newRow("SUBTYPES") << "SUBTYPES"
                              << "ID,NAME,SECTIONID,REMARK,ORDER,SHOWCOLS" << 81;
    QTest::newRow("WELDCALCINFO") << "WELDCALCINFO"
                                  << "ID,SECTIONID,AREA,WEIGHTPERM,AREAPERM" << 13;
    QTest::newRow("WELDMARKINFO") << "WELDMARKINFO"
                                  << "ID,SECTIONID,TEXT,POS,CENTER" << 56;
}

void TstControlTables::shapes() {
    QFETCH(QString, name);
    QFETCH(QString, header);
    QFETCH(int, rows);
    const ParsedTable& t = table(u8(name));
    QStringList names;
    for (const std::string& h : t.header)
        names << q(h);
    QCOMPARE(names.join(','), header);
    QCOMPARE(int(t.records.size()), rows);
}

// Ids stand in increasing order; the exact id sets are fixed.
void TstControlTables::ids_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<int>>("ids");
    auto range = [](int from, int to) {
        QList<int> out;
        for (int i = from; i <= to; ++i)
            out << i;
        return out;
    };
    QTest::newRow("BARTOWELD") << "BARTOWELD" << range(1, 8);
    QTest::newRow("SECTIONTABLE") << "SECTIONTABLE" << range(1, 33);
    QTest::newRow("HEADERNAMES") << "HEADERNAMES" << range(1, 25);
    QTest::newRow("SUBTYPES") << "SUBTYPES" << range(1, 81);
    QTest::newRow("WELDCALCINFO") << "WELDCALCINFO" << range(1, 7) + range(9, 14);
    QTest::newRow("WELDMARKINFO") << "WELDMARKINFO" << range(1, 56);
}

void TstControlTables::ids() {
    QFETCH(QString, name);
    QFETCH(QList<int>, ids);
    QList<int> actual;
    for (const std::vector<std::string>& r : table(u8(name)).records)
        actual << q(r[0]).toInt();
    QCOMPARE(actual, ids);
}

void TstControlTables::subtypeRows_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("showcols");
    QTest::newRow("1") << "1"
                       << "热轧工字钢"
                       << "13"
                       << "0"
                       << "规格,重量,表面积,截面积";
    QTest::newRow("29") << "29"
                        << "热轧H型钢-2010"
                        << "19"
                        << "1"
                        << "规格,详情,重量,表面积,截面积";
    QTest::newRow("38") << "38"
                        << "普通无缝钢管"
                        << "17"
                        << "5"
                        << "规格,重量,表面积,截面积";
    QTest::newRow("50") << "50"
                        << "夹芯板"
                        << "26"
                        << "0"
                        << "板型,板厚,板重,材质";
    QTest::newRow("60") << "60"
                        << "预应力砼用低合金钢丝"
                        << "30"
                        << "4"
                        << "边长,重量,截面积";
    QTest::newRow("71") << "71"
                        << "热轧工具扁钢"
                        << "31"
                        << "9"
                        << "宽度,厚度,重量";
    QTest::newRow("75") << "75"
                        << "椭圆型钢管"
                        << "32"
                        << "2"
                        << "型号,重量,截面积,公称壁厚,长轴外径,短轴外径";
    QTest::newRow("79") << "79"
                        << "热轧H型钢-2017"
                        << "19"
                        << "0"
                        << "规格,详情,重量,表面积,截面积";
    QTest::newRow("81") << "81"
                        << "冷拔矩形钢管"
                        << "28"
                        << "2"
                        << "规格,重量,表面积,截面积";
}

void TstControlTables::subtypeRows() {
    QFETCH(QString, id);
    QFETCH(QString, name);
    QFETCH(QString, section);
    QFETCH(QString, order);
    QFETCH(QString, showcols);
    const ParsedTable& t = table("SUBTYPES");
    const std::vector<std::string>* r = recordOf(t, u8(id));
    QVERIFY(r);
    QCOMPARE(q(field(t, *r, "NAME")), name);
    QCOMPARE(q(field(t, *r, "SECTIONID")), section);
    QCOMPARE(q(field(t, *r, "ORDER")), order);
    QCOMPARE(q(field(t, *r, "SHOWCOLS")), showcols);
}

void TstControlTables::blankSubtype() {
    const ParsedTable& t = table("SUBTYPES");
    const std::vector<std::string>* blank = recordOf(t, "73");
    QVERIFY(blank);
    for (size_t c = 1; c < blank->size(); ++c)
        QVERIFY2((*blank)[c].empty(), t.header[c].c_str());

    const std::vector<std::string>* r30 = recordOf(t, "30");
    QVERIFY(r30);
    QCOMPARE(q(field(t, *r30, "REMARK")),
             QStringLiteral("注：本数据来自《GB/T 11263-2017  热轧H型钢和剖分T型钢\n》"));
    // The one line feed of SUBTYPES is that one.
    int lineFeeds = 0;
    for (const std::vector<std::string>& r : t.records)
        for (const std::string& v : r)
            lineFeeds += int(std::count(v.begin(), v.end(), '\n'));
    QCOMPARE(lineFeeds, 1);
}

void TstControlTables::headerNames_data() {
    QTest::addColumn<QString>("index");
    QTest::addColumn<QString>("header");
    QTest::newRow("重量") << "重量"
                          << "重量(kg/m)";
    QTest::newRow("表面积") << "表面积"
                            << "表面积(m2/m)";
    QTest::newRow("截面积") << "截面积"
                            << "截面积(cm2)";
    QTest::newRow("螺栓重量") << "螺栓重量"
                              << "重量(kg/千套)";
    QTest::newRow("钢板重量") << "钢板重量"
                              << "重量(kg/m2)";
    QTest::newRow("压型钢板板重") << "压型钢板板重"
                                  << "板重(kg/m)";
}

void TstControlTables::headerNames() {
    QFETCH(QString, index);
    QFETCH(QString, header);
    const ParsedTable& t = table("HEADERNAMES");
    QStringList found;
    for (const std::vector<std::string>& r : t.records) {
        if (field(t, r, "INDEX") == u8(index)) found << q(field(t, r, "HEADERNAME"));
    }
    QCOMPARE(found, QStringList{header});
}

void TstControlTables::barToWeld() {
    const ParsedTable& t = table("BARTOWELD");
    QStringList pairs;
    for (const std::vector<std::string>& r : t.records)
        pairs << q(field(t, r, "BARID") + ">" + field(t, r, "WELDID"));
    QCOMPARE(pairs,
             QStringList({"19>1", "20>8", "21>24", "23>6", "22>3", "28>3", "17>4", "25>10"}));
}

QTEST_APPLESS_MAIN(TstControlTables)
#include "tst_control_tables.moc"
