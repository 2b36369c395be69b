#pragma once
// The vocabulary of the window's layout table: one ControlSpec per control, in twips exactly as the
// window was designed. The builder (form1.cpp) turns each row into a widget; nothing else reads the
// table, so every caption, position and look of a control is found in one place.

#include <QList>
#include <QString>
#include <QStringList>

namespace form {

enum class Kind { Label, TextBox, ComboBox, CommandButton, Frame, OptionButton, CheckBox, Image, Line };

// Left, Top, Width, Height in twips within the container (15 twips = 1 px at 96 dpi).
// For a Line the four numbers are its end points X1, Y1, X2, Y2.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Text colours the layout uses; Default is the platform's window text colour.
enum class Ink {
    Default,
    Blue, // &H00FF0000&
    Red, // &H000000FF&
    DarkBlue, // &H00C00000&
    LightGrey, // &H00C0C0C0&
    ButtonShadow, // system button-shadow grey
    Workspace, // system application-workspace grey
};

enum class Pointer { Default, Link, IBeam };

struct Font {
    double points = 9.75;
    bool bold = false;
    bool underline = false;
    bool windowDefault = false; // no font of its own: the window's default UI font
};

struct ControlSpec {
    QString name {}; // the control's objectName
    Kind kind = Kind::Label;
    QString container {}; // "Form1" or the name of a frame
    Twips geometry {};
    QString caption {}; // caption or text; lines separated by "\r\n"; an Image's resource path
    Ink ink = Ink::Default;
    Font font = {};
    bool alignRight = false;
    QString toolTip {};
    Pointer pointer = Pointer::Default;
    bool visible = true;
    bool enabled = true;
    bool locked = false; // text box: select and copy only
    bool multiLine = false; // text box: several lines and a vertical scroll bar
    int value = 0; // check box: 0 clear, 1 ticked, 2 greyed; option button: 1 selected
    QStringList items {}; // combo box list
};

// The window-wide keyboard focus order, page by page.
struct FocusChain {
    QString page;
    QStringList controls;
};

const QList<ControlSpec>& layoutTable();
const QList<FocusChain>& focusChains();

} // namespace form
