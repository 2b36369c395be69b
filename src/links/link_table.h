#pragma once
// The window's web links: seventeen labels, each opening one post on the shop's blog. The thirteen
// product names lead to their dishes (the dipping-sauce pack shares the ginger-duck post, so there
// are sixteen pages); four information links lead to the ordering rules, the open receiving dates,
// receiving on time and customers' reviews. A click opens the page and changes nothing in the window.

#include <array>

namespace links {

struct Link {
    const char* label; // the label's layout name
    const char* address; // an absolute https address, ASCII
};

extern const std::array<Link, 17> linkTable;

} // namespace links
