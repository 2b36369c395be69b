#pragma once
// Keeping a label's caption whole on this platform's fonts.

class QLabel;

namespace form {

// The captions were fitted by hand to their boxes in the designed face. Where ours draws a line wider
// (the Ming face's Latin letters, digits and blanks are wider) and wrapping would push text below the
// box, the caption keeps its designed lines instead: the box grows sideways by what it needs (to the
// left when right-aligned), and where that would run past the window's edge the letters are set a
// little tighter. A caption that cannot be kept whole that way is left to wrap as designed.
void keepCaptionWhole(QLabel* label, int windowWidth);

} // namespace form
