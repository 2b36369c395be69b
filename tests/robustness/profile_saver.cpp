// A second copy of the program for the store tests: it saves the customer's details with the save
// button of its own window, numbered sets one after another (store_generations.h), and says so on
// its standard output, so that a test can kill it in the middle of a save or let two copies take
// turns on one store.
//
//   profile_saver loop    saves generation after generation, starting after the one it restored;
//                         prints "saved N" after each
//   profile_saver turns   for each line "save N" on its standard input saves generation N, then
//                         prints "saved N"; ends with its input
//
// A save that fails prints "failed N" and ends the program with status 1.

#include "form/form1.h"
#include "profile_values.h"
#include "program.h"
#include "stand_ins.h"
#include "store_generations.h"

#include <QApplication>
#include <QPushButton>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

bool save(form::Form1& form, robustness::MessageBoxAnswerer& answerer, int generation)
{
    robustness::showProfile(form, robustness::generationProfile(generation));
    form.button(QStringLiteral("Command8"))->click();
    const bool saved = answerer.takeAnswered().isEmpty(); // a failed save says so in a message box
    std::printf("%s %d\n", saved ? "saved" : "failed", generation);
    std::fflush(stdout);
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString mode = app.arguments().value(1);
    auto form = buildProgram();
    robustness::MessageBoxAnswerer answerer([] { return robustness::Answer::OkButton; });

    if (mode == QLatin1String("loop")) {
        int generation = robustness::generationOf(robustness::shownProfile(*form)).value_or(0);
        while (save(*form, answerer, ++generation)) { }
        return 1;
    }
    if (mode == QLatin1String("turns")) {
        for (std::string line; std::getline(std::cin, line);) {
            int generation = 0;
            if (std::sscanf(line.c_str(), "save %d", &generation) == 1 && !save(*form, answerer, generation))
                return 1;
        }
        return 0;
    }
    std::fprintf(stderr, "usage: profile_saver loop|turns\n");
    return 2;
}
