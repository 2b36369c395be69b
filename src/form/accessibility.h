#pragma once
// Names a screen reader speaks for each control the customer can reach with the keyboard: the caption
// of the label that stands beside it on the page, as a sighted customer reads it.

namespace form {

class Form1;

void nameControlsForScreenReaders(Form1& form);

} // namespace form
