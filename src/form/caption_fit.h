#pragma once
// Keeping a label's caption whole on this platform's fonts.

#include <QRect>
#include <utility>
#include <vector>

class QLabel;

namespace form {

// The captions were fitted by hand to their boxes in the customers' face, 新細明體, whose Latin
// letters, digits and blanks are narrow and proportional; the installed Ming face sets each of them
// in a half-width cell, so a caption with many of them can be wider than its box. Qt wraps such a
// line into a line the box cannot show. A caption whose designed lines fit its box is kept on them
// instead: it does not wrap, and it stays in its designed box `designed` as long as its ink does; only
// a caption whose ink would be cut grows sideways by what it needs (to the left when right-aligned;
// at 100 % Label53, Label73, Label77 and Label98), and only where even that would run past the
// window's edge are its letters set a little tighter (Label98 on a scaled screen, where the outlines'
// letters are wider than the bitmaps'). A caption longer than its box can show on its designed lines
// is left to wrap, as designed. In a face whose lines are taller than the Ming face's (JhengHei's on a
// Windows without 新細明體), a caption whose ink would be cut at its foot grows down, and the captions
// below it move down as much, where the page has room. Fits the captions of one page, each given with
// its designed box.
void keepCaptionsWhole(const std::vector<std::pair<QLabel*, QRect>>& captions, int windowWidth);

} // namespace form
