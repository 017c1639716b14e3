#include "cli/main_flow.h"

int main(int argc, char** argv) {
    return vendrel::run(argc, argv);
}
