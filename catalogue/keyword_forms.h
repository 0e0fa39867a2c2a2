#pragma once

#include <string>
#include <vector>

// A search keyword as people type it, read the way one standard writes its designations.
// "HN400x200", "ＨＮ４００", "∠50×5", "φ89", "槽钢20" all mean rows the catalogue writes
// as "HN400×200", "HN400", "L50×5", "D89×4", "[20a": the search looks for the keyword
// itself and for its typed form, so what the keyword matched before is still found.

// How one standard writes its designations, read from the catalogue.
struct DesignationStyle {
    // What every designation of the standard has before its first digit ("I", "[", "D",
    // "口"); empty when they differ ("HW", "HN") or are bare numbers.
    std::string prefix;
    // Words that name the standard's family, longest first ("不等边角钢", "角钢").
    std::vector<std::string> familyWords;
};

// The keyword read in its typed forms for a standard of this style:
// - full-width letters, digits and symbols as ASCII, the ideographic space as a space;
// - "∠" as "L"; "□" and "囗" as "口";
// - "φ", "Φ", "ϕ", "∅", "⌀" and "D" before a digit as the standard's prefix, where that is
//   itself a diameter mark;
// - blanks next to a digit or a multiplication sign dropped ("HN 400 × 200");
// - "x", "X" and "*" after a digit as "×";
// - a family word followed by a size as the standard's prefix ("槽钢20" -> "[20").
// Returns the keyword unchanged when none of these applies.
std::string typedForm(const std::string& keyword, const DesignationStyle& style);

// The shared text before the first digit of every designation (blanks around them and
// empty ones ignored), or empty when they differ or one has no digit.
std::string designationPrefix(const std::vector<std::string>& designations);

// The family's name and its endings of two characters or more, except those that name
// another family ("等边角钢" is not a word of "不等边角钢"); longest first.
std::vector<std::string> familyWords(const std::string& family,
                                     const std::vector<std::string>& allFamilies);
