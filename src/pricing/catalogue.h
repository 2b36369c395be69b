#pragma once
// The thirteen dishes, in the order they stand on the product page (which is also the order of the
// order e-mail's product lines). Each row names the controls of its product line; the layout builds
// the row from it, the quantity handlers price it, and the order e-mail lists it.

#include <array>

namespace pricing {

struct Product {
    const char* nameLabel; // link label showing the name
    const char* name;
    const char* priceLabel; // caption: the unit price in whole dollars
    const char* price;
    const char* quantityBox; // combo box "00".."20"
    const char* subtotalLabel;
    const char* pointsLabel;
    int pointsPerUnit; // shipping points per unit
    const char* orderLine; // put before the quantity in the order e-mail
    bool orderable = true; // false: the row is greyed and its box disabled
};

inline constexpr std::array<Product, 13> catalogue { {
    { "Label3", "薑母鴨", "Label薑母鴨", "400", "Combo1", "Label6", "Label10", 2, "薑母鴨  X  " },
    { "Label27", "香菇滷肉", "Label55", "220", "Combo4", "Label28", "Label29", 1, "香菇滷肉  X  " },
    { "Label30", "黑胡椒毛豆", "Label56", "120", "Combo5", "Label36", "Label37", 1, "黑胡椒毛豆  X  " },
    { "Label31", "筍絲扣肉", "Label57", "330", "Combo6", "Label38", "Label39", 1, "筍絲扣肉  X  " },
    { "Label32", "花生豬腳湯", "Label58", "220", "Combo7", "Label40", "Label41", 1, "花生豬腳湯  X  " },
    { "Label33", "麻油血糕", "Label59", "220", "Combo8", "Label42", "Label43", 1, "麻油血糕  X  " },
    { "Label34", "鳳梨蝦仁", "Label60", "220", "Combo9", "Label44", "Label45", 1, "鳳梨蝦仁 X  ", false },
    { "Label5", "精燉牛肉湯", "Label61", "220", "Combo2", "Label7", "Label11", 1, "精燉牛肉湯 X  " },
    { "Label105", "豆鼓排骨", "Label106", "250", "Combo11", "Label107", "Label108", 1, "豆鼓排骨  X  " },
    { "Label54", "蜜酥花生小魚", "Label114", "200", "Combo3", "Label110", "Label112", 1, "蜜酥花生小魚  X  " },
    { "Label104", "醬燒小卷", "Label109", "200", "Combo12", "Label111", "Label113", 1, "醬燒小卷  X  " },
    { "Label115", "蜜汁雞腿", "Label116", "200", "Combo13", "Label117", "Label118", 1, "蜜汁雞腿 X  " },
    { "Label35", "特製沾醬包", "Label62", "100", "Combo10", "Label46", "Label47", 0, "特製沾醬包  X  " },
} };

} // namespace pricing
