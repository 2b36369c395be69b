#pragma once
// What a screen reader finds in the window. Each control the customer can reach with the keyboard is
// named by the caption of the label that stands beside it on the page, as a sighted customer reads
// it; a quantity box by its dish. A link label is a link that a screen reader opens as a click does.

namespace form {

class Form1;

// Before the window makes its first label; the labels marked as links are links from then on.
void presentLinksToScreenReaders();

void nameControlsForScreenReaders(Form1& form);

} // namespace form
