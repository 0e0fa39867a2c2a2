// A keyword as people type it, read the way a standard writes its designations.
#include "catalogue/keyword_forms.h"

#include <QTest>

namespace {

const std::vector<std::string> families = {"工字钢", "槽钢", "等边角钢", "不等边角钢", "圆管",
                                           "H型钢",  "钢板", "压型钢板", "矩形管"};

DesignationStyle style(const std::string& prefix, const std::string& family) {
    return {prefix, family.empty() ? std::vector<std::string>{} : familyWords(family, families)};
}

// One row of the typed forms table: the keyword, the standard's designation prefix and
// family, and the form expected.
void form(const char* name, const char* keyword, const char* prefix, const char* family,
          const char* expected) {
    QTest::newRow(name) << QString::fromUtf8(keyword) << QString::fromUtf8(prefix)
                        << QString::fromUtf8(family) << QString::fromUtf8(expected);
}

} // namespace

class TstKeywordForms : public QObject {
    Q_OBJECT

  private slots:
    void typedForms_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("prefix"); // the standard's designation prefix
        QTest::addColumn<QString>("family"); // the standard's family
        QTest::addColumn<QString>("form");

        // Multiplication signs, after a digit only.
        form("x", "HN400x200", "", "H型钢", "HN400×200");
        form("X", "HN400X200", "", "H型钢", "HN400×200");
        form("star", "400*200", "", "", "400×200");
        form("x at the end", "HN400x", "", "", "HN400×");
        form("x not after a digit", "x10", "", "", "x10");
        form("x before a letter", "2xL", "", "", "2xL");
        form("x alone", "x", "", "", "x");
        // Blanks inside a designation, not elsewhere.
        form("blank before the size", "HN 400×200", "", "", "HN400×200");
        form("blanks around x", "400  x 200", "", "", "400×200");
        form("blanks between words", "' or '1'='1", "", "", "' or '1'='1");
        form("blank before a digit in text", "' or 1=1 --", "", "", "' or1=1--");
        form("trailing blank kept", "I10 ", "I", "", "I10 ");
        form("single blank", " ", "", "", " ");
        // Full-width forms.
        form("full-width letters and digits", "ＨＮ４００", "", "", "HN400");
        form("full-width star", "４００＊２００", "", "", "400×200");
        form("ideographic space", "HN\u3000400", "", "", "HN400");
        // Marks.
        form("angle mark", "∠50×5", "L", "等边角钢", "L50×5");
        form("angle mark, blank", "∠ 50x5", "L", "", "L50×5");
        form("square", "□100x50", "口", "矩形管", "口100×50");
        form("enclosure", "囗100", "口", "", "口100");
        // Diameter marks, to the prefix of a round tube table only.
        form("phi", "φ89", "D", "圆管", "D89");
        form("capital phi", "Φ89×4", "D", "圆管", "D89×4");
        form("empty set sign", "∅89", "D", "", "D89");
        form("diameter sign", "⌀89", "D", "", "D89");
        form("lower d", "d89", "D", "", "D89");
        form("phi in another table", "φ89", "I", "", "φ89");
        form("phi without a size", "φ", "D", "", "φ");
        form("D after a letter", "HD89", "D", "", "HD89");
        // Family words with a size.
        form("channel", "槽钢20", "[", "槽钢", "[20");
        form("beam with suffix", "工字钢20a", "I", "工字钢", "I20a");
        form("family word, blank", "槽钢 20", "[", "槽钢", "[20");
        form("family word, full-width size", "槽钢２０", "[", "槽钢", "[20");
        form("word of another family", "槽钢20", "I", "工字钢", "槽钢20");
        form("family word without a size", "槽钢", "[", "槽钢", "槽钢");
        form("mixed prefixes: the size", "H型钢400", "", "H型钢", "400");
        form("ending of the name", "角钢50x5", "L", "不等边角钢", "L50×5");
        // "等边角钢" names a family of its own: not a word of "不等边角钢".
        form("other family's name as ending", "等边角钢50", "L", "不等边角钢", "等边角钢50");
        form("longer name wins", "不等边角钢50", "L", "不等边角钢", "L50");
        form("钢板 inside 压型钢板", "钢板10", "", "压型钢板", "钢板10");
        // Text it does not know stays as it is, byte for byte.
        form("unchanged", "I10", "I", "工字钢", "I10");
        form("percent", "%", "", "", "%");
        form("empty", "", "[", "槽钢", "");
    }
    void typedForms() {
        QFETCH(QString, keyword);
        QFETCH(QString, prefix);
        QFETCH(QString, family);
        QFETCH(QString, form);
        QCOMPARE(QString::fromStdString(typedForm(
                     keyword.toStdString(), style(prefix.toStdString(), family.toStdString()))),
                 form);
    }

    void invalidBytesSurvive() {
        const std::string broken = "I1\xFF\xC3";
        QCOMPARE(typedForm(broken, {}), broken);
    }

    void designationPrefixes_data() {
        QTest::addColumn<QStringList>("designations");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("shared") << QStringList{"I10", "I12.6 ", "I20a"} << "I";
        QTest::newRow("differ") << QStringList{"HW100×100", "HN400×200"} << "";
        QTest::newRow("bare numbers") << QStringList{"5.5", "6"} << "";
        QTest::newRow("empty values ignored") << QStringList{"", "D89×4", "  "} << "D";
        QTest::newRow("one without digit") << QStringList{"[5", "["} << "";
        QTest::newRow("none") << QStringList{} << "";
    }
    void designationPrefixes() {
        QFETCH(QStringList, designations);
        QFETCH(QString, prefix);
        std::vector<std::string> values;
        for (const QString& d : designations)
            values.push_back(d.toStdString());
        QCOMPARE(QString::fromStdString(designationPrefix(values)), prefix);
    }
};

QTEST_GUILESS_MAIN(TstKeywordForms)
#include "tst_keyword_forms.moc"
