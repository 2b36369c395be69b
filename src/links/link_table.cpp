#include "links/link_table.h"

#include "shop/shop.h"

namespace links {

// Product labels top to bottom as on the product page, then the information links page by page.
const std::array<Link, 17> linkTable { {
    { "Label3", shop::page::gingerDuck },
    { "Label27", shop::page::braisedPork },
    { "Label30", shop::page::pepperEdamame },
    { "Label31", shop::page::bambooPork },
    { "Label32", shop::page::trotterSoup },
    { "Label33", shop::page::sesameRiceCake },
    { "Label34", shop::page::pineappleShrimp },
    { "Label5", shop::page::beefSoup },
    { "Label105", shop::page::blackBeanRibs },
    { "Label54", shop::page::peanutAnchovies },
    { "Label104", shop::page::braisedSquid },
    { "Label115", shop::page::honeyDrumsticks },
    { "Label35", shop::page::gingerDuck }, // the sauce pack is served with the duck and described there
    { "Label73", shop::page::orderingRules },
    { "Label88", shop::page::openDates },
    { "Label76", shop::page::onTimeDelivery },
    { "Label77", shop::page::reviews },
} };

} // namespace links
