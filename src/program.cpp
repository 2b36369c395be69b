#include "program.h"

#include "form/navigation.h"
#include "links/wiring.h"
#include "order/wiring.h"
#include "pricing/wiring.h"
#include "profile/wiring.h"

std::unique_ptr<form::Form1> buildProgram()
{
    auto form = std::make_unique<form::Form1>();
    form::attachPageButtons(*form);
    pricing::attach(*form);
    order::attach(*form);
    profile::attach(*form);
    links::attach(*form);
    form->Form_Load();
    return form;
}
