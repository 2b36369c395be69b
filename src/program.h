#pragma once
// The whole program in one call: the window with every subsystem attached and the customer's saved
// details restored, ready to show. main() and the tests build it the same way.

#include "form/form1.h"

#include <memory>

std::unique_ptr<form::Form1> buildProgram();
