#include "app/TournamentApp.h"

int main(int argc, char** argv) {
    corvane::app::TournamentApp app;
    return app.run(argc, argv);
}
