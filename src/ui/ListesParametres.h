#pragma once
// The drop-down lists of the parameter editor: which texts each parameter row offers, the value each item
// stands for, and the item that shows a stored value. Pure functions, so they are tested without a display.

#include <string>
#include <vector>

namespace vasterel::ui {

// Rows 9 to 11 and 23 to 25 are maluses: their lists offer -1, -0.5 and 0.
bool EstLigneMalus(int ligne);

// The texts of the list of parameter row 1..25, in list order.
const std::vector<std::string> &ItemsDeLigne(int ligne);

// The value of item `index` (from 0) of row `ligne`.
float ChercheValeurDepuisIndex(int index, int ligne);

// The item that shows value v in row `ligne`, rounding halves to the even neighbour. The result may fall
// outside the list for a value that only a hand-edited file can hold; the caller shows such a value apart.
int ChercheIndexDepuisValeur(float v, int ligne);

// The text a list shows for a value that none of its items stands for.
std::string TexteValeur(float v);

} // namespace vasterel::ui
