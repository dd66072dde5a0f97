// Holds the tournament lock of the folder it is given, as a running program
// does: says "locked" once it has it, then keeps it until its input closes or
// it is killed.
#include "platform/TournamentLock.h"

#include <QString>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    QString refusal;
    const auto lock =
        corvane::platform::TournamentLock::acquire(QString::fromLocal8Bit(argv[1]), refusal);
    std::cout << (lock ? "locked" : "refused") << std::endl;
    std::string ignored;
    while (std::getline(std::cin, ignored)) {
    }
    return lock ? 0 : 1;
}
