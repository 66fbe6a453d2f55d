#include "app/application.h"

int main(int argc, char** argv) {
    return app::RunProject1(argc, argv);
}
