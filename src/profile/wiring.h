#pragma once
// Connects the customer profile (profile_entries.h) to the window: Form_Load restores it, the save
// button "儲存我的資料" (Command8) saves it, and the weekday and holiday boxes (Check1, Check2) are
// kept so that exactly one of them is ticked after every click.

namespace form {
class Form1;
}

namespace profile {

void attach(form::Form1& form);

} // namespace profile
