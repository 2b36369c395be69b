#pragma once
// The shop's own data: everything here is fixed at build time and belongs to the shop, not to the
// program. Edit these values to hand the program to another shop; nothing else needs to change.

namespace shop {

inline constexpr char orderAddress[] = "orders@tovira.example.com";
inline constexpr char bankCode[] = "806";
inline constexpr char bankAccount[] = "204518763392";
inline constexpr char servicePhone[] = "02-2712-3456";
inline constexpr char staffName[] = "小蓉";

// Posts on the shop's blog that the link labels open.
namespace page {
    inline constexpr char gingerDuck[] = "https://tovira.example.com/2008/05/ginger-duck-stew.html";
    inline constexpr char braisedPork[] = "https://tovira.example.com/2008/05/mushroom-braised-pork.html";
    inline constexpr char pepperEdamame[] = "https://tovira.example.com/2008/05/black-pepper-edamame.html";
    inline constexpr char bambooPork[] = "https://tovira.example.com/2008/05/bamboo-shoot-pork-belly.html";
    inline constexpr char trotterSoup[] = "https://tovira.example.com/2008/06/peanut-pork-trotter-soup.html";
    inline constexpr char sesameRiceCake[] = "https://tovira.example.com/2008/06/sesame-oil-rice-cake.html";
    inline constexpr char pineappleShrimp[] = "https://tovira.example.com/2008/06/pineapple-shrimp.html";
    inline constexpr char beefSoup[] = "https://tovira.example.com/2008/06/slow-cooked-beef-soup.html";
    inline constexpr char blackBeanRibs[] = "https://tovira.example.com/2008/07/black-bean-spare-ribs.html";
    inline constexpr char peanutAnchovies[] = "https://tovira.example.com/2008/07/honey-peanut-anchovies.html";
    inline constexpr char braisedSquid[] = "https://tovira.example.com/2008/07/soy-braised-squid.html";
    inline constexpr char honeyDrumsticks[] = "https://tovira.example.com/2008/07/honey-glazed-drumsticks.html";
    inline constexpr char orderingRules[] = "https://tovira.example.com/2008/04/how-to-order.html";
    inline constexpr char openDates[] = "https://tovira.example.com/2008/08/delivery-calendar.html";
    inline constexpr char onTimeDelivery[] = "https://tovira.example.com/2008/04/receiving-on-time.html";
    inline constexpr char reviews[] = "https://tovira.example.com/2008/03/customer-reviews.html";
} // namespace page

} // namespace shop
