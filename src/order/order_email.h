#pragma once
// The order e-mail. Command4_Click (wiring.cpp) reads the details page, the quantity boxes and the
// amount to transfer into an OrderInput; detailsComplete() says whether the customer filled in every
// required detail, and composeOrderEmail() turns the input into the subject and the body the customer
// copies into a mail program. Everything is copied as typed: nothing is trimmed, converted or checked.

#include "pricing/catalogue.h"

#include <QString>
#include <array>

namespace order {

// The details page as the customer left it.
struct Details {
    QString name; // Text2, required
    QString address; // Text1, required
    QString nickName; // Text4, required
    QString tel1; // Text5, required
    QString tel2; // Text9
    QString account; // Text3, required: last five digits of the paying account, or the remitter's name
    QString remittedAt; // Text6, required: date and time of the remittance
    QString day1; // Text8, required: preferred receiving dates, first to third choice
    QString day2; // Text7, required
    QString day3; // Text10, required
    QString remark; // Text11
    int normalDay = 0; // Check1: 0 clear, 1 ticked, 2 greyed
    std::array<bool, 4> timeSlot {}; // Option1..Option4
};

// One quantity text per catalogue row, in catalogue (page) order.
using Quantities = std::array<QString, pricing::catalogue.size()>;

struct OrderInput {
    Details details;
    QString amount; // the amount to transfer, as shown
    Quantities quantities;
};

struct OrderEmail {
    QString subject;
    QString body; // every line ends with CR LF, the last one included
};

// True when none of the nine required details is empty (a detail of blanks only is filled in).
bool detailsComplete(const Details& details);

OrderEmail composeOrderEmail(const OrderInput& input);

} // namespace order
