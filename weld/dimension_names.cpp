#include "weld/dimension_names.h"

#include <iterator>

namespace {

// Read off the family drawings and the area formulas of the weld families: for the box
// (3) b1 is the height of the side plates of thickness t1, b2 the width; for the box
// girder (7) D1, D2 are the outstands of the flanges beyond the webs; the wedge (9)
// tapers from h1 to h2 along its top flange of thickness t1; the cross (5) is a vertical
// H (h1, b1, tw1, t1, t2) with a horizontal one (h2, b2, tw2, t3, t4) through its web.
struct Meaning {
    int family;
    const char* symbol;
    const char* meaning;
};

constexpr Meaning meanings[] = {
    {1, "h", "截面高度"},
    {1, "b", "翼缘宽度"},
    {1, "tw", "腹板厚度"},
    {1, "t1", "上翼缘厚度"},
    {1, "t2", "下翼缘厚度"},
    {2, "h", "截面高度"},
    {2, "b1", "上翼缘宽度"},
    {2, "b2", "下翼缘宽度"},
    {2, "tw", "腹板厚度"},
    {2, "t1", "上翼缘厚度"},
    {2, "t2", "下翼缘厚度"},
    {3, "b1", "截面高度"},
    {3, "b2", "截面宽度"},
    {3, "t1", "侧板厚度"},
    {3, "t2", "上下板厚度"},
    {4, "D", "外径"},
    {4, "t", "壁厚"},
    {5, "h1", "竖向H截面高度"},
    {5, "b1", "竖向H翼缘宽度"},
    {5, "tw1", "竖向H腹板厚度"},
    {5, "t1", "竖向H上翼缘厚度"},
    {5, "t2", "竖向H下翼缘厚度"},
    {5, "h2", "横向H截面高度"},
    {5, "b2", "横向H翼缘宽度"},
    {5, "tw2", "横向H腹板厚度"},
    {5, "t3", "横向H左翼缘厚度"},
    {5, "t4", "横向H右翼缘厚度"},
    {6, "h", "截面高度"},
    {6, "b", "翼缘宽度"},
    {6, "t1", "腹板厚度"},
    {6, "t2", "翼缘厚度"},
    {7, "h", "截面高度"},
    {7, "b", "翼缘宽度"},
    {7, "D1", "左侧翼缘外伸宽度"},
    {7, "D2", "右侧翼缘外伸宽度"},
    {7, "t1", "翼缘厚度"},
    {7, "t2", "腹板厚度"},
    {8, "h", "截面高度"},
    {8, "b", "翼缘宽度"},
    {8, "c", "卷边高度"},
    {8, "t", "壁厚"},
    {9, "h1", "大端截面高度"},
    {9, "h2", "小端截面高度"},
    {9, "b", "翼缘宽度"},
    {9, "tw", "腹板厚度"},
    {9, "t1", "斜翼缘厚度"},
    {9, "t2", "下翼缘厚度"},
    {10, "b", "宽度"},
    {10, "t", "厚度"},
    {11, "D", "外径"},
    {11, "t", "壁厚"},
    {12, "D", "直径"},
    {24, "h", "截面高度"},
    {24, "b", "翼缘宽度"},
    {24, "c", "卷边高度"},
    {24, "t", "壁厚"},
};

} // namespace

std::string dimensionMeaning(int familyId, const std::string& symbol) {
    for (const Meaning& m : meanings) {
        if (m.family == familyId && symbol == m.symbol) return m.meaning;
    }
    return {};
}

std::string dimensionFieldName(int familyId, const std::string& symbol) {
    const std::string meaning = dimensionMeaning(familyId, symbol);
    return meaning.empty() ? symbol : symbol + " " + meaning;
}
