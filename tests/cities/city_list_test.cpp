#include "cities/city_list.h"

#include "sound/list_file.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

Control freshGrid() {
    Control grid;
    grid.kind = ControlKind::Grid;
    resetCityGrid(grid);
    return grid;
}

TEST(CityGrid, CellsOutsideTheGridReadEmptyAndIgnoreWrites) {
    Control grid = freshGrid();
    EXPECT_EQ(cityCell(grid, 5, 0), "");
    EXPECT_EQ(cityCell(grid, 1, 99), "");
    EXPECT_EQ(cityCell(grid, -1, -1), "");
    setCityCell(grid, 7, 0, "Paris");
    setCityCell(grid, 1, 25, "x");
    EXPECT_EQ(grid.cells.size(), 2u);
    EXPECT_EQ(grid.cells[1].size(), kCityListColumns);
    grid.cells[1].resize(2); // a short row grows when written
    setCityCell(grid, 1, kCityMark, "1");
    EXPECT_EQ(grid.cells[1].size(), kCityListColumns);
    EXPECT_EQ(cityCell(grid, 1, kCityMark), "1");
}

TEST(CityGrid, TheCurrentCityIsTheLastRowMarkedWithANonZeroInteger) {
    Control grid = freshGrid();
    EXPECT_EQ(currentCityRow(grid), 0);
    insertCityRow(grid, 2);
    insertCityRow(grid, 3);
    setCityCell(grid, 1, kCityMark, "1");
    setCityCell(grid, 2, kCityMark, " 2");
    setCityCell(grid, 3, kCityMark, "yes"); // not a number: not marked
    EXPECT_EQ(currentCityRow(grid), 2);
    setCityCell(grid, 2, kCityMark, "0");
    EXPECT_EQ(currentCityRow(grid), 1);
}

TEST(CityGrid, DeletingKeepsOneDataRowAndTheCursorInside) {
    Control grid = freshGrid();
    setCityCell(grid, 1, kCityName, "Rome");
    insertCityRow(grid, 2);
    setCityCell(grid, 2, kCityName, "Oslo");
    grid.row = 2;
    deleteCityRow(grid, 2);
    EXPECT_EQ(lastCityRow(grid), 1);
    EXPECT_EQ(grid.row, 1);
    deleteCityRow(grid, 1);
    ASSERT_EQ(lastCityRow(grid), 1);
    EXPECT_EQ(cityCell(grid, 1, kCityName), "");
    EXPECT_EQ(grid.cells[1].size(), kCityListColumns);
    deleteCityRow(grid, 0); // the header stays
    EXPECT_EQ(cityCell(grid, 0, kCityName), "City");
}

} // namespace
} // namespace kelvaro
