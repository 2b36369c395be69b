#include "links/wiring.h"

#include "form/form1.h"
#include "form/widgets.h"
#include "links/link_table.h"
#include "platform/open_url.h"

#include <QUrl>

namespace links {

// Label3_Click, Label27_Click, ... Label77_Click are all this one handler with its label's address:
// hand the address to the browser and touch nothing in the window, whatever the outcome.
void attach(form::Form1& form)
{
    for (const Link& link : linkTable) {
        auto* label = form.control<form::LinkLabel>(QString::fromLatin1(link.label));
        const QUrl address(QString::fromLatin1(link.address));
        QObject::connect(
            label, &form::LinkLabel::clicked, label, [address, label] { platform::openUrl(address, label->window()); });
    }
}

} // namespace links
