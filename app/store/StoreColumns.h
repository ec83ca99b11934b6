#pragma once
// Column positions of the two tables, as the statements "select *" return them.

namespace diary {
constexpr int ID = 0, Date = 1, Status = 2, Text = 3;
}
namespace setting {
constexpr int Name = 1, Regularity = 2, Cycle = 3, LastPeriod = 4, Notes = 5;
}
