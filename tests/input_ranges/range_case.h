#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace dravik::test {

// One input at the edges of its range: values just inside, values just
// outside, and how the refusal must name the field.
struct RangeCase {
    std::string name;
    std::string control;  // objectName
    std::string caption;  // as the window shows it, without the colon
    std::string words;    // the range as the refusal words it
    std::vector<std::string> inside;
    std::vector<std::string> outside;
};

inline void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.control; }

// Every ranged input is exercised by one of these lists.
std::vector<RangeCase> stage1Cases();
std::vector<RangeCase> lvCases();
std::vector<RangeCase> kuCases();
std::vector<RangeCase> hvCases();

}  // namespace dravik::test
